#include "document/arrows.h"
#include "document/symbol.h"
#include "document_fixture.h"

#include <functional>
#include <typeinfo>
#include <vector>

namespace trelvix {
namespace {

struct XYZ
{
  double x = 0;
  double y = 0;
  double z = 0;
};

/// Symbols built at a bond-length scale of 24, so their outlines lie on whole pixels.
class SymbolTest : public DocumentTest
{
protected:
  SymbolTest() { modelDefaults().BondScalePixels = 24; }

  /// Puts the symbol's points at the given positions and makes them the reference.
  static void place(tSymbol& s, const std::vector<XYZ>& points)
  {
    ASSERT_EQ(s.Atoms.Count(), static_cast<int>(points.size()));
    for (int i = 0; i < s.Atoms.Count(); ++i) {
      const XYZ& p = points[static_cast<std::size_t>(i)];
      s.Atoms.At(i)->setRXYZ(p.x, p.y, p.z);
    }
    s.update();
  }

  static void expectAt(const tSymbol& s, const std::vector<XYZ>& points, const char* what)
  {
    ASSERT_EQ(s.Atoms.Count(), static_cast<int>(points.size())) << what;
    for (int i = 0; i < s.Atoms.Count(); ++i) {
      const XYZ& p = points[static_cast<std::size_t>(i)];
      const tXY* a = s.Atoms.At(i);
      EXPECT_NEAR(a->x3, p.x, 1e-9) << what << ", point " << i;
      EXPECT_NEAR(a->y3, p.y, 1e-9) << what << ", point " << i;
      EXPECT_NEAR(a->z3, p.z, 1e-9) << what << ", point " << i;
    }
  }
};

// A horizontal arrow, head at the right: the shape most tests turn and scale.
const std::vector<XYZ> horizontalArrow = { { 100, 50 }, { 40, 50 } };

TEST_F(SymbolTest, ConstructionSetsTheLookAndBuildsInvisibleStrokes)
{
  const Colour red = 0x0000FF;
  tArrow arrow(3, red, 4, 2);

  EXPECT_EQ(arrow.symbolKind, ArrowSymbol);
  EXPECT_EQ(arrow.penStyle(), 3);
  EXPECT_EQ(arrow.style(), 4);
  EXPECT_EQ(arrow.lineWidth(), 2);
  EXPECT_EQ(arrow.firstColour(), red);
  EXPECT_EQ(arrow.secondColour(), red);
  EXPECT_EQ(arrow.direction(), 1);
  EXPECT_EQ(arrow.settings[tSymbol::MarkByte], 5);
  EXPECT_EQ(arrow.DXY, nullptr);

  ASSERT_EQ(arrow.Atoms.Count(), 2);
  for (const tXY* a : arrow.Atoms)
    EXPECT_EQ(a->textFlag, tSXY::symbolPointKind);
  ASSERT_EQ(arrow.Bonds.Count(), 1);
  const tLink* stroke = arrow.Bonds.At(0);
  EXPECT_EQ(stroke->Atm1, arrow.Atoms.At(0));
  EXPECT_EQ(stroke->Atm2, arrow.Atoms.At(1));
  EXPECT_EQ(stroke->visible, 0);
  EXPECT_EQ(stroke->penWidth, 2);
  EXPECT_EQ(stroke->colour, red);
  EXPECT_EQ(stroke->bondType(), SingleBond);

  // A new symbol belongs to no document until it is added.
  EXPECT_TRUE(doc.Symbols->empty());
  EXPECT_TRUE(doc.Atoms.empty());
}

TEST_F(SymbolTest, SetLineWidthReachesEveryStroke)
{
  tEqArrow1 arrow(0, black, 0, 1);
  arrow.setLineWidth(3);
  EXPECT_EQ(arrow.lineWidth(), 3);
  ASSERT_EQ(arrow.Bonds.Count(), 2);
  for (const tLink* b : arrow.Bonds)
    EXPECT_EQ(b->penWidth, 3);
}

TEST_F(SymbolTest, IsArrowByKind)
{
  struct Case
  {
    std::uint16_t kind;
    bool arrow;
  };
  const Case cases[] = { { 100, false }, { 101, false }, { 102, true },  { 103, true },
                         { 104, true },  { 105, true },  { 106, false }, { 107, false },
                         { 108, false }, { 109, true },  { 110, false } };
  tSymbol symbol(0, black, 0, 1);
  for (const Case& c : cases) {
    symbol.symbolKind = c.kind;
    EXPECT_EQ(symbol.isArrow(), c.arrow) << c.kind;
  }
}

TEST_F(SymbolTest, MakeSymbolBuildsTheClassOfEachKind)
{
  struct Case
  {
    std::uint16_t kind;
    const std::type_info* type; ///< nullptr: no symbol
    int points;
    int strokes;
    std::uint8_t style;
  };
  const Case cases[] = {
    { 0, nullptr, 0, 0, 0 },
    { 100, nullptr, 0, 0, 0 },
    { 101, nullptr, 0, 0, 0 },
    { 102, &typeid(tArrow), 2, 1, tArrow::fullHead },
    { 103, &typeid(tdblArrow), 2, 1, tArrow::fullHead },
    { 104, &typeid(tEqArrow1), 4, 2, tArrow::halfHead },
    { 105, &typeid(tEqArrow2), 4, 2, tArrow::halfHead },
    { 106, &typeid(ttriangle), 3, 3, 0 },
    { 107, nullptr, 0, 0, 0 },
    { 108, &typeid(tarc), 3, 2, 0 },
    { 109, &typeid(tArcArrow), 3, 2, tArrow::fullHead },
    { 110, nullptr, 0, 0, 0 },
  };
  modelDefaults().LineWidth = 2;
  for (const Case& c : cases) {
    const std::unique_ptr<tSymbol> s = makeSymbol(c.kind);
    if (!c.type) {
      EXPECT_EQ(s, nullptr) << c.kind;
      continue;
    }
    ASSERT_NE(s, nullptr) << c.kind;
    const tSymbol& made = *s;
    EXPECT_EQ(typeid(made), *c.type) << c.kind;
    EXPECT_EQ(s->symbolKind, c.kind);
    EXPECT_EQ(s->Atoms.Count(), c.points) << c.kind;
    EXPECT_EQ(s->Bonds.Count(), c.strokes) << c.kind;
    EXPECT_EQ(s->style(), c.style) << c.kind;
    EXPECT_EQ(s->penStyle(), 0) << c.kind;
    EXPECT_EQ(s->lineWidth(), 2) << c.kind;
    EXPECT_EQ(s->secondColour(), black) << c.kind;
    EXPECT_EQ(s->direction(), 1) << c.kind;
  }
}

TEST_F(SymbolTest, AddMovesThePointsAndListsTheSymbolOnce)
{
  auto* arrow = new tArrow(0, black, 0, 1); // built at (36, 0) and (-36, 0)
  arrow->Add(100, 50);
  expectAt(*arrow, { { 136, 50 }, { 64, 50 } }, "after the first Add");
  EXPECT_EQ(arrow->Atoms.At(0)->savedX3, 136.0); // the moved position is the new reference
  EXPECT_EQ(arrow->Atoms.At(0)->screenX, 136);

  arrow->Add(-6, 0);
  expectAt(*arrow, { { 130, 50 }, { 58, 50 } }, "after the second Add");
  ASSERT_EQ(doc.Symbols->Count(), 1);
  EXPECT_EQ(doc.Symbols->At(0), arrow);
  EXPECT_EQ(doc.Atoms.Count(), 2);
  EXPECT_EQ(doc.Bonds.Count(), 1);
  EXPECT_TRUE(doc.Atoms.Contains(arrow->Atoms.At(1)));
  EXPECT_TRUE(doc.Groups.empty()); // a symbol is never a piece
}

TEST_F(SymbolTest, AddPutsBackPointsTheDocumentMisses)
{
  auto* arrow = new tEqArrow1(0, black, 0, 1);
  arrow->Add(0, 0);
  tXY* point = arrow->Atoms.At(2);
  doc.Atoms.Remove(point);
  arrow->Add(0, 0);
  EXPECT_EQ(doc.Atoms.Count(), 4);
  EXPECT_TRUE(doc.Atoms.Contains(point));
}

TEST_F(SymbolTest, AddWithoutADocumentOnlyMoves)
{
  setCurrentDrawing(nullptr);
  {
    tArrow arrow(0, black, 0, 1); // freed with its points and stroke here
    arrow.Add(10, 20);
    expectAt(arrow, { { 46, 20 }, { -26, 20 } }, "moved");
  }
  setCurrentDrawing(&doc);
  EXPECT_TRUE(doc.Symbols->empty());
  EXPECT_TRUE(doc.Atoms.empty());
}

TEST_F(SymbolTest, AddOfAKindTheDocumentDoesNotKeepLeavesNothingBehind)
{
  auto* odd = new tArrow(0, black, 0, 1);
  odd->symbolKind = 107;
  odd->Add(0, 0); // the document frees it with its points and stroke
  EXPECT_TRUE(doc.Symbols->empty());
  EXPECT_TRUE(doc.Atoms.empty());
  EXPECT_TRUE(doc.Bonds.empty());
}

TEST_F(SymbolTest, ZoomScalesTheReferenceAboutTheCentreOfGravity)
{
  struct Case
  {
    double factor;
    std::vector<XYZ> expected;
  };
  // Reference (100, 50, 10) and (40, 50, 0): centre of gravity (70, 50, 5).
  const Case cases[] = {
    { 2, { { 70 + 2 * 30, 50, 5 + 2 * 5 }, { 70 - 2 * 30, 50, 5 - 2 * 5 } } },
    { 0.5, { { 70 + 0.5 * 30, 50, 5 + 0.5 * 5 }, { 70 - 0.5 * 30, 50, 5 - 0.5 * 5 } } },
    { 1, { { 100, 50, 10 }, { 40, 50, 0 } } },
  };
  tArrow arrow(0, black, 0, 1);
  place(arrow, { { 100, 50, 10 }, { 40, 50, 0 } });
  for (const Case& c : cases) {
    arrow.Zoom(c.factor); // each zoom starts from the reference, not from the last zoom
    expectAt(arrow, c.expected, "zoomed");
    EXPECT_EQ(arrow.Atoms.At(0)->screenX, static_cast<int>(c.expected[0].x)) << c.factor;
    EXPECT_EQ(arrow.Atoms.At(0)->savedX3, 100.0) << c.factor;
  }
}

TEST_F(SymbolTest, ZoomOneRestoresTheReferenceShapeWhateverTheCurrentOne)
{
  struct Case
  {
    const char* what;
    std::function<void(tSymbol&)> disturb;
  };
  const Point origin{ 0, 0 };
  const Case cases[] = {
    { "rotated about its centre", [](tSymbol& s) { s.Rotate(nullptr, 30); } },
    { "rotated about the origin", [&](tSymbol& s) { s.Rotate(&origin, -135); } },
    { "zoomed", [](tSymbol& s) { s.Zoom(3); } },
    { "rotated then zoomed",
      [](tSymbol& s) {
        s.Rotate(nullptr, 90);
        s.Zoom(0.25);
      } },
    { "one end dragged",
      [](tSymbol& s) {
        s.Atoms.At(3)->x3 += 17;
        s.Atoms.At(3)->z3 = 4;
      } },
  };
  const std::vector<XYZ> reference = {
    { 100.25, 47.5, 0 }, { 40.75, 47.5, 0 }, { 40.75, 53.5, 1.5 }, { 100.25, 53.5, 1.5 }
  };
  for (const Case& c : cases) {
    tEqArrow1 arrow(0, black, 0, 1);
    place(arrow, reference);
    c.disturb(arrow);
    arrow.Zoom(1);
    for (int i = 0; i < 4; ++i) {
      const XYZ& r = reference[static_cast<std::size_t>(i)];
      const tXY* a = arrow.Atoms.At(i);
      EXPECT_EQ(a->x3, r.x) << c.what << ", point " << i;
      EXPECT_EQ(a->y3, r.y) << c.what << ", point " << i;
      EXPECT_EQ(a->z3, r.z) << c.what << ", point " << i;
    }
  }
}

TEST_F(SymbolTest, RotateTurnsTheReferenceAboutTheCentre)
{
  struct Case
  {
    double angle;
    bool aboutTail; ///< about the tail (40, 50) instead of the centre (70, 50)
    std::vector<XYZ> expected;
  };
  // A positive angle turns clockwise on the page (y grows downwards).
  const Case cases[] = {
    { 90, false, { { 70, 50 + 30 }, { 70, 50 - 30 } } },  // head points down: vertical
    { -90, false, { { 70, 50 - 30 }, { 70, 50 + 30 } } }, // head points up
    { 180, false, { { 40, 50 }, { 100, 50 } } },
    { 90, true, { { 40, 50 + 60 }, { 40, 50 } } },
    { 45, true, { { 40 + 60 / std::sqrt(2.0), 50 + 60 / std::sqrt(2.0) }, { 40, 50 } } },
  };
  tArrow arrow(0, black, 0, 1);
  place(arrow, horizontalArrow);
  const Point tail{ 40, 50 };
  for (const Case& c : cases) {
    arrow.Rotate(c.aboutTail ? &tail : nullptr, c.angle);
    expectAt(arrow, c.expected, "rotated");
  }
}

TEST_F(SymbolTest, RotateDoesNotAccumulateUntilTheShapeIsUpdated)
{
  tArrow arrow(0, black, 0, 1);
  place(arrow, horizontalArrow);
  arrow.Rotate(nullptr, 90);
  arrow.Rotate(nullptr, 90);
  expectAt(arrow, { { 70, 80 }, { 70, 20 } }, "twice from the same reference");
  EXPECT_EQ(arrow.Atoms.At(0)->screenY, 80);

  arrow.update(); // the turned shape becomes the reference
  arrow.Rotate(nullptr, 90);
  expectAt(arrow, { { 40, 50 }, { 100, 50 } }, "a quarter turn more");
}

TEST_F(SymbolTest, RotateAfterAZoomStartsFromTheReferenceInAllThreeAxes)
{
  tArrow arrow(0, black, 0, 1);
  place(arrow, { { 100, 50, 6 }, { 40, 50, 2 } }); // centre of gravity z 4
  arrow.Zoom(3);
  arrow.Rotate(nullptr, 180);
  expectAt(arrow, { { 40, 50, 6 }, { 100, 50, 2 } }, "turned half round");
}

TEST_F(SymbolTest, FlipTwiceRestoresTheGeometryAndTheDirection)
{
  struct Case
  {
    const char* what;
    int mode;
    std::vector<XYZ> start;
    std::vector<XYZ> flipped;
  };
  const Case cases[] = {
    // Centre (2, 1.5): a mirror about the rounded centre would drift by a pixel each time.
    { "top to bottom", 1, { { 0, 1 }, { 4, 2 } }, { { 0, 3 - 1 }, { 4, 3 - 2 } } },
    { "left to right", 2, { { 0, 1 }, { 4, 2 } }, { { 4 - 0, 1 }, { 4 - 4, 2 } } },
    // Equilibrium arrow, centre (70.25, 50).
    { "equilibrium top to bottom",
      1,
      { { 100.5, 47 }, { 40, 47 }, { 40, 53 }, { 100.5, 53 } },
      { { 100.5, 53 }, { 40, 53 }, { 40, 47 }, { 100.5, 47 } } },
    { "equilibrium left to right",
      2,
      { { 100.5, 47 }, { 40, 47 }, { 40, 53 }, { 100.5, 53 } },
      { { 40, 47 }, { 100.5, 47 }, { 100.5, 53 }, { 40, 53 } } },
  };
  for (const Case& c : cases) {
    std::unique_ptr<tSymbol> s =
      makeSymbol(c.start.size() == 2 ? ArrowSymbol : EquilibriumArrowSymbol);
    place(*s, c.start);
    const tLink* stroke = s->Bonds.At(0);
    const tXY* first = stroke->Atm1;

    s->flip(c.mode);
    expectAt(*s, c.flipped, c.what);
    EXPECT_EQ(s->direction(), -1) << c.what;
    EXPECT_EQ(stroke->Atm2, first) << c.what;                     // stroke ends swap
    EXPECT_EQ(s->Atoms.At(0)->savedY3, c.flipped[0].y) << c.what; // the mirror image is updated

    s->flip(c.mode);
    for (std::size_t i = 0; i < c.start.size(); ++i) {
      EXPECT_EQ(s->Atoms.At(static_cast<int>(i))->x3, c.start[i].x) << c.what << ", point " << i;
      EXPECT_EQ(s->Atoms.At(static_cast<int>(i))->y3, c.start[i].y) << c.what << ", point " << i;
    }
    EXPECT_EQ(s->direction(), 1) << c.what;
    EXPECT_EQ(stroke->Atm1, first) << c.what;
  }
}

TEST_F(SymbolTest, FlipOfAnotherModeChangesNothing)
{
  tArrow arrow(0, black, 0, 1);
  place(arrow, horizontalArrow);
  for (const int mode : { 0, 3 }) {
    arrow.flip(mode);
    expectAt(arrow, horizontalArrow, "unchanged");
    EXPECT_EQ(arrow.direction(), 1) << mode;
    EXPECT_EQ(arrow.Bonds.At(0)->Atm1, arrow.Atoms.At(0)) << mode;
  }
}

TEST_F(SymbolTest, CentreIsTheTruncatedMeanScreenPosition)
{
  tEqArrow1 arrow(0, black, 0, 1);
  place(arrow, { { 100, 47 }, { 41, 47 }, { 41, 53 }, { 100, 54 } });
  // x: (100 + 41 + 41 + 100) / 4 = 70.5, y: (47 + 47 + 53 + 54) / 4 = 50.25.
  EXPECT_EQ(arrow.center0(), (Point{ 70, 50 }));
  EXPECT_EQ(arrow.center(), (Point{ 70, 50 }));
  const Vector3 cg = arrow.getsymbolcg();
  EXPECT_DOUBLE_EQ(cg[0], 70.5);
  EXPECT_DOUBLE_EQ(cg[1], 50.25);
}

TEST_F(SymbolTest, SymbolListColoursEverySymbol)
{
  const Colour green = 0x00FF00;
  auto* arrow = new tArrow(0, black, 0, 1);
  auto* triangle = new ttriangle(3, black, 0, 1);
  arrow->Add(0, 0);
  triangle->Add(200, 0);
  doc.Symbols->color(green);
  for (const tSymbol* s : *doc.Symbols) {
    for (const tLink* b : s->Bonds)
      EXPECT_EQ(b->colour, green);
  }
}

} // namespace
} // namespace trelvix
