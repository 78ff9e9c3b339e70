#include "model/slater.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace trelvix {

namespace {

/// One subshell (n, l) and the Slater group its electrons belong to.
struct Subshell
{
  int n;     ///< principal quantum number
  int l;     ///< 0 = s, 1 = p, 2 = d, 3 = f
  int group; ///< index into slaterGroups
};

/// A Slater group: (ns, np) together, or nd, or nf on its own.
struct SlaterGroup
{
  int n;     ///< principal quantum number
  bool isSp; ///< true for an (ns, np) group, false for a d or f group
};

// The groups in Slater's order: an electron is shielded only by electrons of its own group and of
// groups to its left.
constexpr std::array<SlaterGroup, 13> slaterGroups = { {
  { 1, true },  // 0: 1s
  { 2, true },  // 1: 2s 2p
  { 3, true },  // 2: 3s 3p
  { 3, false }, // 3: 3d
  { 4, true },  // 4: 4s 4p
  { 4, false }, // 5: 4d
  { 4, false }, // 6: 4f
  { 5, true },  // 7: 5s 5p
  { 5, false }, // 8: 5d
  { 5, false }, // 9: 5f
  { 6, true },  // 10: 6s 6p
  { 6, false }, // 11: 6d
  { 7, true },  // 12: 7s 7p
} };

// Subshells in the order a neutral atom fills them (Madelung order). The table stops at 7p, so an
// ion can hold at most 118 electrons.
constexpr std::array<Subshell, 19> fillOrder = { {
  { 1, 0, 0 },  { 2, 0, 1 },  { 2, 1, 1 }, { 3, 0, 2 },  { 3, 1, 2 },  { 4, 0, 4 }, { 3, 2, 3 },
  { 4, 1, 4 },  { 5, 0, 7 },  { 4, 2, 5 }, { 5, 1, 7 },  { 6, 0, 10 }, { 4, 3, 6 }, { 5, 2, 8 },
  { 6, 1, 10 }, { 7, 0, 12 }, { 5, 3, 9 }, { 6, 2, 11 }, { 7, 1, 12 },
} };

static_assert(fillOrder.back().n == 7 && fillOrder.back().l == 1);

// The (ns, np) group of each shell n = 1..7 (index 0 unused).
constexpr std::array<int, 8> spGroupOfShell = { -1, 0, 1, 2, 4, 7, 10, 12 };

// Effective principal quantum number n* of each shell n = 1..7 (index 0 unused). Slater gives
// none beyond 6; shell 7 keeps the value of shell 6.
constexpr std::array<double, 8> effectiveN = { 0.0, 1.0, 2.0, 3.0, 3.7, 4.0, 4.2, 4.2 };

constexpr int subshellCapacity(int l)
{
  return 2 * (2 * l + 1);
}

constexpr int maxElectrons = [] {
  int total = 0;
  for (const Subshell& s : fillOrder)
    total += subshellCapacity(s.l);
  return total;
}();

static_assert(maxElectrons == 118);

constexpr double bohrRadius = 0.5292; // Ångström
constexpr double rydberg = 13.6057;   // eV, energy of the hydrogen 1s electron
constexpr double calPerEv = 23060.5;  // cal/mol in one eV
constexpr double minimumZeff = 0.5;   // keeps sizes finite for strongly negative ions
constexpr double sameGroupShield = 0.35;
constexpr double sameGroupShield1s = 0.30;
constexpr double innerShellShield = 0.85; // electrons one shell in, seen from an (ns, np) electron

/// Electrons in each subshell of fillOrder.
using Occupancy = std::array<int, fillOrder.size()>;

/// Fills `count` electrons in Madelung order.
Occupancy fillNeutral(int count)
{
  Occupancy occ{};
  for (std::size_t i = 0; i < fillOrder.size() && count > 0; ++i) {
    occ[i] = std::min(count, subshellCapacity(fillOrder[i].l));
    count -= occ[i];
  }
  return occ;
}

/// The electron configuration of element z carrying the given charge.
Occupancy configuration(int z, int charge)
{
  // Computed in a wide type so that no charge, however large, can overflow; beyond 118 electrons
  // there is no subshell left to put them in, so the count stops there.
  const long long wanted =
    std::clamp(static_cast<long long>(z) - charge, 0LL, static_cast<long long>(maxElectrons));
  const int electrons = static_cast<int>(wanted);
  if (charge <= 0)
    return fillNeutral(electrons); // an anion simply continues filling in the same order

  // Cations lose their outermost electrons first: the highest shell, and within it the highest l,
  // the way transition-metal ions lose 4s before 3d (Fe2+ is [Ar]3d6, not [Ar]4s2 3d4).
  const int neutral = std::min(z, maxElectrons);
  Occupancy occ = fillNeutral(neutral);
  int toRemove = neutral - electrons;
  for (int n = 7; n >= 1 && toRemove > 0; --n) {
    for (int l = 3; l >= 0 && toRemove > 0; --l) {
      for (std::size_t i = 0; i < fillOrder.size(); ++i) {
        if (fillOrder[i].n == n && fillOrder[i].l == l) {
          const int taken = std::min(occ[i], toRemove);
          occ[i] -= taken;
          toRemove -= taken;
        }
      }
    }
  }
  return occ;
}

/// Electrons in each Slater group.
using GroupCounts = std::array<int, slaterGroups.size()>;

GroupCounts groupCounts(const Occupancy& occ)
{
  GroupCounts counts{};
  for (std::size_t i = 0; i < fillOrder.size(); ++i)
    counts[static_cast<std::size_t>(fillOrder[i].group)] += occ[i];
  return counts;
}

/// The effective nuclear charge seen by one electron of group g, at least minimumZeff.
double effectiveCharge(int z, const GroupCounts& counts, std::size_t g)
{
  const SlaterGroup& own = slaterGroups[g];
  // The electron itself does not shield; an empty group is looked at as if for an added electron.
  const int others = std::max(counts[g] - 1, 0);
  double shielding = others * (g == 0 ? sameGroupShield1s : sameGroupShield);
  // Groups to the right (outer shells, and the d and f groups of the electron's own shell) do not
  // shield it, so only the groups to its left are counted.
  for (std::size_t j = 0; j < g; ++j) {
    if (own.isSp && slaterGroups[j].n == own.n - 1)
      shielding += innerShellShield * counts[j];
    else
      shielding += 1.0 * counts[j]; // two or more shells in, or any inner electron seen from d/f
  }
  return std::max(z - shielding, minimumZeff);
}

} // namespace

