// Chain and ring templates and their 3D shapes.
#include "document/templates.h"

#include "document/drawing.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/element_table.h"
#include "model/structure_atom.h"
#include "platform/shell.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace trelvix {

namespace {

/// One turn of a 3D ring shape: the ring atoms (0-based ring positions) that turn, the axis from
/// one ring position to another, and the angle in degrees.
struct ShapeTurn
{
  std::vector<int> subset;
  int from;
  int to;
  double angle;
};

struct RingShape
{
  int size;
  std::vector<ShapeTurn> turns;
};

const std::vector<RingShape> chairShapes = {
  { 5, { { { 4, 0, 1 }, 1, 4, 27 } } },
  { 6, { { { 0, 1, 5 }, 1, 5, 54 }, { { 2, 3, 4 }, 2, 4, 54 } } },
  { 7, { { { 0, 1, 6 }, 1, 6, 60 }, { { 2, 3, 4, 5 }, 2, 5, 60 }, { { 2, 3, 4, 5 }, 2, 5, -30 } } },
  // Eight: five-atom windows twisted by 15 degrees about their end atoms.
  { 8,
    { { { 0, 1, 2, 3, 4 }, 0, 4, 15 },
      { { 2, 3, 4, 5, 6 }, 2, 6, 15 },
      { { 4, 5, 6, 7, 0 }, 4, 0, 15 },
      { { 6, 7, 0, 1, 2 }, 6, 2, 15 } } },
  { 9,
    { { { 8, 0, 1 }, 1, 8, 60 },
      { { 8, 0, 1, 2, 7 }, 2, 7, -60 },
      { { 8, 0, 1, 2, 7, 3, 6 }, 3, 6, 60 },
      // Half of the last turn back, about its own axis: turned about r2 -> r7 instead, r3 and r6
      // would leave their bonds to r4 and r5 stretched.
      { { 8, 0, 1, 2, 7, 3, 6 }, 3, 6, -30 } } },
  // Ten: a crown, every other atom lifted out of the plane in turn, up and down.
  { 10,
    { { { 0 }, 9, 1, 30 },
      { { 2 }, 1, 3, -30 },
      { { 4 }, 3, 5, 30 },
      { { 6 }, 5, 7, -30 },
      { { 8 }, 7, 9, 30 } } },
};

const std::vector<RingShape> boatShapes = {
  { 6,
    { { { 0, 1, 2, 3 }, 3, 0, 24 },
      { { 4, 5, 0, 3 }, 0, 3, 24 },
      { { 5, 0, 1 }, 5, 1, 15 },
      { { 2, 3, 4 }, 2, 4, 15 } } },
  { 8, { { { 0, 1, 2, 3 }, 0, 3, 60 }, { { 4, 5, 6, 7 }, 4, 7, 60 } } },
};

const std::vector<RingShape> puckerShapes = {
  { 5, { { { 4, 0, 1 }, 1, 4, 31 } } },
  { 6,
    { { { 5, 0, 1 }, 5, 1, -50 },
      { { 2, 3, 4 }, 2, 4, 50 },
      { { 0, 1, 2, 3 }, 0, 3, 6 },
      { { 3, 4, 5, 0 }, 3, 0, -6 } } },
};

// The template atoms of a ring are kept in slots 1..n: ring position p is slot p + 1. Positions
// 0 .. fixed-1 are atoms already in the drawing and must stay put: a turn that would move one of
// them turns the rest of the ring the other way about the same axis instead, which gives the same
// shape.
void applyShape(tStructure& ring, int n, int fixed, const std::vector<RingShape>& shapes)
{
  const auto slot = [&](int p) { return ring.templateAtoms[static_cast<std::size_t>(p + 1)]; };
  for (const RingShape& shape : shapes) {
    if (shape.size != n)
      continue;
    for (const ShapeTurn& turn : shape.turns) {
      const auto contains = [&](int p) {
        return std::find(turn.subset.begin(), turn.subset.end(), p) != turn.subset.end();
      };
      bool movesFixed = false;
      for (int p = 0; p < fixed; ++p)
        movesFixed = movesFixed || (contains(p) && p != turn.from && p != turn.to);
      tStructure part;
      for (int p = 0; p < n; ++p) {
        if (contains(p) != movesFixed)
          part.Atoms.Add(slot(p));
      }
      part.dihedral(*slot(turn.from), *slot(turn.to), movesFixed ? -turn.angle : turn.angle);
    }
  }
}

tbond* singleBond(tXY* a, tXY* b)
{
  auto* bond = new tbond(a, b);
  bond->ssingle();
  return bond;
}

// BL of carbon pairs: the drawn length of a bond of type code t (half-bonds) at scale L.
double carbonBondLength(int t)
{
  const double r = elementData(6).covalentRadius;
  return (2 * r - 0.01) * bondScale() * (1.71 - 0.09 * t) * 0.42165626581210996;
}

} // namespace

