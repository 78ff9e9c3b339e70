#include "platform/real48.h"

#include <cmath>

namespace trelvix {

namespace {

constexpr int exponentBias = 129;
constexpr std::uint64_t mantissaOne = std::uint64_t{ 1 } << 39;

} // namespace

std::optional<Real48Bytes> encodeReal48(double value)
{
  if (!std::isfinite(value))
    return std::nullopt;
  Real48Bytes bytes{};
  if (value == 0)
    return bytes;
  const bool negative = value < 0;
  int exp2 = 0;
  // |value| = f x 2^exp2 with f in [0.5, 1), that is 1.m x 2^(exp2 - 1).
  const double f = std::frexp(std::fabs(value), &exp2);
  int exponent = exp2 - 1 + exponentBias;
  // Round the 39 fraction bits to nearest, ties away from zero; a carry moves to the exponent.
  auto mantissa = static_cast<std::uint64_t>(std::llround(std::ldexp(2 * f - 1, 39)));
  if (mantissa == mantissaOne) {
    mantissa = 0;
    ++exponent;
  }
  if (exponent > 255)
    return std::nullopt;
  if (exponent < 1)
    return bytes; // below the smallest magnitude of the format: zero
  bytes[0] = static_cast<std::uint8_t>(exponent);
  for (std::size_t i = 0; i < 5; ++i)
    bytes[i + 1] = static_cast<std::uint8_t>(mantissa >> (8 * i));
  if (negative)
    bytes[5] |= 0x80;
  return bytes;
}

double decodeReal48(const Real48Bytes& bytes)
{
  if (bytes[0] == 0)
    return 0;
  std::uint64_t mantissa = 0;
  for (std::size_t i = 0; i < 5; ++i)
    mantissa |= static_cast<std::uint64_t>(bytes[i + 1]) << (8 * i);
  const bool negative = (mantissa & (std::uint64_t{ 0x80 } << 32)) != 0;
  mantissa &= mantissaOne - 1;
  const double magnitude =
    std::ldexp(1.0 + std::ldexp(static_cast<double>(mantissa), -39), bytes[0] - exponentBias);
  return negative ? -magnitude : magnitude;
}

} // namespace trelvix
