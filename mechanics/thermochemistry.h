#pragma once

#include "mechanics/thermo_sources.h"

#include <optional>
#include <string>

namespace trelvix {

class ForceField;
class ReactionThermo;
class tPF;
class tStructure;

/// The strain energy the program shows for a structure, cal/mol: every term recomputed after a
/// full build, pairs with their well depths.
double totalStrainEnergy(tStructure& structure);

/// The vibrational levels of a force field's terms (vectors built here): one per stretch, one per
/// bend (doubly degenerate at a linear centre) and one per torsion above 1 cm⁻¹, each oscillator
/// independent, its wavenumber from its diagonal G element and force constant.
void insertTermLevels(ForceField& field, tPF& pf);

/// Fills every species: the force field built afresh, its formation energy and its levels.
void prepareThermochemistry(ReactionThermo& thermo);

/// One structure's standard thermochemistry at T kelvin from the best source that knows it, as
/// Molecular Data and the thermo command show it: cal/mol and cal/(mol K); a value the source
/// or the elements' reference states do not give at T is empty.
struct SpeciesFigures
{
  std::string formula;
  /// The table's name of the species, empty when it was not recognised.
  std::string identity;
  /// "reference data", "group additivity", "estimate", "van der Waals fluid model", "no data".
  std::string source;
  /// How: speciesSourceText, or the no-data text.
  std::string how;
  std::optional<double> dHf298;
  std::optional<double> dHf;
  std::optional<double> S;
  std::optional<double> Cp;
  std::optional<double> heatContent;
  std::optional<double> dGf;
};
SpeciesFigures speciesFigures(tStructure& structure, double T);

/// Lets the document's reaction report compute its ΔH and ΔS through the reaction analysis with
/// the given model; with the best sources the report also says which each species used.
void installReactionReport(ThermoModel model = ThermoModel::Best);

} // namespace trelvix
