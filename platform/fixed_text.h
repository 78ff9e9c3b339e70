#pragma once

#include <string>

namespace trelvix {

/// The value in fixed notation, right-aligned in at least width characters with the given
/// decimals (width and decimals clamped to 0..255), as a Pascal Str(x:width:decimals) writes it;
/// "undefined" for a value that is not finite, so no text ever shows "nan" or "inf"; a negative
/// zero is written as zero.
std::string fixedText(double value, int width, int decimals);

} // namespace trelvix
