#include "platform/short_string.h"

#include <gtest/gtest.h>

namespace trelvix {
namespace {

TEST(ShortString, KeepsAtMostItsCapacity)
{
  const struct
  {
    const char* text;
    const char* kept;
    std::uint8_t length;
  } cases[] = {
    { "", "", 0 },          { "ab", "ab", 2 },         { "abcd", "abcd", 4 },
    { "abcde", "abcd", 4 }, { "abcdefgh", "abcd", 4 },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const ShortString<4> s(c.text);
    EXPECT_EQ(s.length, c.length);
    EXPECT_EQ(s.size(), c.length);
    EXPECT_EQ(s.str(), c.kept);
    EXPECT_EQ(s.empty(), c.length == 0);
  }
}

TEST(ShortString, AShorterAssignmentKeepsTheOldTail)
{
  ShortString<6> s("abcdef");
  s.assign("xy");
  EXPECT_EQ(s.str(), "xy");
  EXPECT_EQ(s.length, 2);
  EXPECT_EQ(std::string(s.chars.data(), 6), "xycdef");
  // The tail is part of the stored bytes, so it takes part in comparison.
  EXPECT_FALSE(s == ShortString<6>("xy"));
}

TEST(ShortString, ADamagedLengthReadsAsTheCapacity)
{
  ShortString<4> s("abcd");
  s.length = 200;
  EXPECT_EQ(s.size(), 4u);
  EXPECT_EQ(s.str(), "abcd");
  EXPECT_FALSE(s.empty());
}

} // namespace
} // namespace trelvix
