#include "platform/real48.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace trelvix {
namespace {

struct Real48Case
{
  double value;
  Real48Bytes bytes;
};

// Exponent byte = binary exponent + 129; bytes 1..5 the 39 fraction bits, lowest first; sign in
// the top bit of byte 5.
const Real48Case exactCases[] = {
  { 1.0, { 0x81, 0, 0, 0, 0, 0 } },           { -1.0, { 0x81, 0, 0, 0, 0, 0x80 } },
  { 0.5, { 0x80, 0, 0, 0, 0, 0 } },           { 3.0, { 0x82, 0, 0, 0, 0, 0x40 } }, // 1.5 x 2
  { 28.0, { 0x85, 0, 0, 0, 0, 0x60 } },                                            // 1.75 x 16
  { -0.375, { 0x7F, 0, 0, 0, 0, 0xC0 } },                                          // -(1.5 x 2^-2)
  { 1.0 + 0x1p-39, { 0x81, 1, 0, 0, 0, 0 } }, // the last fraction bit
  { 0x1p-128, { 0x01, 0, 0, 0, 0, 0 } },      // smallest magnitude
};

TEST(Real48, EncodesExactValuesByteForByte)
{
  for (const Real48Case& c : exactCases) {
    const auto bytes = encodeReal48(c.value);
    ASSERT_TRUE(bytes) << c.value;
    EXPECT_EQ(*bytes, c.bytes) << c.value;
    EXPECT_EQ(decodeReal48(c.bytes), c.value) << c.value;
  }
}

TEST(Real48, ZeroIsAnExponentOfZero)
{
  EXPECT_EQ(*encodeReal48(0.0), (Real48Bytes{}));
  EXPECT_EQ(*encodeReal48(-0.0), (Real48Bytes{}));
  EXPECT_EQ(decodeReal48({ 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF }), 0.0);
  EXPECT_EQ(*encodeReal48(0x1p-140), (Real48Bytes{})); // below the range: zero
}

TEST(Real48, RoundsTheFractionToNearest)
{
  // 1 + 2^-40 lies half way between two neighbours and rounds up (away from zero);
  // 1 + 2^-41 rounds down.
  EXPECT_EQ(*encodeReal48(1.0 + 0x1p-40), (Real48Bytes{ 0x81, 1, 0, 0, 0, 0 }));
  EXPECT_EQ(*encodeReal48(1.0 + 0x1p-41), (Real48Bytes{ 0x81, 0, 0, 0, 0, 0 }));
  // All fraction bits set and rounding up carries into the exponent: 2 - 2^-41 becomes 2.
  EXPECT_EQ(*encodeReal48(2.0 - 0x1p-41), (Real48Bytes{ 0x82, 0, 0, 0, 0, 0 }));
  const double v = 1.53;
  EXPECT_NEAR(decodeReal48(*encodeReal48(v)), v, v * 0x1p-40);
}

TEST(Real48, ValuesOutsideTheRangeAreRefused)
{
  const double largest = (2.0 - 0x1p-39) * 0x1p126;
  EXPECT_EQ(*encodeReal48(largest), (Real48Bytes{ 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F }));
  EXPECT_FALSE(encodeReal48(0x1p127));
  EXPECT_FALSE(encodeReal48(-1e39));
  EXPECT_FALSE(encodeReal48(std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(encodeReal48(std::numeric_limits<double>::quiet_NaN()));
}

TEST(Real48, EveryPatternDecodesToAFiniteValue)
{
  for (int e = 0; e < 256; e += 17) {
    const Real48Bytes b = { static_cast<std::uint8_t>(e), 0xFF, 0xFF, 0xFF, 0xFF, 0xFF };
    EXPECT_TRUE(std::isfinite(decodeReal48(b))) << e;
  }
}

} // namespace
} // namespace trelvix
