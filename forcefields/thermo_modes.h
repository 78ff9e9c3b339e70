#pragma once

namespace trelvix {

/// Gives the thermochemistry's force-field estimate the normal modes of MMFF94 (UFF where MMFF94
/// cannot type an atom) at the field's minimum next to each species' drawn geometry, instead of
/// the classic levels. The program, the CLI and the tests call it once at start-up.
void installForceFieldModes();

} // namespace trelvix
