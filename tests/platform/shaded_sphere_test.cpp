#include "platform/recording_canvas.h"
#include "platform/shaded_sphere.h"

#include <gtest/gtest.h>

namespace trelvix {
namespace {

using Kind = CanvasOp::Kind;

TEST(ShadedSphere, ShadedSphereIsFourDiscsMovingUpAndRight)
{
  RecordingCanvas canvas;
  const Pen pen{ PenStyle::Dot, 3, 0x123456 };
  canvas.setPen(pen);
  // Channels: red 0x80 = 128, green and blue 0x40 = 64.
  canvas.shadedSphere(Point{ 100, 100 }, 20, 0x404080);

  struct Disc
  {
    Rect box;
    Colour shade;
  };
  // step = 20 / 5 = 4; disc k: radius 20 - 4k, shift (4k) / 3 right and up.
  const Disc expected[] = {
    { Rect{ 100 - 20, 100 - 20, 100 + 20, 100 + 20 }, 0x343468 }, // 13/16: 104, 52, 52
    { Rect{ 100 - 16 + 1, 100 - 16 - 1, 100 + 16 + 1, 100 + 16 - 1 }, 0x383870 }, // 14/16
    { Rect{ 100 - 12 + 2, 100 - 12 - 2, 100 + 12 + 2, 100 + 12 - 2 }, 0x3C3C78 }, // 15/16
    { Rect{ 100 - 8 + 4, 100 - 8 - 4, 100 + 8 + 4, 100 + 8 - 4 }, 0x404080 },     // 16/16
  };
  ASSERT_EQ(canvas.ops().size(), 4u);
  for (std::size_t k = 0; k < 4; ++k) {
    const CanvasOp& op = canvas.ops()[k];
    EXPECT_EQ(op.kind, Kind::Ellipse) << k;
    EXPECT_EQ(op.rect, expected[k].box) << k;
    EXPECT_EQ(op.brush, (Brush{ BrushStyle::Solid, expected[k].shade })) << k;
    EXPECT_EQ(op.pen.style, k == 0 ? PenStyle::Solid : PenStyle::Clear) << k;
  }
  // Outline of the first disc: three quarters of each channel, 96 and 48.
  EXPECT_EQ(canvas.ops()[0].pen, (Pen{ PenStyle::Solid, 0, 0x303060 }));
  EXPECT_EQ(canvas.pen(), pen);
}

TEST(ShadedSphere, SphereBelowFivePixelsIsAFlatDiscWithGreyOutline)
{
  RecordingCanvas canvas;
  canvas.shadedSphere(Point{ 10, 20 }, 4, 0x0000FF);
  ASSERT_EQ(canvas.ops().size(), 1u);
  EXPECT_EQ(canvas.ops()[0].rect, (Rect{ 10 - 4, 20 - 4, 10 + 4, 20 + 4 }));
  EXPECT_EQ(canvas.ops()[0].brush.colour, 0x0000FFu);
  EXPECT_EQ(canvas.ops()[0].pen, (Pen{ PenStyle::Solid, 0, 0x777777 }));

  canvas.clear();
  canvas.shadedSphere(Point{ 10, 20 }, 5, 0x0000FF); // step 1: shifts 0, 0, 0, 1
  ASSERT_EQ(canvas.ops().size(), 4u);
  EXPECT_EQ(canvas.ops()[3].rect, (Rect{ 10 - 2 + 1, 20 - 2 - 1, 10 + 2 + 1, 20 + 2 - 1 }));
}

TEST(ShadedSphere, ChannelsScaleSeparatelyWithIntegerDivision)
{
  // 0xBBGGRR: red 0x7F = 127, green 0xFF = 255, blue 0x01 = 1.
  EXPECT_EQ(scaleChannels(0x01FF7F, 1, 2), 0x007F3Fu); // 63, 127, 0
  EXPECT_EQ(scaleChannels(0x01FF7F, 3, 4), 0x00BF5Fu); // 95, 191, 0
  EXPECT_EQ(scaleChannels(0xFFFFFF, 16, 16), 0xFFFFFFu);
}

} // namespace
} // namespace trelvix