double slaterOrbitalSize(int z, int charge)
{
  if (z <= 0)
    return 0.0;
  const Occupancy occ = configuration(z, charge);
  int outermost = 0;
  for (std::size_t i = 0; i < fillOrder.size(); ++i) {
    if (occ[i] > 0)
      outermost = std::max(outermost, fillOrder[i].n);
  }
  if (outermost == 0) {
    // A bare nucleus has no orbital. We take the size of its one-electron 1s orbital instead: that
    // keeps size ratios finite, and H+ keeps the size of neutral hydrogen.
    return effectiveN[1] * effectiveN[1] * bohrRadius / z;
  }
  // The outermost shell always holds s electrons (its s subshell fills first and empties last),
  // so its (ns, np) group gives the charge the outer electrons see.
  const double zeff =
    effectiveCharge(z, groupCounts(occ), static_cast<std::size_t>(spGroupOfShell[outermost]));
  const double nStar = effectiveN[static_cast<std::size_t>(outermost)];
  return nStar * nStar * bohrRadius / zeff;
}

double slaterElectronicEnergy(int z, int charge)
{
  if (z <= 0)
    return 0.0;
  const GroupCounts counts = groupCounts(configuration(z, charge));
  // Each electron contributes -13.6057 eV × (Zeff / n*)², the hydrogen-like energy of its group.
  double sum = 0.0;
  for (std::size_t g = 0; g < slaterGroups.size(); ++g) {
    if (counts[g] == 0)
      continue;
    const double ratio =
      effectiveCharge(z, counts, g) / effectiveN[static_cast<std::size_t>(slaterGroups[g].n)];
    sum += counts[g] * ratio * ratio;
  }
  return -rydberg * calPerEv * sum;
}

} // namespace trelvix
