#include "model/atom.h"
#include "model/fragment.h"
#include "model_fixture.h"

#include <cmath>
#include <limits>
#include <memory>

namespace trelvix {
namespace {

// The constants of the thermodynamic functions, written out again for the expected values.
constexpr double R = 1.98717;
constexpr double avogadro = 6.02252e+23;
constexpr double twoPi = 6.283185307179586;
constexpr double hydrogenMass = 1.673668165e-24;
constexpr double boltzmann = 1.38054e-16;
constexpr double inversePlanck = 1.5092972711905338e+26;

// With p10 = p11 (r = 1) and p1 = p2 = p3, p4 = p5 = p6, the mixing rule gives a = p1 and
// b = p4. At RT = 1 L atm / mol (T0 below) and P = 1 atm the cubic is
// V^3 - (0.1 + 1) V^2 + 0.36 V - 0.036 = (V - 0.2)(V - 0.3)(V - 0.6):
// 0.2 + 0.3 + 0.6 = 1.1, 0.2·0.3 + 0.2·0.6 + 0.3·0.6 = 0.36, 0.2·0.3·0.6 = 0.036 = 0.36·0.1.
constexpr double fluidA = 0.36;
constexpr double fluidB = 0.1;
constexpr double T0 = 1.0 / 0.082056;
constexpr double liquidV = 0.2;
constexpr double gasV = 0.6;
constexpr double p7 = 100;
constexpr double p8 = 200;

double cubic(double a, double b, double T, double P, double V)
{
  return P * V * V * V - (P * b + 0.082056 * T) * V * V + a * V - a * b;
}

// The size of the cubic's largest term at V: what its residual is measured against.
double cubicScale(double a, double b, double T, double P, double V)
{
  return std::max({ std::abs(P * V * V * V),
                    std::abs((P * b + 0.082056 * T) * V * V),
                    std::abs(a * V),
                    std::abs(a * b) });
}

double near(double expected)
{
  return 1e-9 * std::abs(expected) + 1e-12;
}

class FragmentThermoTest : public ModelTest
{
protected:
  FragmentThermoTest()
  {
    argon.atomicWeight = 40.0f; // M = 40 amu exactly
    frag.Atoms.Add(&argon);
  }

  void useFluid(std::uint8_t phase)
  {
    frag.phase = phase;
    for (std::size_t i = 0; i < 3; ++i) {
      frag.solute[i] = fluidA;     // p1..p3
      frag.solute[i + 3] = fluidB; // p4..p6
    }
    frag.solute[6] = p7;
    frag.solute[7] = p8;
  }

  /// 1.5 R ln(lambda) of M = 40.
  static double translational()
  {
    const double lambda = 40 * twoPi * hydrogenMass * boltzmann * inversePlanck * inversePlanck;
    return 1.5 * R * std::log(lambda);
  }

  tXY argon{ 18, 0, 0, 0 };
  TFragment frag;
};

TEST_F(FragmentThermoTest, LambdaAndPf0OfTheMolarMass)
{
  const double lambda = 40 * twoPi * hydrogenMass * boltzmann * inversePlanck * inversePlanck;
  EXPECT_NEAR(frag.lambda(), lambda, near(lambda));
  const double root = std::sqrt(40 * twoPi * hydrogenMass * boltzmann * 300);
  EXPECT_NEAR(frag.pf0(300), root * root * root, near(root * root * root));
}

// ---- GetVdwParms ----

TEST_F(FragmentThermoTest, IdealGasVolume)
{
  struct Case
  {
    std::uint8_t phase;
    double p123, p456; // the parameters that make a and b
    double T, P;
    double c;
  };
  const Case cases[] = {
    { 0, 0, 0, 273.15, 1, 0 },
    { 0, fluidA, fluidB, 273.15, 1, 0 }, // the gas ignores the parameters
    { 0, 0, 0, 300, 2.5, 0 },
    { 2, 0, 0, 273.15, 1, p7 },           // a = b = 0: ideal
    { 3, 0.0005, fluidB, 273.15, 1, p7 }, // a at most 0.001
    { 4, fluidA, 0.0005, 273.15, 1, p8 }, // b at most 0.001
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.phase));
    useFluid(c.phase);
    for (std::size_t i = 0; i < 3; ++i) {
      frag.solute[i] = c.p123;
      frag.solute[i + 3] = c.p456;
    }
    const VdwParms v = frag.GetVdwParms(c.T, c.P);
    EXPECT_NEAR(v.V, 0.082056 * c.T / c.P, near(0.082056 * c.T / c.P));
    EXPECT_EQ(v.c, c.c);
  }
  frag.phase = 0;
  const VdwParms v = frag.GetVdwParms(273.15, 1);
  EXPECT_EQ(v.a, 0.0);
  EXPECT_EQ(v.b, 0.0);
  EXPECT_NEAR(v.V, 0.082056 * 273.15, 1e-12);
}

