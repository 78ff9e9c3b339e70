// The functional forms of the force-field terms and the geometry they read.
#include "mechanics/force_terms.h"

#include "mechanics/force_parameters.h"
#include "model/vector3.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trelvix {

namespace {

constexpr double pi = std::numbers::pi;

// The arccosine of a cosine clamped to [-1, 1].
double clampedAcos(double c)
{
  if (c <= -1)
    return pi;
  if (c >= 1)
    return 0;
  return std::acos(c);
}

// Cosine of the angle at the middle atom b of a-b-c.
double cosineAt(const Vector3& a, const Vector3& b, const Vector3& c)
{
  return std::cos(vectorAngle(minus(a, b), minus(c, b)));
}

// The Morse width factors. The bend and planarity forms use sqrt(5) = 2.2360679775 to the
// precision the parameters were written with; the stretch term's factor differs from it in the
// sixth decimal (2.2360657978). The stretch energies, strain totals and reaction enthalpies are
// calibrated with that factor, so it is kept as it stands.
constexpr double morseBendExponent = 2.236067978;
constexpr double morseStretchExponent = 2.2360657978;

// 2.75^10, and 47500 x 2.75^12 folded the way the hydrogen-bond well is written.
constexpr double hBondTen = 24735.855675697327;
constexpr double hBondRepulsion = 47500 * 7.5625 * hBondTen;
constexpr double hBondAttraction = 57000 * hBondTen;
// Shortest donor-acceptor distance the hydrogen bond reads, Ångström: coincident atoms give a
// large finite energy rather than a division by zero.
constexpr double shortestHBond = 0.001;

} // namespace

double distance(const Vector3& a, const Vector3& b)
{
  return norm(minus(b, a));
}

Vector3 unitVector(const Vector3& from, const Vector3& to)
{
  const Vector3 d = minus(to, from);
  const double l = norm(d);
  if (l == 0)
    return { 0, 0, 0 };
  return { d[0] / l, d[1] / l, d[2] / l };
}

double vectorAngle(const Vector3& u, const Vector3& v)
{
  const double lu = norm(u);
  const double lv = norm(v);
  if (lu == 0 || lv == 0)
    return pi / 2;
  return clampedAcos(dot(u, v) / (lu * lv));
}

double torsionAngle(const Vector3& x1, const Vector3& x2, const Vector3& x3, const Vector3& x4)
{
  const Vector3 axis = minus(x3, x2);
  const Vector3 U = cross(minus(x1, x2), axis);
  const Vector3 W = cross(minus(x4, x3), axis);
  const double lu = norm(U);
  const double lw = norm(W);
  if (lu <= 1e-18 || lw <= 1e-18)
    return pi / 2;
  return clampedAcos(dot(U, W) / (lu * lw));
}

bool tcoordinate::HasAtom(std::int32_t atom) const
{
  return atom >= 0 && std::find(atoms.begin(), atoms.end(), atom) != atoms.end();
}

bool tcoordinate::Interacts(const tcoordinate& other) const
{
  return std::any_of(
    other.atoms.begin(), other.atoms.end(), [&](std::int32_t a) { return HasAtom(a); });
}

tstretch::tstretch(std::int32_t a1, std::int32_t a2, double bondD, double ideal, double scale)
  : D(bondD)
  , stretchConstant(10 * bondD)
  , r0(ideal)
  , kh(0.5 * stretchConstant / scale)
{
  kind = TermKind::Stretch;
  atomCount = 2;
  atoms = { a1, a2, -1, -1 };
  vibConstant = vibrationalUnits * stretchConstant;
  redundancy = 1.0;
}

double tstretch::energyAt(const Vector3* xyz) const
{
  if (r0 <= 0)
    return 0;
  const double rho = distance(xyz[atoms[0]], xyz[atoms[1]]) / r0 - 1;
  return kh * rho * rho;
}

double tstretch::BondEnergy(const Vector3* xyz) const
{
  if (r0 <= 0)
    return -D;
  const double rho = distance(xyz[atoms[0]], xyz[atoms[1]]) / r0 - 1;
  const double m = std::exp(-morseStretchExponent * rho) - 1;
  return D * m * m - D;
}

void tstretch::getvectors(const Vector3* xyz)
{
  vectors[0] = unitVector(xyz[atoms[0]], xyz[atoms[1]]);
  vectors[1] = { -vectors[0][0], -vectors[0][1], -vectors[0][2] };
}

tangle::tangle(std::int32_t a1, std::int32_t apex, std::int32_t a2, int n, double ideal)
  : neighbours(static_cast<std::int16_t>(n))
  , theta0(ideal)
{
  kind = TermKind::Bend;
  atomCount = 3;
  atoms = { a1, a2, apex, -1 };
  vibConstant = vibrationalUnits * 2 * k;
  // Each of the N = n (n - 1) / 2 angles at an apex counts (N - 1) / N of a coordinate once
  // the angles are redundant; other N leave the weight 0.
  const int N = n * (n - 1) / 2;
  static constexpr int redundantCounts[] = { 6, 10, 15, 21, 28, 36, 45, 55, 66, 78 };
  if (N == 1 || N == 3)
    redundancy = 1.0;
  else if (std::find(std::begin(redundantCounts), std::end(redundantCounts), N) !=
           std::end(redundantCounts))
    redundancy = static_cast<double>(N - 1) / N;
}

double tangle::GetAngle(const Vector3* xyz) const
{
  const Vector3& apex = xyz[atoms[2]];
  return vectorAngle(minus(xyz[atoms[0]], apex), minus(xyz[atoms[1]], apex));
}

