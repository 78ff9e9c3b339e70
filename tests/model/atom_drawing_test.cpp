#include "model/atom.h"
#include "model/element_colours.h"
#include "model_fixture.h"
#include "platform/recording_canvas.h"

#include <vector>

namespace trelvix {
namespace {

using AtomDrawingTest = ModelTest;
using Kind = CanvasOp::Kind;

// The default font is 13 pixels high: the recording canvas's cell is 13 high and 13 * 3 / 5 = 7
// wide.
constexpr int cellH = 13;
constexpr int cellW = 13 * 3 / 5;

TEST_F(AtomDrawingTest, RadiiFollowScaleElementAndDepth)
{
  struct Case
  {
    int element;
    std::uint16_t scale;
    double z3;
    double factor;
    int iRadius;
    int drawn;
  };
  const Case cases[] = {
    { 1, 153, 0, 1.1, 30, 39 },    // hydrogen: 153 * 30 / 153; 30 * 1.3
    { 1, 153, 0, 0.7, 30, 39 },    // hydrogen ignores the factor
    { 1, 28, 0, 1.1, 5, 7 },       // 28 * 30 / 153 = 5.49; 5 * 1.3 = 6.5
    { 0, 153, 0, 1.1, 50, 55 },    // radius 0 below 0.5: 153 * 50 / 153
    { 11, 153, 0, 1.1, 150, 165 }, // sodium 1.86 above 1.5: 153 * 150 / 153
    { 6, 153, 0, 1.1, 77, 85 },    // 0.77 * 153 / 1.53; 77 * 1.1 = 84.7
    { 6, 28, 0, 0.7, 14, 10 },     // 0.77 * 28 / 1.53 = 14.09; 14 * 0.7 = 9.8
    { 6, 28, 100, 1.1, 14, 17 },   // (14 + 14 * 0.03 * 100 / 28) * 1.1 = 17.05
    { 6, 28, -280, 1.1, 14, 11 },  // (14 - 14 * 0.03 * 10) * 1.1 = 10.78
  };
  for (const Case& c : cases) {
    modelDefaults().BondScalePixels = c.scale;
    tXY atom(c.element, 0, 0, 0);
    atom.setRXYZ(0, 0, c.z3);
    EXPECT_EQ(atom.iRadius(), c.iRadius) << c.element << " at " << c.scale;
    EXPECT_EQ(atom.perspectiveRadius(c.factor), c.drawn) << c.element << " z " << c.z3;
  }
}

TEST_F(AtomDrawingTest, ElementColoursComeFromTheTable)
{
  struct Case
  {
    int z;
    Colour colour;
  };
  const Case cases[] = { { 1, 0xBFFFFF },  { 6, 0x7F7F7F },  { 7, 0xFF0000 },  { 8, 0x0000FF },
                         { 33, 0x3F3F7F }, { 54, 0xFFFFFF }, { 79, 0x3FAFAF }, { 85, 0x7F3F7F },
                         { 11, 0xBFBFBF }, { 0, 0xBFBFBF },  { 200, 0xBFBFBF } };
  for (const Case& c : cases)
    EXPECT_EQ(elementColour(c.z), c.colour) << c.z;
}

TEST_F(AtomDrawingTest, FigureStylesDrawInElementColourOrWhite)
{
  // Oxygen at scale 28: 0.66 * 28 / 1.53 = 12.08 -> 12, drawn round(12 * 1.1) = 13.
  const Rect box{ 50 - 13, 60 - 13, 50 + 13, 60 + 13 };
  struct Case
  {
    std::uint8_t style;
    Brush brush;
    Pen pen;
    std::size_t ops;
  };
  const Case cases[] = {
    { 9, { BrushStyle::Solid, 0x0000FF }, { PenStyle::Solid, 0, 0x00007F }, 1 }, // half of 255
    { 6, { BrushStyle::Solid, 0x0000FF }, { PenStyle::Solid, 0, 0x777777 }, 1 },
    { 7, { BrushStyle::Solid, 0xFFFFFF }, { PenStyle::Solid, 0, 0x777777 }, 1 },
    { 10, { BrushStyle::Solid, 0x0000CF }, { PenStyle::Solid, 0, 0x0000BF }, 4 }, // 255*13/16
    { 16, { BrushStyle::Solid, 0xCFCFCF }, { PenStyle::Solid, 0, 0xBFBFBF }, 4 },
  };
  for (const Case& c : cases) {
    tXY oxygen(8, 50, 60, 0);
    oxygen.setstyle(c.style);
    RecordingCanvas canvas;
    oxygen.print(canvas);
    ASSERT_EQ(canvas.ops().size(), c.ops) << int(c.style);
    EXPECT_EQ(canvas.ops()[0].rect, box) << int(c.style);
    EXPECT_EQ(canvas.ops()[0].brush, c.brush) << int(c.style);
    EXPECT_EQ(canvas.ops()[0].pen, c.pen) << int(c.style);
  }
}

TEST_F(AtomDrawingTest, BallWithSymbolLeavesOutCarbon)
{
  RecordingCanvas canvas;
  tXY carbon(6, 50, 60, 0);
  carbon.setstyle(4);
  carbon.print(canvas);
  ASSERT_EQ(canvas.ops().size(), 1u);
  EXPECT_EQ(canvas.ops()[0].kind, Kind::Ellipse);
  EXPECT_EQ(canvas.ops()[0].brush.colour, 0x7F7F7Fu);

  canvas.clear();
  tXY nitrogen(7, 50, 60, 0);
  nitrogen.setstyle(4);
  nitrogen.print(canvas);
  ASSERT_EQ(canvas.ops().size(), 2u);
  // 0.7 * 28 / 1.53 = 12.81 -> 13; round(13 * 1.1) = 14.
  EXPECT_EQ(canvas.ops()[0].rect, (Rect{ 50 - 14, 60 - 14, 50 + 14, 60 + 14 }));
  EXPECT_EQ(canvas.ops()[0].brush.colour, 0xFF0000u);
  EXPECT_EQ(canvas.ops()[1].kind, Kind::Text);
  EXPECT_EQ(canvas.ops()[1].text, "N");
  EXPECT_EQ(canvas.ops()[1].points[0], (Point{ 50 - cellW / 2, 60 - cellH / 2 }));
}

TEST_F(AtomDrawingTest, BondsOnlyStylesDrawNothing)
{
  for (std::uint8_t style : { 3, 12, 13, 19, 255 }) {
    RecordingCanvas canvas;
    tXY oxygen(8, 0, 0, 0);
    oxygen.setstyle(style);
    oxygen.print(canvas);
    EXPECT_TRUE(canvas.ops().empty()) << int(style);
  }
}

TEST_F(AtomDrawingTest, SymbolTextIsAlignedBySide)
{
  struct Case
  {
    std::uint8_t shift;
    HAlign align;
  };
  for (const Case c : { Case{ 0, HAlign::Left }, Case{ 2, HAlign::Right } }) {
    RecordingCanvas canvas;
    tXY nitrogen(7, 100, 50, 0);
    nitrogen.setstyle(5);
    nitrogen.shiftFlag = c.shift;
    nitrogen.colour = 0x00AA00;
    nitrogen.print(canvas);
    ASSERT_EQ(canvas.ops().size(), 1u);
    const CanvasOp& op = canvas.ops()[0];
    EXPECT_EQ(op.text, "N");
    EXPECT_EQ(op.points[0], (Point{ 100, 50 - cellH / 2 }));
    EXPECT_EQ(op.align.horizontal, c.align);
    EXPECT_EQ(op.textColour, 0x00AA00u);
  }
}

std::vector<std::pair<std::string, Point>> texts(const RecordingCanvas& canvas)
{
  std::vector<std::pair<std::string, Point>> result;
  for (const CanvasOp& op : canvas.ops())
    if (op.kind == Kind::Text)
      result.emplace_back(op.text, op.points[0]);
  return result;
}

TEST_F(AtomDrawingTest, SymbolWithHydrogensKeepsTheSymbolOnTheAtom)
{
  using Texts = std::vector<std::pair<std::string, Point>>;
  // Base line at 50 - 13 / 2 = 44, subscript at 50 - 13 / 6 = 48.
  struct Case
  {
    std::uint8_t shift;
    Texts expected;
  };
  const Case cases[] = {
    { 0,
      { { "N", { 100 - 3, 44 } },
        { "H", { 100 - 3 + cellW, 44 } },
        { "3", { 100 - 3 + 2 * cellW, 48 } } } },
    // H3N: the anchor moves left by the width of "H3" so that N stays centred on the atom.
    { 2,
      { { "H", { 100 - 3 - 2 * cellW, 44 } },
        { "3", { 100 - 3 - cellW, 48 } },
        { "N", { 100 - 3, 44 } } } },
  };
  for (const Case& c : cases) {
    RecordingCanvas canvas;
    tXY nitrogen(7, 100, 50, 0); // free valence 6: three hydrogens
    nitrogen.setstyle(2);
    nitrogen.shiftFlag = c.shift;
    nitrogen.print(canvas);
    EXPECT_EQ(texts(canvas), c.expected) << int(c.shift);
  }
}

TEST_F(AtomDrawingTest, SymbolWithChargeIsAFormula)
{
  FontRecord big = defaultFontRecord();
  big.height = -20;
  shell.canvas().setFont(big);
  RecordingCanvas canvas;
  tXY nitrogen(7, 100, 50, 0);
  nitrogen.setstyle(1);
  nitrogen.setcharge(1);
  nitrogen.print(canvas);
  // Superscripts at 50 - 13 * 5 / 6 = 40.
  const std::vector<std::pair<std::string, Point>> expected{ { "N", { 100 - 3, 44 } },
                                                             { "+", { 100 - 3 + cellW, 40 } },
                                                             { "1", { 100 - 3 + 2 * cellW, 40 } } };
  EXPECT_EQ(texts(canvas), expected);
  // The label borrowed the main canvas to measure with; its font is given back.
  EXPECT_EQ(shell.canvas().font(), big);
}

TEST_F(AtomDrawingTest, SkeletalAtomShowsChargeAndNumberOfCarbon)
{
  RecordingCanvas canvas;
  tXY carbon(6, 100, 50, 0);
  carbon.setcharge(-1);
  carbon.atomNumber = 5;
  carbon.print(canvas);
  // Charge: left edge at x + 7 / 2, top at y - 13. Number at 13 * 7 / 10 = 9 pixels high:
  // after "C" (7 wide, its first half 3) at x + 7 - 3, its bottom at y.
  const std::vector<std::pair<std::string, Point>> expected{
    { "-1", { 100 + cellW / 2, 50 - cellH } }, { "5", { 100 + cellW - cellW / 2, 50 - 9 } }
  };
  EXPECT_EQ(texts(canvas), expected);
  EXPECT_EQ(canvas.ops()[1].font.height, 9);
}

TEST_F(AtomDrawingTest, HideAndHighlightDrawOnTheMainCanvas)
{
  tXY nitrogen(7, 100, 50, 0);
  nitrogen.setstyle(5);
  nitrogen.colour = 0x112233;
  nitrogen.hide();
  nitrogen.highlight();
  const auto& ops = shell.canvas().ops();
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].textColour, 0xFFFFFFu);
  EXPECT_EQ(ops[1].textColour, 0x0000FFu);
  EXPECT_EQ(nitrogen.colour, 0x0000FFu);
  EXPECT_EQ(nitrogen.canvas, &shell.canvas());
}

TEST_F(AtomDrawingTest, PrintLeavesTheCanvasStateAlone)
{
  RecordingCanvas canvas;
  const Pen pen{ PenStyle::Dash, 2, 0x010203 };
  const Brush brush{ BrushStyle::Clear, 0x040506 };
  canvas.setPen(pen);
  canvas.setBrush(brush);
  for (std::uint8_t style : { 1, 4, 5, 10 }) {
    tXY sulfur(16, 0, 0, 0);
    sulfur.setstyle(style);
    sulfur.print(canvas);
    EXPECT_EQ(canvas.pen(), pen);
    EXPECT_EQ(canvas.brush(), brush);
    EXPECT_EQ(canvas.textColour(), black);
  }
}

} // namespace
} // namespace trelvix
