// Attaching one new atom to an existing one, and finding the atom under the pointer.
#include "document/drawing.h"
#include "document/structure.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/structure_atom.h"
#include "model/vector3.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trelvix {

namespace {

Vector3 at(const tXY& a)
{
  return { a.x3, a.y3, a.z3 };
}

// The direction of an isolated atom's first bond: the pointer's direction snapped to the eight
// compass points, wider around the horizontal and vertical ones.
double snappedDegrees(double degrees)
{
  struct Band
  {
    double below;
    double snap;
  };
  static constexpr Band bands[] = { { 30, 0 },    { 60, 45 },   { 121, 90 },  { 150, 135 },
                                    { 211, 180 }, { 240, 225 }, { 301, 270 }, { 330, 315 } };
  for (const Band& b : bands) {
    if (degrees < b.below)
      return b.snap;
  }
  return 0;
}

// The offset of the new atom from the parent, by the parent's number of bonds; false when
// nothing should be added.
bool newAtomOffset(tAtm& parent, const tbonds& bonds, double x, double y, double angle, Vector3& d)
{
  const double L = bondScale();
  const Vector3 p = at(parent);
  const int k = bonds.Count();
  if (k == 0) {
    double degrees = std::round(std::atan2(y - p[1], x - p[0]) * 180 / std::numbers::pi);
    if (degrees < 0)
      degrees += 360;
    const double s = snappedDegrees(degrees) * std::numbers::pi / 180;
    d = { L * std::cos(s), L * std::sin(s), 0 };
    return true;
  }
  if (k == 1) {
    const tLink* b = bonds.At(0);
    // A bond of the atom to itself (a damaged file) points nowhere.
    const tXY* partner = b->partner(&parent);
    const Vector3 bond = partner ? minus(at(*partner), p) : Vector3{ 0, 0, 0 };
    if (parent.GetHyb() == 1) {
      d = scaled(bond, -1); // straight on through the atom
      return norm(d) > 0;
    }
    if (norm(bond) <= 0)
      return false;
    const Vector3 u = scaled(bond, 1 / norm(bond));
    const Vector3 w = { x + 0.000001 - p[0], y + 0.000001 - p[1], 0 };
    const double along = dot(w, u);
    Vector3 v = minus(w, scaled(u, along));
    if (norm(v) <= 1e-12) {
      // The pointer lies on the bond's line (a click right on the atom of a diagonal bond): no
      // side to take, so the new atom bends to the bond's left in the drawing plane.
      v = { -u[1], u[0], 0 };
      if (norm(v) <= 1e-12)
        v = { 1, 0, 0 }; // a bond straight out of the page
    }
    v = scaled(v, 1 / norm(v));
    const double a = angle * std::numbers::pi / 180;
    d = { L * std::cos(a) * u[0] + L * std::sin(a) * v[0],
          L * std::cos(a) * u[1] + L * std::sin(a) * v[1],
          L * std::cos(a) * u[2] + L * std::sin(a) * v[2] };
    return true;
  }
  const Vector3 w = { x - p[0], y - p[1], 0 };
  if (k == 2) {
    // The free direction, turned to the pointer's side. A click on the atom itself (within a
    // quarter bond of its centre, where a hand rests when it aims at the atom) has no side: the
    // free direction alone decides, so a substituent put on a ring atom goes outwards, and one
    // goes into the ring only for a click clearly inside it.
    const Vector3 v = scaled(parent.GetDirVector(), -1);
    const bool onAtom = norm(w) <= L / 4;
    if (norm(v) <= 0.001) {
      d = w;
      return norm(w) > 0.001;
    }
    d = scaled(v, L / norm(v));
    if (!onAtom && dot(v, w) < 0)
      d = scaled(d, -1);
    return true;
  }
  if (k == 3) {
    Vector3 dirs[3];
    Vector3 sum{};
    for (int i = 0; i < 3; ++i) {
      const tLink* b = bonds.At(i);
      const tXY* partner = b->partner(&parent);
      dirs[i] = partner ? minus(at(*partner), p) : Vector3{ 0, 0, 0 };
      sum = { sum[0] + dirs[i][0], sum[1] + dirs[i][1], sum[2] + dirs[i][2] };
    }
    const Vector3& a = dirs[0];
    const Vector3& b = dirs[1];
    const Vector3& c = dirs[2];
    if (std::fabs(dot(a, cross(b, c))) <= 0.0001) {
      // Flat: in the drawing plane towards the point, in whole 30-degree steps; a step that
      // would put the new atom onto a bond already there gives way to the nearest free one.
      const double degrees = std::floor(std::atan2(w[1], w[0]) * 180 / std::numbers::pi / 30) * 30;
      d = { L * std::cos(degrees * std::numbers::pi / 180),
            L * std::sin(degrees * std::numbers::pi / 180),
            0 };
      for (int step = 0; step <= 12; ++step) {
        const double tried = degrees + 30 * ((step + 1) / 2) * (step % 2 ? 1 : -1);
        const double r = tried * std::numbers::pi / 180;
        const Vector3 candidate = { L * std::cos(r), L * std::sin(r), 0 };
        const bool free = std::none_of(dirs, dirs + 3, [&](const Vector3& dir) {
          // Within 15 degrees of a bond counts as taken.
          return dot(candidate, dir) > std::cos(std::numbers::pi / 12) * L * norm(dir);
        });
        if (free) {
          d = candidate;
          break;
        }
      }
      return true;
    }
    if (norm(sum) <= 0)
      return false;
    d = scaled(sum, -L / norm(sum));
    return true;
  }
  if (k <= 16 && norm(w) > 0.01) {
    d = scaled(w, L / norm(w));
    return true;
  }
  return false;
}

} // namespace

