#pragma once

#include "thermo/molecule_graph.h"
#include "thermo/molecule_thermo.h"

#include <optional>

namespace trelvix {

/// A species' standard formation enthalpy and Gibbs energy at T (kelvin), cal/mol: its enthalpy
/// and entropy less those of its elements in their reference states at T (H2, N2, O2, F2, Cl2
/// gases, liquid bromine, solid iodine, graphite, rhombic sulfur, silicon, white phosphorus,
/// boron, the metals of the condensed table, the noble gases), per atom of the element.
struct FormationValues
{
  double enthalpy = 0;
  double gibbs = 0;
};

/// nullopt when an element of the graph has no reference state in the tables, or its reference
/// state's data do not cover T (liquid bromine above its boiling point).
std::optional<FormationValues> formationValues(const SpeciesThermo& thermo,
                                               const SpeciesGraph& graph,
                                               double T);

} // namespace trelvix
