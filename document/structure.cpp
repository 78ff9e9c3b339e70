#include "document/structure.h"

#include "document/drawing.h"
#include "model/bond.h"
#include "model/element_table.h"
#include "model/structure_atom.h"
#include "platform/checked.h"

#include <cmath>
#include <numbers>

namespace trelvix {

namespace {

bool touchesAny(const tbondlist& bonds, const tXY* atom)
{
  for (const tLink* b : bonds) {
    if (b->Atm1 == atom || b->Atm2 == atom)
      return true;
  }
  return false;
}

} // namespace

tStructure::tStructure() = default;

tStructure::~tStructure() = default;

void tStructure::DisposeAtoms()
{
  for (tXY* atom : Atoms)
    delete atom;
  Atoms.deleteall();
}

void tStructure::DisposeBonds()
{
  for (tLink* bond : Bonds)
    delete bond;
  Bonds.deleteall();
}

int tStructure::SumBondV(const tXY* atom) const
{
  int sum = 0;
  for (const tLink* b : Bonds) {
    if (b->Atm1 == atom || b->Atm2 == atom)
      sum += b->bondType();
  }
  return sum;
}

void tStructure::updateatoms()
{
  for (tXY* a : Atoms)
    a->freeValence = checkedNarrow<std::int8_t>(a->MaxValence() - SumBondV(a));
}

void tStructure::Add(double dx, double dy)
{
  for (tXY* a : Atoms) {
    a->x3 += dx;
    a->y3 += dy;
    a->updatexyz();
  }
  AddToDrawing();
  update();
}

void tStructure::AddToDrawing()
{
  if (!CurrentDrawing || CurrentDrawing == this)
    return;
  CurrentDrawing->Atoms.AddAtoms(&Atoms);
  CurrentDrawing->Bonds.AddBonds(&Bonds);
  CurrentDrawing->Groups.Store(this);
}

tStructure* tStructure::getowner(const tXY* atom) const
{
  for (tStructure* g : Groups) {
    if (g->Atoms.Contains(atom))
      return g;
  }
  return nullptr;
}

void tStructure::GetOddBonds()
{
  OddAtoms.deleteall();
  OddBonds.deleteall();
  if (!CurrentDrawing)
    return;
  for (tLink* b : CurrentDrawing->Bonds) {
    if (Bonds.Contains(b))
      continue;
    const bool firstInside = Atoms.Contains(b->Atm1);
    const bool secondInside = Atoms.Contains(b->Atm2);
    if (!firstInside && secondInside) {
      OddBonds.Add(b);
      OddAtoms.Add(b->Atm1);
    } else if (firstInside && !secondInside) {
      OddBonds.Add(b);
      OddAtoms.Add(b->Atm2);
    }
  }
}

void tStructure::Reflect(int axis)
{
  Atoms.Reflect(axis);
  updatexyz();
  Bonds.Update();
  setn1n2();
}

void tStructure::SymmetryRotate(int n, int axis)
{
  if (n == 0)
    return;
  const double angle = 360.0 / n;
  if (axis == 1)
    Tilt(angle, 0);
  else if (axis == 2)
    Tilt(0, angle);
  else if (axis == 3)
    Rotate(angle);
  setn1n2();
  updatexyz();
}

void tStructure::rotate3d(int axis, double angle)
{
  if (axis >= 1 && axis <= 3)
    Transform3d(nullptr, 0, angle, axis);
  Bonds.Update();
}

void tStructure::Rotate(double angle)
{
  Transform3d(nullptr, 0, angle, 3);
  Bonds.Update();
}

void tStructure::Tilt(double a, double b)
{
  if (a != 0)
    Transform3d(nullptr, 0, a, 1);
  else if (b != 0)
    Transform3d(nullptr, 0, b, 2);
  Bonds.Update();
}

void tStructure::bondRotate(const tLink& bond, double angle)
{
  if (bond.Atm1 && bond.Atm2)
    dihedral(*bond.Atm1, *bond.Atm2, angle);
}

void tStructure::dihedral(const tXY& a1, const tXY& a2, double angle)
{
  // A rotation about the axis a1 -> a2 through a1: the same as translating a1 to the origin,
  // aligning the axis, turning and undoing both, in one step (Rodrigues' formula).
  Vector3 k = { a2.x3 - a1.x3, a2.y3 - a1.y3, a2.z3 - a1.z3 };
  const double length = std::sqrt(k[0] * k[0] + k[1] * k[1] + k[2] * k[2]);
  if (length == 0)
    return;
  for (double& c : k)
    c /= length;
  const double phi = angle * std::numbers::pi / 180;
  const double c = std::cos(phi);
  const double s = std::sin(phi);
  const Vector3 origin = { a1.x3, a1.y3, a1.z3 };
  for (tXY* a : Atoms) {
    const Vector3 v = { a->x3 - origin[0], a->y3 - origin[1], a->z3 - origin[2] };
    const double dot = k[0] * v[0] + k[1] * v[1] + k[2] * v[2];
    const Vector3 cross = { k[1] * v[2] - k[2] * v[1],
                            k[2] * v[0] - k[0] * v[2],
                            k[0] * v[1] - k[1] * v[0] };
    for (std::size_t i = 0; i < 3; ++i) {
      const double turned = v[i] * c + cross[i] * s + k[i] * dot * (1 - c);
      (i == 0 ? a->x3 : i == 1 ? a->y3 : a->z3) = turned + origin[i];
    }
  }
  updatexyz();
}

Point tStructure::center9() const
{
  if (Atoms.empty())
    return {};
  long long sx = 0;
  long long sy = 0;
  for (const tXY* a : Atoms) {
    sx += a->screenX;
    sy += a->screenY;
  }
  return Point{ static_cast<std::int32_t>(sx / Atoms.Count()),
                static_cast<std::int32_t>(sy / Atoms.Count()) };
}

void tStructure::Flip(int mode)
{
  // The mirror runs through the exact mean position: it stays where it is under the flip, so a
  // second flip restores every atom (a rounded centre could move by a pixel each time).
  const double cx = Atoms.GetX();
  const double cy = Atoms.GetY();
  for (tXY* a : Atoms) {
    if (mode == 1)
      a->y3 = 2.0 * cy - a->y3;
    else if (mode == 2)
      a->x3 = 2.0 * cx - a->x3;
  }
  for (tLink* b : Bonds) {
    std::swap(b->Atm1, b->Atm2);
    b->Flip();
  }
  update();
  setn1n2();
}

void tStructure::Movetoxyz(double x, double y, double z)
{
  movetoxyz(x, y, z);
  update();
}

void tStructure::Zoom(double factor)
{
  TFragment::Zoom(factor);
  for (tLink* b : Bonds)
    b->DXY();
}

void tStructure::ZoomDXDY()
{
  for (tLink* b : Bonds)
    b->ZoomDXDY();
}

void tStructure::update()
{
  Atoms.update();
  Bonds.Update();
}

void tStructure::update3d()
{
  for (tXY* a : Atoms)
    a->update3d();
}

void tStructure::color(Colour c)
{
  Atoms.Color(c);
  for (tLink* b : Bonds)
    b->color(c);
}

void tStructure::linewidths()
{
  settings[2] = static_cast<std::uint8_t>((settings[2] + 1) % 4);
  Bonds.Widths(settings[2]);
}

void tStructure::ChangeFont(const FontRecord& newFont)
{
  for (tXY* a : Atoms)
    a->ChangeFont(newFont);
}

void tStructure::checkatoms()
{
  const tbondlist& bonds = CurrentDrawing ? CurrentDrawing->Bonds : Bonds;
  for (tXY* a : Atoms) {
    if (a->textFlag == 0 && a->element >= 1 && !touchesAny(bonds, a))
      a->ChangeStyle(2, false);
  }
}

tLink* tStructure::GetBond(const tbondlist& list, double x, double y) const
{
  tLink* best = nullptr;
  double bestDistance = 0;
  for (tLink* b : list) {
    if (!b->Atm1 || !b->Atm2)
      continue;
    const double mx = (b->Atm1->x3 + b->Atm2->x3) / 2 - x;
    const double my = (b->Atm1->y3 + b->Atm2->y3) / 2 - y;
    const double d = mx * mx + my * my;
    if (!best || d < bestDistance) {
      best = b;
      bestDistance = d;
    }
  }
  return best && best->visible ? best : nullptr;
}

void tStructure::copyFragmentData(const tbasefragment& other)
{
  symbolKind = other.symbolKind;
  view3d = other.view3d;
  settings = other.settings;
  valueA = other.valueA;
  valueB = other.valueB;
  valueC = other.valueC;
  flagBytes = other.flagBytes;
}

tStructure* tStructure::CloneS() const
{
  auto* copy = new tStructure;
  copy->copyFragmentData(*this);
  copy->dataItems = dataItems;
  tAtoms sources;
  for (tXY* a : Atoms) {
    if (a->textFlag != 0)
      continue;
    auto* atom = new tAtm(a->element, a->x3, a->y3, a->style);
    atom->CloneData(*a);
    copy->Atoms.Add(atom);
    sources.Add(a);
  }
  for (const tLink* b : Bonds) {
    if (!b->visible)
      continue;
    auto* bond =
      new tbond(copy->Atoms.At(sources.IndexOf(b->Atm1)), copy->Atoms.At(sources.IndexOf(b->Atm2)));
    bond->clonelink(*b);
    bond->Atm1 = copy->Atoms.At(sources.IndexOf(b->Atm1));
    bond->Atm2 = copy->Atoms.At(sources.IndexOf(b->Atm2));
    if (!bond->Atm1 || !bond->Atm2) {
      delete bond; // a bond to an atom the copy does not hold
      continue;
    }
    copy->Bonds.Add(bond);
  }
  copy->amount = amount;
  copy->phase = phase;
  copy->solute = solute;
  copy->parameterFlag = parameterFlag;
  return copy;
}

namespace {
GeometryCleanup g_cleanup = nullptr;
} // namespace

void setGeometryCleanup(GeometryCleanup cleanup)
{
  g_cleanup = cleanup;
}

void tStructure::clean()
{
  if (g_cleanup)
    g_cleanup(*this);
}

} // namespace trelvix
