#include "model/label.h"
#include "model_fixture.h"
#include "platform/recording_canvas.h"

#include <string>
#include <utility>
#include <vector>

namespace trelvix {
namespace {

using LabelDrawingTest = ModelTest;
using Texts = std::vector<std::pair<std::string, Point>>;

Texts texts(const RecordingCanvas& canvas)
{
  Texts result;
  for (const CanvasOp& op : canvas.ops())
    result.emplace_back(op.text, op.points[0]);
  return result;
}

FontRecord fontOfHeight(std::int16_t height)
{
  FontRecord f = defaultFontRecord();
  f.height = height;
  return f;
}

TEST_F(LabelDrawingTest, FormulaRaisesAndLowersCharacters)
{
  // Height 13: cells 13 x 7, half of the first cell 3. Height -20: cells 20 x 12, half 6.
  constexpr int base = 50 - 13 / 2, sub = 50 - 13 / 6, sup = 50 - 13 * 5 / 6;
  constexpr int base20 = 50 - 20 / 2, sub20 = 50 - 20 / 6;
  struct Case
  {
    std::int16_t height;
    std::int8_t direction;
    std::uint16_t layout;
    std::string text;
    Texts expected;
  };
  const Case cases[] = {
    { 13,
      1,
      tLabel::Forwards,
      "CH4",
      { { "C", { 97, base } }, { "H", { 97 + 7, base } }, { "4", { 97 + 14, sub } } } },
    { 13,
      1,
      tLabel::Forwards,
      "SO4-2",
      { { "S", { 97, base } },
        { "O", { 97 + 7, base } },
        { "4", { 97 + 14, sub } },
        { "-", { 97 + 21, sup } },
        { "2", { 97 + 28, sup } } } },
    { -20,
      1,
      tLabel::Forwards,
      "CH4",
      { { "C", { 94, base20 } }, { "H", { 94 + 12, base20 } }, { "4", { 94 + 24, sub20 } } } },
    // Right to left: each character one cell further left.
    { 13,
      -1,
      tLabel::Forwards,
      "CH4",
      { { "C", { 97, base } }, { "H", { 97 - 7, base } }, { "4", { 97 - 14, sub } } } },
    // Backwards: the last character starts half a cell past the anchor, the others before it.
    { 13,
      1,
      tLabel::Backwards,
      "CH4",
      { { "4", { 103, sub } }, { "H", { 103 - 7, base } }, { "C", { 103 - 14, base } } } },
    // A leading number is a coefficient on the base line; the digits after a letter or a
    // bracket count atoms and sink.
    { 13,
      1,
      tLabel::Forwards,
      "2 O2",
      { { "2", { 97, base } },
        { " ", { 97 + 7, base } },
        { "O", { 97 + 14, base } },
        { "2", { 97 + 21, sub } } } },
    { 13,
      1,
      tLabel::Forwards,
      "2H2O",
      { { "2", { 97, base } },
        { "H", { 97 + 7, base } },
        { "2", { 97 + 14, sub } },
        { "O", { 97 + 21, base } } } },
    { 13,
      1,
      tLabel::Forwards,
      "(CH3)2",
      { { "(", { 97, base } },
        { "C", { 97 + 7, base } },
        { "H", { 97 + 14, base } },
        { "3", { 97 + 21, sub } },
        { ")", { 97 + 28, base } },
        { "2", { 97 + 35, sub } } } },
    { 13, 1, 1, "CH4", {} },
    { 13, 1, tLabel::Forwards, "", {} },
  };
  for (const Case& c : cases) {
    tLabel label(shell.canvas(), c.direction, c.layout, 0, fontOfHeight(c.height), c.text);
    RecordingCanvas canvas;
    label.Formula(canvas, Point{ 100, 50 });
    EXPECT_EQ(texts(canvas), c.expected) << c.text << " height " << c.height;
  }
}

TEST_F(LabelDrawingTest, ExtentCoversTheBaseLineCharacters)
{
  // Height 13: cells 13 x 7; the first cell's middle on the anchor (half a cell, 3, before it),
  // from 13 / 2 above the anchor to (13 + 1) / 2 below it.
  struct Case
  {
    std::int8_t direction;
    std::uint16_t layout;
    std::string text;
    Rect expected;
  };
  const Case cases[] = {
    { 1, tLabel::Forwards, "OH", Rect{ 100 - 3, 50 - 6, 100 - 3 + 2 * 7, 50 + 7 } },
    { -1, tLabel::Forwards, "OH", Rect{ 100 - 3 - 7, 50 - 6, 100 - 3 + 7, 50 + 7 } },
    // Backwards: the last cell starts half a cell past the anchor.
    { 1, tLabel::Backwards, "HO", Rect{ 100 + 3 - 7, 50 - 6, 100 + 3 + 7, 50 + 7 } },
    { 1, tLabel::Forwards, "", Rect{} },
  };
  for (const Case& c : cases) {
    tLabel label(shell.canvas(), c.direction, c.layout, 0, fontOfHeight(13), c.text);
    RecordingCanvas canvas;
    EXPECT_EQ(label.Extent(canvas, Point{ 100, 50 }), c.expected) << c.text;
    EXPECT_TRUE(canvas.ops().empty());
  }
}

TEST_F(LabelDrawingTest, FormulaDrawsInTheLabelFontTopLeftAligned)
{
  tLabel label(shell.canvas(), 1, tLabel::Forwards, 7, fontOfHeight(-20), "OH");
  RecordingCanvas canvas;
  const TextAlign centred{ HAlign::Center, VAlign::Baseline };
  canvas.setTextAlign(centred);
  label.Formula(canvas, Point{ 0, 0 });
  ASSERT_EQ(canvas.ops().size(), 2u);
  EXPECT_EQ(canvas.ops()[0].font.height, -20);
  EXPECT_EQ(canvas.ops()[0].align, (TextAlign{ HAlign::Left, VAlign::Top }));
  EXPECT_EQ(canvas.textAlign(), centred);
  EXPECT_EQ(canvas.font(), defaultFontRecord());
}

TEST_F(LabelDrawingTest, HideFormulaWritesWhiteAndRestoresTheColour)
{
  tLabel label(shell.canvas(), 1, tLabel::Forwards, 0, defaultFontRecord(), "NO2");
  RecordingCanvas canvas;
  canvas.setTextColour(0x0000FF);
  label.HideFormula(canvas, Point{ 10, 10 });
  ASSERT_EQ(canvas.ops().size(), 3u);
  for (const CanvasOp& op : canvas.ops())
    EXPECT_EQ(op.textColour, white);
  EXPECT_EQ(canvas.textColour(), 0x0000FFu);
}

TEST_F(LabelDrawingTest, ShowWritesTheWholeTextAtTheCorner)
{
  tLabel label(shell.canvas(), 1, tLabel::Forwards, 0, defaultFontRecord(), "SO4-2");
  RecordingCanvas canvas;
  label.Show(canvas, Point{ 5, 6 });
  EXPECT_EQ(texts(canvas), (Texts{ { "SO4-2", { 5, 6 } } }));
}

TEST_F(LabelDrawingTest, SingleLettersOutsideTheTextDrawNothing)
{
  tLabel label(shell.canvas(), 1, tLabel::Forwards, 0, defaultFontRecord(), "CO");
  RecordingCanvas canvas;
  label.ShowLtr(canvas, 0, Point{});
  label.ShowLtrHi(canvas, 3, Point{});
  EXPECT_TRUE(canvas.ops().empty());
  label.ShowLtrLo(canvas, 2, Point{ 0, 60 });
  EXPECT_EQ(texts(canvas), (Texts{ { "O", { 0, 60 - 13 / 6 } } }));
}

} // namespace
} // namespace trelvix
