#pragma once

#include <string>

namespace trelvix {

/// The value in fixed notation, right-aligned in at least width characters with the given
/// decimals (width and decimals clamped to 0..255), as a Pascal Str(x:width:decimals) writes it;
/// "undefined" for a value that is not finite, so no text ever shows "nan" or "inf"; a negative
/// zero is written as zero.
std::string fixedText(double value, int width, int decimals);

/// The value as fixedText writes it when that takes at most room characters (all padding
/// dropped when the text is too long); otherwise in scientific notation with as many digits as fit
/// ("1.318E+58"), so no digit is ever cut off; "out of range" when not even that fits.
std::string fittedText(double value, int width, int decimals, std::size_t room);

} // namespace trelvix