tChain::tChain(int n)
{
  settings[0] = static_cast<std::uint8_t>(std::clamp(n, 0, 10));
  templateFlag = 0;
}

void tChain::Add(double x, double y)
{
  if (Atoms.empty()) {
    const double L = bondScale();
    for (int i = 0; i < length(); ++i) {
      auto* a = new tAtm(6, i * L * std::cos(std::numbers::pi / 6), i % 2 == 1 ? L * 0.5 : 0, 0);
      Atoms.Add(a);
      templateAtoms[static_cast<std::size_t>(i)] = a;
      if (i > 0) {
        tbond* b = singleBond(templateAtoms[static_cast<std::size_t>(i - 1)], a);
        Bonds.Add(b);
        templateBonds[static_cast<std::size_t>(i)] = b;
      }
    }
    update();
  }
  tStructure::Add(x, y);
}

tLink* tChain::link(double x, double y)
{
  if (!CurrentDrawing || CurrentDrawing->Atoms.empty()) {
    showMessage("No Atoms to Link", "", MessageIcon::None);
    return nullptr;
  }
  if (std::lround(angle) == 0)
    angle = 120;
  m_side = 1;
  tLink* first = CurrentDrawing->branch(false, true, x, y, angle);
  if (!first)
    return nullptr;
  tLink* last = first;
  Atoms.Add(first->Atm2);
  Bonds.Add(first);
  templateAtoms[0] = dynamic_cast<tAtm*>(first->Atm2.get());
  templateBonds[0] = first;
  for (int i = 1; i < length(); ++i) {
    // One unit off the last bond, on the current side: the next atom zigzags that way.
    const tXY* tip = last->Atm2;
    const double dx = last->Atm2->x3 - last->Atm1->x3;
    const double dy = last->Atm2->y3 - last->Atm1->y3;
    const double l = std::hypot(dx, dy);
    const double px = tip->x3 + (l > 0 ? -dy / l : 0) * m_side;
    const double py = tip->y3 + (l > 0 ? dx / l : 0) * m_side;
    tLink* next = CurrentDrawing->branch(false, true, px, py, angle);
    if (!next)
      break;
    Atoms.Add(next->Atm2);
    Bonds.Add(next);
    templateAtoms[static_cast<std::size_t>(i)] = dynamic_cast<tAtm*>(next->Atm2.get());
    templateBonds[static_cast<std::size_t>(i)] = next;
    last = next;
    m_side = -m_side;
  }
  update();
  AddToDrawing();
  return first;
}

tRing::tRing(int n, bool secondForm)
{
  settings[0] = static_cast<std::uint8_t>(std::clamp(n, 0, 10));
  settings[3] = static_cast<std::uint8_t>(size() + (secondForm ? 10 : 0));
}

void tRing::Add(int mode, double x, double y)
{
  const int n = size();
  if (n < 3)
    return;
  const double L = bondScale();
  const double step = 2 * std::numbers::pi / n;
  const double radius = L * 1.0 * 0.5 / std::sin(step * 0.5);
  for (int i = 1; i <= n; ++i) {
    auto* a = new tAtm(6, radius * std::sin((i - 1) * step), -radius * std::cos((i - 1) * step), 0);
    Atoms.Add(a);
    templateAtoms[static_cast<std::size_t>(i)] = a;
  }
  for (int i = 1; i <= n; ++i) {
    tbond* b = singleBond(templateAtoms[static_cast<std::size_t>(i)],
                          templateAtoms[static_cast<std::size_t>(i == n ? 1 : i + 1)]);
    Bonds.Add(b);
    templateBonds[static_cast<std::size_t>(i)] = b;
  }
  update();
  if (modelDefaults().DrawMode3D) {
    if (mode == 1)
      chair();
    else if (mode == 2)
      boat();
    else if (mode == 3)
      pucker();
  }
  tStructure::Add(x, y);
}

