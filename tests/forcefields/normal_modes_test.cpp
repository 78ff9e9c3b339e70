// The normal-mode analysis on its own: a hand-made harmonic diatomic whose wavenumber, reduced
// mass and intensity are known in closed form, and the finite-difference Hessians of a known
// energy.
#include "forcefields/hessian.h"
#include "forcefields/normal_modes.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace trelvix {
namespace {

// SI constants (CODATA 2018).
constexpr double avogadro = 6.02214076e23;
constexpr double lightSpeed = 2.99792458e8;      // m/s
constexpr double atomicMass = 1.66053906660e-27; // kg
// 1 kcal mol⁻¹ Å⁻² in N/m.
constexpr double kcalPerMolAngstrom2 = 4184 / avogadro / 1e-20;

// H-35Cl: masses 1.00782503 u and 34.96885268 u, a force constant of 516 N/m (ωe = 2990.9 cm⁻¹,
// Huber & Herzberg, Constants of Diatomic Molecules, 1979), and partial charges ±0.18 e.
constexpr double hydrogen = 1.00782503;
constexpr double chlorine = 34.96885268;
constexpr double forceConstant = 516.0 / kcalPerMolAngstrom2; // kcal mol⁻¹ Å⁻²
constexpr double bondLength = 1.2746;                         // Å
constexpr double charge = 0.18;

double reducedMass()
{
  return hydrogen * chlorine / (hydrogen + chlorine);
}

// ν̃ = (1/2πc) √(k/μ), in cm⁻¹.
double harmonicWavenumber()
{
  return std::sqrt(forceConstant * kcalPerMolAngstrom2 / (reducedMass() * atomicMass)) /
         (2 * std::numbers::pi * lightSpeed) / 100;
}

// The energy ½ k (r − r₀)² of the bond between atoms 0 and 1.
double bondEnergy(std::span<const double> x)
{
  const double r = std::hypot(x[3] - x[0], x[4] - x[1], x[5] - x[2]);
  return 0.5 * forceConstant * (r - bondLength) * (r - bondLength);
}

void bondGradient(std::span<const double> x, std::span<double> g)
{
  const double d[] = { x[3] - x[0], x[4] - x[1], x[5] - x[2] };
  const double r = std::hypot(d[0], d[1], d[2]);
  for (int k = 0; k < 3; ++k) {
    const double f = forceConstant * (r - bondLength) * d[k] / r;
    g[static_cast<std::size_t>(k)] = -f;
    g[static_cast<std::size_t>(k + 3)] = f;
  }
}

// The bond along a slanted axis, so that no coordinate is special.
std::vector<double> slantedBond(double length)
{
  const double u[] = { 1 / std::sqrt(3.0), 1 / std::sqrt(3.0), 1 / std::sqrt(3.0) };
  return { 0.3, -0.2, 0.1, 0.3 + length * u[0], -0.2 + length * u[1], 0.1 + length * u[2] };
}

// The exact Hessian at the rest length: k u uᵀ in the diagonal blocks, −k u uᵀ off them.
std::vector<double> exactHessian()
{
  std::vector<double> h(36);
  const double uu = forceConstant / 3; // every product of the unit vector's components is 1/3
  for (int i = 0; i < 6; ++i) {
    for (int j = 0; j < 6; ++j)
      h[static_cast<std::size_t>(6 * i + j)] = (i / 3 == j / 3) ? uu : -uu;
  }
  return h;
}

const std::vector<double> masses = { hydrogen, chlorine };
const std::vector<double> charges = { charge, -charge };

TEST(NormalModes, AHarmonicDiatomicHasTheWavenumberOfItsForceConstant)
{
  // The finite differences see the bond's turn as well as its stretch: 1e-4 of the wavenumber.
  struct Source
  {
    const char* name;
    std::vector<double> hessian;
    double tolerance;
  };
  const std::vector<double> x = slantedBond(bondLength);
  const Source sources[] = {
    { "exact", exactHessian(), 1e-9 },
    { "from gradients", *hessianFromGradients(bondGradient, x), 1e-4 },
    { "from energies", *hessianFromEnergies(bondEnergy, x), 1e-4 },
  };
  for (const Source& s : sources) {
    const NormalModeAnalysis a = analyseNormalModes(masses, x, s.hessian, charges);
    ASSERT_EQ(a.modes.size(), 1u) << s.name; // 3N - 5
    EXPECT_TRUE(a.linear);
    EXPECT_EQ(a.external.size(), 5u);
    const NormalMode& m = a.modes[0];
    EXPECT_NEAR(m.wavenumber, harmonicWavenumber(), s.tolerance * harmonicWavenumber()) << s.name;
    // The reduced mass as quantum-chemistry programs give it, 1 / Σ|dᵢ|² of the Cartesian
    // displacements d of the unit mass-weighted mode: m₁m₂(m₁ + m₂) / (m₁² + m₂²) for a diatomic.
    const double programMass =
      hydrogen * chlorine * (hydrogen + chlorine) / (hydrogen * hydrogen + chlorine * chlorine);
    EXPECT_NEAR(m.reducedMass, programMass, 1e-6) << s.name;
    for (const double w : a.external)
      EXPECT_LT(std::abs(w), 1.0) << s.name;
    // (dμ/dQ)² = q²/μ in e² u⁻¹; 1 (D/Å)² u⁻¹ = 42.2561 km/mol and 1 e = 4.803204 D/Å
    // (the conversions of Gaussian's frequency output).
    const double expected = 42.2561 * std::pow(4.803204 * charge, 2) / reducedMass();
    EXPECT_NEAR(m.intensity, expected, 1e-4 * expected) << s.name;
  }
  EXPECT_NEAR(harmonicWavenumber(), 2990.9, 1.0); // the spectroscopic ωe of H-35Cl
}

TEST(NormalModes, ABondStretchedPastItsInflectionIsNoMinimum)
{
  // A Morse bond D (1 − e^(−a(r − r₀)))² has negative curvature beyond r₀ + ln 2 / a.
  constexpr double depth = 100, width = 2;
  const auto morse = [](std::span<const double> x) {
    const double r = std::hypot(x[3] - x[0], x[4] - x[1], x[5] - x[2]);
    const double e = 1 - std::exp(-width * (r - bondLength));
    return depth * e * e;
  };
  const std::vector<double> atRest = slantedBond(bondLength);
  const std::vector<double> stretched = slantedBond(bondLength + std::log(2.0) / width + 0.2);
  const NormalModeAnalysis rest =
    analyseNormalModes(masses, atRest, *hessianFromEnergies(morse, atRest));
  const NormalModeAnalysis pulled =
    analyseNormalModes(masses, stretched, *hessianFromEnergies(morse, stretched));
  ASSERT_EQ(rest.modes.size(), 1u);
  ASSERT_EQ(pulled.modes.size(), 1u);
  EXPECT_TRUE(rest.minimum());
  EXPECT_GT(rest.modes[0].wavenumber, 0);
  EXPECT_FALSE(pulled.minimum());
  EXPECT_TRUE(pulled.modes[0].imaginary());
  EXPECT_EQ(rest.modes[0].intensity, 0); // no charges, no intensity
}

TEST(NormalModes, ProgressStopsTheHessian)
{
  const std::vector<double> x = slantedBond(bondLength);
  int calls = 0;
  const auto stopAtTwo = [&calls](int done, int total) {
    ++calls;
    EXPECT_EQ(total, 6);
    return done < 2;
  };
  EXPECT_FALSE(hessianFromGradients(bondGradient, x, 1e-3, stopAtTwo));
  EXPECT_EQ(calls, 2);
}

} // namespace
} // namespace trelvix
