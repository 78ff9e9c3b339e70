#include "platform/font_record.h"
#include "sample_font.h"

#include <gtest/gtest.h>
#include <string>

namespace trelvix {
namespace {

using Packed = std::array<std::uint8_t, FontRecord::packedSize>;

// A packed record from its leading bytes; the rest of the 50 are zero.
Packed packed(std::initializer_list<std::uint8_t> head)
{
  Packed b{};
  std::copy(head.begin(), head.end(), b.begin());
  return b;
}

FontRecord boldArial()
{
  return sampleFont(-13, 0x0102, -1, "Arial");
}

// clang-format off
const Packed boldArialBytes = packed({
  0xF3, 0xFF, // height -13 = 0xFFF3
  0x02, 0x01, // width 0x0102
  0x84, 0x03, // escapement 900 = 0x0384
  0xFF, 0xFF, // orientation -1
  0xBC, 0x02, // weight 700 = 0x02BC
  1, 2, 3, 4, 5, 6, 7, 8, // italic .. pitchAndFamily, offsets 10..17
  'A', 'r', 'i', 'a', 'l', // face from offset 18
});

const Packed defaultBytes = packed({
  13, 0, 0, 0, 0, 0, 0, 0, // height 13, width, escapement, orientation 0
  0x90, 0x01,              // weight 400 = 0x0190
  0, 0, 0, 0, 0, 0, 2, 2,  // quality 2, pitchAndFamily 2
  'M', 'S', ' ', 'S', 'a', 'n', 's', ' ', 'S', 'e', 'r', 'i', 'f',
});
// clang-format on

TEST(FontRecord, PacksAndUnpacksFieldByFieldLittleEndian)
{
  const struct
  {
    const char* name;
    FontRecord record;
    Packed bytes;
  } cases[] = {
    { "bold Arial", boldArial(), boldArialBytes },
    { "default", defaultFontRecord(), defaultBytes },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.record.pack(), c.bytes);
    EXPECT_EQ(FontRecord::unpack(c.bytes), c.record);
  }
}

TEST(FontRecord, DefaultIsMsSansSerifThirteenPixelsHigh)
{
  const FontRecord d = defaultFontRecord();
  EXPECT_EQ(d.height, 13);
  EXPECT_EQ(d.width, 0);
  EXPECT_EQ(d.escapement, 0);
  EXPECT_EQ(d.orientation, 0);
  EXPECT_EQ(d.weight, 400);
  EXPECT_EQ(d.italic + d.underline + d.strikeOut + d.charSet + d.outPrecision + d.clipPrecision, 0);
  EXPECT_EQ(d.quality, 2);
  EXPECT_EQ(d.pitchAndFamily, 2);
  EXPECT_EQ(d.face(), "MS Sans Serif");
}

TEST(FontRecord, FaceNameHoldsUpToThirtyTwoCharacters)
{
  const std::string face31 = "Thirty One Characters Face Name";
  const std::string face32 = face31 + "!";
  ASSERT_EQ(face31.size(), 31u);
  const struct
  {
    std::string name;
    std::string face;      // what face() gives
    std::uint8_t lastByte; // offset 49, the last face byte
  } cases[] = {
    { "", "", 0 },
    { face31, face31, 0 },            // a terminating zero still fits
    { face32, face32, '!' },          // all 32 used, no terminator
    { face32 + "more", face32, '!' }, // cut at 32
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FontRecord f;
    f.setFace(c.name);
    EXPECT_EQ(f.face(), c.face);
    const Packed b = f.pack();
    for (std::size_t i = 0; i < c.face.size(); ++i)
      EXPECT_EQ(b[18 + i], static_cast<std::uint8_t>(c.face[i])) << i;
    EXPECT_EQ(b[49], c.lastByte);
    const FontRecord back = FontRecord::unpack(b);
    EXPECT_EQ(back, f);
    EXPECT_EQ(back.face(), c.face);
  }
}

TEST(FontRecord, SetFaceClearsTheOldTail)
{
  FontRecord f;
  f.setFace("Thirty Two Characters Face Name!");
  f.setFace("Sym");
  EXPECT_EQ(f.face(), "Sym");
  for (std::size_t i = 3; i < FontRecord::faceSize; ++i)
    EXPECT_EQ(f.faceName[i], '\0') << i;
}

TEST(FontRecord, BytesAfterTheTerminatorAreKeptButNotPartOfTheFace)
{
  Packed b = defaultBytes;
  b[18 + 2] = 0;    // "MS" then a zero
  b[18 + 20] = 'x'; // stale byte further on, as older files carry
  const FontRecord f = FontRecord::unpack(b);
  EXPECT_EQ(f.face(), "MS");
  EXPECT_EQ(f.pack(), b);
}

} // namespace
} // namespace trelvix
