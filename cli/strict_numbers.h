#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace trelvix {

/// A whole number written in decimal digits only (no sign, blank or other character) and at
/// most max; nullopt for anything else, so "-1" or 2^64 are refused rather than wrapped.
std::optional<std::uint64_t> parseUnsigned(
  std::string_view text,
  std::uint64_t max = std::numeric_limits<std::uint64_t>::max());

/// A finite number that takes up the whole text ("2", "0.5", "1e3"); nullopt for an empty text,
/// trailing characters, a value out of range, "nan" or "inf".
std::optional<double> parseNumber(std::string_view text);

} // namespace trelvix
