// Partial charges, dipole moment and principal moments of inertia of TFragment.
#include "model/atom.h"
#include "model/defaults.h"
#include "model/fragment.h"
#include "model/matrix.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace trelvix {

namespace {

// 0.30303030303030304 = 1 / 3.3: with 0.92, the charge per unit of Pauling difference.
constexpr double chargePerPauling = 0.92 * 0.30303030303030304;
// Debye per elementary charge and Ångström.
constexpr double debyePerChargeAngstrom = 4.80320;
// Two atoms closer than this (Ångström) count as coincident: their (radii / distance)^6 weight
// would be infinite, or large enough to overflow the sum.
constexpr double coincidentDistance = 1e-6;

// The position of an atom in Ångström.
Vector3 angstromPosition(const tXY& a)
{
  const double k = angstromsPerUnit();
  return { a.x3 * k, a.y3 * k, a.z3 * k };
}

} // namespace

void TFragment::GetCharges()
{
  if (Atoms.Count() < 2)
    return;
  // Each atom's position, radius and Pauling value read once: the pair loop is the square of
  // the atoms and does only the arithmetic (in the same order, so to the same bits).
  struct ChargeSite
  {
    double x, y, z, radius, en;
    bool real;
  };
  std::vector<ChargeSite> sites;
  sites.reserve(static_cast<std::size_t>(Atoms.Count()));
  for (const tXY* a : Atoms)
    sites.push_back({ a->x3, a->y3, a->z3, a->CovRadius(), a->GetEN(), a->isatom() });
  const double k = angstromsPerUnit();
  double total = 0; // W: the weights of all ordered pairs
  for (std::size_t i = 0; i < sites.size(); ++i) {
    const ChargeSite& si = sites[i];
    double q = 0;
    if (si.real) {
      for (std::size_t j = 0; j < sites.size(); ++j) {
        const ChargeSite& sj = sites[j];
        if (j == i || !sj.real)
          continue;
        const double d = std::sqrt((si.x - sj.x) * (si.x - sj.x) + (si.y - sj.y) * (si.y - sj.y) +
                                   (si.z - sj.z) * (si.z - sj.z)) *
                         k;
        // Coincident atoms have no distance to weigh their pair by, and an infinite weight would
        // turn every charge into inf or NaN: the pair is left out.
        if (!(d > coincidentDistance))
          continue;
        const double s = (si.radius + sj.radius) / d;
        const double w = s * s * s * s * s * s;
        q -= (si.en - sj.en) * chargePerPauling * w;
        total += w;
      }
    }
    Atoms.At(static_cast<int>(i))->partialCharge = q;
  }
  // With every pair left out there is nothing to share: the charges stay 0.
  if (total == 0)
    return;
  const double n = Atoms.Count();
  for (tXY* a : Atoms) {
    if (a->isatom())
      a->partialCharge = n * a->partialCharge / total;
  }
}

double TFragment::DipoleMoment() const
{
  const Vector3 cg = Atoms.GetCG();
  const double k = angstromsPerUnit();
  Vector3 mu{};
  for (const tXY* a : Atoms) {
    if (!a->isatom())
      continue;
    const Vector3 r = angstromPosition(*a);
    for (std::size_t c = 0; c < 3; ++c)
      mu[c] += a->partialCharge * (r[c] - cg[c] * k);
  }
  return std::sqrt(mu[0] * mu[0] + mu[1] * mu[1] + mu[2] * mu[2]) * debyePerChargeAngstrom;
}

std::array<double, 3> TFragment::principalmoments() const
{
  double mass = 0;
  Vector3 centre{};
  for (const tXY* a : Atoms) {
    if (!a->isatom())
      continue;
    const double m = a->AW();
    const Vector3 r = angstromPosition(*a);
    mass += m;
    for (std::size_t c = 0; c < 3; ++c)
      centre[c] += m * r[c];
  }
  if (!(mass > 0))
    return {};
  for (double& c : centre)
    c /= mass;

  // The inertia tensor about the centre of mass, amu Å².
  std::array<std::array<double, 3>, 3> tensor{};
  for (const tXY* a : Atoms) {
    if (!a->isatom())
      continue;
    const double m = a->AW();
    const Vector3 p = angstromPosition(*a);
    const Vector3 r = { p[0] - centre[0], p[1] - centre[1], p[2] - centre[2] };
    const double r2 = r[0] * r[0] + r[1] * r[1] + r[2] * r[2];
    for (std::size_t i = 0; i < 3; ++i)
      for (std::size_t j = 0; j < 3; ++j)
        tensor[i][j] += m * ((i == j ? r2 : 0) - r[i] * r[j]);
  }

  tcelltrix inertia(3);
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j)
      inertia.setvalue(
        i, j, tensor[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)]);
  inertia.Diagonalize();
  std::array<double, 3> moments{};
  for (int k = 1; k <= 3; ++k)
    moments[static_cast<std::size_t>(k - 1)] = static_cast<double>(inertia.getvalue(k, k));
  std::sort(moments.begin(), moments.end());
  return moments;
}

double TFragment::GetIABC() const
{
  const std::array<double, 3> m = principalmoments();
  return m[0] * m[1] * m[2];
}

} // namespace trelvix
