#include "platform/recording_canvas.h"

#include <functional>
#include <gtest/gtest.h>

namespace trelvix {
namespace {

using Points = std::vector<Point>;

TEST(RecordingCanvas, KeepsEachCallWithItsGeometry)
{
  const Point triangle[] = { { 0, 0 }, { 10, 0 }, { 5, 8 } };
  const struct
  {
    const char* name;
    std::function<void(Canvas&)> draw;
    CanvasOp::Kind kind;
    Points points;
    Rect rect;
    std::string text;
  } cases[] = {
    { "line",
      [](Canvas& c) {
        c.line({ 1, 2 }, { 3, 4 });
      },
      CanvasOp::Kind::Line,
      { { 1, 2 }, { 3, 4 } },
      {},
      "" },
    { "polyline",
      [&](Canvas& c) { c.polyline(triangle); },
      CanvasOp::Kind::Polyline,
      { { 0, 0 }, { 10, 0 }, { 5, 8 } },
      {},
      "" },
    { "polygon",
      [&](Canvas& c) { c.polygon(triangle); },
      CanvasOp::Kind::Polygon,
      { { 0, 0 }, { 10, 0 }, { 5, 8 } },
      {},
      "" },
    { "ellipse",
      [](Canvas& c) {
        c.ellipse({ -5, -6, 7, 8 });
      },
      CanvasOp::Kind::Ellipse,
      {},
      { -5, -6, 7, 8 },
      "" },
    { "fillRect",
      [](Canvas& c) {
        c.fillRect({ 1, 2, 30, 40 });
      },
      CanvasOp::Kind::FillRect,
      {},
      { 1, 2, 30, 40 },
      "" },
    { "text",
      [](Canvas& c) {
        c.text({ 7, 9 }, "CH4");
      },
      CanvasOp::Kind::Text,
      { { 7, 9 } },
      {},
      "CH4" },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingCanvas canvas;
    c.draw(canvas);
    ASSERT_EQ(canvas.ops().size(), 1u);
    const CanvasOp& op = canvas.ops()[0];
    EXPECT_EQ(op.kind, c.kind);
    EXPECT_EQ(op.points, c.points);
    EXPECT_EQ(op.rect, c.rect);
    EXPECT_EQ(op.text, c.text);
  }
}

TEST(RecordingCanvas, EachCallKeepsTheStateItWasDrawnIn)
{
  RecordingCanvas canvas;
  canvas.line({ 0, 0 }, { 1, 1 }); // the initial state
  const Pen pen{ PenStyle::Dash, 2, 0x0000FF };
  const Brush brush{ BrushStyle::Clear, 0x00FF00 };
  FontRecord font = defaultFontRecord();
  font.height = -20;
  font.setFace("Symbol");
  const TextAlign align{ HAlign::Center, VAlign::Baseline };
  canvas.setPen(pen);
  canvas.setBrush(brush);
  canvas.setFont(font);
  canvas.setTextColour(0x123456);
  canvas.setTextAlign(align);
  canvas.setRasterMode(RasterMode::NotXor);
  canvas.text({ 5, 5 }, "a");
  canvas.setRasterMode(RasterMode::Copy); // later changes leave recorded calls alone
  canvas.setPen(Pen{});

  const auto& ops = canvas.ops();
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].pen, Pen{});
  EXPECT_EQ(ops[0].brush, Brush{});
  EXPECT_EQ(ops[0].font, defaultFontRecord());
  EXPECT_EQ(ops[0].textColour, black);
  EXPECT_EQ(ops[0].align, TextAlign{});
  EXPECT_EQ(ops[0].rasterMode, RasterMode::Copy);

  EXPECT_EQ(ops[1].pen, pen);
  EXPECT_EQ(ops[1].brush, brush);
  EXPECT_EQ(ops[1].font, font);
  EXPECT_EQ(ops[1].textColour, 0x123456u);
  EXPECT_EQ(ops[1].align, align);
  EXPECT_EQ(ops[1].rasterMode, RasterMode::NotXor);

  canvas.clear();
  EXPECT_TRUE(canvas.ops().empty());
}

TEST(RecordingCanvas, TextMetricIsAFixedCell)
{
  const struct
  {
    std::int16_t height;
    const char* text;
    int cellHeight;
    int cellWidth;
  } cases[] = {
    { 13, "CH4", 13, 13 * 3 / 5 },         // 7 wide
    { -20, "Cl", 20, 20 * 3 / 5 },         // a character height counts by its size
    { 0, "", 13, 13 * 3 / 5 },             // no height: the 13-pixel cell
    { 10, "OH", 10, 10 * 3 / 5 },          // 6 wide
    { 1, "abc", 1, 0 },                    // 3 / 5 rounds down to nothing
    { -32768, "x", 32768, 32768 * 3 / 5 }, // the most negative height has a size too
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.height);
    FontRecord font = defaultFontRecord();
    font.height = c.height;
    EXPECT_EQ(RecordingCanvas::cellHeight(font), c.cellHeight);
    EXPECT_EQ(RecordingCanvas::cellWidth(font), c.cellWidth);
    RecordingCanvas canvas;
    canvas.setFont(font);
    const auto n = static_cast<std::int32_t>(std::string_view(c.text).size());
    EXPECT_EQ(canvas.textExtent(c.text), (TextExtent{ n * c.cellWidth, c.cellHeight }));
  }
  EXPECT_TRUE(RecordingCanvas().ops().empty()); // a query draws nothing
}

} // namespace
} // namespace trelvix
