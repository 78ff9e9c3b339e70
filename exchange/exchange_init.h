#pragma once

namespace trelvix {

/// Connects the exchange library to the core: reference thermochemistry recognises species by
/// their canonical SMILES. The program and the command line call it once at start.
void initialiseExchange();

} // namespace trelvix
