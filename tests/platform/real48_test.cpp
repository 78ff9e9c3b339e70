#include "platform/real48.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace trelvix {
namespace {

// Byte 0 = binary exponent + 129; bytes 1..5 = the 39 fraction bits, lowest byte first; the sign
// is the top bit of byte 5. A fraction bit worth 2^-k (k = 1..39) is bit (39 - k) of the
// mantissa: byte 1 + (39 - k) / 8, bit (39 - k) % 8.
struct Real48Case
{
  const char* name;
  double value;
  Real48Bytes bytes;
};

const Real48Case exactCases[] = {
  { "1", 1.0, { 0x81, 0, 0, 0, 0, 0 } },
  { "-1", -1.0, { 0x81, 0, 0, 0, 0, 0x80 } },
  { "0.5", 0.5, { 0x80, 0, 0, 0, 0, 0 } },
  { "2", 2.0, { 0x82, 0, 0, 0, 0, 0 } },
  { "3 = 1.5 * 2", 3.0, { 0x82, 0, 0, 0, 0, 0x40 } },
  { "28 = 1.75 * 2^4", 28.0, { 0x85, 0, 0, 0, 0, 0x40 | 0x20 } },
  { "100 = (1 + 1/2 + 1/16) * 2^6", 100.0, { 0x87, 0, 0, 0, 0, 0x40 | 0x08 } },
  { "-0.375 = -1.5 * 2^-2", -0.375, { 0x7F, 0, 0, 0, 0, 0x80 | 0x40 } },
  { "lowest bit of each byte",
    1.0 + 0x1p-39 + 0x1p-31 + 0x1p-23 + 0x1p-15 + 0x1p-7,
    { 0x81, 1, 1, 1, 1, 1 } },
  { "smallest 2^-128", 0x1p-128, { 0x01, 0, 0, 0, 0, 0 } },
  { "-2^-128", -0x1p-128, { 0x01, 0, 0, 0, 0, 0x80 } },
  { "largest (2 - 2^-39) * 2^126",
    (2.0 - 0x1p-39) * 0x1p126,
    { 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F } },
  { "most negative", -(2.0 - 0x1p-39) * 0x1p126, { 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF } },
};

TEST(Real48, EncodesAndDecodesExactValuesByteForByte)
{
  for (const Real48Case& c : exactCases) {
    SCOPED_TRACE(c.name);
    const auto bytes = encodeReal48(c.value);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, c.bytes);
    EXPECT_EQ(decodeReal48(c.bytes), c.value);
  }
}

// Values whose fraction needs more than 39 bits: the bytes are those of the nearest value.
const Real48Case roundedCases[] = {
  // 0.53 = 0x0.87AE147AE147...; times 2^39 = 0x43D70A3D70.A3D7... (.64) rounds up.
  { "1.53", 1.53, { 0x81, 0x71, 0x3D, 0x0A, 0xD7, 0x43 } },
  // 0.1 = 1.6 * 2^-4; 0.6 * 2^39 = 0x4CCCCCCCCC.CCC... (.8) rounds up.
  { "0.1", 0.1, { 0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C } },
  // 0.7 = 1.4 * 2^-1; 0.4 * 2^39 = 0x3333333333.333... (.2) rounds down.
  { "0.7", 0.7, { 0x80, 0x33, 0x33, 0x33, 0x33, 0x33 } },
  { "-0.7", -0.7, { 0x80, 0x33, 0x33, 0x33, 0x33, 0x33 | 0x80 } },
  // Half a last bit above 1: a tie, rounded away from zero (to even it would stay 1).
  { "1 + 2^-40", 1.0 + 0x1p-40, { 0x81, 1, 0, 0, 0, 0 } },
  { "-(1 + 2^-40)", -(1.0 + 0x1p-40), { 0x81, 1, 0, 0, 0, 0x80 } },
  { "1 + 3 * 2^-40", 1.0 + 3 * 0x1p-40, { 0x81, 2, 0, 0, 0, 0 } },
  { "1 + 2^-41", 1.0 + 0x1p-41, { 0x81, 0, 0, 0, 0, 0 } },
  { "just under the tie", 1.0 + 0x1p-40 - 0x1p-52, { 0x81, 0, 0, 0, 0, 0 } },
  // All 39 fraction bits set and more: rounding up carries into the exponent.
  { "2 - 2^-41", 2.0 - 0x1p-41, { 0x82, 0, 0, 0, 0, 0 } },
  { "just under 2^-128", (2.0 - 0x1p-41) * 0x1p-129, { 0x01, 0, 0, 0, 0, 0 } },
};

