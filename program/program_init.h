#pragma once

namespace trelvix {

/// Plugs the program together once, before its first document: the core's own connections
/// across its layers, the exchange library (canonical SMILES, structure files), the force
/// fields' normal modes for the thermochemistry and their minimiser for the 3D embeddings. The
/// window, the CLI and their tests call it; calling it again does nothing more.
void initialiseProgram();

} // namespace trelvix
