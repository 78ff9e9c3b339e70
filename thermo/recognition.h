#pragma once

#include "thermo/molecule_graph.h"
#include "thermo/reference_table.h"

#include <functional>
#include <string>
#include <vector>

namespace trelvix {

class tStructure;

/// The canonical SMILES of a structure as the exchange library writes it (RDKit's canonical form,
/// hydrogens as the program counts them); empty when it cannot tell.
using CanonicalSmiles = std::function<std::string(const tStructure&)>;

/// Installs the canonical SMILES recognition asks first; an empty function leaves recognition to
/// the species graphs alone. The program and the CLI install the exchange library's.
void setCanonicalSmiles(CanonicalSmiles canonicalSmiles);

/// The reference species a drawn structure is, nullptr when the table holds none: first by its
/// canonical SMILES when a function is installed, else by its graph (the same atoms, hydrogens
/// and connections). A graph two species share (cis and trans isomers) recognises neither.
const ReferenceSpecies* recogniseSpecies(
  const tStructure& structure,
  const std::vector<ReferenceSpecies>& table = referenceSpecies());

/// The species a drawn structure is in a liquid or solid phase: the first block of the table
/// with its identity (canonical SMILES, else graph) and that phase, the table listing the stable
/// form first (graphite before diamond); nullptr when there is none.
const ReferenceSpecies* recogniseInPhase(
  const tStructure& structure,
  SpeciesPhase phase,
  const std::vector<ReferenceSpecies>& table = condensedSpecies());

/// The same search for a graph: the single table species with its connectivity, or nullptr.
const ReferenceSpecies* speciesWithGraph(const SpeciesGraph& graph,
                                         const std::vector<ReferenceSpecies>& table);

} // namespace trelvix
