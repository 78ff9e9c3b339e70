#include "platform/binary_io.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace trelvix {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(BinaryReader, ReadsEachTypeLittleEndian)
{
  // clang-format off
  BinaryReader in(Bytes{
    0xAB,                                           // u8
    0xFE,                                           // i8 -2
    0x34, 0x12,                                     // u16 0x1234
    0x00, 0x80,                                     // i16 -32768
    0xEF, 0xBE, 0xAD, 0xDE,                         // u32 0xDEADBEEF
    0x00, 0x00, 0x00, 0x80,                         // i32 -2^31
    0x00, 0x00, 0xC0, 0x3F,                         // f32 1.5 = 0x3FC00000
    0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F, // f64 0.1 = 0x3FB999999999999A
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF8, 0xBF, // f64 -1.5 = 0xBFF8000000000000
    0x85, 0, 0, 0, 0, 0x60,                         // 6-byte real 28 = 1.75 * 2^4
    3, 'a', 'b', 'c', 'x',                          // short string of 4, old tail 'x'
  });
  // clang-format on
  EXPECT_EQ(in.u8(), 0xAB);
  EXPECT_EQ(in.i8(), -2);
  EXPECT_EQ(in.u16(), 0x1234);
  EXPECT_EQ(in.i16(), -32768);
  EXPECT_EQ(in.u32(), 0xDEADBEEFu);
  EXPECT_EQ(in.i32(), -2147483647 - 1);
  EXPECT_EQ(in.f32(), 1.5f);
  EXPECT_EQ(in.f64(), 0.1);
  EXPECT_EQ(in.f64(), -1.5);
  EXPECT_EQ(in.real48(), 28.0);
  const ShortString<4> s = in.shortString<4>();
  EXPECT_EQ(s.str(), "abc");
  EXPECT_EQ(s.chars[3], 'x');
  EXPECT_TRUE(in.ok());
  EXPECT_EQ(in.position(), in.size());
  EXPECT_EQ(in.remaining(), 0u);
}

struct ShortRead
{
  const char* name;
  std::size_t width;                         // bytes the read needs
  std::function<double(BinaryReader&)> read; // the value read, as a double
};

const ShortRead shortReads[] = {
  { "u8", 1, [](BinaryReader& in) { return in.u8(); } },
  { "i8", 1, [](BinaryReader& in) { return in.i8(); } },
  { "u16", 2, [](BinaryReader& in) { return in.u16(); } },
  { "i16", 2, [](BinaryReader& in) { return in.i16(); } },
  { "u32", 4, [](BinaryReader& in) { return in.u32(); } },
  { "i32", 4, [](BinaryReader& in) { return in.i32(); } },
  { "f32", 4, [](BinaryReader& in) { return in.f32(); } },
  { "f64", 8, [](BinaryReader& in) { return in.f64(); } },
  { "real48", 6, [](BinaryReader& in) { return in.real48(); } },
  { "shortString<3>", 4, [](BinaryReader& in) { return in.shortString<3>().size() * 1.0; } },
};

TEST(BinaryReader, AReadPastTheEndGivesZeroConsumesNothingAndStaysFailed)
{
  for (const ShortRead& r : shortReads) {
    SCOPED_TRACE(r.name);
    // One byte short, filled so that a partial read could not look like zero.
    BinaryReader in(Bytes(r.width - 1, 0x41));
    EXPECT_EQ(r.read(in), 0.0);
    EXPECT_EQ(in.result(), IoResult::ReadPastEnd);
    EXPECT_EQ(static_cast<int>(in.result()), 100);
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.position(), 0u);
  }
}

TEST(BinaryReader, AfterAFailureEvenReadsThatWouldFitFail)
{
  BinaryReader in(Bytes{ 1, 2, 3 });
  EXPECT_EQ(in.u16(), 0x0201);
  EXPECT_EQ(in.u16(), 0); // one byte left
  for (const ShortRead& r : shortReads) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(r.read(in), 0.0);
  }
  EXPECT_FALSE(in.skip(0));
  std::uint8_t out = 9;
  EXPECT_FALSE(in.bytes(&out, 1));
  EXPECT_EQ(out, 9);
  EXPECT_EQ(in.position(), 2u);
  EXPECT_EQ(in.result(), IoResult::ReadPastEnd);
}

