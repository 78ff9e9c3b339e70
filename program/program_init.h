#pragma once

namespace trelvix {

/// Plugs the program together once, before its first document: the core's own connections
/// across its layers, the exchange library (canonical SMILES, structure files) and the force
/// fields' normal modes for the thermochemistry. The window, the CLI and their tests call it;
/// calling it again does nothing more.
void initialiseProgram();

} // namespace trelvix
