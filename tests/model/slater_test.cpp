#include "model/slater.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>

namespace trelvix {

namespace {

constexpr double a0 = 0.5292;                    // Ångström
constexpr double rydbergCal = 13.6057 * 23060.5; // 13.6057 eV in cal/mol

// Sums taken in a different order differ in the last bits only.
void expectClose(double actual, double expected)
{
  EXPECT_NEAR(actual, expected, 1e-12 * std::fabs(expected));
}

struct SizeCase
{
  const char* name;
  int z;
  int charge;
  double size; ///< Ångström, worked by hand as n*² × a0 / Zeff
};

const SizeCase sizeCases[] = {
  // 1s alone: nothing shields it.
  { "H", 1, 0, 1 * 1 * a0 / 1.0 },
  // A bare nucleus is given its one-electron 1s size, Zeff = Z.
  { "H+", 1, 1, 1 * 1 * a0 / 1.0 },
  { "He2+", 2, 2, 1 * 1 * a0 / 2.0 },
  { "C+100", 6, 100, 1 * 1 * a0 / 6.0 },
  { "C+INT_MAX", 6, INT_MAX, 1 * 1 * a0 / 6.0 },
  // 1s2: the other 1s electron shields 0.30.
  { "H-", 1, -1, 1 * 1 * a0 / (1 - 0.30) },
  // 1s2 2s2 2p2
  { "C", 6, 0, 2 * 2 * a0 / (6 - (3 * 0.35 + 2 * 0.85)) },
  // 1s2 2s2 2p6 3s1
  { "Na", 11, 0, 3 * 3 * a0 / (11 - (0 * 0.35 + 8 * 0.85 + 2 * 1.00)) },
  // 1s2 2s2 2p6: the outermost shell is now shell 2.
  { "Na+", 11, 1, 2 * 2 * a0 / (11 - (7 * 0.35 + 2 * 0.85)) },
  // 1s2 2s2 2p6 3s2 3p6
  { "Cl-", 17, -1, 3 * 3 * a0 / (17 - (7 * 0.35 + 8 * 0.85 + 2 * 1.00)) },
  // [Ar] 4s2 3d6: shell 3 (3s2 3p6 3d6) shields 0.85 each, shells 1 and 2 shield 1.00 each.
  { "Fe", 26, 0, 3.7 * 3.7 * a0 / (26 - (1 * 0.35 + 14 * 0.85 + 10 * 1.00)) },
  // [Ar] 3d6: the 4s pair leaves first; the 3d electrons lie right of 3s3p and do not shield it.
  { "Fe2+", 26, 2, 3 * 3 * a0 / (26 - (7 * 0.35 + 8 * 0.85 + 2 * 1.00)) },
  // [Kr] 4d9 less 5s2 and one 4d: [Ar]3d10 4s2 4p6 4d8. The 4d goes before the 4p.
  { "Ag3+", 47, 3, 3.7 * 3.7 * a0 / (47 - (7 * 0.35 + 18 * 0.85 + 10 * 1.00)) },
  // [Kr] 5s1: n* = 4.0; 4s2 4p6 shield 0.85, the 28 inner electrons 1.00.
  { "Rb", 37, 0, 4.0 * 4.0 * a0 / (37 - (8 * 0.85 + 28 * 1.00)) },
  // [Xe] 6s1: n* = 4.2; 5s2 5p6 shield 0.85, the 46 inner electrons (4d included) 1.00.
  { "Cs", 55, 0, 4.2 * 4.2 * a0 / (55 - (8 * 0.85 + 46 * 1.00)) },
  // [Xe] 6s2 4f14 5d10: shell 5 is 5s2 5p6 5d10; the 4f14 counts among the 60 inner electrons.
  { "Hg", 80, 0, 4.2 * 4.2 * a0 / (80 - (1 * 0.35 + 18 * 0.85 + 60 * 1.00)) },
  // [Xe] 6s2 4f1: filling order puts the 57th electron in 4f, before 5d, so only 5s2 5p6 shield
  // 0.85 and the 4f electron is among the 47 inner ones.
  { "La", 57, 0, 4.2 * 4.2 * a0 / (57 - (1 * 0.35 + 8 * 0.85 + 47 * 1.00)) },
  // [Rn] 7s1: shell 7 keeps n* = 4.2; 6s2 6p6 shield 0.85, the 78 inner electrons 1.00.
  { "Fr", 87, 0, 4.2 * 4.2 * a0 / (87 - (8 * 0.85 + 78 * 1.00)) },
  // [Rn] 7s2 5f1: likewise 5f fills before 6d, so 6s2 6p6 alone shield 0.85.
  { "Ac", 89, 0, 4.2 * 4.2 * a0 / (89 - (1 * 0.35 + 8 * 0.85 + 79 * 1.00)) },
  // 1s2 2s2 2p2 around a charge of 1: 1 - (3*0.35 + 2*0.85) = -1.75, raised to 0.5.
  { "H5-", 1, -5, 2 * 2 * a0 / 0.5 },
  // 118 electrons fill every subshell through 7p; 7s7p sees far below 0.5.
  { "Lw15-", 103, -15, 4.2 * 4.2 * a0 / 0.5 },
  // More electrons than the subshells hold stop at 118.
  { "Lw1000-", 103, -1000, 4.2 * 4.2 * a0 / 0.5 },
  { "C-INT_MIN", 6, INT_MIN, 4.2 * 4.2 * a0 / 0.5 },
};

TEST(SlaterOrbitalSize, HandWorkedIonsAndAtoms)
{
  for (const SizeCase& c : sizeCases) {
    SCOPED_TRACE(c.name);
    expectClose(slaterOrbitalSize(c.z, c.charge), c.size);
  }
}

TEST(SlaterOrbitalSize, NoElementHasNoSize)
{
  EXPECT_EQ(slaterOrbitalSize(0, 0), 0.0);
  EXPECT_EQ(slaterOrbitalSize(-6, 0), 0.0);
  EXPECT_EQ(slaterOrbitalSize(0, -2), 0.0);
  EXPECT_EQ(slaterOrbitalSize(INT_MIN, INT_MAX), 0.0);
}

TEST(SlaterElectronicEnergy, HydrogenIsOneRydberg)
{
  EXPECT_DOUBLE_EQ(slaterElectronicEnergy(1, 0), -13.6057 * 23060.5);
}

struct EnergyCase
{
  const char* name;
  int z;
  int charge;
  double energy; ///< cal/mol, worked by hand as -Σ (Zeff / n*)² Rydberg
};

const EnergyCase energyCases[] = {
  { "H+", 1, 1, 0.0 },
  { "He2+", 2, 2, 0.0 },
  // 1s2: Zeff 6 - 0.30; 2s2 2p2: Zeff 6 - (3*0.35 + 2*0.85), n* = 2.
  { "C",
    6,
    0,
    -rydbergCal*(2 * std::pow(6 - 0.30, 2) + 4 * std::pow((6 - (3 * 0.35 + 2 * 0.85)) / 2, 2)) },
  // 1s2 | 2s2 2p6 | 3s2 3p6 | 3d6 | 4s2
  { "Fe",
    26,
    0,
    -rydbergCal*(2 * std::pow(26 - 0.30, 2) + 8 * std::pow((26 - (7 * 0.35 + 2 * 0.85)) / 2, 2) +
                 8 * std::pow((26 - (7 * 0.35 + 8 * 0.85 + 2 * 1.00)) / 3, 2) +
                 6 * std::pow((26 - (5 * 0.35 + 18 * 1.00)) / 3, 2) +
                 2 * std::pow((26 - (1 * 0.35 + 14 * 0.85 + 10 * 1.00)) / 3.7, 2)) },
  // 1s2: Zeff 0.7; 2s2 2p2: raised to 0.5.
  { "H5-", 1, -5, -rydbergCal*(2 * std::pow(1 - 0.30, 2) + 4 * std::pow(0.5 / 2, 2)) },
};

TEST(SlaterElectronicEnergy, HandWorkedTotals)
{
  for (const EnergyCase& c : energyCases) {
    SCOPED_TRACE(c.name);
    expectClose(slaterElectronicEnergy(c.z, c.charge), c.energy);
  }
}

struct IonisationCase
{
  const char* name;
  int z;
  int charge;  ///< of the ion before losing one more electron
  double cost; ///< E(z, charge + 1) - E(z, charge), cal/mol
};

const IonisationCase ionisationCases[] = {
  // Li 1s2 2s1 → 1s2: the 1s pair sees 3 - 0.30 either way (2s lies to its right), so only the
  // 2s electron's own term, Zeff 3 - 2*0.85 = 1.3 with n* = 2, goes.
  { "Li", 3, 0, rydbergCal* std::pow(1.3 / 2, 2) },
  // Fe+ [Ar]4s1 3d6 → Fe2+ [Ar]3d6: 4s shields nothing inside it.
  { "Fe+", 26, 1, rydbergCal* std::pow((26 - (14 * 0.85 + 10 * 1.00)) / 3.7, 2) },
  // Fe2+ [Ar]3d6 → Fe3+ [Ar]3d5: only the 3d group changes.
  { "Fe2+",
    26,
    2,
    rydbergCal*(6 * std::pow((26 - (5 * 0.35 + 18 * 1.00)) / 3, 2) -
                5 * std::pow((26 - (4 * 0.35 + 18 * 1.00)) / 3, 2)) },
  // H 1s1 → H+: the last electron takes the whole energy with it.
  { "H", 1, 0, rydbergCal * 1.0 },
};

TEST(SlaterElectronicEnergy, DifferencesGiveIonisationEnergies)
{
  for (const IonisationCase& c : ionisationCases) {
    SCOPED_TRACE(c.name);
    const double cost =
      slaterElectronicEnergy(c.z, c.charge + 1) - slaterElectronicEnergy(c.z, c.charge);
    EXPECT_NEAR(cost, c.cost, 1e-9 * std::fabs(c.cost));
  }
}

TEST(SlaterElectronicEnergy, NoElementHasNoEnergy)
{
  EXPECT_EQ(slaterElectronicEnergy(0, 0), 0.0);
  EXPECT_EQ(slaterElectronicEnergy(-1, -3), 0.0);
}

} // namespace

} // namespace trelvix