double tangle::energyAt(const Vector3* xyz) const
{
  const double t = GetAngle(xyz);
  const auto morse = [&] {
    const double m = std::exp(-morseBendExponent * (t / theta0 - 1)) - 1;
    return Da * m * m;
  };
  switch (neighbours - 1) {
    case 0:
    case 1:
    case 2:
      return k * (t - theta0) * (t - theta0);
    case 3:
      return morse();
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
      return t >= theta0 ? 0.0 : morse();
    default:
      return energy;
  }
}

double tangle::GetPE(const Vector3* xyz)
{
  theta = GetAngle(xyz);
  return energy = energyAt(xyz);
}

void tangle::getvectors(const Vector3* xyz)
{
  const Vector3& apex = xyz[atoms[2]];
  const Vector3 e1 = unitVector(apex, xyz[atoms[0]]);
  const Vector3 e2 = unitVector(apex, xyz[atoms[1]]);
  theta = GetAngle(xyz);
  cosine = std::cos(theta);
  sine = std::sin(theta);
  const double r1 = distance(apex, xyz[atoms[0]]);
  const double r2 = distance(apex, xyz[atoms[1]]);
  vectors = {};
  if (sine < 1e-12 || r1 == 0 || r2 == 0)
    return; // a straight or collapsed angle has no bending direction
  for (int i = 0; i < 3; ++i) {
    vectors[0][i] = (cosine * e1[i] - e2[i]) / (r1 * sine);
    vectors[1][i] = (cosine * e2[i] - e1[i]) / (r2 * sine);
    vectors[2][i] = -(vectors[0][i] + vectors[1][i]);
  }
}

ttorque::ttorque(const std::array<std::int32_t, 4>& slots,
                 int torsionKey,
                 int axisType,
                 const std::array<int, 2>& axisElements,
                 const std::array<int, 2>& axisNeighbours,
                 int count)
  : key(static_cast<std::int16_t>(torsionKey))
{
  kind = TermKind::Torsion;
  atomCount = 4;
  atoms = slots;
  const int m2 = axisNeighbours[0];
  const int m3 = axisNeighbours[1];
  redundancy = 1.0 / ((m2 - 1) * (m3 - 1));
  TorsionParameters p = torsionParameters(torsionKey);
  const auto chalcogen = [](int z) { return z == 8 || z == 16 || z == 34 || z == 52; };
  if (axisType == 2 && chalcogen(axisElements[0]) && chalcogen(axisElements[1]))
    p = { 2000, 2, pi / 2 };
  periodicity = static_cast<std::int16_t>(p.periodicity);
  phase = p.phase;
  V = p.barrier / (m2 + m3 - 2);
  vibConstant = vibrationalUnits * 0.5 * periodicity * periodicity * V;
  Ve = 0.5 * V / count;
}

double ttorque::GetAngle(const Vector3* xyz) const
{
  return torsionAngle(xyz[atoms[0]], xyz[atoms[1]], xyz[atoms[2]], xyz[atoms[3]]);
}

double ttorque::energyAt(const Vector3* xyz) const
{
  return Ve * (1 - std::cos(periodicity * (GetAngle(xyz) - phase)));
}

bool ttorque::isTorsion(const Vector3* xyz) const
{
  return std::abs(cosineAt(xyz[atoms[0]], xyz[atoms[1]], xyz[atoms[2]])) < 0.985 &&
         std::abs(cosineAt(xyz[atoms[1]], xyz[atoms[2]], xyz[atoms[3]])) < 0.985;
}

tStrain::tStrain(const std::array<std::int32_t, 4>& slots, const Vector3* xyz)
{
  kind = TermKind::Planarity;
  atomCount = 4;
  atoms = slots;
  vibConstant = vibrationalUnits * 40000;
  deviation = angleSumDeviation(xyz);
}

double tStrain::angleSumDeviation(const Vector3* xyz) const
{
  const Vector3& c = xyz[atoms[3]];
  const Vector3 v1 = minus(xyz[atoms[0]], c);
  const Vector3 v2 = minus(xyz[atoms[1]], c);
  const Vector3 v3 = minus(xyz[atoms[2]], c);
  return vectorAngle(v1, v2) + vectorAngle(v1, v3) + vectorAngle(v2, v3) - 2 * pi;
}

double tStrain::energyAt(const Vector3* xyz) const
{
  const double d = angleSumDeviation(xyz);
  return kp * d * d;
}

bool tpair::HasAtom(std::int32_t atom) const
{
  return atom >= 0 && std::find(atoms.begin(), atoms.end(), atom) != atoms.end();
}

double tpair::energyAt(const Vector3* xyz, double angstroms) const
{
  const Vector3& p1 = xyz[atoms[0]];
  const Vector3& p2 = xyz[atoms[1]];
  switch (type) {
    case HydrogenBond: {
      const Vector3& donor = xyz[atoms[2]];
      const double c = dot(unitVector(p1, donor), unitVector(p1, p2));
      const double r = std::max(distance(donor, p2) * angstroms, shortestHBond);
      const double r2 = r * r;
      const double r10 = r2 * r2 * r2 * r2 * r2;
      const double c2 = c * c;
      return c2 * c2 * (hBondRepulsion / (r10 * r2) - hBondAttraction / r10);
    }
    case Charged: {
      const double d = distance(p1, p2);
      const double rA = d * angstroms + 0.0001;
      const double q = rstar / (d + 0.001);
      const double q3 = q * q * q;
      const double y = q3 * q3 * q3 * q3;
      return Q / (rA * rA) + epsilon * y;
    }
    case VanDerWaals:
    default:
      return vanDerWaals(epsilon, rstar, distance(p1, p2));
  }
}

} // namespace trelvix
