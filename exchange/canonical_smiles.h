#pragma once

#include <string>

namespace trelvix {

class tStructure;

/// The canonical SMILES (RDKit's) of the element atoms and chemical bonds of a structure, each
/// atom carrying the hydrogens the program counts for it (its implicit hydrogens, and the
/// hydrogen atoms drawn). Empty for a structure without element atoms.
std::string canonicalSmiles(const tStructure& structure);

} // namespace trelvix
