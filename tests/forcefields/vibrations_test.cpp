// Normal modes of molecules optimised with MMFF94 (and the classic force field): the count of
// vibrations, the projected translations and rotations, CO2's intensities, and the imaginary mode
// of a structure off its minimum.
#include "forcefield_fixture.h"
#include "forcefields/vibrations.h"

#include <gtest/gtest.h>

namespace trelvix {
namespace {

using VibrationsTest = ForceFieldTest;

struct CountCase
{
  const char* smiles;
  std::size_t modes; // 3N - 6, or 3N - 5 for a linear molecule
  bool linear;
};

const CountCase countCases[] = {
  { "O", 3 * 3 - 6, false },
  { "O=C=O", 3 * 3 - 5, true },
  { "CC", 3 * 8 - 6, false },
  { "c1ccccc1", 3 * 12 - 6, false },
};

TEST_F(VibrationsTest, AMinimumHasThreeNMinusSixRealModesAndNoResidue)
{
  for (const CountCase& c : countCases) {
    std::unique_ptr<CommandLayer> layer = optimised(c.smiles);
    const StructureVibrations v = normalModesOf(writableDocument(*layer), VibrationField::MMFF94);
    ASSERT_TRUE(v.failure.empty()) << v.failure;
    EXPECT_EQ(v.forceField, "MMFF94");
    EXPECT_EQ(v.analysis.linear, c.linear) << c.smiles;
    ASSERT_EQ(v.analysis.modes.size(), c.modes) << c.smiles;
    EXPECT_TRUE(v.analysis.minimum()) << c.smiles;
    for (const NormalMode& m : v.analysis.modes)
      EXPECT_GT(m.wavenumber, 1.0) << c.smiles;
    EXPECT_EQ(v.analysis.external.size(), c.linear ? 5u : 6u);
    for (const double w : v.analysis.external)
      EXPECT_LT(std::abs(w), 1.0) << c.smiles;
  }
}

TEST_F(VibrationsTest, CarbonDioxideSymmetricStretchIsDarkAndTheAntisymmetricOneIsNot)
{
  std::unique_ptr<CommandLayer> layer = optimised("O=C=O");
  const StructureVibrations v = normalModesOf(writableDocument(*layer), VibrationField::MMFF94);
  ASSERT_EQ(v.analysis.modes.size(), 4u);
  std::size_t carbon = 0;
  while (v.atoms[carbon]->element != 6)
    ++carbon;
  // The symmetric stretch is the one mode that leaves the carbon still; the antisymmetric
  // stretch is the highest.
  int still = 0;
  for (const NormalMode& m : v.analysis.modes) {
    const double moved = std::hypot(
      m.displacement[3 * carbon], m.displacement[3 * carbon + 1], m.displacement[3 * carbon + 2]);
    if (moved < 1e-3) {
      ++still;
      EXPECT_LT(m.intensity, 1e-3);
    }
  }
  EXPECT_EQ(still, 1);
  EXPECT_GT(v.analysis.modes.back().intensity, 10.0);
  // The two bends are one degenerate pair.
  EXPECT_NEAR(v.analysis.modes[0].wavenumber, v.analysis.modes[1].wavenumber, 0.5);
}

TEST_F(VibrationsTest, FlattenedAmmoniaShowsAnImaginaryMode)
{
  std::unique_ptr<CommandLayer> layer = optimised("N");
  ASSERT_TRUE(normalModesOf(writableDocument(*layer), VibrationField::MMFF94).analysis.minimum());
  // The nitrogen moved into the plane of its hydrogens: the top of the inversion barrier.
  std::vector<tXY*> atoms = atomsOf(layer->drawing());
  tXY* nitrogen = nullptr;
  double centre[3] = {};
  for (tXY* a : atoms) {
    if (a->element == 7) {
      nitrogen = a;
      continue;
    }
    centre[0] += a->x3 / 3;
    centre[1] += a->y3 / 3;
    centre[2] += a->z3 / 3;
  }
  ASSERT_TRUE(nitrogen);
  nitrogen->x3 = centre[0];
  nitrogen->y3 = centre[1];
  nitrogen->z3 = centre[2];
  const StructureVibrations v = normalModesOf(writableDocument(*layer), VibrationField::MMFF94);
  EXPECT_FALSE(v.analysis.minimum());
  ASSERT_EQ(v.analysis.modes.size(), 6u);
  EXPECT_TRUE(v.analysis.modes[0].imaginary());
  EXPECT_FALSE(v.analysis.modes[1].imaginary());
}

TEST_F(VibrationsTest, TheClassicFieldAndUFFGiveEveryModeToo)
{
  std::unique_ptr<CommandLayer> layer = optimised("c1ccccc1", ForceFieldChoice::UFF);
  const StructureVibrations uff = normalModesOf(writableDocument(*layer), VibrationField::UFF);
  EXPECT_EQ(uff.forceField, "UFF");
  EXPECT_EQ(uff.analysis.modes.size(), 30u);
  const StructureVibrations classic =
    normalModesOf(writableDocument(*layer), VibrationField::Classic);
  EXPECT_TRUE(classic.failure.empty()) << classic.failure;
  EXPECT_EQ(classic.forceField, "classic");
  EXPECT_EQ(classic.analysis.modes.size(), 30u);
}

TEST_F(VibrationsTest, ImplicitHydrogensAreRefusedAndModesMoveTheAtoms)
{
  std::unique_ptr<CommandLayer> raw = layerOf("CO");
  EXPECT_EQ(normalModesOf(writableDocument(*raw), VibrationField::MMFF94).failure,
            "The structure has hydrogens not drawn as atoms: add protons in 3D before the "
            "analysis");

  std::unique_ptr<CommandLayer> layer = optimised("O");
  const StructureVibrations v = normalModesOf(writableDocument(*layer), VibrationField::MMFF94);
  const tXY& first = *v.atoms[0];
  const double x = first.x3, y = first.y3, z = first.z3;
  displaceAlongMode(v, 2, 0.1);
  const std::vector<double>& d = v.analysis.modes[2].displacement;
  const double units = 0.1 / angstromsPerUnit();
  EXPECT_NEAR(first.x3 - x, units * d[0], 1e-9);
  EXPECT_NEAR(first.y3 - y, -units * d[1], 1e-9); // the drawing's y runs down
  EXPECT_NEAR(first.z3 - z, -units * d[2], 1e-9);
  displaceAlongMode(v, 2, 0);
  EXPECT_NEAR(first.x3, x, 1e-9);
  EXPECT_NEAR(first.y3, y, 1e-9);
  EXPECT_NEAR(first.z3, z, 1e-9);
}

// Gas-phase fundamentals, cm⁻¹, lowest first (degenerate bends twice): T. Shimanouchi, Tables of
// Molecular Vibrational Frequencies, Consolidated Volume I, NSRDS-NBS 39 (1972), as the NIST
// Chemistry WebBook gives them. MMFF94 is no spectroscopic force field: Halgren, J. Comput.
// Chem. 17, 490 (1996) reports an rms deviation of 61 cm⁻¹ from experimental fundamentals. A
// harmonic force field against anharmonic fundamentals: the stretches must come within 5 %, the
// bends within 15 % (MMFF94 puts the bends of HCN and acetylene 11-14 % high).
struct FundamentalsCase
{
  const char* smiles;
  std::vector<double> fundamentals;
  std::vector<double> tolerance; // fraction, per mode
};

const FundamentalsCase fundamentalsCases[] = {
  { "C#N", { 712, 712, 2097, 3311 }, { 0.15, 0.15, 0.05, 0.05 } },
  { "C#C", { 612, 612, 730, 730, 1974, 3289, 3374 }, { 0.15, 0.15, 0.15, 0.15, 0.05, 0.05, 0.05 } },
};

TEST_F(VibrationsTest, TripleBondsComeNearTheirFundamentals)
{
  for (const FundamentalsCase& c : fundamentalsCases) {
    std::unique_ptr<CommandLayer> layer = optimised(c.smiles);
    const StructureVibrations v = normalModesOf(writableDocument(*layer), VibrationField::MMFF94);
    ASSERT_TRUE(v.failure.empty()) << v.failure;
    ASSERT_EQ(v.analysis.modes.size(), c.fundamentals.size()) << c.smiles;
    for (std::size_t m = 0; m < c.fundamentals.size(); ++m)
      EXPECT_NEAR(
        v.analysis.modes[m].wavenumber, c.fundamentals[m], c.tolerance[m] * c.fundamentals[m])
        << c.smiles << " mode " << m + 1;
  }
}

} // namespace
} // namespace trelvix
