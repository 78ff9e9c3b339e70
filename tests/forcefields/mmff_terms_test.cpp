// MMFF94's terms in loops of their own (bonded terms and pairs) against RDKit's complete MMFF94
// field, whose per-term objects are an independent implementation of the same published
// functions: the energy and every gradient component must agree at a geometry off the minimum,
// for neutral, charged, ring, linear, planar-centre and two-fragment structures.
#include "forcefield_fixture.h"
#include "forcefields/keyed_molecule.h"
#include "forcefields/rdkit_force_field.h"

#include <ForceField/Contrib.h>
#include <GraphMol/Conformer.h>
#include <GraphMol/ForceFieldHelpers/MMFF/AtomTyper.h>
#include <GraphMol/ForceFieldHelpers/MMFF/Builder.h>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace trelvix {
namespace {

using MmffTermsTest = ForceFieldTest;

const char* const structures[] = {
  "CCO",              // 1-4 pairs and beyond
  "[NH3+]CC(=O)[O-]", // charged atoms: large electrostatics
  "C1CC1",            // a three-ring: every pair of carbons 1-2
  "C1CCC1",           // a four-ring: 1-3 pairs both ways round
  "c1ccccc1O",        // aromatic 1-4 pairs
  "CCO.O",            // two fragments: no pair terms between them
  "CC#CC",            // linear centres: their own bend, no stretch-bend, no torsion through them
  "CC#N",             // a nitrile's linear carbon
  "CC(=O)NC",         // planar centres bending out of their plane; an amide's torsion
  "c1ccncc1C=C",      // aromatic and conjugated torsions, out-of-plane at every ring atom
  "C1CCCC1",          // a five-ring's torsions
  "CS(=O)(=O)N",      // a sulfonamide's four-connected sulfur
  "C[N+](C)(C)C",     // a quaternary ammonium
  "OP(=O)(O)O",       // phosphoric acid
};

TEST_F(MmffTermsTest, OurLoopsGiveRDKitsEnergyAndGradient)
{
  for (const char* smiles : structures) {
    std::unique_ptr<CommandLayer> layer = layerOf(smiles);
    layer->AddProtons3D(); // the embedded geometry with new hydrogens: off the minimum
    KeyedMolecule keyed = keyedMolecule(writableDocument(*layer));
    ASSERT_TRUE(keyed.mol) << keyed.failure;
    std::vector<double> x;
    for (const RDGeom::Point3D& p : keyed.mol->getConformer().getPositions())
      x.insert(x.end(), { p.x, p.y, p.z });

    BuiltForceField built = buildForceField(*keyed.mol, ForceFieldChoice::MMFF94);
    ASSERT_TRUE(built.ready()) << built.failure;
    std::vector<double> gradient(x.size());
    const double energy = energyAndGradient(built, x, gradient);

    RDKit::MMFF::MMFFMolProperties properties(*keyed.mol, "MMFF94");
    std::unique_ptr<ForceFields::ForceField> reference(
      RDKit::MMFF::constructForceField(*keyed.mol, &properties, 1e6));
    reference->initialize();
    const double expected = reference->calcEnergy(x.data());
    std::vector<double> expectedGradient(x.size());
    for (const ForceFields::ContribPtr& term : reference->contribs())
      term->getGrad(x.data(), expectedGradient.data());

    EXPECT_NEAR(energy, expected, 1e-9 * std::max(1.0, std::abs(expected))) << smiles;
    for (std::size_t i = 0; i < x.size(); ++i)
      EXPECT_NEAR(gradient[i], expectedGradient[i], 1e-8) << smiles << " coordinate " << i;
  }
}

} // namespace
} // namespace trelvix
