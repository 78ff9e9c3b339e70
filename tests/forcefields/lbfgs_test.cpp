// The limited-memory BFGS minimiser: Rosenbrock's valley, whose minimum (1, 1) is known, reached
// from the classic start (−1.2, 1), in one run or in chunks that keep the curvature history; a
// stiff bowl that an exact preconditioner solves in one step; and a step taken on a lower
// gradient where the energy no longer shows a change.
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

// ½ (x² + 10⁴ y²): a bowl 10⁴ times stiffer along y, minimum at the origin.
double stiffBowl(std::span<const double> p, std::span<double> g)
{
  g[0] = p[0];
  g[1] = 1e4 * p[1];
  return 0.5 * (p[0] * p[0] + 1e4 * p[1] * p[1]);
}

// The bowl's own Hessian, diag(1, 10⁴).
class BowlHessian : public Preconditioner
{
public:
  void update(std::span<const double>) override { ++updates; }
  void apply(std::span<double> v) const override { v[1] /= 1e4; }
  int updates = 0;
};

TEST(LimitedMemoryBfgs, AnExactPreconditionerTakesTheNewtonStep)
{
  // From (0.1, 0.001) no coordinate is beyond the step limit: P⁻¹ g is the step to the origin.
  BowlHessian hessian;
  LimitedMemoryBfgs preconditioned(stiffBowl, { 0.1, 0.001 }, 1e-10, 0.3, &hessian);
  EXPECT_TRUE(preconditioned.iterate(1));
  EXPECT_EQ(preconditioned.iterations(), 1);
  EXPECT_NEAR(preconditioned.x()[0], 0, 1e-15);
  EXPECT_NEAR(preconditioned.x()[1], 0, 1e-15);
  EXPECT_EQ(hessian.updates, 1); // at the start; the next rebuild comes after ten iterations

  LimitedMemoryBfgs plain(stiffBowl, { 0.1, 0.001 }, 1e-10, 0.3);
  EXPECT_FALSE(plain.iterate(1));
}

TEST(LimitedMemoryBfgs, WhereTheEnergyShowsNoChangeALowerGradientDecides)
{
  // An energy flat to its last digit, as a large sum is near its minimum, whose gradient 2·10⁻⁴ x
  // still points to the minimum at 0: no step lowers the energy, a lower gradient leads on.
  const auto rounded = [](std::span<const double> p, std::span<double> g) {
    g[0] = 2e-4 * p[0];
    return 1.0;
  };
  LimitedMemoryBfgs minimiser(rounded, { 1e-2 }, 1e-9, 0.3);
  EXPECT_TRUE(minimiser.iterate(100));
  EXPECT_LT(std::abs(minimiser.x()[0]), 1e-9 / 2e-4);
}

} // namespace
} // namespace trelvix