TEST(BinaryReader, RawBytesAndSkipAreBoundsChecked)
{
  BinaryReader in(Bytes{ 10, 20, 30, 40, 50 });
  std::uint8_t out[4] = { 9, 9, 9, 9 };
  EXPECT_TRUE(in.bytes(out, 0));
  EXPECT_TRUE(in.skip(1));
  EXPECT_TRUE(in.bytes(out, 2));
  EXPECT_EQ(out[0], 20);
  EXPECT_EQ(out[1], 30);
  EXPECT_EQ(in.remaining(), 2u);

  const std::uint8_t before[4] = { 20, 30, 9, 9 };
  EXPECT_FALSE(in.bytes(out, 3));                // two remain
  EXPECT_TRUE(std::equal(out, out + 4, before)); // nothing copied, not even the two there
  EXPECT_EQ(in.position(), 3u);
  EXPECT_FALSE(in.ok());

  BinaryReader other(Bytes{ 1, 2 });
  EXPECT_FALSE(other.skip(3));
  EXPECT_EQ(other.position(), 0u);
  EXPECT_EQ(other.result(), IoResult::ReadPastEnd);
}

TEST(BinaryReader, AnEmptyReaderFailsItsFirstRead)
{
  BinaryReader in;
  EXPECT_TRUE(in.ok());
  EXPECT_EQ(in.size(), 0u);
  EXPECT_EQ(in.u8(), 0);
  EXPECT_EQ(in.result(), IoResult::ReadPastEnd);
}

TEST(BinaryWriter, WritesEachTypeLittleEndian)
{
  BinaryWriter out;
  out.u8(0xAB);
  out.i8(-2);
  out.u16(0x1234);
  out.i16(-32768);
  out.u32(0xDEADBEEF);
  out.i32(-2);
  out.f32(1.5f);
  out.f64(-1.5);
  out.real48(28.0);
  out.shortString(ShortString<3>("hello"));
  out.bytes("AB", 2);
  out.zeros(2);
  // clang-format off
  const Bytes expected{
    0xAB, 0xFE, 0x34, 0x12, 0x00, 0x80,
    0xEF, 0xBE, 0xAD, 0xDE,
    0xFE, 0xFF, 0xFF, 0xFF,
    0x00, 0x00, 0xC0, 0x3F,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF8, 0xBF,
    0x85, 0, 0, 0, 0, 0x60,
    3, 'h', 'e', 'l',
    'A', 'B', 0, 0,
  };
  // clang-format on
  EXPECT_EQ(out.data(), expected);
  EXPECT_EQ(out.size(), expected.size());
  EXPECT_TRUE(out.ok());
}

TEST(BinaryWriter, AShortStringIsWrittenWithItsTail)
{
  ShortString<5> s("abcde");
  s.assign("xy");
  BinaryWriter out;
  out.shortString(s);
  EXPECT_EQ(out.data(), (Bytes{ 2, 'x', 'y', 'c', 'd', 'e' }));
  BinaryReader in(out.data());
  EXPECT_EQ(in.shortString<5>(), s);
}

TEST(BinaryWriter, ARealOutsideTheFormatIsAnErrorAndSixZeroBytes)
{
  const double refused[] = {
    1e300, -0x1p127, std::numeric_limits<double>::infinity(), std::nan("")
  };
  for (const double v : refused) {
    SCOPED_TRACE(v);
    BinaryWriter out;
    out.real48(v);
    out.u8(7);
    out.real48(1.0); // a good value later does not clear the error
    EXPECT_EQ(out.result(), IoResult::FloatOverflow);
    EXPECT_EQ(static_cast<int>(out.result()), 205);
    EXPECT_EQ(out.data(), (Bytes{ 0, 0, 0, 0, 0, 0, 7, 0x81, 0, 0, 0, 0, 0 }));
  }
}

TEST(BinaryWriter, WhatItWritesTheReaderReadsBack)
{
  BinaryWriter out;
  out.u8(255);
  out.i8(-128);
  out.u16(65535);
  out.i16(-1);
  out.u32(4294967295u);
  out.i32(-70000);
  out.f32(-0.0f);
  out.f64(0.1);
  out.real48(-0.375);
  out.shortString(ShortString<3>("hello"));
  ASSERT_TRUE(out.ok());
  BinaryReader in(out.data());
  EXPECT_EQ(in.u8(), 255);
  EXPECT_EQ(in.i8(), -128);
  EXPECT_EQ(in.u16(), 65535);
  EXPECT_EQ(in.i16(), -1);
  EXPECT_EQ(in.u32(), 4294967295u);
  EXPECT_EQ(in.i32(), -70000);
  const float negativeZero = in.f32();
  EXPECT_EQ(negativeZero, 0.0f);
  EXPECT_TRUE(std::signbit(negativeZero));
  EXPECT_EQ(in.f64(), 0.1);
  EXPECT_EQ(in.real48(), -0.375);
  EXPECT_EQ(in.shortString<3>().str(), "hel");
  EXPECT_TRUE(in.ok());
  EXPECT_EQ(in.remaining(), 0u);
}

} // namespace
} // namespace trelvix
