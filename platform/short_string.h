#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace trelvix {

/// A length-prefixed string of at most N characters, stored as the file formats hold it: one
/// length byte and N character bytes. Characters past the length are kept as they are (a shorter
/// assignment leaves the old tail in place), so a record written and read back is byte-identical.
template<std::size_t N>
struct ShortString
{
  static_assert(N < 256);
  static constexpr std::size_t capacity = N;
  std::uint8_t length = 0;
  std::array<char, N> chars{};

  ShortString() = default;
  ShortString(std::string_view text) { assign(text); }

  /// Takes the first N characters of text.
  void assign(std::string_view text)
  {
    const auto n = std::min(text.size(), N);
    std::copy_n(text.begin(), n, chars.begin());
    length = static_cast<std::uint8_t>(n);
  }

  /// The text; a length byte above N (from a damaged file) is read as N.
  std::string str() const { return std::string(chars.data(), std::min<std::size_t>(length, N)); }
  std::size_t size() const { return std::min<std::size_t>(length, N); }
  bool empty() const { return length == 0; }

  bool operator==(const ShortString&) const = default;
};

} // namespace trelvix
