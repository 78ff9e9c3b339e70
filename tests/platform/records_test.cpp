#include "platform/checked.h"
#include "platform/font_record.h"
#include "platform/short_string.h"

#include <gtest/gtest.h>

namespace trelvix {
namespace {

TEST(FontRecord, PacksFieldByField)
{
  FontRecord f;
  f.height = -13;
  f.width = 0x0102;
  f.escapement = 900;
  f.orientation = -1;
  f.weight = 700;
  f.italic = 1;
  f.underline = 2;
  f.strikeOut = 3;
  f.charSet = 4;
  f.outPrecision = 5;
  f.clipPrecision = 6;
  f.quality = 7;
  f.pitchAndFamily = 8;
  f.setFace("Arial");
  const auto b = f.pack();
  const std::uint8_t head[23] = { 0xF3, 0xFF, 0x02, 0x01, 0x84, 0x03, 0xFF, 0xFF, 0xBC, 0x02, 1,  2,
                                  3,    4,    5,    6,    7,    8,    'A',  'r',  'i',  'a',  'l' };
  for (std::size_t i = 0; i < sizeof head; ++i)
    EXPECT_EQ(b[i], head[i]) << i;
  for (std::size_t i = 23; i < 50; ++i)
    EXPECT_EQ(b[i], 0) << i;
  EXPECT_EQ(FontRecord::unpack(b), f);
}

TEST(FontRecord, FaceNamesUpToThirtyTwoCharacters)
{
  const std::string face31 = "Thirty One Characters Face Name";
  const std::string face32 = face31 + "!";
  const std::string face40 = face32 + "overflow";
  for (const std::string& name : { face31, face32, face40 }) {
    FontRecord f;
    f.setFace(name);
    EXPECT_EQ(FontRecord::unpack(f.pack()).face(), name.substr(0, 32));
  }
  FontRecord f;
  f.setFace(face32);
  f.setFace("Sym");
  EXPECT_EQ(f.face(), "Sym"); // the old tail is cleared
  const FontRecord d = defaultFontRecord();
  EXPECT_EQ(d.face(), "MS Sans Serif");
  EXPECT_EQ(d.height, 13);
  EXPECT_EQ(d.weight, 400);
  EXPECT_EQ(d.quality, 2);
  EXPECT_EQ(d.pitchAndFamily, 2);
}

TEST(ShortString, KeepsAtMostItsCapacityAndItsTail)
{
  ShortString<4> s("abcdef");
  EXPECT_EQ(s.str(), "abcd");
  s.assign("xy");
  EXPECT_EQ(s.str(), "xy");
  EXPECT_EQ(s.chars[2], 'c');
  s.length = 200; // a damaged length byte
  EXPECT_EQ(s.str(), "xycd");
}

TEST(CheckedArithmetic, NarrowFieldsOverflowAtTheirBounds)
{
  std::int8_t i8 = 127;
  EXPECT_THROW(checkedAdd(i8, 1), OverflowError);
  EXPECT_EQ(i8, 127);
  EXPECT_EQ(checkedAdd(i8, -255), -128);
  EXPECT_THROW(checkedAdd(i8, -1), OverflowError);

  std::uint8_t u8 = 0;
  EXPECT_THROW(checkedAdd(u8, -1), OverflowError);
  EXPECT_EQ(checkedAdd(u8, 255), 255);
  EXPECT_THROW(checkedAdd(u8, 1), OverflowError);

  std::int16_t i16 = 32767;
  EXPECT_THROW(checkedAdd(i16, 1), OverflowError);
  EXPECT_EQ(checkedAdd(i16, -65535), -32768);

  std::uint16_t u16 = 65535;
  EXPECT_THROW(checkedAdd(u16, 1), OverflowError);
  EXPECT_EQ(checkedNarrow<std::uint16_t>(0), 0);
  EXPECT_THROW(checkedNarrow<std::uint16_t>(-1), OverflowError);
  EXPECT_THROW(checkedNarrow<std::int16_t>(40000), OverflowError);
}

} // namespace
} // namespace trelvix
