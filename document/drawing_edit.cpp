// Removing atoms and bonds from the document, and the document's hydrogens.
#include "document/drawing.h"
#include "document/symbol.h"
#include "model/bond.h"
#include "model/structure_atom.h"

namespace trelvix {

void tDrawing::deleteBond(tLink* doomed)
{
  if (!doomed)
    return;
  Bonds.Remove(doomed);
  for (tStructure* g : Groups) {
    g->Bonds.Remove(doomed);
    g->OddBonds.Remove(doomed);
  }
  for (tSymbol* s : *Symbols)
    s->Bonds.Remove(doomed);
  OddBonds.Remove(doomed);
  if (bond == doomed)
    bond = nullptr;
  delete doomed;
}

void tDrawing::deleteAtom(tXY* doomed)
{
  if (!doomed)
    return;
  // Its bonds go first, so no bond is left pointing at a freed atom.
  std::vector<tLink*> attached;
  for (tLink* b : Bonds) {
    if (b->Atm1 == doomed || b->Atm2 == doomed)
      attached.push_back(b);
  }
  for (tLink* b : attached)
    deleteBond(b);

  Atoms.Remove(doomed);
  Labels.Remove(doomed);
  std::vector<tStructure*> emptied;
  for (tStructure* g : Groups) {
    g->Atoms.Remove(doomed);
    g->OddAtoms.Remove(doomed);
    if (g->Ligands)
      g->Ligands->Remove(doomed);
    if (g->Atoms.empty())
      emptied.push_back(g);
  }
  for (tStructure* g : emptied)
    RemoveGroup(g);
  for (tSymbol* s : *Symbols)
    s->Atoms.Remove(doomed);
  for (tLAtm*& line : reportLines) {
    if (line == doomed)
      line = nullptr;
  }
  if (m1 == doomed)
    m1 = nullptr;
  if (m2 == doomed)
    m2 = nullptr;
  delete doomed;
}

void tDrawing::deleteSymbol(tSymbol* doomed)
{
  if (!doomed || !Symbols->Contains(doomed))
    return;
  const std::vector<tXY*> points(doomed->Atoms.begin(), doomed->Atoms.end());
  for (tXY* point : points)
    deleteAtom(point);
  // Strokes whose ends were not points of the document go with the symbol too.
  while (!doomed->Bonds.empty())
    deleteBond(doomed->Bonds.At(0));
  Symbols->Remove(doomed);
  delete doomed;
}

void tDrawing::distributeprotons()
{
  for (tStructure* g : Groups) {
    g->AttachedProtons();
    g->Atoms.AddAtoms(g->Ligands.get());
    for (tLink* b : Bonds) {
      if (g->Atoms.Contains(b->Atm1) && g->Atoms.Contains(b->Atm2))
        g->Bonds.Store(b);
    }
  }
  // Atoms that belong to no piece become pieces of their own, with their hydrogens.
  const int count = Atoms.Count();
  for (int i = 0; i < count; ++i) {
    auto* atom = dynamic_cast<tAtm*>(Atoms.At(i));
    if (!atom || atom->element <= 1 || GroupAtom(atom))
      continue;
    atom->AttachedAtoms();
    auto* piece = new tStructure;
    piece->Atoms.Add(atom);
    for (tXY* n : *atom->atoms) {
      if (n->element == 1)
        piece->Atoms.Store(n);
    }
    for (tLink* b : Bonds) {
      if (piece->Atoms.Contains(b->Atm1) && piece->Atoms.Contains(b->Atm2))
        piece->Bonds.Store(b);
    }
    Groups.Add(piece);
  }
}

namespace {

// Frees the objects of piece that the current document does not hold, and empties its lists.
void freeUnadopted(tStructure& piece)
{
  for (tLink* b : piece.Bonds) {
    if (!CurrentDrawing || !CurrentDrawing->Bonds.Contains(b))
      delete b;
  }
  for (tXY* a : piece.Atoms) {
    if (!CurrentDrawing || !CurrentDrawing->Atoms.Contains(a))
      delete a;
  }
  piece.Bonds.deleteall();
  piece.Atoms.deleteall();
}

bool adopted(const tStructure* piece)
{
  if (!CurrentDrawing)
    return false;
  if (CurrentDrawing->Groups.Contains(piece))
    return true;
  const auto* symbol = dynamic_cast<const tSymbol*>(piece);
  return symbol && CurrentDrawing->Symbols->Contains(symbol);
}

} // namespace

void placePiece(std::unique_ptr<tStructure> piece, const std::function<void(tStructure&)>& build)
{
  try {
    build(*piece);
  } catch (...) {
    if (adopted(piece.get()))
      piece.release();
    else
      freeUnadopted(*piece);
    throw;
  }
  if (adopted(piece.get()))
    piece.release();
  else
    freeUnadopted(*piece);
}

void tDrawing::protonate3d()
{
  tStructure::protonate3d();
  distributeprotons();
}

void tDrawing::Deprotonate()
{
  deprotonate();
  std::vector<tStructure*> emptied;
  for (tStructure* g : Groups) {
    if (g->Atoms.empty())
      emptied.push_back(g);
  }
  for (tStructure* g : emptied)
    RemoveGroup(g);
}

} // namespace trelvix
