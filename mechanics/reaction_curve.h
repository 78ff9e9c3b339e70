#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trelvix {

class ReactionThermo;
class tArrow;

/// One temperature of a reaction's curve: T kelvin, ΔG cal/mol, log10 K.
struct CurvePoint
{
  double T = 0;
  double dG = 0;
  double logK = 0;
};

/// ΔG and log K of a reaction against temperature, over the temperatures every species' data
/// cover within the range asked, and where ΔG changes sign.
struct ReactionCurve
{
  std::vector<CurvePoint> points;
  /// The temperature where ΔG crosses zero (the first crossing), kelvin; empty when it does not.
  std::optional<double> signChangeT;
  /// "spontaneous below 463 K", "spontaneous above 981 K", or without a crossing "spontaneous
  /// from 200 K to 2000 K", "non-spontaneous from 200 K to 2000 K"; "no data from 200 K to
  /// 2000 K" when no temperature has numbers.
  std::string summary;
};

/// The curve at P atmospheres from lowT to highT kelvin in steps of the given count.
ReactionCurve reactionCurve(const tArrow& arrow,
                            ReactionThermo& thermo,
                            double P,
                            double lowT = 200,
                            double highT = 2000,
                            int steps = 180);

/// The curve as CSV: a header line "T_K,dG_kcal,logK", then one line per point.
std::string curveCsv(const ReactionCurve& curve);

} // namespace trelvix
