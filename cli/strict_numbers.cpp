#include "cli/strict_numbers.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace trelvix {

std::optional<std::uint64_t> parseUnsigned(std::string_view text, std::uint64_t max)
{
  // from_chars takes no '+' but would take a '-' for a signed type only; digits are checked so
  // that nothing but them is read.
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value > max)
    return std::nullopt;
  return value;
}

std::optional<double> parseNumber(std::string_view text)
{
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
      !std::isfinite(value))
    return std::nullopt;
  return value;
}

} // namespace trelvix
