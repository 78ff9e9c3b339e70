#include "platform/fixed_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace trelvix {
namespace {

TEST(FixedText, WidthPadsOnTheLeftAndNeverCuts)
{
  struct Case
  {
    double value;
    int width, decimals;
    const char* text;
  };
  const Case cases[] = {
    { 3.14159, 8, 2, "    3.14" },
    { -0.5, 4, 1, "-0.5" },
    { 12345.678, 3, 1, "12345.7" }, // wider than asked: all digits stay
    { 2.5, 0, 0, "2" },             // printf rounds half to even
    { 7, -3, -1, "7" },             // negative width and decimals count as 0
    { -0.0, 5, 3, "0.000" },        // no negative zero
  };
  for (const Case& c : cases)
    EXPECT_EQ(fixedText(c.value, c.width, c.decimals), c.text) << c.value;
  // A huge value keeps every digit (309 before the point) rather than being cut short.
  EXPECT_EQ(fixedText(1e308, 1, 1).size(), 311u);
}

TEST(FixedText, NotANumberIsUndefined)
{
  EXPECT_EQ(fixedText(std::numeric_limits<double>::quiet_NaN(), 6, 2), "undefined");
  EXPECT_EQ(fixedText(-std::numeric_limits<double>::infinity(), 6, 2), "undefined");
}

TEST(FittedText, FixedWhenItFitsElsePowersOfTenNeverCut)
{
  struct Case
  {
    double value;
    int width, decimals;
    std::size_t room;
    const char* text;
  };
  const Case cases[] = {
    { 12.5, 8, 2, 11, "   12.50" },      // fits as asked
    { 12.5, 20, 2, 11, "12.50" },        // the padding alone was too much
    { 1.3e55, 8, 2, 11, "1.30E+55" },    // 56 digits: powers of ten
    { -1.3e55, 8, 3, 11, "-1.300E+55" }, // sign and three decimals still fit
    { 1.3e55, 8, 3, 8, "1.30E+55" },     // fewer decimals where the room is short
    { 1.3e55, 8, 3, 4, "out of range" }, // not even one digit fits
    { std::numeric_limits<double>::infinity(), 8, 2, 11, "undefined" },
  };
  for (const Case& c : cases)
    EXPECT_EQ(fittedText(c.value, c.width, c.decimals, c.room), c.text) << c.value;
}

} // namespace
} // namespace trelvix
