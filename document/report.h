#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace trelvix {

class tArrow;
class tDrawing;

/// The reaction energies the report prints: ΔH in cal/mol and ΔS in cal/(mol K), and which
/// sources the species used, each a line under the six ("reference data: 3 of 4"); at most three.
struct ReactionDeltas
{
  double dH = 0;
  double dS = 0;
  std::vector<std::string> sources;
};

/// How the report obtains the energies of the reaction an arrow shows, at T kelvin and P
/// atmospheres. The reaction analysis registers it; without one the report shows zeros.
using ReactionDeltasSource =
  std::function<ReactionDeltas(tDrawing&, const tArrow&, double T, double P)>;
void setReactionDeltasSource(ReactionDeltasSource source);

/// The six lines of the reaction report for the given energies, T and P, in their fixed formats.
std::array<std::string, 6> reportTexts(const ReactionDeltas& deltas, double T, double P);

} // namespace trelvix
