// The keys that edit the atom or bond under the pointer.
#include "document/key_edits.h"

#include "document/drawing.h"
#include "document/placing_procedures.h"
#include "model/bond.h"
#include "model/structure_atom.h"

namespace trelvix {

namespace {

enum class Edit
{
  DeleteAtom,
  DeleteBond,
  BondType,       ///< value: the new type code
  Nothing,        ///< the key only takes the undo copy
  ToggleAromatic, ///< then blue when aromatic, black when not
  Element,        ///< value: the element; style: its label style
  Hydrogens,      ///< value: +1 or -1 implicit hydrogen
  Charge,         ///< value: +1 or -1; no undo copy
};

struct KeyRow
{
  std::string_view key;
  Edit edit;
  int value = 0;
  std::uint8_t style = 0;
};

constexpr Colour aromaticBlue = 0xFF0000;

constexpr KeyRow keyRows[] = {
  { "Delete", Edit::DeleteAtom },
  { "K", Edit::DeleteBond },
  { "1", Edit::BondType, SingleBond },
  { "2", Edit::BondType, DoubleBond },
  { "3", Edit::BondType, TripleBond },
  { "4", Edit::BondType, ResonanceBond },
  { "5", Edit::BondType, HydrogenBond },
  { "T", Edit::BondType, HydrogenBond },
  { "G", Edit::Nothing },
  { "R", Edit::Nothing },
  { "A", Edit::ToggleAromatic },
  { "C", Edit::Element, 6, 0 },
  { "H", Edit::Element, 1, 1 },
  { "B", Edit::Element, 5, 2 },
  { "N", Edit::Element, 7, 2 },
  { "O", Edit::Element, 8, 2 },
  { "F", Edit::Element, 9, 2 },
  { "Q", Edit::Element, 14, 2 },
  { "P", Edit::Element, 15, 2 },
  { "S", Edit::Element, 16, 2 },
  { "X", Edit::Element, 17, 2 },
  { "Z", Edit::Element, 34, 2 },
  { "Y", Edit::Element, 35, 2 },
  { "I", Edit::Element, 53, 2 },
  { "U", Edit::Hydrogens, 1 },
  { "D", Edit::Hydrogens, -1 },
  { "+", Edit::Charge, 1 },
  { "-", Edit::Charge, -1 },
};

const KeyRow* findKey(std::string_view key)
{
  for (const KeyRow& row : keyRows) {
    if (row.key == key)
      return &row;
  }
  return nullptr;
}

bool actsOnBond(Edit e)
{
  return e == Edit::DeleteBond || e == Edit::BondType || e == Edit::Nothing ||
         e == Edit::ToggleAromatic;
}

void editBond(const KeyRow& row, tDrawing& doc, tLink& bond)
{
  switch (row.edit) {
    case Edit::DeleteBond:
      doc.deleteBond(&bond);
      doc.checkatoms();
      break;
    case Edit::BondType:
      if (row.value == DoubleBond)
        bond.ddouble(); // also places the second line on the cis side
      else
        bond.Change(static_cast<std::uint8_t>(row.value));
      break;
    case Edit::ToggleAromatic:
      bond.Aromatize(!bond.isAromatic());
      bond.color(bond.isAromatic() ? aromaticBlue : black);
      break;
    default:
      break;
  }
}

void editAtom(const KeyRow& row, tDrawing& doc, tXY& atom)
{
  switch (row.edit) {
    case Edit::DeleteAtom:
      doc.deleteAtom(&atom);
      doc.checkatoms();
      break;
    case Edit::Element:
      if (atom.isatom())
        atom.Change(row.value, row.style);
      break;
    case Edit::Hydrogens:
      if (atom.isatom())
        atom.ChangeH(row.value);
      break;
    case Edit::Charge:
      if (atom.isatom()) {
        atom.ChangeQ(row.value);
        atom.show();
      }
      break;
    default:
      break;
  }
}

// The object a key acts on: atoms of kind atom, label or formula for Delete; element atoms for
// the other atom keys; chemical bonds for the bond keys.
tXY* atomUnder(const tDrawing& doc, const KeyRow& row, double x, double y)
{
  if (doc.Atoms.NAtoms() == 0 && doc.Labels.empty())
    return nullptr;
  tXY* atom = doc.GetAtom(x, y);
  if (!atom)
    return nullptr;
  const bool text = atom->textFlag == tLAtm::labelKind || atom->textFlag == tFormula::formulaKind;
  return atom->isatom() || (row.edit == Edit::DeleteAtom && text) ? atom : nullptr;
}

} // namespace

KeyUndo keyUndo(std::string_view key)
{
  const KeyRow* row = findKey(key);
  if (!row)
    return KeyUndo::Unknown;
  // Charges are not undone: no undo copy is taken.
  return row->edit == Edit::Charge ? KeyUndo::None : KeyUndo::Snapshot;
}

bool applyKey(tDrawing& doc, std::string_view key, double x, double y)
{
  const KeyRow* row = findKey(key);
  if (!row)
    return false;
  if (actsOnBond(row->edit)) {
    tLink* bond = bondUnder(x, y);
    if (bond)
      editBond(*row, doc, *bond);
    return bond != nullptr;
  }
  tXY* atom = atomUnder(doc, *row, x, y);
  if (atom)
    editAtom(*row, doc, *atom);
  return atom != nullptr;
}

} // namespace trelvix
