#include "platform/checked.h"

#include <gtest/gtest.h>

namespace trelvix {
namespace {

// The bounds of each narrow field type, written out rather than taken from numeric_limits.
template<class T, std::int64_t Lo, std::int64_t Hi>
struct Bounds
{
  using Field = T;
  static constexpr std::int64_t lo = Lo;
  static constexpr std::int64_t hi = Hi;
};

template<class B>
class CheckedArithmetic : public ::testing::Test
{
};

using NarrowTypes = ::testing::Types<Bounds<std::int8_t, -128, 127>,
                                     Bounds<std::uint8_t, 0, 255>,
                                     Bounds<std::int16_t, -32768, 32767>,
                                     Bounds<std::uint16_t, 0, 65535>>;
TYPED_TEST_SUITE(CheckedArithmetic, NarrowTypes);

TYPED_TEST(CheckedArithmetic, NarrowKeepsValuesInRangeAndThrowsOutside)
{
  using T = typename TypeParam::Field;
  constexpr std::int64_t lo = TypeParam::lo;
  constexpr std::int64_t hi = TypeParam::hi;
  EXPECT_EQ(checkedNarrow<T>(lo), static_cast<T>(lo));
  EXPECT_EQ(checkedNarrow<T>(hi), static_cast<T>(hi));
  EXPECT_EQ(checkedNarrow<T>(0), T{ 0 });
  EXPECT_THROW(checkedNarrow<T>(lo - 1), OverflowError);
  EXPECT_THROW(checkedNarrow<T>(hi + 1), OverflowError);
  EXPECT_THROW(checkedNarrow<T>(hi + 1 + (hi - lo)), OverflowError); // no wrap-around
  EXPECT_THROW(checkedNarrow<T>(INT64_MIN), OverflowError);
}

TYPED_TEST(CheckedArithmetic, AddStoresTheSumOrLeavesTheFieldUnchanged)
{
  using T = typename TypeParam::Field;
  constexpr std::int64_t lo = TypeParam::lo;
  constexpr std::int64_t hi = TypeParam::hi;
  const struct
  {
    std::int64_t start;
    std::int64_t delta;
    bool fits;
  } cases[] = {
    { hi, 1, false },           { hi - 1, 1, true },        { lo, -1, false },
    { lo + 1, -1, true },       { lo, hi - lo, true },      { hi, lo - hi, true },
    { lo, hi - lo + 1, false }, { hi, lo - hi - 1, false }, { 0, 0, true },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.start << " + " << c.delta);
    T field = static_cast<T>(c.start);
    if (c.fits) {
      EXPECT_EQ(checkedAdd(field, c.delta), static_cast<T>(c.start + c.delta));
      EXPECT_EQ(field, static_cast<T>(c.start + c.delta));
    } else {
      EXPECT_THROW(checkedAdd(field, c.delta), OverflowError);
      EXPECT_EQ(field, static_cast<T>(c.start));
    }
  }
}

TEST(OverflowError, SaysArithmeticOverflow)
{
  EXPECT_STREQ(OverflowError().what(), "Arithmetic overflow");
}

} // namespace
} // namespace trelvix
