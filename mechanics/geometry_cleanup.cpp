// The rule-based clean-up of a structure's 3D geometry: terminal neighbours of every heavy atom
// move to idealised trigonal or tetrahedral positions at one bond length; the heavy-atom skeleton
// stays where it is. It evaluates no energy.
#include "mechanics/geometry_cleanup.h"

#include "document/drawing.h"
#include "document/structure.h"
#include "model/defaults.h"
#include "model/structure_atom.h"
#include "model/vector3.h"
#include "platform/shell.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace trelvix {

namespace {

Vector3 position(const tXY& a)
{
  return { a.x3, a.y3, a.z3 };
}

Vector3 operator+(const Vector3& a, const Vector3& b)
{
  return { a[0] + b[0], a[1] + b[1], a[2] + b[2] };
}

Vector3 operator-(const Vector3& a, const Vector3& b)
{
  return { a[0] - b[0], a[1] - b[1], a[2] - b[2] };
}

Vector3 operator*(const Vector3& a, double f)
{
  return { a[0] * f, a[1] * f, a[2] * f };
}

Vector3 unit(const Vector3& v)
{
  const double l = norm(v);
  return l <= 1e-18 ? Vector3{} : v * (1 / l);
}

Vector3 dir(const tXY& from, const tXY& to)
{
  return unit(position(to) - position(from));
}

// A direction built from v alone; its third component is -x - y.
Vector3 side(const Vector3& v)
{
  return unit({ v[1] - v[2], v[2] - v[0], -v[0] - v[1] });
}

void place(tXY& atom, const Vector3& p)
{
  atom.setRXYZ(p[0], p[1], p[2]);
}

tAtm* asAtm(tXY* a)
{
  return dynamic_cast<tAtm*>(a);
}

int bondsOf(tXY* a)
{
  tAtm* atom = asAtm(a);
  return atom ? atom->NAttachedBonds() : 0;
}

int hybOf(tXY* a)
{
  tAtm* atom = asAtm(a);
  return atom ? atom->GetHyb() : 0;
}

int terminal(tXY* a)
{
  return bondsOf(a) == 1 ? 1 : 0;
}

std::vector<tXY*> neighbours(const tAtm& a)
{
  return std::vector<tXY*>(a.atoms->begin(), a.atoms->end());
}

} // namespace

bool PlaceBeside(tXY& target, const tXY& a, const tXY& centre, const tXY& b)
{
  const Vector3 u = position(a) - position(centre);
  const Vector3 v = position(b) - position(centre);
  const Vector3 s = u + v;
  const Vector3 w = cross(u, v);
  if (norm(s) <= 0.01 || norm(w) <= 0.01)
    return false;
  const double S = bondScale();
  place(target, position(centre) - unit(s) * (0.5 * S) - unit(w) * (0.866025404 * S));
  return true;
}

void PlaceOpposite(tXY& target, const tXY& centre, const tXY& r1, const tXY& r2, const tXY& r3)
{
  const double S = bondScale();
  const Vector3 c = position(centre);
  const Vector3 e[3] = { position(r1) - c, position(r2) - c, position(r3) - c };
  const Vector3 m = cross(cross(e[0], e[1]), cross(e[1], e[2]));
  Vector3 q;
  if (norm(m) > 0.01) {
    q = unit(e[0] + e[1] + e[2]) * -S;
  } else {
    // Nearly flat or in line: leave the plane on the side away from the first reference that
    // points against the trial direction.
    q = unit(e[0]) * -S;
    bool turned = false;
    for (const Vector3& ei : e) {
      if (dot(ei, q) < 0) {
        q = { -0.5 * ei[0], -0.5 * ei[1], 0.87 * S };
        turned = true;
        break;
      }
    }
    if (!turned)
      q = q * -1;
  }
  place(target, c + q);
}

