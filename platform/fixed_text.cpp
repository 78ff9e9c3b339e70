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

} // namespace trelvix
