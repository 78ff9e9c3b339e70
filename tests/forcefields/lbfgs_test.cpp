// The limited-memory BFGS minimiser: Rosenbrock's valley, whose minimum (1, 1) is known, reached
// from the classic start (−1.2, 1), in one run or in chunks that keep the curvature history.
#include "forcefields/lbfgs.h"

#include <gtest/gtest.h>

namespace trelvix {
namespace {

// (1 − x)² + 100 (y − x²)², minimum 0 at (1, 1).
double rosenbrock(std::span<const double> p, std::span<double> g)
{
  const double x = p[0], y = p[1];
  g[0] = -2 * (1 - x) - 400 * x * (y - x * x);
  g[1] = 200 * (y - x * x);
  return (1 - x) * (1 - x) + 100 * (y - x * x) * (y - x * x);
}

TEST(LimitedMemoryBfgs, FindsTheBottomOfRosenbrocksValley)
{
  LimitedMemoryBfgs whole(rosenbrock, { -1.2, 1.0 }, 1e-8, 0.5);
  EXPECT_TRUE(whole.iterate(1000));
  EXPECT_NEAR(whole.x()[0], 1.0, 1e-6);
  EXPECT_NEAR(whole.x()[1], 1.0, 1e-6);
  EXPECT_LT(whole.energy(), 1e-12);
  EXPECT_LT(whole.largestGradient(), 1e-8);

  // Chunks of five iterations take exactly the same path.
  LimitedMemoryBfgs chunked(rosenbrock, { -1.2, 1.0 }, 1e-8, 0.5);
  while (!chunked.iterate(5) && chunked.iterations() < 1000) {
  }
  EXPECT_EQ(chunked.iterations(), whole.iterations());
  EXPECT_EQ(chunked.x(), whole.x());
}

TEST(LimitedMemoryBfgs, NoStepIsLongerThanTheLimit)
{
  // A steep bowl far from its centre: the first steps are cut to 0.1.
  const auto bowl = [](std::span<const double> p, std::span<double> g) {
    g[0] = 2000 * (p[0] - 50);
    return 1000 * (p[0] - 50) * (p[0] - 50);
  };
  LimitedMemoryBfgs minimiser(bowl, { 0.0 }, 1e-6, 0.1);
  double last = 0;
  for (int k = 0; k < 20; ++k) {
    minimiser.iterate(1);
    EXPECT_LE(std::abs(minimiser.x()[0] - last), 0.1 + 1e-12);
    last = minimiser.x()[0];
  }
  EXPECT_TRUE(minimiser.iterate(5000));
  EXPECT_NEAR(minimiser.x()[0], 50, 1e-6);
}

} // namespace
} // namespace trelvix
