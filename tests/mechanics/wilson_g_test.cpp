#include "mechanics/wilson_g.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace trelvix {
namespace {

TEST(WilsonG, StretchIsTheReducedMassInverse)
{
  // C-H: 1/12.011 + 1/1.008 = 0.083257 + 0.992063 = 1.075320.
  EXPECT_NEAR(stretchGii(12.011, 1.008), 1.075320, 1e-6);
}

TEST(WilsonG, BendOfWaterLikeGeometry)
{
  // H-O-H, r = 0.96 Å, 104.5°: 2 / (1.008 x 0.9216) + (2 / 0.9216 - 2 cos / 0.9216) / 15.999
  // with cos 104.5° = -0.250380: 2.152910 + (2.170139 + 0.543359) / 15.999 = 2.322516.
  EXPECT_NEAR(bendGii(1.008, 1.008, 15.999, 0.96, 0.96, std::cos(104.5 * std::numbers::pi / 180)),
              2.322516,
              1e-5);
}

TEST(WilsonG, TorsionNeedsBothAnglesAwayFromLinear)
{
  TorsionGeometry t{ 1, 12, 12, 1, 1.1, 1.5, 1.1, std::numbers::pi / 2, std::numbers::pi / 2 };
  // Right angles: cos = 0, sin = 1, so a = 1 / r12 and b = 1 / r34:
  // 1/1.21 + 1/1.21 + (1/1.21)/12 + (1/1.21)/12 = (2 + 2/12) / 1.21 = 1.790634.
  ASSERT_TRUE(torsionGii(t).has_value());
  EXPECT_NEAR(*torsionGii(t), (2 + 2.0 / 12) / 1.21, 1e-12);
  for (double bad : { 0.1, 2.98, -3.0 }) {
    TorsionGeometry u = t;
    u.theta3 = bad;
    EXPECT_FALSE(torsionGii(u).has_value()) << bad;
  }
}

TEST(WilsonG, WavenumberOfAForceConstant)
{
  // 1302.9 x sqrt(1.0753 x 0.5) = 1302.9 x 0.733246 = 955.35.
  EXPECT_NEAR(wavenumber(1.0753, 0.5), 955.35, 0.01);
  EXPECT_EQ(wavenumber(1.0, 0.0), 0.0);
  EXPECT_EQ(wavenumber(1.0, -1.0), 0.0);
}

} // namespace
} // namespace trelvix