TEST_F(FragmentThermoTest, MixingRuleWeighsTheThirdParameterByTheFourthPowerOfTheSizeRatio)
{
  frag.phase = 2;
  frag.solute = { 1, 2, 3, 4, 5, 6, p7, p8, 1, 1, 2, 1, 1 }; // p10 = 1, p11 = 2: r = 16
  VdwParms v = frag.GetVdwParms(300, 1);
  EXPECT_NEAR(v.a, (144 * 1 + 144 * 2 + 288 * 16 * 3) / (288 * (1 + 16.0)), 1e-12);
  EXPECT_NEAR(v.b, (144 * 4 + 144 * 5 + 288 * 16 * 6) / (288 * (1 + 16.0)), 1e-12);
  EXPECT_EQ(v.c, p7);

  // p10 = 0 (typed by a user): the limit r -> infinity, a = p3 and b = p6.
  frag.solute[9] = 0;
  v = frag.GetVdwParms(300, 1);
  EXPECT_DOUBLE_EQ(v.a, 3);
  EXPECT_DOUBLE_EQ(v.b, 6);
  // p10 = p11 = 0: read as equal sizes, r = 1.
  frag.solute[10] = 0;
  v = frag.GetVdwParms(300, 1);
  EXPECT_NEAR(v.a, (144 * 1 + 144 * 2 + 288 * 3) / 576.0, 1e-12);
  EXPECT_NEAR(v.b, (144 * 4 + 144 * 5 + 288 * 6) / 576.0, 1e-12);
}

TEST_F(FragmentThermoTest, CubicRootOfThePhase)
{
  struct Case
  {
    std::uint8_t phase;
    double V;
    double c;
  };
  const Case cases[] = {
    { 1, liquidV, p7 }, { 2, liquidV, p7 }, { 3, gasV, p7 }, { 4, liquidV, p8 }, { 5, liquidV, 0 },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.phase));
    useFluid(c.phase);
    const VdwParms v = frag.GetVdwParms(T0, 1);
    EXPECT_NEAR(v.a, fluidA, 1e-15);
    EXPECT_NEAR(v.b, fluidB, 1e-15);
    EXPECT_NEAR(v.V, c.V, 1e-12);
    EXPECT_NEAR(cubic(v.a, v.b, T0, 1, v.V), 0, 1e-14);
    EXPECT_EQ(v.c, c.c);
  }
  useFluid(3);
  const double gas = frag.GetVdwParms(T0, 1).V;
  useFluid(2);
  EXPECT_GT(gas, frag.GetVdwParms(T0, 1).V);
}

