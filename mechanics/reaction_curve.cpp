// A reaction's ΔG and log K against temperature, and the temperature where it turns.
#include "mechanics/reaction_curve.h"

#include "mechanics/reaction.h"

#include <cmath>
#include <cstdio>

namespace trelvix {

namespace {

std::string kelvin(double T)
{
  return std::to_string(static_cast<long>(std::lround(T))) + " K";
}

} // namespace

ReactionCurve reactionCurve(const tArrow& arrow,
                            ReactionThermo& thermo,
                            double P,
                            double lowT,
                            double highT,
                            int steps)
{
  ReactionCurve curve;
  const int n = std::max(steps, 1);
  for (int k = 0; k <= n; ++k) {
    const double T = lowT + (highT - lowT) * k / n;
    const double dG = deltaG(arrow, thermo, T, P);
    const std::optional<double> lk = logK(dG, T);
    if (std::isfinite(dG) && lk)
      curve.points.push_back({ T, dG, *lk });
  }
  if (curve.points.empty()) {
    curve.summary = "no data from " + kelvin(lowT) + " to " + kelvin(highT);
    return curve;
  }
  for (std::size_t k = 1; k < curve.points.size() && !curve.signChangeT; ++k) {
    const CurvePoint& a = curve.points[k - 1];
    const CurvePoint& b = curve.points[k];
    if ((a.dG < 0) == (b.dG < 0))
      continue;
    // Bisection between the two points on ΔG itself.
    double lo = a.T, hi = b.T;
    const bool fallsBelow = a.dG >= 0;
    for (int i = 0; i < 60; ++i) {
      const double mid = (lo + hi) / 2;
      const bool negative = deltaG(arrow, thermo, mid, P) < 0;
      (negative == fallsBelow ? hi : lo) = mid;
    }
    curve.signChangeT = (lo + hi) / 2;
    curve.summary =
      std::string("spontaneous ") + (fallsBelow ? "above " : "below ") + kelvin(*curve.signChangeT);
  }
  if (!curve.signChangeT)
    curve.summary = std::string(curve.points.front().dG < 0 ? "spontaneous" : "non-spontaneous") +
                    " from " + kelvin(curve.points.front().T) + " to " +
                    kelvin(curve.points.back().T);
  return curve;
}

std::string curveCsv(const ReactionCurve& curve)
{
  std::string csv = "T_K,dG_kcal,logK\n";
  char line[96];
  for (const CurvePoint& p : curve.points) {
    std::snprintf(line, sizeof line, "%.2f,%.4f,%.4f\n", p.T, p.dG / 1000, p.logK);
    csv += line;
  }
  return csv;
}

} // namespace trelvix
