#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace trelvix {

/// The 6-byte real of the document format: byte 0 is the exponent with bias 129 (0 means the
/// value 0), bytes 1..5 hold 39 bits of mantissa (implied leading 1, least significant byte first)
/// and the sign in the top bit of byte 5. Its magnitudes run from 2^-128 to just under 2^127.
using Real48Bytes = std::array<std::uint8_t, 6>;

/// Encodes value, rounding the mantissa to nearest (a tie rounds away from zero; a carry moves
/// into the exponent). Magnitudes that do not round to at least 2^-128 become 0 (six zero bytes, as
/// do 0.0 and -0.0); NaN, infinities and magnitudes that round to 2^127 or more give no result.
std::optional<Real48Bytes> encodeReal48(double value);

/// Decodes six bytes; every byte pattern is a finite value.
double decodeReal48(const Real48Bytes& bytes);

} // namespace trelvix
