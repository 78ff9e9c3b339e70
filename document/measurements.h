#pragma once

#include "platform/canvas.h"

#include <string>

namespace trelvix {

/// The colour measured objects and their values are drawn in: red, as the editors' highlight.
inline constexpr Colour measureColour = 0x0000FF;

/// A length in Ångström with two decimals and its unit: "1.53 Å".
std::string lengthText(double angstroms);
/// An angle given in radians, in degrees with one decimal: "109.5°".
std::string angleText(double radians);

} // namespace trelvix
