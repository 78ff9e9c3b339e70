#include "mechanics/partition_function.h"
#include "model/fragment.h"

#include <cmath>
#include <gtest/gtest.h>

namespace trelvix {
namespace {

constexpr double R = 1.98717;

tNu level(double nu, std::int16_t g = 1, double w = 1.0)
{
  tNu l;
  l.nu = nu;
  l.g = g;
  l.w = w;
  return l;
}

TEST(PartitionFunction, NearbyLevelsMergeIntoTheFirstCloseOne)
{
  TFragment f;
  tPF pf(f);
  pf.InsertFreq(level(1000));
  pf.InsertFreq(level(1008));
  ASSERT_EQ(pf.levels().size(), 1u);
  EXPECT_DOUBLE_EQ(pf.levels()[0].nu, 1004);
  EXPECT_EQ(pf.levels()[0].g, 2);

  // 1012 is within 10 of 1004: (2 x 1004 + 1012) / 3 with g = 3.
  pf.InsertFreq(level(1012));
  ASSERT_EQ(pf.levels().size(), 1u);
  EXPECT_DOUBLE_EQ(pf.levels()[0].nu, 3020.0 / 3);
  EXPECT_EQ(pf.levels()[0].g, 3);
}

TEST(PartitionFunction, FifteenIsNotWithinTenOfTheMergedLevel)
{
  TFragment f;
  tPF pf(f);
  pf.InsertFreq(level(1000));
  pf.InsertFreq(level(1008));
  pf.InsertFreq(level(1015)); // |1015 - 1004| = 11
  ASSERT_EQ(pf.levels().size(), 2u);
  EXPECT_DOUBLE_EQ(pf.levels()[1].nu, 1015);
  // A degenerate newcomer weighs by its own degeneracy: (2 x 1020 + 1 x 1015) / 3.
  pf.InsertFreq(level(1020, 2));
  EXPECT_DOUBLE_EQ(pf.levels()[1].nu, 3055.0 / 3);
  EXPECT_EQ(pf.levels()[1].g, 3);
}

TEST(PartitionFunction, LevelsWithoutAPositiveWavenumberAreNotOscillators)
{
  TFragment f;
  tPF pf(f);
  pf.InsertFreq(level(0));
  pf.InsertFreq(level(-5));
  pf.InsertFreq(level(NAN));
  EXPECT_TRUE(pf.levels().empty());
  EXPECT_EQ(pf.Energy(298), 0);
}

TEST(PartitionFunction, EnergyRunsFromTheZeroPointSumToRTPerMode)
{
  TFragment f;
  tPF pf(f);
  pf.InsertFreq(level(1000, 2, 0.5));
  pf.InsertFreq(level(3000));
  const double theta1 = 1438.7885812797891, theta2 = 4316.3657438393673;
  const double zeroPoint = R * (2 * 0.5 * theta1 / 2 + theta2 / 2);
  EXPECT_NEAR(pf.Energy(0), zeroPoint, 1e-9);
  EXPECT_NEAR(pf.Helmholtz(0), zeroPoint, 1e-6);

  // Far above theta each mode holds R T (plus a remainder of order theta² / 12 T).
  const double T = 1e7;
  const double classical = R * (2 * 0.5 + 1) * (T + 0.001);
  EXPECT_NEAR(pf.Energy(T) / classical, 1.0, 1e-6);
}

TEST(PartitionFunction, EntropyIsPositiveAndRisesWithTemperature)
{
  TFragment f;
  tPF pf(f);
  pf.InsertFreq(level(500));
  // x = theta / T' for 500 cm-1 at 298 K; S = R (x / (e^x - 1) - ln(1 - e^-x)).
  const double x = 719.39429063989455 / 298.001;
  const double expected = R * (x / std::expm1(x) - std::log1p(-std::exp(-x)));
  EXPECT_NEAR(pf.Entropy(298), expected, 1e-9);
  EXPECT_GT(pf.Entropy(298), 0);
  double previous = 0;
  for (double T : { 50.0, 100.0, 298.0, 1000.0, 3000.0 }) {
    const double s = pf.Entropy(T);
    EXPECT_GT(s, previous) << "T = " << T;
    previous = s;
  }
  EXPECT_EQ(tPF::HeatCapacity(), 5.96151);
}

TEST(PartitionFunction, CachesHoldWithinAThousandthOfAKelvin)
{
  TFragment f;
  tPF pf(f);
  pf.InsertFreq(level(800));
  const double e = pf.Energy(300);
  EXPECT_DOUBLE_EQ(pf.energyCacheTemperature(), 300.001);
  // 300.0015 lies within 0.001 of the cache's 300.001: the stored value comes back.
  EXPECT_EQ(pf.Energy(300.0015), e);
  EXPECT_GT(pf.Energy(400), e);
}

TEST(PartitionFunction, EnthalpyAndGibbsAddTheIdealGasPVTerm)
{
  TFragment f; // an ideal gas of one mole
  f.amount = 2.0;
  tPF pf(f);
  pf.InsertFreq(level(1200));
  // 24.217242 cal/(L atm) x 2 mol x P x 0.082056 T / P = 2 x 1.98717 T (to 7 digits).
  const double pv = 24.217242 * 2.0 * 0.082056 * 300;
  EXPECT_NEAR(pf.Enthalpy(300, 1.5), pv + pf.Energy(300), 1e-6);
  EXPECT_NEAR(pf.Gibbs(300, 1.5), pv + pf.Helmholtz(300), 1e-6);
  EXPECT_NEAR(pv, 2 * R * 300, 0.01);
}

} // namespace
} // namespace trelvix
