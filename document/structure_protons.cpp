// Hydrogens, hybridisation, valence and numbering of a structure's atoms.
#include "document/drawing.h"
#include "document/structure.h"
#include "model/bond.h"
#include "model/structure_atom.h"
#include "platform/checked.h"
#include "platform/shell.h"

namespace trelvix {

namespace {

tAtm* structureAtom(tXY* atom)
{
  return dynamic_cast<tAtm*>(atom);
}

// Elements whose implicit hydrogens 3D protonation places: Li, B-F, Al-Cl, Ga-Br and I.
bool protonatedIn3d(int z)
{
  return z == 3 || (z >= 5 && z <= 9) || (z >= 13 && z <= 17) || (z >= 31 && z <= 35) || z == 53;
}

} // namespace

void tStructure::AttachedProtons()
{
  if (!Ligands)
    Ligands = std::make_unique<tAtoms>();
  Ligands->deleteall();
  for (tXY* a : Atoms) {
    tAtm* atom = structureAtom(a);
    if (!atom || atom->textFlag != 0 || atom->element <= 1)
      continue;
    atom->AttachedAtoms();
    for (tXY* n : *atom->atoms) {
      if (n->element == 1)
        Ligands->Add(n);
    }
  }
}

int tStructure::GetLigands()
{
  if (!Ligands)
    Ligands = std::make_unique<tAtoms>();
  Ligands->deleteall();
  if (Atoms.Count() < 2)
    return 0;
  for (tXY* a : Atoms) {
    tAtm* atom = structureAtom(a);
    if (!atom || atom->element < 1 || atom->textFlag != 0)
      continue;
    atom->AttachedAtoms();
    for (tXY* n : *atom->atoms) {
      if (!Atoms.Contains(n))
        Ligands->Store(n);
    }
  }
  return Ligands->Count();
}

void tStructure::setn1n2()
{
  if (!CurrentDrawing)
    return;
  for (tLink* b : Bonds) {
    auto* bond = dynamic_cast<tbond*>(b);
    if (bond && (bond->bondType() == 3 || bond->bondType() == 4))
      bond->setn1n2(CurrentDrawing->Atoms);
  }
}

void tStructure::Hybridizations()
{
  for (tXY* a : Atoms) {
    tAtm* atom = structureAtom(a);
    if (atom && atom->textFlag == 0 && atom->element >= 1)
      atom->GetHyb();
  }
}

void tStructure::Protonate()
{
  // New hydrogens join the document's lists while this loop runs: visit only the atoms that
  // were there when it began.
  const int count = Atoms.Count();
  for (int i = 0; i < count; ++i) {
    tAtm* atom = structureAtom(Atoms.At(i));
    if (atom && atom->textFlag == 0)
      atom->protonate();
  }
  ScaleXH();
}

void tStructure::protonate3d()
{
  Hybridizations();
  const AtomHost* host = atomHost();
  const int count = Atoms.Count();
  for (int i = 0; i < count; ++i) {
    tAtm* atom = structureAtom(Atoms.At(i));
    if (!atom || !atom->isatom() || !protonatedIn3d(atom->element))
      continue;
    if (host && host->groupEditorShown() && !host->isMemberOfEditedGroup(atom))
      continue;
    atom->protonate3d();
  }
  ScaleXH();
  currentShell().requestRepaint();
}

void tStructure::deprotonate()
{
  if (!CurrentDrawing)
    return;
  const AtomHost* host = atomHost();
  const bool editorOnly = host && host->groupEditorShown();
  int i = 0;
  while (i < Atoms.Count()) {
    tXY* atom = Atoms.At(i);
    tAtm* member = structureAtom(atom);
    const bool remove = atom->textFlag == 0 && atom->element == 1 &&
                        (!editorOnly || (member && host->isMemberOfEditedGroup(member)));
    if (!remove) {
      ++i;
      continue;
    }
    Atoms.Delete(i); // the index stays: the next atom moves up
    CurrentDrawing->deleteAtom(atom);
  }
  flagBytes[0] = 0;
  currentShell().requestRepaint();
}

void tStructure::AutoNumber(int z, bool continueNumbering)
{
  if (continueNumbering) {
    std::int16_t next = CurrentDrawing ? CurrentDrawing->Atoms.MaxNumber() : Atoms.MaxNumber();
    for (tXY* a : Atoms) {
      if (a->atomNumber != 0)
        continue;
      checkedAdd(next, 1);
      if (a->element == z || z == 0)
        a->atomNumber = next;
    }
    return;
  }
  std::int16_t counter = 1;
  for (int i = 0; i < Atoms.Count(); ++i) {
    tXY* a = Atoms.At(i);
    if (a->atomNumber != 0)
      continue;
    if (a->element == z || (z == 1 && a->mult() > 0)) {
      a->atomNumber = counter;
      checkedAdd(counter, 1);
    }
    if (z == 0)
      a->atomNumber = checkedNarrow<std::int16_t>(i + 1);
  }
}

void tStructure::setvalence()
{
  for (tXY* a : Atoms) {
    if (tAtm* atom = structureAtom(a))
      atom->setvalence();
  }
  for (tLink* b : Bonds) {
    tAtm* a1 = structureAtom(b->Atm1);
    tAtm* a2 = structureAtom(b->Atm2);
    const bool loose = (a1 && a1->AttachedAtoms() < 2) || (a2 && a2->AttachedAtoms() < 2);
    if (loose)
      b->Aromatize(false);
  }
}

} // namespace trelvix