void tRing::chair()
{
  applyShape(*this, size(), m_shared, chairShapes);
}

void tRing::boat()
{
  applyShape(*this, size(), m_shared, boatShapes);
}

void tRing::pucker()
{
  if (size() >= 7)
    chair();
  else
    applyShape(*this, size(), m_shared, puckerShapes);
}

void tRing::tilt(const tXY& from, const tXY& to, double angle)
{
  tStructure part;
  for (int p = m_shared; p < size(); ++p)
    part.Atoms.Add(templateAtoms[static_cast<std::size_t>(p + 1)]);
  part.dihedral(from, to, angle);
}

void tRing::fusechair(double angle)
{
  chair();
  tilt(*templateAtoms[1], *templateAtoms[2], angle);
}

void tRing::fuseboat(double angle)
{
  boat();
  tilt(*templateAtoms[1], *templateAtoms[2], angle);
}

void tRing::joinchair(double angle)
{
  chair();
  // The diameter through the shared atom: from it to the ring's centre.
  const tAtoms& ring = Atoms;
  tAtm axisEnd(6, 0, 0, 0);
  axisEnd.setRXYZ(ring.GetX(), ring.GetY(), ring.GetZ());
  tilt(*templateAtoms[1], axisEnd, angle);
}

void tRing::Aromatize()
{
  if (size() != 6)
    return;
  for (std::size_t i : { 2, 4, 6 })
    templateBonds[i]->Change(DoubleBond);
  for (std::size_t i = 1; i <= 6; ++i)
    templateBonds[i]->Aromatize(true);
}

tBenzene::tBenzene()
  : tRing(6)
{
}

void tBenzene::Add(double x, double y)
{
  tRing::Add(0, x, y);
  if (modelDefaults().DrawMode3D)
    Zoom(carbonBondLength(3) / carbonBondLength(2));
  Aromatize();
  update();
  setn1n2();
}

tRing* dropRing(int code, double x, double y)
{
  struct Drop
  {
    int code;
    int size;
    int mode;
    bool secondForm;
    int turnSign; // 0: none; +1 / -1: the chair / boat orientation turns
  };
  static constexpr Drop drops[] = {
    { 3, 3, 2, false, 0 },   { 4, 4, 2, false, 0 },  { 6, 6, 2, false, 0 }, { 8, 8, 2, false, 0 },
    { 5, 5, 3, false, 0 },   { 7, 7, 3, false, 0 },  { 9, 9, 3, false, 0 }, { 10, 10, 3, false, 0 },
    { 16, 6, 2, false, -1 }, { 26, 6, 1, false, 1 }, { 18, 8, 2, true, 0 },
  };
  if (!CurrentDrawing)
    return nullptr;
  for (const Drop& d : drops) {
    if (d.code != code)
      continue;
    tRing* placed = nullptr;
    placePiece(std::make_unique<tRing>(d.size, d.secondForm), [&](tStructure& piece) {
      auto& ring = static_cast<tRing&>(piece);
      ring.Add(d.mode, x, y);
      if (d.turnSign != 0 && modelDefaults().DrawMode3D) {
        ring.rotate3d(1, 90.0 * d.turnSign);
        ring.update();
        ring.rotate3d(2, 90.0 * d.turnSign);
        ring.update();
        ring.rotate3d(1, 10);
        ring.update();
      }
      placed = &ring;
    });
    return placed;
  }
  return nullptr;
}

int fusetest(const tLink& bond, double px, double py)
{
  const double s =
    (bond.Atm1->x3 - px) * (bond.Atm2->x3 - px) + (bond.Atm1->y3 - py) * (bond.Atm2->y3 - py);
  return s == 0 ? 0 : s > 0 ? 1 : -1;
}

} // namespace trelvix
