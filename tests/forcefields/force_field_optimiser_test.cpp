// Optimize with MMFF94 and UFF through the command layer: the geometry a chemist checks against
// experiment, the hydrogens added first, and the refusal of an atom MMFF94 cannot type.
#include "forcefield_fixture.h"
#include "forcefields/force_field_check.h"
#include "model/link.h"

#include <gtest/gtest.h>

namespace trelvix {
namespace {

// One kind of bond of a molecule and the length every such bond must have after MMFF94.
struct BondCase
{
  const char* smiles;
  int element1;
  int element2;
  double angstroms;
  double tolerance;
};

// Experiment: ethane C-H 1.094 Å (electron diffraction, Harmony et al., J. Phys. Chem. Ref. Data
// 8, 619 (1979)); benzene C-C 1.397 Å and C-H 1.084 Å (Herzberg, Electronic Spectra of
// Polyatomic Molecules, 1966); water O-H 0.958 Å (Hoy & Bunker, J. Mol. Spectrosc. 74, 1
// (1979)). MMFF94 (Halgren, J. Comput. Chem. 17, 490 (1996)) gives C-H 1.093, C:C 1.393 and
// O-H 0.969: within 0.01 Å of the rounded values below.
const BondCase bondCases[] = {
  { "CC", 6, 1, 1.09, 0.01 },
  { "c1ccccc1", 6, 6, 1.39, 0.01 },
  { "c1ccccc1", 6, 1, 1.09, 0.01 },
  { "O", 8, 1, 0.97, 0.01 },
};

using ForceFieldOptimiserTest = ForceFieldTest;

TEST_F(ForceFieldOptimiserTest, MMFF94GivesTheBondLengthsOfExperiment)
{
  for (const BondCase& c : bondCases) {
    std::unique_ptr<CommandLayer> layer = optimised(c.smiles);
    int measured = 0;
    for (const tLink* b : layer->drawing().Bonds) {
      const int e1 = b->Atm1->element, e2 = b->Atm2->element;
      if ((e1 == c.element1 && e2 == c.element2) || (e1 == c.element2 && e2 == c.element1)) {
        EXPECT_NEAR(angstroms(*b->Atm1, *b->Atm2), c.angstroms, c.tolerance)
          << c.smiles << " bond " << e1 << "-" << e2;
        ++measured;
      }
    }
    EXPECT_GT(measured, 0) << c.smiles;
  }
}

TEST_F(ForceFieldOptimiserTest, MMFF94GivesTheAngleOfWater)
{
  // H-O-H 104.5° (Hoy & Bunker 1979); MMFF94 gives 103.98°.
  std::unique_ptr<CommandLayer> layer = optimised("O");
  const std::vector<tXY*> atoms = atomsOf(layer->drawing());
  ASSERT_EQ(atoms.size(), 3u);
  tXY* oxygen = atoms[0]->element == 8 ? atoms[0] : atoms[1]->element == 8 ? atoms[1] : atoms[2];
  std::vector<tXY*> hydrogens;
  for (tXY* a : atoms) {
    if (a != oxygen)
      hydrogens.push_back(a);
  }
  EXPECT_NEAR(degrees(*hydrogens[0], *oxygen, *hydrogens[1]), 104, 2);
}

TEST_F(ForceFieldOptimiserTest, HydrogensAreAddedInTheSameUndoStep)
{
  std::unique_ptr<CommandLayer> layer = layerOf("CCO");
  ASSERT_EQ(atomsOf(layer->drawing()).size(), 3u);
  StopTool stop;
  ForceFieldRun run;
  layer->OptimizeWith(ForceFieldChoice::MMFF94, stop, {}, &run);
  EXPECT_TRUE(run.protonsAdded);
  EXPECT_EQ(run.forceField, "MMFF94");
  EXPECT_EQ(atomsOf(layer->drawing()).size(), 3u + 6u);
  ASSERT_TRUE(layer->canUndo());
  layer->Undo();
  EXPECT_EQ(atomsOf(layer->drawing()).size(), 3u);
}

TEST_F(ForceFieldOptimiserTest, AnAtomMMFF94CannotTypeLeavesTheDocumentUnchanged)
{
  // MMFF94 has no parameters for selenium; UFF has.
  std::unique_ptr<CommandLayer> layer = layerOf("C[Se]C");
  std::vector<double> before;
  for (const tXY* a : atomsOf(layer->drawing()))
    before.insert(before.end(), { a->x3, a->y3, a->z3 });
  StopTool stop;
  ForceFieldRun run;
  const CommandResult result = layer->OptimizeWith(ForceFieldChoice::MMFF94, stop, {}, &run);
  EXPECT_EQ(result.message,
            "MMFF94 has no atom type for atom 2 (Se): optimize it with UFF or with the automatic "
            "choice");
  EXPECT_FALSE(result.changed);
  EXPECT_FALSE(layer->canUndo());
  std::vector<double> after;
  for (const tXY* a : atomsOf(layer->drawing()))
    after.insert(after.end(), { a->x3, a->y3, a->z3 });
  EXPECT_EQ(after, before); // no hydrogens added, no atom moved

  layer->OptimizeWith(ForceFieldChoice::Automatic, stop, {}, &run);
  EXPECT_TRUE(run.failure.empty());
  EXPECT_EQ(run.forceField, "UFF");
  EXPECT_TRUE(layer->canUndo());
}

TEST_F(ForceFieldOptimiserTest, ProgressComesInChunksAndTheStopFlagEndsTheRun)
{
  std::unique_ptr<CommandLayer> layer = layerOf("CCCCCCCCCCCCCCCCCCCC");
  StopTool stop;
  std::vector<int> iterations;
  ForceFieldRun run;
  layer->OptimizeWith(
    ForceFieldChoice::MMFF94,
    stop,
    [&](const ForceFieldRun& soFar) {
      iterations.push_back(soFar.iterations);
      EXPECT_EQ(soFar.forceField, "MMFF94");
      stop.StopBitBtn1Click(); // the Stop button after the first chunk
    },
    &run);
  EXPECT_EQ(iterations, std::vector<int>{ forceFieldChunk });
  EXPECT_FALSE(run.converged);
  EXPECT_TRUE(layer->canUndo());
}

TEST_F(ForceFieldOptimiserTest, TheResultIsAMinimumOfRDKitsCompleteField)
{
  // The optimiser's own pair loop and steps against RDKit's complete MMFF94 (every pair one of
  // its term objects): the energy reported is that field's, and no force on the result exceeds
  // the tolerance the run stopped at (1e-5 kcal mol⁻¹ Å⁻¹).
  for (const char* smiles : { "CCCCCCCCCCCCCCCCCCCC", "[NH3+]CC(=O)[O-]", "c1ccccc1O" }) {
    std::unique_ptr<CommandLayer> layer = layerOf(smiles);
    StopTool stop;
    ForceFieldRun run;
    layer->OptimizeWith(ForceFieldChoice::MMFF94, stop, {}, &run);
    ASSERT_TRUE(run.converged) << smiles << " " << run.iterations << " " << run.energy;
    const ForceFieldCheck check =
      checkWithRDKit(writableDocument(*layer), ForceFieldChoice::MMFF94);
    ASSERT_TRUE(check.failure.empty()) << check.failure;
    EXPECT_NEAR(run.energy, check.energy, 1e-7) << smiles;
    EXPECT_LT(check.largestGradient, 1e-5) << smiles;
  }
}

} // namespace
} // namespace trelvix
