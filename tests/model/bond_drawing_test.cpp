#include "model/atom.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/element_colours.h"
#include "model/link.h"
#include "model_fixture.h"
#include "platform/recording_canvas.h"

#include <utility>
#include <vector>

namespace trelvix {
namespace {

using Kind = CanvasOp::Kind;
using Segment = std::pair<Point, Point>;

/// Two atoms 28 pixels apart on a horizontal line and a bond between them.
class BondDrawingTest : public ModelTest
{
protected:
  tXY left{ 6, 0, 0, 0 };
  tXY right{ 6, 28, 0, 0 };
  RecordingCanvas canvas;

  std::vector<Segment> lines() const
  {
    std::vector<Segment> result;
    for (const CanvasOp& op : canvas.ops())
      if (op.kind == Kind::Line)
        result.emplace_back(op.points[0], op.points[1]);
    return result;
  }
};

TEST_F(BondDrawingTest, LinesOfEachTypeAndStyle)
{
  struct Case
  {
    BondCode type;
    std::int8_t lineStyle;
    std::int8_t cisTrans;
    Point offset;
    std::vector<Segment> expected;
  };
  // The line between the atoms, and the same line moved by dy pixels.
  const auto at = [](int dy) { return Segment{ { 0, dy }, { 28, dy } }; };
  const Case cases[] = {
    { SingleBond, 1, 1, {}, { at(0) } },
    { SingleBond, 0, 1, {}, { at(0) } },
    { HydrogenBond, 0, 1, {}, { at(0) } },
    // Double bond: the second line on the cis/trans side of the offset.
    { DoubleBond, 1, 1, { 0, 4 }, { at(0), at(4) } },
    { DoubleBond, 1, -1, { 0, 4 }, { at(0), at(-4) } },
    // Centred double bond: half the offset to each side, the sign ignored.
    { DoubleBond, 4, -1, { 0, 4 }, { at(4 / 2), at(-4 / 2) } },
    // A wedge's style left on a bond made double still draws both lines.
    { DoubleBond, 2, 1, { 0, 4 }, { at(0), at(4) } },
    { TripleBond, 1, 1, { 0, 3 }, { at(0), at(3), at(-3) } },
    { TripleBond, 1, -1, { 0, 3 }, { at(0), at(-3), at(3) } },
    // The centred triple bond (style 4) ignores the cis/trans sign.
    { TripleBond, 4, -1, { 0, 3 }, { at(0), at(3), at(-3) } },
  };
  for (const Case& c : cases) {
    tLink bond(&left, &right);
    bond.Change(c.type);
    bond.lineStyle = c.lineStyle;
    bond.cisTrans = c.cisTrans;
    bond.offsetX = static_cast<std::int16_t>(c.offset.x);
    bond.offsetY = static_cast<std::int16_t>(c.offset.y);
    canvas.clear();
    bond.print(canvas);
    EXPECT_EQ(lines(), c.expected) << int(c.type) << " style " << int(c.lineStyle);
    EXPECT_EQ(canvas.ops().size(), c.expected.size());
  }
}

TEST_F(BondDrawingTest, PenHasTheBondsWidthAndColour)
{
  tLink bond(&left, &right);
  bond.ssingle();
  bond.penWidth = 3;
  bond.colour = 0x00FF00;
  const Pen before{ PenStyle::Dot, 1, 0x123456 };
  canvas.setPen(before);
  bond.print(canvas);
  ASSERT_EQ(canvas.ops().size(), 1u);
  EXPECT_EQ(canvas.ops()[0].pen, (Pen{ PenStyle::Solid, 3, 0x00FF00 }));
  EXPECT_EQ(canvas.pen(), before);
}

// Coloured by element, a C–S bond is two halves: carbon's black, then sulfur's ink. Sulfur's
// colour 0x00BFBF (red 191, green 191) has a luminance of (0.299 + 0.587) × 191 / 255 = 0.664,
// above the 0.45 that reads on white: both channels become 191 × 0.45 / 0.664 = 129.5 → 130.
TEST_F(BondDrawingTest, ColouredByElementEachHalfTakesItsAtomsInk)
{
  tXY sulfur{ 16, 28, 0, 0 };
  tLink bond(&left, &sulfur);
  bond.ssingle();
  bond.print(canvas);
  ASSERT_EQ(lines().size(), 1u); // black and whole by default
  EXPECT_EQ(canvas.ops()[0].pen.colour, black);
  canvas.clear();

  modelDefaults().ElementColours = true;
  EXPECT_EQ(elementInk(16), 0x008282u);
  bond.print(canvas);
  const std::vector<Segment> halves = lines();
  ASSERT_EQ(halves.size(), 2u);
  EXPECT_EQ(halves[0].first, (Point{ 0, 0 }));
  EXPECT_EQ(halves[0].second, halves[1].first);
  EXPECT_EQ(canvas.ops()[0].pen.colour, black);
  EXPECT_EQ(canvas.ops()[1].pen.colour, 0x008282u);
  // Oxygen's red (luminance 0.299) reads as it is; hydrogen and carbon write black.
  EXPECT_EQ(elementInk(8), 0x0000FFu);
  EXPECT_EQ(elementInk(1), black);
  EXPECT_EQ(elementInk(6), black);
  // A highlighted bond keeps its one colour.
  canvas.clear();
  bond.colour = 0x00FF00;
  bond.print(canvas);
  ASSERT_EQ(lines().size(), 1u);
}

TEST_F(BondDrawingTest, ColouredByElementTheSymbolIsWrittenInItsInk)
{
  tXY oxygen{ 8, 50, 50, 1 }; // style 1: the symbol written
  const auto textColours = [&] {
    std::vector<Colour> colours;
    for (const CanvasOp& op : canvas.ops())
      if (op.kind == Kind::Text)
        colours.push_back(op.textColour);
    return colours;
  };
  oxygen.print(canvas);
  ASSERT_FALSE(textColours().empty());
  for (const Colour c : textColours())
    EXPECT_EQ(c, black);
  canvas.clear();
  modelDefaults().ElementColours = true;
  oxygen.print(canvas);
  ASSERT_FALSE(textColours().empty());
  for (const Colour c : textColours())
    EXPECT_EQ(c, 0x0000FFu);
}

TEST_F(BondDrawingTest, DashedHydrogenBondIsDashesOfFourWithGapsOfThree)
{
  right.setRXYZ(20, 0, 0);
  tLink bond(&left, &right);
  bond.hydro();
  bond.lineStyle = 1;
  bond.print(canvas);
  const std::vector<Segment> expected{ { { 0, 0 }, { 4, 0 } },
                                       { { 4 + 3, 0 }, { 4 + 3 + 4, 0 } },
                                       { { 2 * 7, 0 }, { 2 * 7 + 4, 0 } } };
  EXPECT_EQ(lines(), expected);
}

TEST_F(BondDrawingTest, SolidWedgePointsAtTheFlipSide)
{
  struct Case
  {
    std::uint8_t flip;
    std::vector<Point> polygon;
  };
  // Offset (0, 8): the base runs from base + (0, 4) to base - (0, 4).
  const Case cases[] = {
    { 1, { { 28, 0 }, { 0, 4 }, { 0, -4 } } },
    { 2, { { 0, 0 }, { 28, 4 }, { 28, -4 } } },
  };
  for (const Case& c : cases) {
    tLink bond(&left, &right);
    bond.ssingle();
    bond.lineStyle = 2;
    bond.offsetY = 8;
    bond.flipSide = c.flip;
    bond.colour = 0x0000FF;
    canvas.clear();
    bond.print(canvas);
    ASSERT_EQ(canvas.ops().size(), 1u);
    EXPECT_EQ(canvas.ops()[0].kind, Kind::Polygon);
    EXPECT_EQ(canvas.ops()[0].points, c.polygon) << int(c.flip);
    EXPECT_EQ(canvas.ops()[0].brush, (Brush{ BrushStyle::Solid, 0x0000FF }));
  }
  EXPECT_EQ(canvas.brush(), Brush{});
}

TEST_F(BondDrawingTest, WedgeWithoutOffsetGetsABaseSixWide)
{
  tLink bond(&left, &right);
  bond.ssingle();
  bond.lineStyle = 2;
  bond.print(canvas);
  ASSERT_EQ(canvas.ops().size(), 1u);
  // Perpendicular to (28, 0) with length 6: (0, 6), half of it (0, 3).
  EXPECT_EQ(canvas.ops()[0].points, (std::vector<Point>{ { 28, 0 }, { 0, 3 }, { 0, -3 } }));
}

TEST_F(BondDrawingTest, HatchedWedgeWidensTowardsItsBase)
{
  tLink bond(&left, &right);
  bond.ssingle();
  bond.lineStyle = 3;
  bond.offsetY = 8;
  bond.print(canvas);
  // 28 / 4 = 7 strokes at t = k / 7 from the point (28, 0) to the base (0, 0), each 8 t long.
  const std::vector<Segment> drawn = lines();
  ASSERT_EQ(drawn.size(), 7u);
  EXPECT_EQ(drawn[0], (Segment{ { 28 - 4, 1 }, { 28 - 4, -1 } }));   // half width 4/7 -> 1
  EXPECT_EQ(drawn[3], (Segment{ { 28 - 16, 2 }, { 28 - 16, -2 } })); // 16/7 = 2.29 -> 2
  EXPECT_EQ(drawn[6], (Segment{ { 0, 4 }, { 0, -4 } }));
}

TEST_F(BondDrawingTest, ResonanceAndTripleResonanceDashOneSide)
{
  tLink bond(&left, &right);
  bond.reson();
  bond.lineStyle = 1;
  bond.cisTrans = -1;
  bond.offsetY = 4;
  bond.print(canvas);
  std::vector<Segment> drawn = lines();
  ASSERT_EQ(drawn.size(), 1u + 4u); // 28 pixels: dashes at 0, 7, 14, 21
  EXPECT_EQ(drawn[0], (Segment{ { 0, 0 }, { 28, 0 } }));
  EXPECT_EQ(drawn[1], (Segment{ { 0, -4 }, { 4, -4 } }));
  EXPECT_EQ(drawn[4], (Segment{ { 21, -4 }, { 25, -4 } }));

  canvas.clear();
  bond.triplereson(); // the type change lays the offsets out afresh and centres the lines
  bond.lineStyle = 1;
  bond.cisTrans = -1;
  bond.offsetY = 4;
  bond.print(canvas);
  drawn = lines();
  ASSERT_EQ(drawn.size(), 1u + 4u + 1u);
  EXPECT_EQ(drawn[1], (Segment{ { 0, -4 }, { 4, -4 } }));
  EXPECT_EQ(drawn[5], (Segment{ { 0, 4 }, { 28, 4 } }));
}

TEST_F(BondDrawingTest, CoordinateAndInvisibleBondsDrawNothing)
{
  tLink coordinate(&left, &right);
  coordinate.coordinate();
  coordinate.lineStyle = 0;
  coordinate.print(canvas);
  coordinate.printrod(canvas, black, 2);
  EXPECT_TRUE(canvas.ops().empty());

  for (BondCode type : { SingleBond, DoubleBond, TripleBond, HydrogenBond }) {
    tLink hidden(&left, &right);
    hidden.Change(type);
    hidden.offsetY = 4;
    hidden.visible = 0;
    hidden.print(canvas);
    EXPECT_TRUE(canvas.ops().empty()) << int(type);
  }
}

TEST_F(BondDrawingTest, StructureDoubleBondRecomputesItsOffsets)
{
  tbond bond(&left, &right);
  bond.Change(DoubleBond);
  bond.lineStyle = 1;
  bond.offsetX = 9;
  bond.offsetY = 9;
  bond.print(canvas);
  // Spacing 4 at right angles to (28, 0): (-4 * 0 / 28, 4 * 28 / 28) = (0, 4).
  const std::vector<Segment> expected{ { { 0, 0 }, { 28, 0 } }, { { 0, 4 }, { 28, 4 } } };
  EXPECT_EQ(lines(), expected);
}

TEST_F(BondDrawingTest, RodIsAnEdgedTube)
{
  tLink bond(&left, &right);
  bond.ssingle();
  bond.printrod(canvas, 0xFFFFFF, 2);
  ASSERT_EQ(canvas.ops().size(), 2u);
  EXPECT_EQ(canvas.ops()[0].pen, (Pen{ PenStyle::Solid, 4 * 2 + 2, 0x7F7F7F }));
  EXPECT_EQ(canvas.ops()[1].pen, (Pen{ PenStyle::Solid, 4 * 2, 0xFFFFFF }));

  canvas.clear();
  bond.printrod(canvas, black, 0);
  ASSERT_EQ(canvas.ops().size(), 1u);
  EXPECT_EQ(canvas.ops()[0].pen, (Pen{ PenStyle::Solid, 1, black }));
}

TEST_F(BondDrawingTest, HighlightDrawsOnTheMainCanvasAndKeepsTheBondColour)
{
  left.setstyle(3);
  right.setstyle(3);
  tLink bond(&left, &right);
  bond.ssingle();
  bond.colour = 0x00AA00;
  bond.highlight(0x0000FF);
  const auto& ops = shell.canvas().ops();
  ASSERT_EQ(ops.size(), 1u); // style 3 atoms draw nothing
  EXPECT_EQ(ops[0].pen.colour, 0x0000FFu);
  EXPECT_EQ(bond.colour, 0x00AA00u);
  EXPECT_EQ(left.colour, 0x0000FFu);

  EXPECT_EQ(bond.hide(), 0x00AA00u);
  EXPECT_EQ(ops.back().pen.colour, 0xFFFFFFu);

  bond.showln(0x123456);
  EXPECT_EQ(ops.back().pen.colour, 0x123456u);
  EXPECT_EQ(ops.back().points, (std::vector<Point>{ { 0, 0 }, { 28, 0 } }));
}

} // namespace
} // namespace trelvix
