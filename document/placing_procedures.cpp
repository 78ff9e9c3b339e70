// The building procedures behind the menus: each places a piece at the click point or attaches it
// to the atom under the pointer, on the current document.
#include "document/placing_procedures.h"

#include "document/arrows.h"
#include "document/drawing.h"
#include "document/hydrogen_writing.h"
#include "document/molecules.h"
#include "document/ring_procedures.h"
#include "document/substituents.h"
#include "document/symbol.h"
#include "document/templates.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/element_table.h"
#include "model/structure_atom.h"
#include "platform/shell.h"

#include <algorithm>
#include <cmath>

namespace trelvix {

namespace {

bool hasAtoms(MessageIcon icon, const char* message)
{
  if (CurrentDrawing->Atoms.NAtoms() > 0)
    return true;
  showMessage(message, "", icon);
  return false;
}

// One new atom of element z linked to the atom under the pointer.
tLink* linkElement(int z, double x, double y)
{
  if (!hasAtoms(MessageIcon::Information, "No Atoms"))
    return nullptr;
  tLink* bond = CurrentDrawing->branch(false, true, x, y, 0);
  if (!bond)
    return nullptr;
  auto* added = dynamic_cast<tAtm*>(bond->Atm2.get());
  if (added && z != 6) {
    added->Change(z, 2);
    // Written left of their parent, OH reads "HO" and NH2 "H2N": the hydrogens away from the bond.
    if (added->mult() > 0)
      writeHydrogensAwayFrom(*added, *bond->Atm1);
  }
  bond->normalize(1); // the new atom moves to the ideal length
  return bond;
}

// A new atom of element z double-bonded to the atom under the pointer, drawn as a centred double
// bond.
void doubleBondElement(int z, double x, double y)
{
  if (!hasAtoms(MessageIcon::Warning, "No Atoms"))
    return;
  tLink* bond = CurrentDrawing->branch(false, true, x, y, 0);
  if (!bond)
    return;
  if (auto* added = dynamic_cast<tAtm*>(bond->Atm2.get()); added && z != 6)
    added->Change(z, 2);
  bond->ddouble();
  bond->lineStyle = 4;
  bond->normalize(1);
}

/// The groups made by one link: the element, and whether the bond is double.
struct OneAtomGroup
{
  int code;
  int element;
  bool doubleBond;
};

constexpr OneAtomGroup oneAtomGroups[] = {
  { 543, 8, false },  // OH
  { 544, 7, false },  // NH2
  { 546, 9, false },  // F
  { 547, 17, false }, // Cl
  { 548, 35, false }, // Br
  { 553, 53, false }, // I
  { 549, 16, false }, // SH
  { 550, 15, false }, // PH2
  { 569, 34, false }, // SeH
  { 570, 14, false }, // SiH3
  { 545, 8, true },   // =O
  { 552, 7, true },   // =NH
  { 551, 6, true },   // =CH2
  { 555, 16, true },  // =S
};

} // namespace

bool placeOneAtomGroup(int code, double x, double y)
{
  for (const OneAtomGroup& g : oneAtomGroups) {
    if (g.code != code)
      continue;
    if (g.doubleBond)
      doubleBondElement(g.element, x, y);
    else
      linkElement(g.element, x, y);
    return true;
  }
  return false;
}

bool placeRing(int code, double x, double y)
{
  // Ring sizes 3..10 from codes 151..158; the boat and the chair are the six-ring shaped in 3D.
  const int size = code == 159 ? 16 : code == 161 ? 26 : code - 148;
  dropRing(size, x, y);
  return true;
}

bool placeAlkane(int code, double x, double y)
{
  placePiece(std::make_unique<tChain>(code - 499),
             [&](tStructure& chain) { static_cast<tChain&>(chain).Add(x, y); });
  return true;
}

bool placeBranchElement(int code, double x, double y)
{
  linkElement(code == 522 ? 1 : 6, x, y);
  return true;
}

bool placeMethyl(int, double x, double y)
{
  if (tLink* bond = linkElement(6, x, y)) {
    bond->Atm2->ChangeStyle(2, false); // written with its hydrogens: CH3, or H3C on the left
    writeHydrogensAwayFrom(*bond->Atm2, *bond->Atm1);
  }
  return true;
}

bool placeAlkylBranch(int code, double x, double y)
{
  if (!hasAtoms(MessageIcon::Information, "No Atoms to link"))
    return true;
  const int carbons = code == 531 ? 10 : code - 510;
  placePiece(std::make_unique<tChain>(carbons),
             [&](tStructure& chain) { static_cast<tChain&>(chain).link(x, y); });
  return true;
}

bool placeBenzene(int, double x, double y)
{
  placePiece(std::make_unique<tBenzene>(),
             [&](tStructure& benzene) { static_cast<tBenzene&>(benzene).Add(x, y); });
  return true;
}

// The symbol tools: arrows and the triangle are centred on the point, arcs start there.
bool placeSymbol(int code, double x, double y)
{
  static constexpr std::uint16_t kinds[] = { 102, 103, 104, 105, 109, 109, 109, 109, 108, 106 };
  std::unique_ptr<tSymbol> symbol = makeSymbol(kinds[code - 720]);
  if (!symbol)
    return true;
  if (code == 729)
    symbol->setPenStyle(3);
  if (auto* arc = dynamic_cast<tArcArrow*>(symbol.get())) {
    if (code == 725 || code == 727)
      arc->reverse();
    else if (code == 726) {
      arc->turnQuarter();
      arc->turnQuarter();
    }
  }
  placePiece(std::move(symbol), [&](tStructure& s) { s.Add(x, y); });
  return true;
}

bool placePlusSign(int, double x, double y)
{
  if (!CurrentDrawing)
    return false;
  Canvas& canvas = currentShell().mainCanvas();
  const FontRecord before = canvas.font();
  canvas.setFont(CurrentDrawing->font);
  const TextExtent extent = canvas.textExtent("+");
  canvas.setFont(before);
  // A label hangs from its point: half its extent up and to the left centres it.
  auto* plus = new tLAtm(x - extent.width / 2.0, y - extent.height / 2.0, "+");
  plus->SetFont(CurrentDrawing->font);
  CurrentDrawing->Atoms.Add(plus);
  CurrentDrawing->Labels.Add(plus);
  return true;
}

void addLoneAtom(int z, double x, double y)
{
  if (!CurrentDrawing || z < 1 || z > maxElement)
    return;
  placePiece(std::make_unique<tStructure>(), [&](tStructure& piece) {
    auto* atom = new tAtm(z, x, y, 0);
    piece.Atoms.Add(atom);
    atom->ChangeStyle(1, false); // a lone atom always shows its symbol
    piece.AddToDrawing();
  });
}

tLAtm* addTextAtom(int code, double x, double y)
{
  if (!CurrentDrawing || (code != 607 && code != 608))
    return nullptr;
  tLAtm* text = code == 607 ? new tLAtm(x, y, "") : new tFormula(x, y, "");
  text->SetFont(CurrentDrawing->font);
  CurrentDrawing->Atoms.Add(text);
  CurrentDrawing->Labels.Add(text);
  return text;
}

tLink* bondUnder(double x, double y)
{
  if (!CurrentDrawing)
    return nullptr;
  // Symbol strokes are never a target.
  tbondlist chemical;
  for (tLink* b : CurrentDrawing->Bonds) {
    if (b->Atm1 && b->Atm2 && b->Atm1->isatom() && b->Atm2->isatom())
      chemical.Add(b);
  }
  return CurrentDrawing->GetBond(chemical, x, y);
}

void linkElementAt(int z, double x, double y)
{
  if (CurrentDrawing && z >= 1 && z <= maxElement)
    linkElement(z, x, y);
}

namespace {

bool areBonded(const tDrawing& drawing, const tXY* a, const tXY* b)
{
  return std::any_of(drawing.Bonds.begin(), drawing.Bonds.end(), [&](const tLink* bond) {
    return (bond->Atm1 == a && bond->Atm2 == b) || (bond->Atm1 == b && bond->Atm2 == a);
  });
}

} // namespace

bool linkAtomPair(tDrawing& drawing, tXY* first, tXY* second)
{
  if (!first || !second || first == second || areBonded(drawing, first, second))
    return false;
  auto* bond = new tbond(first, second);
  bond->ssingle();
  drawing.Bonds.Add(bond);
  // The two atoms are one molecule now: the bond joins the first atom's piece, and the second
  // atom's piece, when another, merges into it.
  tStructure* one = drawing.getowner(first);
  tStructure* other = drawing.getowner(second);
  if (one && other && one != other) {
    one->Atoms.AddAtoms(&other->Atoms);
    one->Bonds.AddBonds(&other->Bonds);
    drawing.RemoveGroup(other);
  }
  if (tStructure* owner = one ? one : other)
    owner->Bonds.Add(bond);
  return true;
}

} // namespace trelvix
