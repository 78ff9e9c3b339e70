// A structure drawn from SMILES becomes the RDKit molecule the force fields type: the bond orders
// of triple and cumulated double bonds, no radicals, no hydrogens the drawing does not hold, and
// the linear (sp) centres those bonds make.
#include "forcefield_fixture.h"
#include "forcefields/keyed_molecule.h"

#include <GraphMol/ROMol.h>
#include <gtest/gtest.h>
#include <vector>

namespace trelvix {
namespace {

using KeyedMoleculeTest = ForceFieldTest;

struct ConversionCase
{
  const char* smiles;
  // Per atom in the molecule's order (the drawing's element atoms, then the added hydrogens).
  std::vector<int> elements;
  std::vector<unsigned int> hydrogens;
  // The bond orders among the heavy atoms, in the molecule's bond order.
  std::vector<RDKit::Bond::BondType> heavyBonds;
};

const ConversionCase conversionCases[] = {
  { "N#N", { 7, 7 }, { 0, 0 }, { RDKit::Bond::TRIPLE } },
  { "O=C=O", { 8, 6, 8 }, { 0, 0, 0 }, { RDKit::Bond::DOUBLE, RDKit::Bond::DOUBLE } },
  { "C#N", { 6, 7, 1 }, { 1, 0, 0 }, { RDKit::Bond::TRIPLE } },
  { "C#C", { 6, 6, 1, 1 }, { 1, 1, 0, 0 }, { RDKit::Bond::TRIPLE } },
};

TEST_F(KeyedMoleculeTest, TripleAndCumulatedBondsKeepTheirOrders)
{
  for (const ConversionCase& c : conversionCases) {
    std::unique_ptr<CommandLayer> layer = layerOf(c.smiles);
    KeyedMolecule keyed = keyedMolecule(writableDocument(*layer), true);
    ASSERT_TRUE(keyed.mol) << keyed.failure;
    const RDKit::ROMol& mol = *keyed.mol;
    ASSERT_EQ(mol.getNumAtoms(), c.elements.size()) << c.smiles;
    std::vector<RDKit::Bond::BondType> heavyBonds;
    for (const RDKit::Bond* b : mol.bonds()) {
      if (b->getBeginAtom()->getAtomicNum() > 1 && b->getEndAtom()->getAtomicNum() > 1)
        heavyBonds.push_back(b->getBondType());
    }
    EXPECT_EQ(heavyBonds, c.heavyBonds) << c.smiles;
    for (const RDKit::Atom* a : mol.atoms()) {
      const unsigned int i = a->getIdx();
      EXPECT_EQ(a->getAtomicNum(), c.elements[i]) << c.smiles << " atom " << i + 1;
      EXPECT_EQ(a->getTotalNumHs(true), c.hydrogens[i]) << c.smiles << " atom " << i + 1;
      EXPECT_EQ(a->getNumRadicalElectrons(), 0u) << c.smiles << " atom " << i + 1;
      EXPECT_EQ(a->getFormalCharge(), 0) << c.smiles << " atom " << i + 1;
      if (a->getAtomicNum() > 1 && a->getDegree() == 2) { // the centres of the line
        EXPECT_EQ(a->getHybridization(), RDKit::Atom::SP) << c.smiles << " atom " << i + 1;
      }
    }
  }
}

} // namespace
} // namespace trelvix