TEST(Real48, RoundsTheFractionToNearestTiesAwayFromZero)
{
  for (const Real48Case& c : roundedCases) {
    SCOPED_TRACE(c.name);
    const auto bytes = encodeReal48(c.value);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, c.bytes);
    // Within half a last place: 2^-40 of the value's power of two.
    EXPECT_LE(std::fabs(decodeReal48(c.bytes) - c.value), std::fabs(c.value) * 0x1p-40);
  }
}

TEST(Real48, ZeroAndMagnitudesBelowTheRangeEncodeAsSixZeroBytes)
{
  const double zeroes[] = { 0.0,
                            -0.0,
                            0x1p-129,
                            -0x1p-129,
                            1.5 * 0x1p-129,
                            1e-300,
                            -1e-300,
                            std::numeric_limits<double>::denorm_min() };
  for (const double v : zeroes) {
    const auto bytes = encodeReal48(v);
    ASSERT_TRUE(bytes.has_value()) << v;
    EXPECT_EQ(*bytes, (Real48Bytes{})) << v;
  }
}

TEST(Real48, NonFiniteAndTooLargeValuesHaveNoEncoding)
{
  const double refused[] = {
    0x1p127,
    -0x1p127,
    (2.0 - 0x1p-41) * 0x1p126, // rounds up to 2^127
    1e39,
    std::numeric_limits<double>::max(),
    std::numeric_limits<double>::infinity(),
    -std::numeric_limits<double>::infinity(),
    std::numeric_limits<double>::quiet_NaN(),
  };
  for (const double v : refused)
    EXPECT_FALSE(encodeReal48(v).has_value()) << v;
}

TEST(Real48, AZeroExponentIsZeroWhateverTheOtherBytes)
{
  const double v = decodeReal48({ 0, 0xFF, 0x12, 0x34, 0x56, 0xFF });
  EXPECT_EQ(v, 0.0);
  EXPECT_FALSE(std::signbit(v));
}

TEST(Real48, EveryBytePatternDecodesToAFiniteValueThatEncodesBack)
{
  std::mt19937 gen(7);
  for (int exponent = 1; exponent < 256; ++exponent) {
    for (int trial = 0; trial < 8; ++trial) {
      Real48Bytes b;
      b[0] = static_cast<std::uint8_t>(exponent);
      for (std::size_t i = 1; i < b.size(); ++i)
        b[i] = static_cast<std::uint8_t>(trial == 0 ? 0xFF : gen());
      const double v = decodeReal48(b);
      ASSERT_TRUE(std::isfinite(v)) << exponent;
      const auto again = encodeReal48(v);
      ASSERT_TRUE(again.has_value()) << exponent;
      EXPECT_EQ(*again, b) << exponent;
    }
  }
}

TEST(Real48, DoublesRoundTripWithinHalfALastPlace)
{
  std::mt19937_64 gen(11);
  std::uniform_real_distribution<double> fraction(1.0, 2.0);
  std::uniform_int_distribution<int> power(-128, 126);
  for (int i = 0; i < 2000; ++i) {
    const double v = std::ldexp(fraction(gen), power(gen)) * (i % 2 == 0 ? 1 : -1);
    const auto bytes = encodeReal48(v);
    ASSERT_TRUE(bytes.has_value()) << v;
    EXPECT_LE(std::fabs(decodeReal48(*bytes) - v), std::fabs(v) * 0x1p-40) << v;
  }
}

} // namespace
} // namespace trelvix
