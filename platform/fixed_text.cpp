#include "platform/fixed_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace trelvix {

namespace {

// The bound keeps a wild argument from asking for an enormous text.
constexpr int maxFieldWidth = 255;

} // namespace

std::string fixedText(double value, int width, int decimals)
{
  if (!std::isfinite(value))
    return "undefined";
  value += 0.0; // a negative zero reads as plain zero
  const int w = std::clamp(width, 0, maxFieldWidth);
  const int d = std::clamp(decimals, 0, maxFieldWidth);
  const int n = std::snprintf(nullptr, 0, "%*.*f", w, d, value);
  if (n <= 0)
    return {};
  std::vector<char> text(static_cast<std::size_t>(n) + 1);
  std::snprintf(text.data(), text.size(), "%*.*f", w, d, value);
  return std::string(text.data(), static_cast<std::size_t>(n));
}

std::string fittedText(double value, int width, int decimals, std::size_t room)
{
  std::string text = fixedText(value, width, decimals);
  if (text.size() > room)
    text.erase(0, std::min(text.find_first_not_of(' '), text.size()));
  if (text.size() <= room)
    return text;
  for (int digits = std::clamp(decimals, 0, 15); digits >= 0; --digits) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%.*E", digits, value + 0.0);
    if (n > 0 && static_cast<std::size_t>(n) <= room)
      return std::string(buffer, static_cast<std::size_t>(n));
  }
  return "out of range";
}

} // namespace trelvix