TEST_F(FragmentThermoTest, CubicRootsHoldAcrossStates)
{
  // The critical point of a = 0.36, b = 0.1 lies at RT = 8 a / (27 b) = 1.0667. Above it there
  // is one real root, which every phase takes; below it a low pressure leaves only the vapour
  // root (RT = 1, P = 0.001), while at RT = 0.5 the liquid survives any small pressure: for
  // P -> 0 its roots solve -0.5 V^2 + 0.36 V - 0.036 = 0, V = 0.12 and 0.6, and the vapour root
  // near RT / P lies up to seven orders of magnitude above them.
  struct Case
  {
    double T, P;
    bool oneRoot;
  };
  const Case cases[] = {
    { 1000, 1, true }, { 1000, 500, true },     { T0, 1e-3, true },      { T0 / 100, 1, true },
    { T0, 1, false },  { T0 / 2, 1e-3, false }, { T0 / 2, 1e-6, false },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.T * 1e6 + c.P);
    useFluid(1);
    const VdwParms liquid = frag.GetVdwParms(c.T, c.P);
    useFluid(3);
    const VdwParms gas = frag.GetVdwParms(c.T, c.P);
    for (const VdwParms& v : { liquid, gas }) {
      EXPECT_GT(v.V, fluidB);
      EXPECT_LE(std::abs(cubic(fluidA, fluidB, c.T, c.P, v.V)),
                1e-13 * cubicScale(fluidA, fluidB, c.T, c.P, v.V));
    }
    if (c.oneRoot)
      EXPECT_DOUBLE_EQ(liquid.V, gas.V);
    else
      EXPECT_GT(gas.V, liquid.V * 1.5);
  }
  useFluid(2);
  EXPECT_NEAR(frag.GetVdwParms(T0 / 2, 1e-6).V, 0.12, 1e-6);
  // At RT = 1000 x 0.082056 the gas is nearly ideal: V = RT / P + b - a / RT to first order.
  useFluid(3);
  const double rt = 0.082056 * 1000;
  EXPECT_NEAR(frag.GetVdwParms(1000, 1).V, rt + fluidB - fluidA / rt, 1e-3);
}

// ---- Pressure ----

TEST_F(FragmentThermoTest, PressureOfThePhases)
{
  struct Case
  {
    std::uint8_t phase;
    double T;
    double expected;
  };
  const Case cases[] = {
    { 0, 273.15, 0.08205 * 273.15 / (0.082056 * 273.15 / 1) },
    { 1, T0, 0.08205 * T0 / (liquidV - fluidB) - fluidA / (liquidV * liquidV) },
    { 2, T0, 0.08205 * T0 / (liquidV - fluidB) - fluidA / (liquidV * liquidV) },
    { 3, T0, 0.08205 * T0 / (gasV - fluidB) - fluidA / (gasV * gasV) },
    { 4, T0, 0 },
    { 5, T0, 0 },
    { 6, T0, 0 },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.phase));
    useFluid(c.phase);
    EXPECT_NEAR(frag.Pvdw(c.T, 1), c.expected, 1e-9);
  }
}

// ---- Entropy, energy, enthalpy, Helmholtz energy ----

TEST_F(FragmentThermoTest, IdealGasFunctions)
{
  frag.phase = 0;
  frag.amount = 2;
  const double T = 298.15;
  const double S = 2 * (translational() + R * std::log(1000 * 22.413) + 1.5 * R +
                        1.5 * R * std::log(T) - R * std::log(avogadro));
  const double E = 3 * R * T * 2;
  for (double P : { 1.0, 5.0 }) {
    EXPECT_NEAR(frag.SVDW(T, P), S, near(S));
    EXPECT_NEAR(frag.Evdw(T, P), E, near(E));
    EXPECT_NEAR(frag.HVDW(T, P), E + R * 2 * T, near(E));
    EXPECT_NEAR(frag.HelmholtzVDW(T, P), -T * S, near(T * S));
  }
}

TEST_F(FragmentThermoTest, VanDerWaalsFunctionsByPhase)
{
  const double n = 2;
  // The part of the molar entropy every phase shares.
  const double shared = translational() + 1.5 * R * std::log(T0) - R * std::log(avogadro);
  const double sLiquid = n * (shared + R * std::log(1000 * (liquidV - fluidB)) + 0.5 * R);
  const double sGas = n * (shared + R * std::log(1000 * (gasV - fluidB)) + 1.5 * R);
  const double sSolution =
    n * (shared + R * std::log(1000 * (liquidV - fluidB)) + 0.5 * R) - std::log(0.08) * n;
  const double threeRT = 3 * R * T0;
  const double eSolid = (threeRT + p7 - fluidA / liquidV) * n;
  const double eGas = (threeRT - fluidA / gasV) * n;
  const double eSolution = (threeRT + p8 - fluidA / liquidV) * n;
  const double eSolvent = (threeRT + 0 - fluidA / liquidV) * n;

  struct Case
  {
    std::uint8_t phase;
    double S, E, H, A;
  };
  const Case cases[] = {
    { 1, sLiquid, eSolid, eSolid, eSolid - T0 * sLiquid },
    { 2, sLiquid, eSolid, eSolid, eSolid - T0 * sLiquid },
    { 3, sGas, eGas, eGas + R * n * T0, -T0 * sGas },
    { 4, sSolution, eSolution, eSolution, eSolution - T0 * sSolution },
    { 5, sLiquid, eSolvent, eSolvent, eSolvent - T0 * sLiquid },
    { 6, 0, 0, 0, 0 },
    { 255, 0, 0, 0, 0 },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.phase));
    useFluid(c.phase);
    frag.amount = n;
    EXPECT_NEAR(frag.SVDW(T0, 1), c.S, near(c.S));
    EXPECT_NEAR(frag.Evdw(T0, 1), c.E, near(c.E));
    EXPECT_NEAR(frag.HVDW(T0, 1), c.H, near(c.H));
    EXPECT_NEAR(frag.HelmholtzVDW(T0, 1), c.A, near(c.A));
  }
}

