// The minimiser's preconditioner: a bond along x between two atoms 1 Å apart, and a right angle.
// P = 5 I + Σ k b bᵀ, so each eigenvector of a term comes back divided by its eigenvalue.
#include "forcefields/stiffness_preconditioner.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace trelvix {
namespace {

constexpr double soft = 5;    // kcal mol⁻¹ Å⁻², on every coordinate
constexpr double bond = 700;  // kcal mol⁻¹ Å⁻²
constexpr double angle = 100; // kcal mol⁻¹ rad⁻²

struct Case
{
  const char* motion;
  std::vector<double> v;
  double eigenvalue;
};

TEST(StiffnessPreconditioner, EachMotionComesBackDividedByItsStiffness)
{
  StiffnessPreconditioner p(2, { { 0, 1 } }, {});
  p.update(std::vector<double>{ 0, 0, 0, 1, 0, 0 });
  // The stretch's B vector (1, 0, 0, -1, 0, 0) has |b|² = 2: eigenvalue 5 + 2 · 700.
  const Case cases[] = {
    { "stretch", { 1, 0, 0, -1, 0, 0 }, soft + 2 * bond },
    { "translation along the bond", { 1, 0, 0, 1, 0, 0 }, soft },
    { "sideways", { 0, 1, 0, 0, -1, 0 }, soft },
  };
  for (const Case& c : cases) {
    std::vector<double> v = c.v;
    p.apply(v);
    for (std::size_t i = 0; i < v.size(); ++i)
      EXPECT_NEAR(v[i], c.v[i] / c.eigenvalue, 1e-12) << c.motion << " " << i;
  }
}

TEST(StiffnessPreconditioner, ARightAngleBendsAgainstItsConstant)
{
  // Ends on the x and y axes 1 Å from the centre at the origin; no bonds. Opening the angle moves
  // the ends along -y and -x: B = (0, -1, 0 | -1, 0, 0 | 1, 1, 0), |B|² = 4.
  StiffnessPreconditioner p(3, {}, { { 0, 1, 2 } });
  p.update(std::vector<double>{ 1, 0, 0, 0, 1, 0, 0, 0, 0 });
  const std::vector<double> bend = { 0, -1, 0, -1, 0, 0, 1, 1, 0 };
  std::vector<double> v = bend;
  p.apply(v);
  for (std::size_t i = 0; i < v.size(); ++i)
    EXPECT_NEAR(v[i], bend[i] / (soft + 4 * angle), 1e-12) << i;
}

} // namespace
} // namespace trelvix
