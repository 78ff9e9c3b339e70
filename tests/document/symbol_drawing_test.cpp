#include "document/arrows.h"
#include "document_fixture.h"
#include "platform/recording_canvas.h"

#include <cmath>
#include <vector>

namespace trelvix {
namespace {

using Kind = CanvasOp::Kind;
using Points = std::vector<Point>;

constexpr Colour green = 0x00FF00;

/// Symbols at a bond-length scale of 24: a head is 24 / 4 = 6 pixels long and 2 x 24 / 6 = 8
/// wide.
class SymbolDrawingTest : public DocumentTest
{
protected:
  SymbolDrawingTest() { modelDefaults().BondScalePixels = 24; }

  static void place(tSymbol& s, const Points& points)
  {
    ASSERT_EQ(s.Atoms.Count(), static_cast<int>(points.size()));
    for (int i = 0; i < s.Atoms.Count(); ++i) {
      const Point& p = points[static_cast<std::size_t>(i)];
      s.Atoms.At(i)->setRXYZ(p.x, p.y, 0);
    }
    s.update();
  }

  static std::vector<Kind> kinds(const RecordingCanvas& canvas)
  {
    std::vector<Kind> k;
    for (const CanvasOp& op : canvas.ops())
      k.push_back(op.kind);
    return k;
  }