void PlaceStar(const tXY& centre, tXY* t1, tXY* t2, tXY* t3, const tXY& ref)
{
  const Vector3 d = position(ref) - position(centre);
  const double r = norm(d);
  const double theta = r > 0 ? std::acos(std::clamp(d[2] / r, -1.0, 1.0)) : 0;
  const double phi = std::atan2(d[1], d[0]);
  // 109.4712206 degrees from the axis, 120 degrees apart around it.
  constexpr double cone = 1.9106332362490186;
  constexpr std::array<double, 3> azimuths = { 0, 2.0943951023931957, 4.1887902047863905 };
  tXY* targets[3] = { t1, t2, t3 };
  for (std::size_t i = 0; i < 3; ++i) {
    if (!targets[i])
      continue;
    const Vector3 p = { r * std::sin(cone) * std::cos(azimuths[i]),
                        r * std::sin(cone) * std::sin(azimuths[i]),
                        r * std::cos(cone) };
    // About y by theta, then about z by phi: the z axis goes onto d.
    const Vector3 py = axisRotation(2, theta) * p;
    const Vector3 pz = axisRotation(3, phi) * py;
    place(*targets[i], position(centre) + pz);
  }
}

namespace {

void cleanTrigonal(tAtm& A)
{
  if (A.AttachedAtoms() != 3)
    return;
  std::vector<tXY*> n = neighbours(A);
  const double S = bondScale();
  const Vector3 c = position(A);
  const Vector3 u[3] = { dir(A, *n[0]), dir(A, *n[1]), dir(A, *n[2]) };
  // Each neighbour in turn as the double-bond partner: the other two are the ones that may move.
  for (int partner = 0; partner < 3; ++partner) {
    if (hybOf(n[static_cast<std::size_t>(partner)]) != 2)
      continue;
    const int i = partner == 0 ? 1 : 0;
    const int j = partner == 2 ? 1 : 2;
    const int key =
      10 * bondsOf(n[static_cast<std::size_t>(i)]) + bondsOf(n[static_cast<std::size_t>(j)]);
    const int p = partner;
    if (key == 21 || key == 31 || key == 41) {
      place(*n[static_cast<std::size_t>(j)], c - unit(u[p] + u[i]) * S);
    } else if (key == 12 || key == 13 || key == 14) {
      place(*n[static_cast<std::size_t>(i)], c - unit(u[p] + u[j]) * S);
    } else if (key == 11) {
      const Vector3 w = u[p] * -1;
      const Vector3 off = side(w) * (0.8660254037844386 * S);
      const Vector3 along = w * (0.5 * S);
      place(*n[static_cast<std::size_t>(i)], c + along + off);
      place(*n[static_cast<std::size_t>(j)], c + along - off);
    }
  }
}

void cleanAromatic(tAtm& A)
{
  if (A.NAttachedBonds() != 3)
    return;
  A.AttachedAtoms();
  std::vector<tXY*> n = neighbours(A);
  if (n.size() != 3)
    return;
  const double S = bondScale();
  const Vector3 c = position(A);
  const Vector3 u[3] = { dir(A, *n[0]), dir(A, *n[1]), dir(A, *n[2]) };
  for (std::size_t k = 0; k < 3; ++k) {
    if (hybOf(n[k]) != 4)
      place(*n[k], c - unit(u[(k + 1) % 3] + u[(k + 2) % 3]) * S);
  }
}

void cleanWithoutHydrogens(tAtm& A)
{
  const int count = A.AttachedAtoms();
  std::vector<tXY*> N = neighbours(A);
  if (count == 3) {
    switch (100 * terminal(N[0]) + 10 * terminal(N[1]) + terminal(N[2])) {
      case 1:
        PlaceBeside(*N[2], *N[0], A, *N[1]);
        break;
      case 10:
      case 11:
        PlaceBeside(*N[1], *N[0], A, *N[2]);
        break;
      case 100:
      case 101:
      case 110:
      case 111:
        PlaceBeside(*N[0], *N[1], A, *N[2]);
        break;
      default:
        break;
    }
    return;
  }
  if (count != 4)
    return;
  const int key =
    1000 * terminal(N[0]) + 100 * terminal(N[1]) + 10 * terminal(N[2]) + terminal(N[3]);
  const auto beside = [&](int t, int a, int b) {
    PlaceBeside(*N[static_cast<std::size_t>(t)],
                *N[static_cast<std::size_t>(a)],
                A,
                *N[static_cast<std::size_t>(b)]);
  };
  switch (key) {
    case 1000:
      PlaceOpposite(*N[0], A, *N[1], *N[2], *N[3]);
      break;
    case 100:
      PlaceOpposite(*N[1], A, *N[0], *N[2], *N[3]);
      break;
    case 10:
      PlaceOpposite(*N[2], A, *N[0], *N[3], *N[1]);
      break;
    case 1:
      PlaceOpposite(*N[3], A, *N[0], *N[2], *N[1]);
      break;
    case 11:
      beside(2, 0, 1);
      beside(3, 1, 0);
      break;
    case 101:
      beside(1, 0, 2);
      beside(3, 2, 0);
      break;
    case 110:
      beside(1, 0, 3);
      beside(2, 3, 0);
      break;
    case 1001:
      beside(0, 1, 2);
      beside(3, 2, 1);
      break;
    case 1010:
      beside(0, 1, 3);
      beside(2, 3, 1);
      break;
    case 1100:
      beside(0, 2, 3);
      beside(1, 3, 2);
      break;
    case 111:
      PlaceStar(A, N[1], N[2], N[3], *N[0]);
      break;
    case 1011:
      PlaceStar(A, N[0], N[2], N[3], *N[1]);
      break;
    case 1101:
      PlaceStar(A, N[0], N[1], N[3], *N[2]);
      break;
    case 1110:
    case 1111:
      PlaceStar(A, N[0], N[1], N[2], *N[3]);
      break;
    default:
      break;
  }
}

// The neighbours with the given hydrogens moved to the end, in their order.
std::vector<tXY*> heavyFirst(tAtm& A, const std::vector<tXY*>& hydrogens)
{
  A.AttachedAtoms();
  std::vector<tXY*> n = neighbours(A);
  for (tXY* h : hydrogens) {
    n.erase(std::remove(n.begin(), n.end(), h), n.end());
    n.push_back(h);
  }
  return n;
}

void cleanTetrahedral(tAtm& A)
{
  const int k = A.AttachedProtons();
  const std::vector<tXY*> H = neighbours(A);
  if (k == 0) {
    cleanWithoutHydrogens(A);
    return;
  }
  const double S = bondScale();
  if (k == 1) {
    const std::vector<tXY*> X = heavyFirst(A, H);
    if (X.size() == 3) {
      PlaceBeside(*H[0], *X[0], A, *X[1]);
    } else if (X.size() == 4) {
      const Vector3 s = dir(A, *X[0]) + dir(A, *X[1]) + dir(A, *X[2]);
      if (norm(s) > 0.1)
        place(*H[0], position(A) - unit(s) * S);
    }
  } else if (k == 2) {
    const std::vector<tXY*> X = heavyFirst(A, { H[0], H[1] });
    if (X.size() == 3) {
      PlaceBeside(*H[1], *X[0], A, *H[0]);
    } else if (X.size() == 4) {
      PlaceBeside(*H[0], *X[0], A, *X[1]);
      PlaceBeside(*H[1], *X[1], A, *X[0]);
    }
  } else if (k == 3) {
    A.AttachedAtoms();
    const std::vector<tXY*> n = neighbours(A);
    if (n.size() != 4)
      return;
    const auto heavy =
      std::find_if(n.begin(), n.end(), [](const tXY* x) { return x->element >= 2; });
    if (heavy == n.end())
      return;
    PlaceBeside(*H[1], **heavy, A, *H[0]);
    PlaceBeside(*H[2], *H[0], A, **heavy);
  } else if (k == 4) {
    PlaceBeside(*H[2], *H[0], A, *H[1]);
    PlaceBeside(*H[3], *H[1], A, *H[0]);
  }
}

void cleanAtom(tAtm& A)
{
  switch (A.GetHyb() * 100) {
    case 200:
      cleanTrigonal(A);
      break;
    case 300:
      if (A.element > 1)
        cleanTetrahedral(A);
      break;
    case 400:
      cleanAromatic(A);
      break;
    default:
      break;
  }
  currentShell().processEvents();
}

} // namespace

void cleanGeometry(tStructure& structure)
{
  if (CurrentDrawing)
    CurrentDrawing->savedFlag = 0;
  for (int i = 0; i < structure.Atoms.Count(); ++i) {
    tAtm* A = asAtm(structure.Atoms.At(i));
    if (A && A->isatom() && A->fixedFlag == 0)
      cleanAtom(*A);
  }
  if (CurrentDrawing)
    CurrentDrawing->Normalize();
}

} // namespace trelvix
