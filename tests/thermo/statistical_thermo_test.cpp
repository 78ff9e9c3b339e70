// The rigid-rotor harmonic-oscillator functions of small molecules from their experimental
// geometries and fundamentals against NIST-JANAF, the rotational symmetry numbers found from
// the geometry, the spin multiplicities, and the refusal of an imaginary mode.
#include "thermo/molecule_graph.h"
#include "thermo/statistical_thermo.h"
#include "thermo/symmetry_number.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace trelvix {
namespace {

constexpr double calPerJ = 1 / 4.184;
constexpr double mH = 1.00794, mC = 12.0107, mN = 14.0067, mO = 15.9994;

struct Atom
{
  int element;
  double mass;
  std::array<double, 3> at;
};

struct SmallMolecule
{
  const char* name;
  std::vector<Atom> atoms;
  std::vector<std::pair<int, int>> bonds;
  std::vector<VibrationalMode> modes;
  int symmetryNumber; // the textbook value the geometry must give
  double S298;        // NIST-JANAF, J/(mol K)
};

// A bent or pyramidal centre: the direction at angle theta from the z axis, turned phi about it.
std::array<double, 3> polar(double r, double theta, double phi)
{
  return { r * std::sin(theta) * std::cos(phi),
           r * std::sin(theta) * std::sin(phi),
           r * std::cos(theta) };
}

constexpr double degree = std::numbers::pi / 180;

std::vector<SmallMolecule> smallMolecules()
{
  // Geometries: NIST CCCBDB experimental (N2 1.0977 Å; H2O 0.9572 Å, 104.52°; CO2 1.1600 Å;
  // CH4 1.087 Å, tetrahedral; NH3 1.012 Å, 106.7°). Fundamentals: T. Shimanouchi, Tables of
  // Molecular Vibrational Frequencies, NSRDS-NBS 39 (1972), cm⁻¹.
  const double hoh = 104.52 * degree / 2;
  // NH3: the angle between the C3 axis and a bond for an H-N-H angle of 106.7°.
  const double nh3 = std::asin(2 * std::sin(106.7 * degree / 2) / std::sqrt(3.0));
  const double tet = std::acos(-1.0 / 3);
  return {
    { "N2",
      { { 7, mN, { 0, 0, 0 } }, { 7, mN, { 0, 0, 1.0977 } } },
      { { 0, 1 } },
      { { 2330 } },
      2,
      191.609 },
    { "H2O",
      { { 8, mO, { 0, 0, 0 } },
        { 1, mH, polar(0.9572, hoh, 0) },
        { 1, mH, polar(0.9572, hoh, std::numbers::pi) } },
      { { 0, 1 }, { 0, 2 } },
      { { 3657 }, { 1595 }, { 3756 } },
      2,
      188.834 },
    { "CO2",
      { { 6, mC, { 0, 0, 0 } }, { 8, mO, { 0, 0, 1.16 } }, { 8, mO, { 0, 0, -1.16 } } },
      { { 0, 1 }, { 0, 2 } },
      { { 1333 }, { 667, 2 }, { 2349 } },
      2,
      213.795 },
    { "CH4",
      { { 6, mC, { 0, 0, 0 } },
        { 1, mH, polar(1.087, 0, 0) },
        { 1, mH, polar(1.087, tet, 0) },
        { 1, mH, polar(1.087, tet, 2 * std::numbers::pi / 3) },
        { 1, mH, polar(1.087, tet, 4 * std::numbers::pi / 3) } },
      { { 0, 1 }, { 0, 2 }, { 0, 3 }, { 0, 4 } },
      { { 2917 }, { 1534, 2 }, { 3019, 3 }, { 1306, 3 } },
      12,
      186.251 },
    { "NH3",
      { { 7, mN, { 0, 0, 0 } },
        { 1, mH, polar(1.012, std::numbers::pi - nh3, 0) },
        { 1, mH, polar(1.012, std::numbers::pi - nh3, 2 * std::numbers::pi / 3) },
        { 1, mH, polar(1.012, std::numbers::pi - nh3, 4 * std::numbers::pi / 3) } },
      { { 0, 1 }, { 0, 2 }, { 0, 3 } },
      { { 3337 }, { 950 }, { 3444, 2 }, { 1627, 2 } },
      3,
      192.774 },
  };
}

MoleculeGeometry geometryOf(const SmallMolecule& m)
{
  MoleculeGeometry g;
  for (const Atom& a : m.atoms) {
    g.elements.push_back(a.element);
    g.positions.push_back(a.at);
  }
  g.bonds = m.bonds;
  return g;
}

MolecularModel modelOf(const SmallMolecule& m)
{
  MolecularModel model;
  for (const Atom& a : m.atoms) {
    model.masses.push_back(a.mass);
    model.positions.push_back(a.at);
  }
  model.modes = m.modes;
  model.symmetryNumber = rotationalSymmetryNumber(geometryOf(m));
  return model;
}

TEST(StatisticalThermo, SmallMoleculesWithin2JOfTheTables)
{
  for (const SmallMolecule& m : smallMolecules()) {
    SCOPED_TRACE(m.name);
    EXPECT_EQ(rotationalSymmetryNumber(geometryOf(m)), m.symmetryNumber);
    const StatisticalResult r = statisticalThermo(modelOf(m), 0);
    ASSERT_TRUE(r.thermo) << r.error;
    EXPECT_NEAR(r.thermo->entropy(298.15), m.S298 * calPerJ, 2.0 * calPerJ);
    EXPECT_EQ(r.thermo->linear(), m.atoms.size() == 2 || std::string(m.name) == "CO2");
    EXPECT_NEAR(r.thermo->heatContent(298.15), 0, 1e-9);
  }
}

// N2 at 1000 K: NIST-JANAF S° 228.170 J/(mol K), Cp 32.698, H − H(298) 21.463 kJ/mol; the rigid
// rotor and harmonic oscillator miss a little of the anharmonic heat capacity.
TEST(StatisticalThermo, NitrogenAt1000K)
{
  const StatisticalResult r = statisticalThermo(modelOf(smallMolecules()[0]), 0);
  ASSERT_TRUE(r.thermo);
  EXPECT_NEAR(r.thermo->entropy(1000) / calPerJ, 228.170, 1.0);
  EXPECT_NEAR(r.thermo->heatCapacity(1000) / calPerJ, 32.698, 0.5);
  EXPECT_NEAR(r.thermo->heatContent(1000) / calPerJ / 1000, 21.463, 0.3);
  EXPECT_TRUE(r.thermo->covers(50));
  EXPECT_TRUE(r.thermo->covers(3000));
  EXPECT_FALSE(r.thermo->covers(3001));
}

// A lone atom: translation alone, 5/2 R for Cp; argon's S°(298.15) is 154.846 J/(mol K).
TEST(StatisticalThermo, AnAtomHasTranslationAlone)
{
  MolecularModel argon;
  argon.masses = { 39.948 };
  argon.positions = { { 0, 0, 0 } };
  const StatisticalResult r = statisticalThermo(argon, 0);
  ASSERT_TRUE(r.thermo);
  EXPECT_NEAR(r.thermo->heatCapacity(500), 2.5 * tableR, 1e-9);
  EXPECT_NEAR(r.thermo->entropy(298.15) / calPerJ, 154.846, 0.01);
  // The electronic degeneracy adds R ln g: a doublet R ln 2.
  argon.multiplicity = 2;
  EXPECT_NEAR(statisticalThermo(argon, 0).thermo->entropy(298.15) - r.thermo->entropy(298.15),
              tableR * std::log(2.0),
              1e-9);
}

TEST(StatisticalThermo, ImaginaryModesAreRefused)
{
  MolecularModel water = modelOf(smallMolecules()[1]);
  water.modes.push_back({ -250.0 });
  const StatisticalResult r = statisticalThermo(water, 0);
  EXPECT_FALSE(r.thermo);
  EXPECT_EQ(r.error, "the geometry is not a minimum: a mode of 250i cm-1");
  // Residual translations and rotations below 1 cm⁻¹ are no modes.
  water.modes.back() = { -0.4 };
  EXPECT_TRUE(statisticalThermo(water, 0).thermo);
}

// Benzene: a regular hexagon, C–C 1.39 Å, C–H 1.09 Å; its graph has 12 automorphisms and every
// one is a rotation (D6h's proper half). Bent out of the plane at one hydrogen it has 1.
TEST(SymmetryNumber, BenzeneIsTwelveAndLosesItWhenBent)
{
  MoleculeGeometry benzene;
  for (int k = 0; k < 6; ++k) {
    const double a = k * std::numbers::pi / 3;
    benzene.elements.push_back(6);
    benzene.positions.push_back({ 1.39 * std::cos(a), 1.39 * std::sin(a), 0 });
  }
  for (int k = 0; k < 6; ++k) {
    const double a = k * std::numbers::pi / 3;
    benzene.elements.push_back(1);
    benzene.positions.push_back({ 2.48 * std::cos(a), 2.48 * std::sin(a), 0 });
    benzene.bonds.emplace_back(k, (k + 1) % 6);
    benzene.bonds.emplace_back(k, k + 6);
  }
  EXPECT_EQ(rotationalSymmetryNumber(benzene), 12);
  benzene.positions[6][2] = 0.5;
  EXPECT_EQ(rotationalSymmetryNumber(benzene), 1);
  // A lone atom and a linear molecule that is not its own reverse (HCN).
  EXPECT_EQ(rotationalSymmetryNumber({ { 6 }, { { 0, 0, 0 } }, {} }), 1);
  EXPECT_EQ(
    rotationalSymmetryNumber(
      { { 1, 6, 7 }, { { 0, 0, -1.06 }, { 0, 0, 0 }, { 0, 0, 1.16 } }, { { 0, 1 }, { 1, 2 } } }),
    1);
}

TEST(SpinMultiplicity, FromTheUnfilledValences)
{
  const struct
  {
    const char* smiles;
    int multiplicity;
  } cases[] = {
    { "O=O", 3 },   { "S=S", 3 },  { "O", 1 },        { "[CH3]", 2 },    { "[O]N=O", 2 },
    { "[N]=O", 2 }, { "[OH]", 2 }, { "c1ccccc1", 1 }, { "c1ccncc1", 1 }, { "[CH2]", 3 },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.smiles);
    const std::optional<SpeciesGraph> g = graphFromSmiles(c.smiles);
    ASSERT_TRUE(g);
    EXPECT_EQ(spinMultiplicity(*g), c.multiplicity);
  }
}

} // namespace
} // namespace trelvix
