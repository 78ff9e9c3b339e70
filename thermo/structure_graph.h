#pragma once

#include "thermo/molecule_graph.h"

namespace trelvix {

class tStructure;

/// The graph of a drawn structure as the program counts it: its element atoms (texts left out),
/// each with its implicit hydrogens and the hydrogen atoms drawn on it, and the bonds between
/// them (aromatic-marked and resonance bonds as aromatic, hydrogen bonds left out).
SpeciesGraph structureGraph(const tStructure& structure);

} // namespace trelvix
