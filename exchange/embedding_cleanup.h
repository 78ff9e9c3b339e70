#pragma once

// The force-field clean-up of a 3D embedding. RDKit's own minimisers serve until the program
// installs a faster one of its force-field library (the exchange library cannot depend on it).
#include <functional>

namespace RDKit {
class RWMol;
}

namespace trelvix {

/// Relaxes mol's conformer (every hydrogen an atom) with MMFF94, or UFF where MMFF94 cannot type
/// an atom, for at most iterations steps; a molecule no field takes stays as it is.
using EmbeddingCleanUp = std::function<void(RDKit::RWMol& mol, int iterations)>;

void setEmbeddingCleanUp(EmbeddingCleanUp cleanUp);

} // namespace trelvix
