#include "model/list_drawing.h"

#include "model/atom.h"
#include "model/atom_list.h"
#include "model/bond_list.h"
#include "model/label.h"
#include "model/link.h"

namespace trelvix {

void printAtoms(tAtoms& atoms, Canvas& canvas)
{
  for (tXY* a : atoms)
    a->print(canvas);
}

void printAtoms3d(tAtoms& atoms, Canvas& canvas, std::uint8_t style)
{
  atoms.Get3dlist();
  for (tXY* a : *atoms.List3d) {
    if (!a->isatom())
      continue;
    const std::uint8_t own = a->setstyle(style);
    a->print(canvas);
    a->setstyle(own);
  }
}

void printAtomsNoHC(tAtoms& atoms, Canvas& canvas)
{
  for (tXY* a : atoms) {
    if (a->isatom() && a->element != 1 && a->element != 6)
      a->print(canvas);
  }
}

void printLabels(tAtoms& atoms, Canvas& canvas, Colour colour)
{
  for (tXY* a : atoms) {
    if (a->textFlag != tLAtm::labelKind && a->textFlag != tFormula::formulaKind)
      continue;
    // A label writes its text as it stands; a formula with sub- and superscripts.
    tLabel label(canvas, a->textDirection, tLabel::Forwards, 0, a->font, a->symbol.str());
    const Colour oldColour = canvas.textColour();
    canvas.setTextColour(colour == black ? a->colour : colour);
    const Point at{ a->px(), a->py() };
    if (a->textFlag == tFormula::formulaKind)
      label.Formula(canvas, at);
    else
      label.Show(canvas, at);
    canvas.setTextColour(oldColour);
    canvas.setFont(label.previousFont);
  }
}

void printBonds(tbondlist& bonds, Canvas& canvas)
{
  for (tLink* b : bonds)
    b->print(canvas);
}

void printBondRods(tbondlist& bonds, Canvas& canvas, Colour colour, int size)
{
  bonds.get3dlist();
  for (tLink* b : *bonds.List3d) {
    if (b->visible)
      b->printrod(canvas, colour, size);
  }
}

void printBonds3d(tbondlist& bonds, Canvas& canvas, int size)
{
  bonds.get3dlist();
  for (tLink* b : *bonds.List3d) {
    if (b->visible)
      b->printrod(canvas, b->colour, size);
  }
}

} // namespace trelvix
