#include "document/drawing.h"

#include "document/symbol.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/structure_atom.h"

#include <cmath>
#include <cstdlib>
#include <memory>

namespace trelvix {

tDrawing* CurrentDrawing = nullptr;

void setCurrentDrawing(tDrawing* drawing)
{
  CurrentDrawing = drawing;
  setAtomHost(drawing);
  setMessageFontSource(drawing ? &drawing->font : nullptr);
}

tDrawing::tDrawing()
  : Symbols(std::make_unique<tSymbols>())
  , bondLength(modelDefaults().BondScalePixels)
  , font(modelDefaults().font)
{
  fileName.assign("untitled.tvx");
  ShowMoles(false);
}

tDrawing::~tDrawing()
{
  if (CurrentDrawing == this)
    setCurrentDrawing(nullptr);
  // Pieces and symbols free only their own lists; the shared atoms and bonds are freed here once.
  for (tStructure* g : Groups)
    delete g;
  Groups.deleteall();
  for (tSymbol* s : *Symbols) {
    s->Atoms.deleteall();
    s->Bonds.deleteall();
    delete s;
  }
  Symbols->deleteall();
  Labels.deleteall();
  DisposeAtoms();
  DisposeBonds();
}

void tDrawing::adopt(tAtm* atom, tbond* newBond)
{
  if (atom)
    Atoms.Add(atom);
  if (newBond)
    Bonds.Add(newBond);
}

tAtm* tDrawing::addAtomAtOffset(tAtm& atom, int z, double dx, double dy)
{
  // Placing and typing may overflow on absurd coordinates: the new atom and bond are owned here
  // until the document adopts them, so a failure frees them.
  auto added = std::make_unique<tAtm>(z, 0, 0, 2);
  added->setRXYZ(atom.x3 + dx, atom.y3 + dy, atom.z3);
  auto link = std::make_unique<tbond>(&atom, added.get());
  link->ssingle();
  tAtm* placed = added.release();
  adopt(placed, link.release());
  return placed;
}

tAtm* tDrawing::linkHydrogenTowards(tAtm& atom, double x, double y)
{
  // The new hydrogen goes one bond length from the atom, in the direction nearest the point
  // (in 30-degree steps) that stays farthest from the atom's existing bonds in the plane.
  atom.AttachedAtoms();
  const double towards = std::atan2(y - atom.y3, x - atom.x3);
  double best = towards;
  double bestClearance = -1;
  for (int step = 0; step < 12; ++step) {
    const int k = (step + 1) / 2 * (step % 2 == 1 ? 1 : -1);
    const double angle = towards + k * M_PI / 6;
    double clearance = M_PI;
    for (const tXY* n : *atom.atoms) {
      double d =
        std::fabs(std::remainder(std::atan2(n->y3 - atom.y3, n->x3 - atom.x3) - angle, 2 * M_PI));
      clearance = std::min(clearance, d);
    }
    if (clearance > bestClearance + 1e-9) {
      best = angle;
      bestClearance = clearance;
    }
  }
  const double length = bondScale();
  return addAtomAtOffset(atom, 1, length * std::cos(best), length * std::sin(best));
}

bool tDrawing::groupEditorShown() const
{
  return editedGroup != nullptr;
}

bool tDrawing::isMemberOfEditedGroup(const tAtm* atom) const
{
  return editedGroup && editedGroup->Atoms.Contains(atom);
}

std::int32_t tDrawing::boxwidth()
{
  TFragment::frame();
  return std::abs(frameRect.right - frameRect.left);
}

std::int32_t tDrawing::boxheight()
{
  TFragment::frame();
  return std::abs(frameRect.bottom - frameRect.top);
}

void tDrawing::frame()
{
  TFragment::frame();
  for (tSymbol* s : *Symbols) {
    s->frame();
    frameRect.left = std::min(frameRect.left, s->frameRect.left);
    frameRect.top = std::min(frameRect.top, s->frameRect.top);
    frameRect.right = std::max(frameRect.right, s->frameRect.right);
    frameRect.bottom = std::max(frameRect.bottom, s->frameRect.bottom);
  }
}

void tDrawing::FitToFrame(const Rect& rect)
{
  const std::int32_t w = boxwidth();
  const std::int32_t h = boxheight();
  if (w == 0 && h == 0)
    return; // a single point has no size to fit
  const double f = w > h ? static_cast<double>(rect.right - rect.left) / w
                         : static_cast<double>(rect.bottom - rect.top) / h;
  if (!(f < 1.0))
    return;
  Zoom(f);
  update();
  for (tXY* a : Atoms)
    a->font.height = static_cast<std::int16_t>(std::lround(a->font.height * f));
  for (tLink* b : Bonds)
    b->ZoomDXDY();
}

void tDrawing::Color(Colour c)
{
  for (tStructure* g : Groups)
    g->color(c);
  // Labels and formulas belong to no structure; without this an edited label kept the text
  // editor's red highlight into the saved file and every picture.
  Labels.Color(c);
  const Colour symbolColour = (viewMode == 0 || viewMode == 70) ? c : black;
  for (tSymbol* s : *Symbols)
    s->color(symbolColour);
}

void tDrawing::ShowMoles(bool on)
{
  TFragment::ShowMoles(on);
  for (tStructure* g : Groups)
    g->ShowMoles(on);
}

bool tDrawing::isReaction() const
{
  for (const tSymbol* s : *Symbols) {
    if (s->symbolKind >= 102 && s->symbolKind <= 105)
      return true;
  }
  return false;
}

bool tDrawing::GroupAtom(const tXY* atom) const
{
  for (const tStructure* g : Groups) {
    if (g->Atoms.Contains(atom))
      return true;
  }
  return false;
}

void tDrawing::RemoveGroup(tStructure* group)
{
  if (Groups.Remove(group) >= 0)
    delete group;
}

namespace {

// The item whose centre of gravity is nearest (x, y); a later one wins only when strictly nearer.
template<class T>
T* nearestByCentre(const tBaseList<T>& items, double x, double y)
{
  T* best = nullptr;
  double bestDistance = 0;
  for (T* item : items) {
    double cx, cy, cz;
    item->getcg(cx, cy, cz);
    const double d = (cx - x) * (cx - x) + (cy - y) * (cy - y);
    if (!best || d < bestDistance) {
      best = item;
      bestDistance = d;
    }
  }
  return best;
}

} // namespace

tStructure* tDrawing::GetGroup(double x, double y) const
{
  return nearestByCentre(Groups, x, y);
}

tSymbol* tDrawing::GetSymbol(double x, double y) const
{
  return nearestByCentre(*Symbols, x, y);
}

void tDrawing::AddSymbol(tSymbol* symbol)
{
  if (!symbol || Symbols->Contains(symbol))
    return;
  const std::uint16_t kind = symbol->symbolKind;
  const bool kept = kind == 101 || (kind >= 102 && kind <= 106) || kind == 108 || kind == 109;
  if (!kept) {
    // Not a kind the document keeps: its points and strokes leave the document with it.
    for (tXY* a : symbol->Atoms)
      Atoms.Remove(a);
    for (tLink* b : symbol->Bonds)
      Bonds.Remove(b);
    delete symbol;
    return;
  }
  // From here the document owns the symbol and its points and strokes.
  Atoms.AddAtoms(&symbol->Atoms);
  Bonds.AddBonds(&symbol->Bonds);
  if (kind >= 102 && kind <= 105 && isReaction())
    Symbols->AtInsert(0, symbol);
  else
    Symbols->Add(symbol);
}

} // namespace trelvix
