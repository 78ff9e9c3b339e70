// The building procedures behind the menus: each places a piece at the click point or attaches it
// to the atom under the pointer, on the current document.
#include "document/arrows.h"
#include "document/commands.h"
#include "document/drawing.h"
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
  auto* added = dynamic_cast<tAtm*>(bond->Atm2);
  if (added && z != 6) {
    added->Change(z, 2);
    // O and S written left of their parent keep their hydrogen away from the bond.
    if ((z == 8 || z == 16) && added->x3 < bond->Atm1->x3)
      added->Revtext();
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
  if (auto* added = dynamic_cast<tAtm*>(bond->Atm2); added && z != 6)
    added->Change(z, 2);
  bond->ddouble();
  bond->lineStyle = 4;
  bond->normalize(1);
}

// A carbon linked and written with its hydrogens: CH3.
void methylGroup(double x, double y)
{
  tLink* bond = linkElement(6, x, y);
  if (!bond)
    return;
  bond->Atm2->ChangeStyle(2, false);
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

bool oneAtomGroup(int code, double x, double y)
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

void addAlkane(int n, double x, double y)
{
  placePiece(std::make_unique<tChain>(n),
             [&](tStructure& chain) { static_cast<tChain&>(chain).Add(x, y); });
}

void alkylBranch(int n, double x, double y)
{
  if (!hasAtoms(MessageIcon::Information, "No Atoms to link"))
    return;
  placePiece(std::make_unique<tChain>(n),
             [&](tStructure& chain) { static_cast<tChain&>(chain).link(x, y); });
}

void addBenzene(double x, double y)
{
  placePiece(std::make_unique<tBenzene>(),
             [&](tStructure& benzene) { static_cast<tBenzene&>(benzene).Add(x, y); });
}

// The symbol tools: arrows and the triangle are centred on the point, arcs start there.
void addSymbol(int code, double x, double y)
{
  static constexpr std::uint16_t kinds[] = { 102, 103, 104, 105, 109, 109, 109, 109, 108, 106 };
  std::unique_ptr<tSymbol> symbol = makeSymbol(kinds[code - 720]);
  if (!symbol)
    return;
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
}

} // namespace

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

void buildProcedure(int code, double x, double y)
{
  if (!CurrentDrawing)
    return;
  if (code >= 151 && code <= 158)
    dropRing(code - 148, x, y);
  else if (code == 159)
    dropRing(16, x, y);
  else if (code == 161)
    dropRing(26, x, y);
  else if (code >= 501 && code <= 509)
    addAlkane(code - 499, x, y);
  else if (code == 511)
    linkElement(6, x, y);
  else if (code >= 512 && code <= 519)
    alkylBranch(code - 510, x, y);
  else if (code == 531)
    alkylBranch(10, x, y);
  else if (code == 522)
    linkElement(1, x, y);
  else if (code == 523 || code == 499)
    methylGroup(x, y);
  else if (oneAtomGroup(code, x, y) || addMolecule(code, x, y) || addSubstituent(code, x, y) ||
           ringProcedure(code, x, y))
    return;
  else if (code == 701)
    addBenzene(x, y);
  else if (code >= 720 && code <= 729)
    addSymbol(code, x, y);
}

} // namespace trelvix
