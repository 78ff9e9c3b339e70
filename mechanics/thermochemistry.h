#pragma once

#include "mechanics/thermo_sources.h"

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

/// Lets the document's reaction report compute its ΔH and ΔS through the reaction analysis with
/// the given model; with the best sources the report also says which each species used.
void installReactionReport(ThermoModel model = ThermoModel::Best);

} // namespace trelvix
