// Every source of standard thermochemistry is consistent in itself: dH/dT = Cp and
// T dS/dT = Cp to 0.1 %, by central differences, for every species of both tables, group
// additivity estimates and the statistical-mechanics functions.
#include "thermo/group_additivity.h"
#include "thermo/reference_table.h"
#include "thermo/statistical_thermo.h"

#include <cmath>
#include <gtest/gtest.h>

namespace trelvix {
namespace {

constexpr double step = 0.01; // kelvin

// Checks the identity at T; points closer than 1 K to a join of two pieces are left out, where
// the derivatives of a table jump.
void expectIdentity(const SpeciesThermo& s, double T, const std::string& what)
{
  SCOPED_TRACE(what + " at " + std::to_string(T) + " K");
  const double cp = s.heatCapacity(T);
  const double dH = (s.enthalpy(T + step) - s.enthalpy(T - step)) / (2 * step);
  const double dS = T * (s.entropy(T + step) - s.entropy(T - step)) / (2 * step);
  EXPECT_NEAR(dH, cp, 1e-3 * std::fabs(cp));
  EXPECT_NEAR(dS, cp, 1e-3 * std::fabs(cp));
}

void walkTable(const std::vector<ReferenceSpecies>& table)
{
  for (const ReferenceSpecies& s : table) {
    const NasaThermo thermo = s.thermo();
    const double lo = std::max(s.nasa.lowT, 200.0), hi = std::min(s.nasa.highT, 3000.0);
    for (int k = 0; k <= 8; ++k) {
      const double T = lo + (hi - lo) * (k + 0.5) / 9.5;
      if (std::fabs(T - s.nasa.midT) > 1)
        expectIdentity(thermo, T, s.name);
    }
  }
}

TEST(ThermodynamicIdentity, HoldsForEveryGasOfTheTable)
{
  walkTable(referenceSpecies());
}

TEST(ThermodynamicIdentity, HoldsForEveryLiquidAndSolidOfTheTable)
{
  walkTable(condensedSpecies());
}

TEST(ThermodynamicIdentity, HoldsForGroupAdditivity)
{
  for (const char* smiles : { "CCCC",
                              "CC(C)O",
                              "CC=O",
                              "c1ccccc1C",
                              "C1CCCCC1",
                              "CCOCC",
                              "CCC#N",
                              "CC(N)=O",
                              "Clc1ccccc1" }) {
    const std::unique_ptr<GroupThermo> g = groupAdditivity(*graphFromSmiles(smiles));
    ASSERT_TRUE(g) << smiles;
    // Between the knots of its heat capacities: 300, 400, 500, 600, 800, 1000 K.
    for (double T : { 250.0, 350.0, 450.0, 550.0, 700.0, 900.0, 1200.0 })
      expectIdentity(*g, T, smiles);
  }
}

// Pyridine's formation enthalpy from its groups on another source's S and Cp (here n-hexane's
// groups stand in for the statistical mechanics the reaction analysis uses).
TEST(ThermodynamicIdentity, HoldsForGroupEnthalpyOnAnotherSource)
{
  const std::shared_ptr<const SpeciesThermo> source = groupAdditivity(*graphFromSmiles("CCCCCC"));
  ASSERT_TRUE(source);
  const GroupEnthalpyThermo pyridine(*groupFormationEnthalpy(*graphFromSmiles("c1ccncc1")), source);
  EXPECT_NEAR(pyridine.enthalpy(298.15), 33200, 1e-6);
  for (double T : { 250.0, 350.0, 450.0, 550.0, 700.0, 900.0, 1200.0 })
    expectIdentity(pyridine, T, "pyridine");
}

TEST(ThermodynamicIdentity, HoldsForStatisticalMechanics)
{
  MolecularModel water;
  water.masses = { 15.9994, 1.00794, 1.00794 };
  water.positions = { { 0, 0, 0 }, { 0.757, 0.586, 0 }, { -0.757, 0.586, 0 } };
  water.modes = { { 3657 }, { 1595 }, { 3756 } };
  water.symmetryNumber = 2;
  const StatisticalResult r = statisticalThermo(water, -57800);
  ASSERT_TRUE(r.thermo);
  for (double T : { 50.0, 100.0, 298.15, 1000.0, 2999.0 })
    expectIdentity(*r.thermo, T, "water");
}

} // namespace
} // namespace trelvix
