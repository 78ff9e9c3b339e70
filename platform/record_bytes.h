#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <type_traits>

namespace trelvix {

/// Stores the integer v little-endian at offset at of a fixed-size record.
template<class T, std::size_t N>
void putField(std::array<std::uint8_t, N>& record, std::size_t at, T v)
{
  static_assert(std::is_integral_v<T>);
  const auto u = static_cast<std::make_unsigned_t<T>>(v);
  for (std::size_t i = 0; i < sizeof(T); ++i)
    record[at + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

/// The little-endian integer of type T at offset at of a fixed-size record.
template<class T, std::size_t N>
T getField(const std::array<std::uint8_t, N>& record, std::size_t at)
{
  static_assert(std::is_integral_v<T>);
  std::make_unsigned_t<T> u = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i)
    u = static_cast<std::make_unsigned_t<T>>(
      u | (static_cast<std::make_unsigned_t<T>>(record[at + i]) << (8 * i)));
  return static_cast<T>(u);
}

} // namespace trelvix
