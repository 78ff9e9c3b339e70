// Rings built onto the drawing: fused onto a bond (sharing its two atoms and the bond) or joined
// to an atom (sharing that atom).
#include "document/drawing.h"
#include "document/templates.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/structure_atom.h"
#include "model/vector3.h"
#include "platform/shell.h"

#include <cmath>
#include <numbers>

namespace trelvix {

namespace {

// v without its component along the unit vector u.
Vector3 across(const Vector3& v, const Vector3& u)
{
  return minus(v, scaled(u, dot(v, u)));
}

// The sum of the vectors from atom to its neighbours in the document, leaving out one of them.
Vector3 neighbourSum(const tXY& atom, const tXY* leftOut)
{
  Vector3 sum = { 0, 0, 0 };
  for (const tLink* b : CurrentDrawing->Bonds) {
    const tXY* other = b->partner(&atom);
    if (other && other != leftOut)
      sum = plus(sum, minus(positionOf(*other), positionOf(atom)));
  }
  return sum;
}

// The unit vector across u (unit) for a ring to lie along: away from crowd (the neighbours' sum),
// else toward the pointer offset, else the drawing plane's normal turned into the plane.
Vector3 freeSide(const Vector3& u, const Vector3& crowd, const Vector3& pointer, double scale)
{
  const Vector3 away = scaled(across(crowd, u), -1);
  if (norm(away) > 0.1 * scale)
    return scaled(away, 1 / norm(away));
  const Vector3 inPlane = { -u[1], u[0], 0 }; // u turned a quarter in the drawing plane
  const Vector3 toward = across(pointer, u);
  if (norm(toward) > 0.01 * scale)
    return scaled(toward, 1 / norm(toward));
  if (norm(inPlane) > 0)
    return scaled(inPlane, 1 / norm(inPlane));
  return { 1, 0, 0 };
}

} // namespace

void tRing::buildAround(const Vector3& centre, const Vector3& p, const Vector3& q, double r)
{
  const int n = size();
  const double step = 2 * std::numbers::pi / n;
  std::vector<tAtm*> added;
  for (int k = m_shared; k < n; ++k) {
    const Vector3 pos =
      plus(centre, plus(scaled(p, r * std::cos(k * step)), scaled(q, r * std::sin(k * step))));
    auto* a = new tAtm(6, pos[0], pos[1], 0);
    a->setRXYZ(pos[0], pos[1], pos[2]);
    templateAtoms[static_cast<std::size_t>(k + 1)] = a;
    added.push_back(a);
  }
  for (int k = 0; k < n; ++k)
    Atoms.Add(templateAtoms[static_cast<std::size_t>(k + 1)]);
  std::vector<tLink*> newBonds;
  for (int k = 1; k <= n; ++k) {
    if (k == 1 && m_shared == 2) {
      Bonds.Add(templateBonds[1]); // the shared bond
      continue;
    }
    auto* b = new tbond(templateAtoms[static_cast<std::size_t>(k)],
                        templateAtoms[static_cast<std::size_t>(k == n ? 1 : k + 1)]);
    b->ssingle();
    Bonds.Add(b);
    templateBonds[static_cast<std::size_t>(k)] = b;
    newBonds.push_back(b);
  }
  // The new objects belong to the document and to the molecule the ring was built onto.
  CurrentDrawing->Atoms.AddAtoms(&Atoms);
  CurrentDrawing->Bonds.AddBonds(&Bonds);
  if (tStructure* owner = CurrentDrawing->getowner(templateAtoms[1])) {
    for (tAtm* a : added)
      owner->Atoms.Add(a);
    for (tLink* b : newBonds)
      owner->Bonds.Add(b);
  } else {
    CurrentDrawing->Groups.Store(this);
  }
  update();
}

bool tRing::Fuse(tLink& target, double x, double y)
{
  const int n = size();
  if (!CurrentDrawing || n < 3 || !target.Atm1 || !target.Atm2)
    return false;
  const Vector3 a = positionOf(*target.Atm1);
  const Vector3 b = positionOf(*target.Atm2);
  const double side = norm(minus(b, a));
  if (side <= 0)
    return false;
  const Vector3 u = scaled(minus(b, a), 1 / side);
  const Vector3 middle = scaled(plus(a, b), 0.5);
  const Vector3 crowd =
    plus(neighbourSum(*target.Atm1, target.Atm2), neighbourSum(*target.Atm2, target.Atm1));
  const Vector3 w = freeSide(u, crowd, minus({ x, y, middle[2] }, middle), side);

  m_shared = 2;
  templateAtoms[1] = dynamic_cast<tAtm*>(target.Atm1.get());
  templateAtoms[2] = dynamic_cast<tAtm*>(target.Atm2.get());
  templateBonds[1] = &target;
  if (!templateAtoms[1] || !templateAtoms[2])
    return false;
  const double r = side / (2 * std::sin(std::numbers::pi / n));
  const Vector3 centre = plus(middle, scaled(w, side / (2 * std::tan(std::numbers::pi / n))));
  const Vector3 p = scaled(minus(a, centre), 1 / r);
  const Vector3 q0 = across(scaled(minus(b, centre), 1 / r), p);
  buildAround(centre, p, scaled(q0, 1 / norm(q0)), r);
  return true;
}

void tRing::Join(tXY& atom, double x, double y)
{
  const int n = size();
  auto* shared = dynamic_cast<tAtm*>(&atom);
  if (!CurrentDrawing || n < 3 || !shared)
    return;
  const double L = bondScale();
  const Vector3 pos = positionOf(atom);
  const Vector3 none = { 0, 0, 0 };
  // Toward the pointer, else to the right: the side the ring grows to when no neighbour decides.
  Vector3 pointer = { x - pos[0], y - pos[1], 0 };
  if (norm(pointer) <= 0.01 * L)
    pointer = { 1, 0, 0 };
  const Vector3 w = freeSide(none, neighbourSum(atom, nullptr), pointer, L);
  const double r = L * 0.5 / std::sin(std::numbers::pi / n);
  Vector3 q = { -w[1], w[0], 0 };
  if (norm(q) <= 1e-9)
    q = { 0, 1, 0 };
  m_shared = 1;
  templateAtoms[1] = shared;
  buildAround(plus(pos, scaled(w, r)), scaled(w, -1), scaled(q, 1 / norm(q)), r);
}

bool tBenzene::Fuse(tLink& target, double x, double y)
{
  // Each shared atom takes one more single bond.
  if (!VTest(target.Atm1, nullptr, 2) || !VTest(target.Atm2, nullptr, 2)) {
    if (currentShell().message(
          "Exceed Valence?", "", MessageIcon::Question, MessageButtons::YesNo) !=
        MessageAnswer::Yes)
      return false;
  }
  if (!tRing::Fuse(target, x, y))
    return false;
  // The double bonds alternate with the shared bond: a double, resonance or aromatic shared
  // bond keeps its place in the new ring (doubles on ring bonds 3 and 5); a plain single bond
  // between two atoms that still carry hydrogens becomes part of the new aromatic ring (doubles
  // on bonds 2, 4 and 6); otherwise the shared atoms have no room for a double bond and the new
  // ring is a diene (doubles on 3 and 5, no aromatic marks).
  const int type = target.bondType();
  const bool sharedMultiple = target.isAromatic() || type == ResonanceBond || type == DoubleBond;
  const bool takesDouble = !sharedMultiple && (type == SingleBond || type == HydrogenBond) &&
                           target.Atm1->freeValence >= 2 && target.Atm2->freeValence >= 2;
  // Doubles on every other bond, starting at bond 2 or 3.
  for (std::size_t k = takesDouble ? 2 : 3; k <= (takesDouble ? 6U : 5U); k += 2)
    templateBonds[k]->Change(DoubleBond);
  if (sharedMultiple || takesDouble) {
    for (std::size_t k = 1; k <= 6; ++k)
      templateBonds[k]->Aromatize(true);
  }
  CurrentDrawing->update();
  CurrentDrawing->setn1n2();
  return true;
}

} // namespace trelvix
