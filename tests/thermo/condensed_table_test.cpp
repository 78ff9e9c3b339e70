// The table of liquids and solids built into the program: at least forty species, each whole
// and consistent, the published values of the reference states and common substances, and the
// reader's handling of phases and single ranges.
#include "thermo/molecule_graph.h"
#include "thermo/reference_table.h"

#include <gtest/gtest.h>
#include <set>

namespace trelvix {
namespace {

constexpr double calPerKJ = 1000 / 4.184;
constexpr double calPerJ = 1 / 4.184;

const ReferenceSpecies* find(const char* name)
{
  for (const ReferenceSpecies& s : condensedSpecies()) {
    if (s.name == name)
      return &s;
  }
  return nullptr;
}

TEST(CondensedTable, HoldsAtLeast40LiquidsAndSolidsEachConsistent)
{
  EXPECT_GE(condensedSpecies().size(), 40u);
  const std::set<std::string> sources{ "NASA-Glenn", "CRC-NIST", "JANAF" };
  std::set<std::pair<std::string, SpeciesPhase>> seen;
  for (const ReferenceSpecies& s : condensedSpecies()) {
    SCOPED_TRACE(s.name);
    EXPECT_NE(s.phase, SpeciesPhase::Gas);
    EXPECT_TRUE(sources.count(s.source)) << s.source;
    const std::optional<SpeciesGraph> graph = graphFromSmiles(s.smiles);
    ASSERT_TRUE(graph) << s.smiles;
    EXPECT_EQ(hillFormula(*graph), s.formula);
    EXPECT_TRUE(seen.insert({ s.name, s.phase }).second);
    const NasaThermo thermo = s.thermo();
    // Used within its range only: no extrapolation below a range that starts above 300 K.
    EXPECT_TRUE(thermo.covers(s.nasa.lowT));
    EXPECT_TRUE(thermo.covers(s.nasa.highT));
    EXPECT_FALSE(thermo.covers(std::min(s.nasa.lowT, 298.15) - 1));
    EXPECT_FALSE(thermo.covers(s.nasa.highT + 1));
    EXPECT_NEAR(thermo.enthalpy(298.15), s.dHf298, 0.001 * calPerKJ);
    EXPECT_NEAR(thermo.entropy(298.15), s.S298, 0.001 * calPerJ);
    for (double T : { s.nasa.lowT, (s.nasa.lowT + s.nasa.highT) / 2, s.nasa.highT })
      EXPECT_GT(thermo.heatCapacity(T), 0.0) << T;
  }
}

// Published values at 298.15 K, kJ/mol and J/(mol K): NIST-JANAF (M. W. Chase, 1998) for the
// inorganic species, the CRC Handbook for methanol.
TEST(CondensedTable, HoldsThePublishedValues)
{
  const struct
  {
    const char* name;
    SpeciesPhase phase;
    double dHf;
    double S;
  } cases[] = {
    { "water", SpeciesPhase::Liquid, -285.83, 69.95 },
    { "graphite", SpeciesPhase::Solid, 0.0, 5.74 },
    { "diamond", SpeciesPhase::Solid, 1.895, 2.377 },
    { "rhombic sulfur", SpeciesPhase::Solid, 0.0, 32.05 },
    { "quartz", SpeciesPhase::Solid, -910.86, 41.46 },
    { "sodium chloride", SpeciesPhase::Solid, -411.12, 72.12 },
    { "calcium oxide", SpeciesPhase::Solid, -635.09, 38.1 },
    { "benzene", SpeciesPhase::Liquid, 49.08, 173.4 },
    { "methanol", SpeciesPhase::Liquid, -239.2, 126.8 },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ReferenceSpecies* s = find(c.name);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->phase, c.phase);
    EXPECT_NEAR(s->dHf298, c.dHf * calPerKJ, 0.1 * calPerKJ);
    EXPECT_NEAR(s->S298, c.S * calPerJ, 0.2 * calPerJ);
  }
  // The stable form of an element comes first among its forms.
  for (const ReferenceSpecies& s : condensedSpecies()) {
    if (s.smiles == "[C]") {
      EXPECT_EQ(s.name, "graphite");
      break;
    }
  }
}

TEST(CondensedTable, TheReaderTakesPhasesAndSingleRanges)
{
  const std::string block = "species O\nname water\nformula H2O\nsource X\ndHf298 -285.83\n"
                            "S298 69.95\nnasa7 273.15 373.15\nlow 9 0 0 0 0 -38000 -40\n";
  const SpeciesTableResult one = readSpeciesTable(block + "phase liquid\n");
  ASSERT_TRUE(one.error.empty()) << one.error;
  ASSERT_EQ(one.species.size(), 1u);
  EXPECT_EQ(one.species[0].phase, SpeciesPhase::Liquid);
  EXPECT_EQ(one.species[0].nasa.midT, 373.15);
  EXPECT_EQ(one.species[0].nasa.high, one.species[0].nasa.low);
  // A gas when the phase is not given.
  EXPECT_EQ(readSpeciesTable(block).species.at(0).phase, SpeciesPhase::Gas);
  EXPECT_EQ(readSpeciesTable(block + "phase plasma\n").error, "line 9: bad phase value: plasma");
  EXPECT_EQ(readSpeciesTable(block + "high 9 0 0 0 0 -38000 -40\n").error,
            "line 10: species O has a high range beyond its single range");
}

} // namespace
} // namespace trelvix