TEST_F(FragmentThermoTest, ZeroTemperatureOrPressureGivesFiniteResults)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double states[][2] = { { 0, 1 }, { 273.15, 0 }, { 0, 0 }, { -5, -1 }, { nan, 1 } };
  for (bool fluid : { false, true }) {
    for (std::uint8_t phase = 0; phase <= 5; ++phase) {
      for (const auto& s : states) {
        SCOPED_TRACE(testing::Message() << "fluid " << fluid << " phase " << int(phase) << " T "
                                        << s[0] << " P " << s[1]);
        frag.clearVDWparms();
        if (fluid)
          useFluid(phase);
        frag.phase = phase;
        const VdwParms v = frag.GetVdwParms(s[0], s[1]);
        EXPECT_TRUE(std::isfinite(v.V));
        EXPECT_GT(v.V, 0);
        EXPECT_TRUE(std::isfinite(frag.Pvdw(s[0], s[1])));
        EXPECT_TRUE(std::isfinite(frag.SVDW(s[0], s[1])));
        EXPECT_TRUE(std::isfinite(frag.Evdw(s[0], s[1])));
        EXPECT_TRUE(std::isfinite(frag.HVDW(s[0], s[1])));
        EXPECT_TRUE(std::isfinite(frag.HelmholtzVDW(s[0], s[1])));
        EXPECT_TRUE(std::isfinite(frag.pf0(s[0])));
      }
    }
  }
}

// ---- Parameters and the solute record ----

TEST_F(FragmentThermoTest, SetVDWparmsTakesTheFileOrder)
{
  frag.SetVDWparms(3, 1, { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13 });
  EXPECT_EQ(frag.phase, 3);
  EXPECT_EQ(frag.parameterFlag, 1);
  // File order p1..p6, p9, p10, p11, p7, p8, p12, p13: p7 is the tenth value, p9 the seventh.
  EXPECT_EQ(frag.solute, (std::array<double, 13>{ 1, 2, 3, 4, 5, 6, 10, 11, 7, 8, 9, 12, 13 }));
}

TEST_F(FragmentThermoTest, SoluteDataTravelsBothWaysAndClearsValueB)
{
  SoluteData data;
  data.phase = 4;
  data.parameterFlag = 1;
  data.amount = 2.5;
  for (std::size_t i = 0; i < 13; ++i)
    data.p[i] = 0.5 + static_cast<double>(i);
  frag.valueA = 11;
  frag.valueB = 77;
  frag.SetSoluteData(data);
  EXPECT_EQ(frag.phase, 4);
  EXPECT_EQ(frag.parameterFlag, 1);
  EXPECT_EQ(frag.amount, 2.5);
  EXPECT_EQ(frag.solute, data.p);
  EXPECT_EQ(frag.valueB, 0u);
  EXPECT_EQ(frag.valueA, 11u);

  frag.phase = 2;
  frag.amount = 0.75;
  frag.solute[12] = -1;
  const SoluteData back = frag.GetSoluteData();
  EXPECT_EQ(back.phase, 2);
  EXPECT_EQ(back.parameterFlag, 1);
  EXPECT_EQ(back.amount, 0.75);
  EXPECT_EQ(back.p[12], -1.0);
  EXPECT_EQ(back.p[0], 0.5);
}

} // namespace
} // namespace trelvix