tXY* tStructure::GetAtom(double x, double y) const
{
  // Half a bond length is the reach of a click: nearer than any two bonded atoms come.
  const double reach = bondScale() / 2;
  tXY* best = nullptr;
  double bestDistance = reach * reach;
  for (tXY* a : Atoms) {
    const double d = (a->x3 - x) * (a->x3 - x) + (a->y3 - y) * (a->y3 - y);
    if (d <= bestDistance && (!best || d < bestDistance)) {
      best = a;
      bestDistance = d;
    }
  }
  return best;
}

tLink* tStructure::branch(bool linkMode, bool adjust3d, double x, double y, double angle)
{
  if (std::lround(angle) == 0)
    angle = 120; // no preferred angle: the trigonal one
  updatexyz();
  auto* parent = dynamic_cast<tAtm*>(GetAtom(x, y));
  if (!parent || parent->textFlag != 0)
    return nullptr;
  const std::unique_ptr<tbonds> bonds = parent->GetAttachedBonds();
  Vector3 d;
  if (!newAtomOffset(*parent, *bonds, x, y, angle, d))
    return nullptr;

  auto* atom = new tAtm(6, parent->x3 + d[0], parent->y3 + d[1], 0);
  atom->setRXYZ(parent->x3 + d[0], parent->y3 + d[1], parent->z3 + d[2]);
  auto* bond = new tbond(parent, atom);
  bond->ssingle();
  Atoms.Add(atom);
  Bonds.Add(bond);
  if (!linkMode && bond->RLength() > 0)
    bond->extend(2, bondScale() / bond->RLength());
  if (modelDefaults().DrawMode3D && adjust3d && parent->AttachedAtoms() >= 2) {
    tStructure neighbourhood;
    neighbourhood.Atoms.Add(parent);
    neighbourhood.Atoms.AddAtoms(parent->atoms.get());
    neighbourhood.clean();
  }
  if (tStructure* owner = getowner(parent)) {
    owner->Atoms.Add(atom);
    owner->Bonds.Add(bond);
  }
  return bond;
}

} // namespace trelvix
