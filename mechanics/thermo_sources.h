#pragma once

namespace trelvix {

class ReactionThermo;

/// Which thermochemistry the reaction analysis uses: the force-field estimate for every species,
/// or for each species the best source that knows it.
enum class ThermoModel
{
  Estimate,
  Best,
};

/// Gives every species what the better sources know of it: its reference-table entry when the
/// structure is recognised there, and its group-additivity estimate when its groups are known.
void findBetterSources(ReactionThermo& thermo);

} // namespace trelvix
