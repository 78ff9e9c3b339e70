// The reference table built into the program: every block read, every species whole and
// consistent, the molecules of the Add Molecule menu all there; and the reader's refusals.
#include "thermo/molecule_graph.h"
#include "thermo/reference_table.h"

#include <gtest/gtest.h>
#include <set>

namespace trelvix {
namespace {

constexpr double calPerKJ = 1000 / 4.184;
constexpr double calPerJ = 1 / 4.184;

TEST(SpeciesTable, HoldsAtLeast150SpeciesEachReadWhole)
{
  EXPECT_GE(referenceSpecies().size(), 150u);
  const SpeciesTableResult direct = readSpeciesTable(std::string(1, '\n') + "# nothing\n");
  EXPECT_TRUE(direct.error.empty());
  EXPECT_TRUE(direct.species.empty());
}

TEST(SpeciesTable, EachSpeciesIsConsistent)
{
  std::set<std::string> smiles;
  for (const ReferenceSpecies& s : referenceSpecies()) {
    SCOPED_TRACE(s.name);
    EXPECT_TRUE(smiles.insert(s.smiles).second) << "twice: " << s.smiles;
    // The identity's atoms are the formula's atoms.
    const std::optional<SpeciesGraph> graph = graphFromSmiles(s.smiles);
    ASSERT_TRUE(graph) << s.smiles;
    EXPECT_EQ(hillFormula(*graph), s.formula);
    EXPECT_EQ(s.source, "NASA-Glenn");
    // The ranges join and take in the reference temperature.
    const NasaPolynomial& p = s.nasa;
    EXPECT_LE(p.lowT, 300.0);
    EXPECT_GE(p.highT, 5000.0);
    const NasaThermo thermo = s.thermo();
    EXPECT_TRUE(thermo.covers(298.15));
    // The two polynomials meet at the joining temperature.
    const double below = p.midT - 1e-9, at = p.midT;
    EXPECT_NEAR(p.cpOverR(below), p.cpOverR(at), 1e-3);
    EXPECT_NEAR(p.hOverRT(below), p.hOverRT(at), 1e-3);
    EXPECT_NEAR(p.sOverR(below), p.sOverR(at), 1e-3);
    // The values at 298.15 K are the polynomials' own (0.0005 kJ and J as printed).
    EXPECT_NEAR(thermo.enthalpy(298.15), s.dHf298, 0.001 * calPerKJ);
    EXPECT_NEAR(thermo.entropy(298.15), s.S298, 0.001 * calPerJ);
    // Heat capacities of a gas lie between a monatomic gas's 5/2 R and sensible bounds.
    for (double T : { 298.15, 500.0, 1000.0, 3000.0 }) {
      EXPECT_GE(thermo.heatCapacity(T), 2.5 * tableR - 0.05) << T;
      EXPECT_LT(thermo.heatCapacity(T), 200.0) << T;
    }
  }
}

TEST(SpeciesTable, HoldsTheAddMoleculeItems)
{
  // CH4 NH3 H2O H2S BH3 H2 Cl2 Br2 I2 N2 O2 CO2 F2 SO2 NO2 PH3 SiH4 SiO2 CO NO HCN.
  std::set<std::string> formulas;
  for (const ReferenceSpecies& s : referenceSpecies())
    formulas.insert(s.formula);
  for (const char* formula :
       { "CH4", "H3N", "H2O", "H2S", "BH3", "H2",   "Cl2",  "Br2", "I2", "N2", "O2",
         "CO2", "F2",  "O2S", "NO2", "H3P", "H4Si", "O2Si", "CO",  "NO", "CHN" })
    EXPECT_TRUE(formulas.count(formula)) << formula;
}

TEST(SpeciesTable, RefusesMalformedTables)
{
  const std::string whole =
    "species C\nname methane\nformula CH4\nsource X\ndHf298 -74.6\n"
    "S298 186.4\nnasa7 200 1000 6000\nlow 1 2 3 4 5 6 7\nhigh 1 2 3 4 5 6 7\n";
  const SpeciesTableResult good = readSpeciesTable(whole);
  ASSERT_TRUE(good.error.empty()) << good.error;
  ASSERT_EQ(good.species.size(), 1u);
  EXPECT_NEAR(good.species[0].dHf298, -74.6 * calPerKJ, 1e-9);
  EXPECT_NEAR(good.species[0].S298, 186.4 * calPerJ, 1e-9);
  EXPECT_EQ(good.species[0].nasa.high[6], 7.0);

  struct Case
  {
    std::string text;
    std::string error;
  };
  const Case cases[] = {
    { "name methane\n", "line 1: name outside a species block" },
    { "species C\nspecies O\n", "line 2: species O begins inside another block" },
    { "species C\nname methane\n", "line 3: species C lacks a field" },
    { "species C\nweight 16\n", "line 2: unknown field weight" },
    { "species C\nname a\nname b\n", "line 3: second name" },
    { "species C\nlow 1 2 3\n", "line 2: bad low value: 1 2 3" },
    { "species C\nnasa7 1000 200 6000\n", "line 2: bad nasa7 value: 1000 200 6000" },
    { "species C\ndHf298 -74.6x\n", "line 2: bad dHf298 value: -74.6x" },
  };
  for (const Case& c : cases) {
    const SpeciesTableResult r = readSpeciesTable(c.text);
    EXPECT_EQ(r.error, c.error) << c.text;
    EXPECT_TRUE(r.species.empty());
  }
}

} // namespace
} // namespace trelvix
