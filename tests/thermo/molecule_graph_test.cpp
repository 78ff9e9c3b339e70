// SMILES read into heavy-atom graphs, their formulas, and the comparison of two graphs.
#include "thermo/molecule_graph.h"

#include <gtest/gtest.h>

namespace trelvix {
namespace {

TEST(SpeciesGraph, ReadsSmilesIntoHeavyAtomsWithTheirHydrogens)
{
  struct Case
  {
    const char* smiles;
    const char* formula;
    std::size_t atoms;
    std::size_t bonds;
  };
  const Case cases[] = {
    { "C", "CH4", 1, 0 },
    { "CCO", "C2H6O", 3, 2 },
    { "c1ccccc1", "C6H6", 6, 6 },
    { "Cc1ccccc1", "C7H8", 7, 7 },
    { "c1ccc2ccccc2c1", "C10H8", 10, 11 },
    { "C1CC1", "C3H6", 3, 3 },
    { "CC(C)(C)C", "C5H12", 5, 4 },
    { "C/C=C\\C", "C4H8", 4, 3 },
    { "[H][H]", "H2", 1, 0 },
    { "[H]", "H", 1, 0 },
    { "[CH3]", "CH3", 1, 0 },
    { "[O]N=O", "NO2", 3, 2 },
    { "O=[N+]([O-])O", "HNO3", 4, 3 },
    { "[C-]#[O+]", "CO", 2, 1 },
    { "Cl[SiH2]Cl", "Cl2H2Si", 3, 2 },
    { "FS(F)(F)(F)(F)F", "F6S", 7, 6 },
    { "O=S=O", "O2S", 3, 2 },
    { "S1SSSSSSS1", "S8", 8, 8 },
    { "p12p3p1p23", "P4", 4, 6 },
    { "C%10CC%10", "C3H6", 3, 3 },
  };
  for (const Case& c : cases) {
    const std::optional<SpeciesGraph> g = graphFromSmiles(c.smiles);
    ASSERT_TRUE(g) << c.smiles;
    EXPECT_EQ(hillFormula(*g), c.formula) << c.smiles;
    EXPECT_EQ(g->atoms.size(), c.atoms) << c.smiles;
    EXPECT_EQ(g->bonds.size(), c.bonds) << c.smiles;
  }
  const SpeciesGraph nitric = *graphFromSmiles("O=[N+]([O-])O");
  EXPECT_EQ(nitric.atoms[1].charge, 1);
  EXPECT_EQ(nitric.atoms[2].charge, -1);
  EXPECT_EQ(nitric.bonds[0].order, 2);
}

TEST(SpeciesGraph, RefusesWhatIsNoSmiles)
{
  for (const char* bad : { "", "C(", "C)", "C1CC", "[C", "Xx", "(C)", "1CC1", "C%1C" })
    EXPECT_FALSE(graphFromSmiles(bad)) << bad;
}

TEST(SpeciesGraph, ComparesConnectivityWhateverTheNumberingAndBondOrders)
{
  struct Case
  {
    const char* a;
    const char* b;
    bool same;
  };
  const Case cases[] = {
    { "CCO", "OCC", true },
    { "c1ccccc1", "C1=CC=CC=C1", true },   // aromatic or alternating
    { "O=[N+]([O-])O", "ON(=O)=O", true }, // charges apart or not
    { "C/C=C\\C", "C/C=C/C", true },       // cis and trans alike
    { "CCO", "COC", false },               // ethanol, dimethyl ether
    { "CC(C)C", "CCCC", false },           // isobutane, butane
    { "C1CCC1", "C=CCC", false },          // ring or chain
    { "CC=C", "C1CC1", false },            // propene, cyclopropane
    { "C=O", "CO", false },                // hydrogens differ
  };
  for (const Case& c : cases) {
    EXPECT_EQ(sameConnectivity(*graphFromSmiles(c.a), *graphFromSmiles(c.b)), c.same)
      << c.a << " " << c.b;
  }
}

} // namespace
} // namespace trelvix
