#pragma once

#include <memory>
#include <string>

namespace trelvix {

class ReactionThermo;
class SpeciesThermo;
struct ReactionSpecies;

/// Which thermochemistry the reaction analysis uses: the force-field estimate for every species,
/// or for each species the best source that knows it.
enum class ThermoModel
{
  Estimate,
  Best,
};

/// Gives every species what the better sources know of it, all on the formation basis: its
/// reference-table gas when the structure is recognised there, its group-additivity estimate
/// when its groups are known, the force-field estimate converted through the gaseous atoms, and
/// for a liquid or solid the table of its phase or the van der Waals fluid model. Call after
/// prepareThermochemistry (the estimate reads the formation energy and the levels).
void findBetterSources(ReactionThermo& thermo);

/// The same for one species whose formation energy and levels are filled.
void findSpeciesSources(ReactionSpecies& species);

/// The force-field estimate of one species on the formation basis, or empty with the reason.
struct EstimateResult
{
  std::shared_ptr<const SpeciesThermo> thermo;
  std::string refusal;
};
EstimateResult formationBasisEstimate(const ReactionSpecies& species);

} // namespace trelvix