  RecordingCanvas canvas;
};

TEST(ArrowHeadGeometry, QuarterLongAThirdWideTruncatingDivisions)
{
  struct Case
  {
    const char* name;
    Point tip;
    Point before;
    ArrowHead head; // tip, base, side1, side2
  };
  const Case cases[] = {
    // d = (24, 0): base 24 / 4 = 6 back, sides 24 / 6 = 4 off the line.
    { "right", { 100, 50 }, { 40, 50 }, { { 100, 50 }, { 94, 50 }, { 94, 46 }, { 94, 54 } } },
    // d = (-24, 0): side1 = base + (0, 4) lies below, left of the way the arrow travels.
    { "left", { 40, 50 }, { 100, 50 }, { { 40, 50 }, { 46, 50 }, { 46, 54 }, { 46, 46 } } },
    // |(30, 40)| = 50: d = (14.4, 19.2) rounds to (14, 19); base - (3, 4); sides +-(19 / 6,
    // -14 / 6) = +-(3, -2).
    { "diagonal", { 30, 40 }, { 0, 0 }, { { 30, 40 }, { 27, 36 }, { 30, 34 }, { 24, 38 } } },
    // d = (-14, -19): -14 / 4 = -3 and -19 / 4 = -4 truncate towards zero; sides +-(-3, 2).
    { "back", { 0, 0 }, { 30, 40 }, { { 0, 0 }, { 3, 4 }, { 0, 6 }, { 6, 2 } } },
  };
  for (const Case& c : cases) {
    const std::optional<ArrowHead> head = arrowHead(c.tip, c.before, 24);
    ASSERT_TRUE(head) << c.name;
    EXPECT_EQ(head->tip, c.head.tip) << c.name;
    EXPECT_EQ(head->base, c.head.base) << c.name;
    EXPECT_EQ(head->side1, c.head.side1) << c.name;
    EXPECT_EQ(head->side2, c.head.side2) << c.name;
  }
  EXPECT_FALSE(arrowHead({ 5, 5 }, { 5, 5 }, 24)); // no direction, no head
}

TEST_F(SymbolDrawingTest, ArrowIsItsShaftThenAFilledHeadInItsColour)
{
  tArrow arrow(0, green, tArrow::fullHead, 1);
  place(arrow, { { 100, 50 }, { 40, 50 } });
  canvas.setPen(Pen{ PenStyle::Dot, 3, 0x123456 });
  arrow.print(canvas);

  ASSERT_EQ(kinds(canvas), (std::vector{ Kind::Line, Kind::Polygon }));
  const CanvasOp& shaft = canvas.ops()[0];
  EXPECT_EQ(shaft.points, (Points{ { 100, 50 }, { 40, 50 } }));
  EXPECT_EQ(shaft.pen, (Pen{ PenStyle::Solid, 1, green }));
  const CanvasOp& head = canvas.ops()[1];
  EXPECT_EQ(head.points, (Points{ { 94, 46 }, { 100, 50 }, { 94, 54 } }));
  EXPECT_EQ(head.brush, (Brush{ BrushStyle::Solid, green }));
  EXPECT_EQ(head.pen.colour, green);
  EXPECT_EQ(canvas.pen(), (Pen{ PenStyle::Dot, 3, 0x123456 })); // the caller's pen is kept
}

TEST_F(SymbolDrawingTest, HeadStylesFullOrHalfFilledOrOutlined)
{
  struct Case
  {
    std::uint8_t style;
    int direction;
    Points head;
    BrushStyle brush;
  };
  const Case cases[] = {
    { 0, 1, { { 94, 46 }, { 100, 50 }, { 94, 54 } }, BrushStyle::Solid },
    { 1, 1, { { 94, 46 }, { 100, 50 }, { 94, 54 } }, BrushStyle::Clear },
    { 2, 1, { { 94, 46 }, { 100, 50 }, { 94, 54 } }, BrushStyle::Clear },
    // Half heads: base, tip and the barb above (direction +1) or below (-1).
    { 3, 1, { { 94, 50 }, { 100, 50 }, { 94, 46 } }, BrushStyle::Solid },
    { 3, -1, { { 94, 50 }, { 100, 50 }, { 94, 54 } }, BrushStyle::Solid },
    { 4, 1, { { 94, 50 }, { 100, 50 }, { 94, 46 } }, BrushStyle::Clear },
    { 5, -1, { { 94, 50 }, { 100, 50 }, { 94, 54 } }, BrushStyle::Clear },
  };
  for (const Case& c : cases) {
    tArrow arrow(0, green, c.style, 1);
    place(arrow, { { 100, 50 }, { 40, 50 } });
    arrow.settings[tSymbol::DirectionByte] = static_cast<std::uint8_t>(c.direction);
    canvas.clear();
    arrow.print(canvas);
    ASSERT_EQ(canvas.ops().size(), 2u) << int(c.style);
    EXPECT_EQ(canvas.ops()[1].points, c.head) << int(c.style) << " " << c.direction;
    EXPECT_EQ(canvas.ops()[1].brush.style, c.brush) << int(c.style);
  }
}

TEST_F(SymbolDrawingTest, DoubleArrowHasTheSameHeadAtBothEnds)
{
  tdblArrow arrow(0, black, tArrow::fullHead, 1);
  place(arrow, { { 100, 50 }, { 40, 50 } });
  arrow.print(canvas);
  ASSERT_EQ(kinds(canvas), (std::vector{ Kind::Line, Kind::Polygon, Kind::Polygon }));
  EXPECT_EQ(canvas.ops()[1].points, (Points{ { 94, 46 }, { 100, 50 }, { 94, 54 } }));
  EXPECT_EQ(canvas.ops()[2].points, (Points{ { 46, 54 }, { 40, 50 }, { 46, 46 } }));
}

TEST_F(SymbolDrawingTest, EquilibriumArrowHasTwoHalfHeadsOnTheOuterSides)
{
  for (auto* arrow : { static_cast<tEqArrow1*>(new tEqArrow1(0, black, tArrow::halfHead, 1)),
                       static_cast<tEqArrow1*>(new tEqArrow2(0, black, tArrow::halfHead, 1)) }) {
    const std::unique_ptr<tEqArrow1> owned(arrow);
    place(*arrow, { { 100, 44 }, { 40, 44 }, { 40, 56 }, { 100, 56 } });
    canvas.clear();
    arrow->print(canvas);
    ASSERT_EQ(kinds(canvas), (std::vector{ Kind::Line, Kind::Line, Kind::Polygon, Kind::Polygon }));
    EXPECT_EQ(canvas.ops()[0].points, (Points{ { 100, 44 }, { 40, 44 } }));
    EXPECT_EQ(canvas.ops()[1].points, (Points{ { 40, 56 }, { 100, 56 } }));
    // The upper arrow points right, its barb above; the lower points left, its barb below.
    EXPECT_EQ(canvas.ops()[2].points, (Points{ { 94, 44 }, { 100, 44 }, { 94, 40 } }));
    EXPECT_EQ(canvas.ops()[3].points, (Points{ { 46, 56 }, { 40, 56 }, { 46, 60 } }));
  }
}

TEST_F(SymbolDrawingTest, TriangleStrokesTakeThePenStyle)
{
  ttriangle triangle(3, black, 0, 2); // dash-dot, width 2
  place(triangle, { { 50, 10 }, { 30, 40 }, { 70, 40 } });
  triangle.print(canvas);
  ASSERT_EQ(kinds(canvas), (std::vector{ Kind::Line, Kind::Line, Kind::Line }));
  EXPECT_EQ(canvas.ops()[0].points, (Points{ { 50, 10 }, { 30, 40 } }));
  EXPECT_EQ(canvas.ops()[1].points, (Points{ { 30, 40 }, { 70, 40 } }));
  EXPECT_EQ(canvas.ops()[2].points, (Points{ { 70, 40 }, { 50, 10 } }));
  for (const CanvasOp& op : canvas.ops())
    EXPECT_EQ(op.pen, (Pen{ PenStyle::DashDot, 2, black }));
}

TEST_F(SymbolDrawingTest, ArcIsAPolylineOnTheCircleThroughItsPoints)
{
  // Head, apex, tail on the circle of radius 50 about (100, 100); the arc runs over the top.
  tarc arc(0, green, 0, 1);
  place(arc, { { 150, 100 }, { 100, 50 }, { 50, 100 } });
  arc.print(canvas);
  ASSERT_EQ(kinds(canvas), (std::vector{ Kind::Polyline }));
  const Points& p = canvas.ops()[0].points;
  // Half a circle of radius 50 is 157 pixels: ceil(157.08 / 4) = 40 chords.
  ASSERT_EQ(p.size(), 41u);
  EXPECT_EQ(p.front(), (Point{ 50, 100 }));
  EXPECT_EQ(p[20], (Point{ 100, 50 }));
  EXPECT_EQ(p.back(), (Point{ 150, 100 }));
  for (const Point& q : p) {
    EXPECT_NEAR(std::hypot(q.x - 100, q.y - 100), 50, 0.75);
    EXPECT_LE(q.y, 100);
  }
  EXPECT_EQ(canvas.ops()[0].pen, (Pen{ PenStyle::Solid, 1, green }));

  // Three points on a line have no circle: the arc is its two strokes' path.
  place(arc, { { 150, 100 }, { 100, 100 }, { 50, 100 } });
  canvas.clear();
  arc.print(canvas);
  ASSERT_EQ(canvas.ops().size(), 1u);
  EXPECT_EQ(canvas.ops()[0].points, (Points{ { 50, 100 }, { 100, 100 }, { 150, 100 } }));

  // Nearly on a line and far apart, the apex beyond the head: the circle through them is
  // about 2e9 pixels wide, so the arc is its strokes' path too, never points beyond the page.
  place(arc, { { 30000, 0 }, { 60000, 1 }, { 0, 0 } });
  canvas.clear();
  arc.print(canvas);
  ASSERT_EQ(canvas.ops().size(), 1u);
  EXPECT_EQ(canvas.ops()[0].points, (Points{ { 0, 0 }, { 60000, 1 }, { 30000, 0 } }));
}

TEST_F(SymbolDrawingTest, ArcArrowHeadFollowsTheTangentAtItsHead)
{
  tArcArrow arrow(0, black, tArrow::fullHead, 1);
  place(arrow, { { 150, 100 }, { 100, 50 }, { 50, 100 } });
  arrow.print(canvas);
  ASSERT_EQ(kinds(canvas), (std::vector{ Kind::Polyline, Kind::Polygon }));
  // Over the top and down at the right: the head points straight down, d = (0, 24).
  EXPECT_EQ(canvas.ops()[1].points, (Points{ { 154, 94 }, { 150, 100 }, { 146, 94 } }));

  // The other way round (head on the left), the arc comes down at the left.
  place(arrow, { { 50, 100 }, { 100, 50 }, { 150, 100 } });
  canvas.clear();
  arrow.print(canvas);
  ASSERT_EQ(canvas.ops().size(), 2u);
  EXPECT_EQ(canvas.ops()[1].points, (Points{ { 54, 94 }, { 50, 100 }, { 46, 94 } }));
}

TEST_F(SymbolDrawingTest, HideRedrawsInWhiteAndHighlightInRed)
{
  tArrow arrow(0, green, tArrow::fullHead, 1);
  place(arrow, { { 100, 50 }, { 40, 50 } });
  RecordingCanvas& screen = shell.canvas();

  arrow.Hide();
  ASSERT_EQ(screen.ops().size(), 2u);
  EXPECT_EQ(screen.ops()[0].pen.colour, white);
  EXPECT_EQ(screen.ops()[1].brush.colour, white);
  EXPECT_EQ(screen.ops()[1].points, (Points{ { 94, 46 }, { 100, 50 }, { 94, 54 } }));
  EXPECT_EQ(arrow.drawColour(), green); // back to its own colour

  screen.clear();
  arrow.Highlight(true);
  ASSERT_EQ(screen.ops().size(), 4u);
  EXPECT_EQ(screen.ops()[1].brush.colour, white);
  EXPECT_EQ(screen.ops()[2].pen.colour, tSymbol::highlightColour);
  EXPECT_EQ(screen.ops()[3].brush.colour, tSymbol::highlightColour);

  screen.clear();
  arrow.Highlight(false);
  ASSERT_EQ(screen.ops().size(), 4u);
  EXPECT_EQ(screen.ops()[2].pen.colour, green);
  EXPECT_EQ(screen.ops()[3].brush.colour, green);
}

TEST_F(SymbolDrawingTest, DocumentDrawsItsSymbolsLastInTheirOwnColours)
{
  tAtm* o = atom(8, 20, 20);
  o->ChangeStyle(10, false);
  doc.viewMode = 10;
  auto* arrow = new tArrow(0, green, tArrow::fullHead, 1);
  place(*arrow, { { 100, 50 }, { 40, 50 } });
  doc.AddSymbol(arrow);
  doc.print(canvas);
  ASSERT_GE(canvas.ops().size(), 3u);
  EXPECT_EQ(canvas.ops().front().kind, Kind::Ellipse); // the oxygen's sphere first
  const CanvasOp& shaft = canvas.ops()[canvas.ops().size() - 2];
  const CanvasOp& head = canvas.ops().back();
  EXPECT_EQ(shaft.points, (Points{ { 100, 50 }, { 40, 50 } }));
  EXPECT_EQ(shaft.pen.colour, green);
  EXPECT_EQ(head.kind, Kind::Polygon);
}

TEST_F(SymbolDrawingTest, RepaintClearsTheBackBufferAndPreviewDoesNot)
{
  bond(atom(6, 10, 10), atom(6, 38, 10));
  RecordingCanvas& screen = shell.canvas();
  doc.Repaint();
  ASSERT_GE(screen.ops().size(), 2u);
  EXPECT_EQ(screen.ops()[0].kind, Kind::FillSurface);
  EXPECT_EQ(screen.ops()[0].colour, white);
  EXPECT_EQ(screen.ops()[1].points, (Points{ { 10, 10 }, { 38, 10 } }));
  EXPECT_EQ(shell.presents(), 1);

  screen.clear();
  doc.Preview();
  ASSERT_FALSE(screen.ops().empty());
  for (const CanvasOp& op : screen.ops())
    EXPECT_NE(op.kind, Kind::FillSurface);
  EXPECT_EQ(shell.presents(), 2);

  screen.clear();
  doc.Refresh();
  EXPECT_EQ(screen.ops()[0].kind, Kind::FillSurface);
  EXPECT_EQ(shell.presents(), 3);
}

} // namespace
} // namespace trelvix
