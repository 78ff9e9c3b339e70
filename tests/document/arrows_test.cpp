#include "document/arrows.h"
#include "document_fixture.h"

#include <cmath>
#include <vector>

namespace trelvix {
namespace {

struct XY
{
  double x = 0;
  double y = 0;
};

/// Symbols built at a bond-length scale of 24 (L): 1.5 L = 36, L / 8 = 3, L / 3 = 8.
class ArrowTest : public DocumentTest
{
protected:
  ArrowTest() { modelDefaults().BondScalePixels = 24; }

  /// Puts the symbol's points at the given positions and makes them the reference.
  static void place(tSymbol& s, const std::vector<XY>& points)
  {
    ASSERT_EQ(s.Atoms.Count(), static_cast<int>(points.size()));
    for (int i = 0; i < s.Atoms.Count(); ++i) {
      const XY& p = points[static_cast<std::size_t>(i)];
      s.Atoms.At(i)->setRXYZ(p.x, p.y, 0);
    }
    s.update();
  }

  static void expectAt(const tSymbol& s, const std::vector<XY>& points, const char* what)
  {
    ASSERT_EQ(s.Atoms.Count(), static_cast<int>(points.size())) << what;
    for (int i = 0; i < s.Atoms.Count(); ++i) {
      const XY& p = points[static_cast<std::size_t>(i)];
      EXPECT_NEAR(s.Atoms.At(i)->x3, p.x, 1e-9) << what << ", point " << i;
      EXPECT_NEAR(s.Atoms.At(i)->y3, p.y, 1e-9) << what << ", point " << i;
    }
  }
};

TEST_F(ArrowTest, NewSymbolsHaveTheirOutlines)
{
  struct Case
  {
    std::uint16_t kind;
    std::vector<XY> points;
    std::vector<std::array<int, 2>> strokes;
  };
  const Case cases[] = {
    { ArrowSymbol, { { 36, 0 }, { -36, 0 } }, { { 0, 1 } } },
    { DoubleArrowSymbol, { { 36, 0 }, { -36, 0 } }, { { 0, 1 } } },
    { EquilibriumArrowSymbol,
      { { 36, -3 }, { -36, -3 }, { -36, 3 }, { 36, 3 } },
      { { 0, 1 }, { 2, 3 } } },
    { EquilibriumArrow2Symbol,
      { { 36, -3 }, { -36, -3 }, { -18, 3 }, { 18, 3 } },
      { { 0, 1 }, { 2, 3 } } },
    { TriangleSymbol, { { 0, -24 }, { -24, 12 }, { 24, 12 } }, { { 0, 1 }, { 1, 2 }, { 2, 0 } } },
    // Half circle of radius 24 about (0, 8): head, apex, tail.
    { ArcSymbol, { { 24, 8 }, { 0, 8 - 24 }, { -24, 8 } }, { { 0, 1 }, { 1, 2 } } },
    { ArcArrowSymbol, { { 24, 8 }, { 0, 8 - 24 }, { -24, 8 } }, { { 0, 1 }, { 1, 2 } } },
  };
  for (const Case& c : cases) {
    const std::unique_ptr<tSymbol> s = makeSymbol(c.kind);
    ASSERT_NE(s, nullptr) << c.kind;
    expectAt(*s, c.points, "new");
    ASSERT_EQ(s->Bonds.Count(), static_cast<int>(c.strokes.size())) << c.kind;
    for (int i = 0; i < s->Bonds.Count(); ++i) {
      const auto& [from, to] = c.strokes[static_cast<std::size_t>(i)];
      EXPECT_EQ(s->Bonds.At(i)->Atm1, s->Atoms.At(from)) << c.kind << ", stroke " << i;
      EXPECT_EQ(s->Bonds.At(i)->Atm2, s->Atoms.At(to)) << c.kind << ", stroke " << i;
    }
  }
}

TEST_F(ArrowTest, SignFollowsTheFirstTwoPoints)
{
  struct Case
  {
    double headX;
    double tailX;
    int sign;
  };
  const Case cases[] = {
    { 100, 40, 1 },        // head to the right
    { 40, 100, -1 },       // head to the left
    { 70, 70, 0 },         // vertical
    { 70.0000005, 70, 0 }, // closer than 1e-06
    { 70, 70.0000005, 0 }, //
    { 70.000002, 70, 1 },  // 2e-06 apart
    { 70, 70.000002, -1 }, //
  };
  for (const Case& c : cases) {
    tArrow arrow(0, black, 0, 1);
    place(arrow, { { c.headX, 50 }, { c.tailX, 80 } });
    EXPECT_EQ(arrow.sign(), c.sign) << c.headX << " " << c.tailX;

    // The backward arrow of an equilibrium does not count.
    tEqArrow1 equilibrium(0, black, 0, 1);
    place(equilibrium, { { c.headX, 47 }, { c.tailX, 47 }, { 300, 53 }, { -300, 53 } });
    EXPECT_EQ(equilibrium.sign(), c.sign) << c.headX << " " << c.tailX;
  }
}

TEST_F(ArrowTest, SignOfAnArrowWithoutItsPointsIsZero)
{
  tArrow arrow(0, black, 0, 1);
  arrow.DisposeBonds();
  arrow.DisposeAtoms();
  EXPECT_EQ(arrow.sign(), 0);
  EXPECT_EQ(arrow.left(), 0);
  EXPECT_EQ(arrow.right(), 0);
}

TEST_F(ArrowTest, LeftAndRightAreTheRoundedExtremesOfAllPoints)
{
  struct Case
  {
    std::vector<XY> points;
    std::int32_t left;
    std::int32_t right;
  };
  const Case cases[] = {
    { { { 10.4, 0 }, { -3.6, 0 } }, -4, 10 },
    { { { -3.4, 0 }, { 10.6, 0 } }, -3, 11 },
    // Equilibrium arrow whose backward arrow reaches further on both sides.
    { { { 50, 47 }, { 10, 47 }, { 5.2, 53 }, { 60.7, 53 } }, 5, 61 },
  };
  for (const Case& c : cases) {
    std::unique_ptr<tSymbol> s =
      makeSymbol(c.points.size() == 2 ? ArrowSymbol : EquilibriumArrowSymbol);
    place(*s, c.points);
    const auto& arrow = dynamic_cast<const tArrow&>(*s);
    EXPECT_EQ(arrow.left(), c.left);
    EXPECT_EQ(arrow.right(), c.right);
  }
}

TEST_F(ArrowTest, ReflectingLeftToRightReversesTheSign)
{
  struct Case
  {
    int mode;
    std::vector<XY> flipped;
    int sign;
  };
  const Case cases[] = {
    { 2, { { 40, 50 }, { 100, 50 } }, -1 }, // the head now points left
    { 1, { { 100, 50 }, { 40, 50 } }, 1 },  // top to bottom: a horizontal arrow keeps its sense
  };
  for (const Case& c : cases) {
    tdblArrow arrow(0, black, 0, 1);
    place(arrow, { { 100, 50 }, { 40, 50 } });
    arrow.flip(c.mode);
    expectAt(arrow, c.flipped, "flipped");
    EXPECT_EQ(arrow.sign(), c.sign) << c.mode;
    EXPECT_EQ(arrow.direction(), -1) << c.mode; // the half-head side changes either way
    EXPECT_EQ(arrow.left(), 40);
    EXPECT_EQ(arrow.right(), 100);
  }
}

TEST_F(ArrowTest, ArcPointsAreFoundByPosition)
{
  tarc arc(0, black, 0, 1);
  EXPECT_EQ(arc.H(), arc.Atoms.At(0));
  EXPECT_EQ(arc.apex(), arc.Atoms.At(1));
  EXPECT_EQ(arc.T(), arc.Atoms.At(2));
  arc.DisposeBonds();
  arc.DisposeAtoms();
  EXPECT_EQ(arc.H(), nullptr);
  EXPECT_EQ(arc.T(), nullptr);
}

TEST_F(ArrowTest, ArcArrowShiftSteps)
{
  // New: head (24, 8), apex (0, -16), tail (-24, 8); centre (0, 0).
  struct Case
  {
    const char* what;
    void (*steps)(tArcArrow&);
    std::vector<XY> expected;
  };
  const Case cases[] = {
    { "reversed", [](tArcArrow& a) { a.reverse(); }, { { -24, 8 }, { 0, -16 }, { 24, 8 } } },
    { "reversed twice",
      [](tArcArrow& a) {
        a.reverse();
        a.reverse();
      },
      { { 24, 8 }, { 0, -16 }, { -24, 8 } } },
    // (x, y) -> (-y, x) about the centre.
    { "a quarter turn",
      [](tArcArrow& a) { a.turnQuarter(); },
      { { -8, 24 }, { 16, 0 }, { -8, -24 } } },
    { "two quarter turns",
      [](tArcArrow& a) {
        a.turnQuarter();
        a.turnQuarter();
      },
      { { -24, -8 }, { 0, 16 }, { 24, -8 } } },
  };
  for (const Case& c : cases) {
    tArcArrow arrow(0, black, 0, 1);
    c.steps(arrow);
    expectAt(arrow, c.expected, c.what);
    for (const tXY* a : arrow.Atoms) {
      EXPECT_EQ(a->savedX3, a->x3) << c.what; // each step ends updated
      EXPECT_EQ(a->savedY3, a->y3) << c.what;
    }
  }
}

} // namespace
} // namespace trelvix
