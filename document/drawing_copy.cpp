// Copies of the document (the undo snapshot) and merging one document into another.
#include "document/drawing.h"
#include "document/symbol.h"
#include "model/bond.h"
#include "model/structure_atom.h"

#include <memory>
#include <unordered_map>

namespace trelvix {

namespace {

// Positions of the objects of a list, for resolving references between two documents.
template<class T>
std::unordered_map<const T*, int> positionsOf(const tBaseList<T>& list)
{
  std::unordered_map<const T*, int> positions;
  positions.reserve(static_cast<std::size_t>(list.Count()));
  for (int i = 0; i < list.Count(); ++i)
    positions.emplace(list.At(i), i);
  return positions;
}

template<class T>
T* counterpart(const std::unordered_map<const T*, int>& positions,
               const T* source,
               const tBaseList<T>& target)
{
  const auto it = positions.find(source);
  return it == positions.end() ? nullptr : target.At(it->second);
}

// A new atom of the source's class carrying its data.
tXY* copyAtom(const tXY& source)
{
  tXY* copy = nullptr;
  switch (source.textFlag) {
    case tSXY::symbolPointKind:
      copy = new tSXY(source.x3, source.y3);
      break;
    case tLAtm::labelKind:
      copy = new tLAtm(source.x3, source.y3, "");
      break;
    case tFormula::formulaKind:
      copy = new tFormula(source.x3, source.y3, "");
      break;
    default:
      copy = new tAtm(source.element, source.x3, source.y3, source.style);
      break;
  }
  copy->CloneData(source);
  copy->partialCharge = source.partialCharge;
  copy->hybridisation = source.hybridisation;
  copy->fixedFlag = source.fixedFlag;
  copy->neighbourCount = source.neighbourCount;
  copy->updatexyz();
  return copy;
}

void copySubstance(const tStructure& from, tStructure& to)
{
  to.copyFragmentData(from);
  to.dataItems = from.dataItems;
  to.phase = from.phase;
  to.amount = from.amount;
  to.solute = from.solute;
  to.parameterFlag = from.parameterFlag;
  to.molesFlag = from.molesFlag;
  to.strainEnergy = from.strainEnergy;
  to.startingEnergy = from.startingEnergy;
}

} // namespace

tSymbol* tDrawing::CloneSymbol(const tSymbol& symbol, tDrawing& target) const
{
  std::unique_ptr<tSymbol> copy = makeSymbol(symbol.symbolKind);
  if (!copy)
    return nullptr;
  copySubstance(symbol, *copy);
  copy->DisposeAtoms();
  copy->DisposeBonds();
  for (tXY* a : symbol.Atoms) {
    if (tXY* mine = target.Atoms.At(Atoms.IndexOf(a)))
      copy->Atoms.Add(mine);
  }
  for (tLink* b : symbol.Bonds) {
    if (tLink* mine = target.Bonds.At(Bonds.IndexOf(b)))
      copy->Bonds.Add(mine);
  }
  return copy.release();
}

tXY* tDrawing::duplicateAtom(const tXY& atom, double dx, double dy, double dz)
{
  auto copy = std::unique_ptr<tXY>(copyAtom(atom));
  copy->atomNumber = 0;
  copy->setRXYZ(atom.x3 + dx, atom.y3 + dy, atom.z3 + dz);
  tXY* added = copy.get();
  if (atom.textFlag == tLAtm::labelKind || atom.textFlag == tFormula::formulaKind) {
    Atoms.Add(copy.release());
    Labels.Add(added);
    return added;
  }
  // An element atom stands in a piece of its own, as a lone atom drawn by hand does.
  auto piece = std::make_unique<tStructure>();
  piece->Atoms.Add(added);
  Atoms.Add(copy.release());
  Groups.Store(piece.release());
  return added;
}

tSymbol* tDrawing::duplicateSymbol(const tSymbol& symbol, double dx, double dy)
{
  std::unique_ptr<tSymbol> copy = makeSymbol(symbol.symbolKind);
  if (!copy)
    return nullptr;
  copySubstance(symbol, *copy);
  copy->DisposeAtoms();
  copy->DisposeBonds();
  const auto positions = positionsOf(symbol.Atoms);
  for (const tXY* a : symbol.Atoms)
    copy->Atoms.Add(copyAtom(*a));
  for (const tLink* b : symbol.Bonds) {
    tXY* end1 = counterpart(positions, b->Atm1.get(), copy->Atoms);
    tXY* end2 = counterpart(positions, b->Atm2.get(), copy->Atoms);
    if (!end1 || !end2)
      continue;
    auto* stroke = new tbond(end1, end2);
    stroke->clonelink(*b);
    stroke->Atm1 = end1;
    stroke->Atm2 = end2;
    copy->Bonds.Add(stroke);
  }
  tSymbol* added = copy.release();
  added->Add(dx, dy); // the document adopts it
  return Symbols->Contains(added) ? added : nullptr;
}

std::unique_ptr<tDrawing> tDrawing::clone() const
{
  auto copy = std::make_unique<tDrawing>();
  copySubstance(*this, *copy);
  copy->viewMode = viewMode;
  copy->fileName = fileName;
  copy->version = version;
  copy->title = title;
  copy->author = author;
  copy->notes = notes;
  copy->font = font;
  copy->bondLength = bondLength;

  for (const tXY* a : Atoms) {
    tXY* atom = copyAtom(*a);
    copy->Atoms.Add(atom);
    if (Labels.Contains(a))
      copy->Labels.Add(atom);
  }
  const auto atomPositions = positionsOf(Atoms);
  for (const tLink* b : Bonds) {
    auto* bond = new tbond(nullptr, nullptr);
    bond->clonelink(*b);
    bond->index1 = b->index1;
    bond->index2 = b->index2;
    bond->idealLengthSum = b->idealLengthSum;
    bond->Atm1 = counterpart(atomPositions, b->Atm1.get(), copy->Atoms);
    bond->Atm2 = counterpart(atomPositions, b->Atm2.get(), copy->Atoms);
    copy->Bonds.Add(bond);
  }
  const auto bondPositions = positionsOf(Bonds);
  for (const tStructure* g : Groups) {
    auto* group = new tStructure;
    copySubstance(*g, *group);
    for (const tXY* a : g->Atoms) {
      if (tXY* mine = counterpart(atomPositions, a, copy->Atoms))
        group->Atoms.Add(mine);
    }
    for (const tLink* b : g->Bonds) {
      if (tLink* mine = counterpart(bondPositions, b, copy->Bonds))
        group->Bonds.Add(mine);
    }
    copy->Groups.Add(group);
  }
  for (const tSymbol* s : *Symbols)
    copy->AddSymbol(CloneSymbol(*s, *copy));
  copy->update();
  return copy;
}

void tDrawing::Append(tDrawing& other)
{
  // Beside what this document holds; into an empty one it comes where it was drawn.
  if (!Atoms.empty()) {
    frame();
    other.frame();
    other.Atoms.Move(frameRect.right - other.frameRect.left, 0, 0);
  }
  Atoms.AddAtoms(&other.Atoms);
  Bonds.AddBonds(&other.Bonds);
  Labels.AddAtoms(&other.Labels);
  for (tStructure* g : other.Groups)
    Groups.Store(g);
  for (tSymbol* s : *other.Symbols)
    AddSymbol(s);
  // Everything now belongs to this document: the other one gives it up.
  other.Atoms.deleteall();
  other.Bonds.deleteall();
  other.Labels.deleteall();
  other.Groups.deleteall();
  other.Symbols->deleteall();
  update();
}

} // namespace trelvix
