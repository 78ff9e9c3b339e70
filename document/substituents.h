#pragma once

namespace trelvix {

/// Builds the substituent group of build code (i-propyl, i-butyl, carbonyl, carboxyl, nitro ...)
/// on the atom under (x, y) in the current document; false for a code that is not one of them.
bool addSubstituent(int code, double x, double y);

} // namespace trelvix
