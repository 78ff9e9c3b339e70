#include "mechanics/wilson_g.h"

#include <cmath>

namespace trelvix {

double stretchGii(double m1, double m2)
{
  return 1 / m1 + 1 / m2;
}

double bendGii(double m1, double m2, double m3, double r1, double r2, double cosTheta)
{
  return 1 / (m1 * r1 * r1) + 1 / (m2 * r2 * r2) +
         (1 / (r1 * r1) + 1 / (r2 * r2) - 2 * cosTheta / (r1 * r2)) / m3;
}

std::optional<double> torsionGii(const TorsionGeometry& t)
{
  const auto usable = [](double theta) {
    return std::fabs(theta) > 0.175 && std::fabs(theta) < 2.97;
  };
  if (!usable(t.theta2) || !usable(t.theta3))
    return std::nullopt;
  const double a = (t.r23 - t.r12 * std::cos(t.theta2)) / (std::sin(t.theta2) * t.r23 * t.r12);
  const double b = (t.r23 - t.r34 * std::cos(t.theta3)) / (std::sin(t.theta3) * t.r23 * t.r34);
  return 1 / (t.m1 * t.r12 * t.r12) + 1 / (t.m4 * t.r34 * t.r34) + a * a / t.m2 + b * b / t.m3;
}

double wavenumber(double G, double k)
{
  // A negative product (no such term exists) would give a NaN; it is no oscillator.
  const double gk = G * k;
  return gk > 0 ? 1302.9 * std::sqrt(gk) : 0.0;
}

} // namespace trelvix
