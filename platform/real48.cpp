#include "platform/real48.h"

#include <cmath>

namespace trelvix {

namespace {

constexpr int exponentBias = 129;
constexpr int fractionBits = 39;
constexpr std::uint64_t mantissaOne = std::uint64_t{ 1 } << fractionBits;
constexpr std::uint8_t signBit = 0x80; // top bit of byte 5

} // namespace

std::optional<Real48Bytes> encodeReal48(double value)
{
  if (!std::isfinite(value))
    return std::nullopt;
  Real48Bytes bytes{};
  if (value == 0)
    return bytes;
  int exp2 = 0;
  // |value| = f * 2^exp2 with f in [0.5, 1), that is (1 + fraction) * 2^(exp2 - 1).
  const double f = std::frexp(std::fabs(value), &exp2);
  int exponent = exp2 - 1 + exponentBias;
  // 2f - 1 is exact, and so is the scaling by 2^39; llround then rounds the 39 fraction bits to
  // nearest with ties away from zero. Rounding all ones up carries into the exponent, so a value
  // just under 2^-128 still becomes 2^-128 and one just under 2^127 overflows.
  auto mantissa = static_cast<std::uint64_t>(std::llround(std::ldexp(2 * f - 1, fractionBits)));
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
  if (value < 0)
    bytes[5] |= signBit;
  return bytes;
}

double decodeReal48(const Real48Bytes& bytes)
{
  if (bytes[0] == 0)
    return 0;
  std::uint64_t mantissa = bytes[5] & ~signBit;
  for (std::size_t i = 5; i-- > 1;)
    mantissa = (mantissa << 8) | bytes[i];
  // At most 40 significant bits and an exponent within [-128, 126]: exact in a double.
  const double magnitude =
    std::ldexp(1.0 + std::ldexp(static_cast<double>(mantissa), -fractionBits),
               static_cast<int>(bytes[0]) - exponentBias);
  return (bytes[5] & signBit) != 0 ? -magnitude : magnitude;
}

} // namespace trelvix
