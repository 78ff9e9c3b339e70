#pragma once

namespace trelvix {

/// Builds the substituent group of build code (i-propyl, i-butyl, carbonyl, carboxyl, nitro ...)
/// on the atom under (x, y) in the current document, or the branched alkane of code 510
/// (i-butane) or 592 (i-pentane) at (x, y); false for a code that is not one of them.
bool addSubstituent(int code, double x, double y);

} // namespace trelvix
