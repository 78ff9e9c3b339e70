// Bond lines against the labels their atoms draw: a line stops short of a label's box, and a
// linear carbon (CO2, HCN) writes its "C" so that its vertex does not vanish in the line.
#include "model/atom.h"
#include "model/bond.h"
#include "model/link.h"
#include "model_fixture.h"
#include "platform/recording_canvas.h"
#include "test_host.h"

#include <utility>
#include <vector>

namespace trelvix {
namespace {

using Kind = CanvasOp::Kind;
using Segment = std::pair<Point, Point>;

class LabelBondsTest : public ModelTest
{
protected:
  TestHost host;
  RecordingCanvas canvas;

  /// An atom of element z at (x, y) drawn in style, in a font of cells 13 × 7 pixels.
  tAtm& atom(int z, double x, double y, std::uint8_t style)
  {
    tAtm& a = host.atom(z, x, y);
    FontRecord f = defaultFontRecord();
    f.height = 13;
    a.SetFont(f);
    a.style = style;
    return a;
  }

  std::vector<Segment> lines() const
  {
    std::vector<Segment> result;
    for (const CanvasOp& op : canvas.ops())
      if (op.kind == Kind::Line)
        result.emplace_back(op.points[0], op.points[1]);
    return result;
  }

  std::vector<std::string> texts() const
  {
    std::vector<std::string> result;
    for (const CanvasOp& op : canvas.ops())
      if (op.kind == Kind::Text)
        result.push_back(op.text);
    return result;
  }
};

// A label of one letter in 13 × 7 cells, its middle on the atom: from 3 pixels left of the atom
// (half a cell) to 4 right of it, 6 above to 7 below. A bond line ends 2 pixels before that.
constexpr int halfCell = 7 / 2;
constexpr int margin = 2;

TEST_F(LabelBondsTest, ALineStopsShortOfTheLabelsBox)
{
  struct Case
  {
    const char* what;
    int z1;
    std::uint8_t style1;
    Point at2;
    Segment expected;
  };
  const Case cases[] = {
    // Carbon vertex to an O 56 pixels right: the line ends before the O's cell (53).
    { "C-O across", 6, 0, { 56, 0 }, { { 0, 0 }, { 56 - halfCell - margin, 0 } } },
    // N to O: it leaves the N's cell (right edge 0 - 3 + 7 = 4) first.
    { "N-O across",
      7,
      1,
      { 56, 0 },
      { { -halfCell + 7 + margin, 0 }, { 56 - halfCell - margin, 0 } } },
    // Downwards to an O: it ends above the O's cell (top 56 - 13 / 2).
    { "C-O down", 6, 0, { 0, 56 }, { { 0, 0 }, { 0, 56 - 13 / 2 - margin } } },
  };
  for (const Case& c : cases) {
    canvas.clear();
    tAtm& a = atom(c.z1, 0, 0, c.style1);
    tAtm& o = atom(8, c.at2.x, c.at2.y, 1);
    tbond& b = host.bond(a, o);
    b.print(canvas);
    ASSERT_EQ(lines().size(), 1u) << c.what;
    EXPECT_EQ(lines()[0], c.expected) << c.what;
    // The end is outside the text box the O draws.
    const Rect box = o.labelBox(canvas);
    const Point end = lines()[0].second;
    EXPECT_FALSE(end.x >= box.left && end.x <= box.right && end.y >= box.top && end.y <= box.bottom)
      << c.what;
  }
}

TEST_F(LabelBondsTest, CarbonDioxideDrawsItsCarbon)
{
  // O=C=O on a line, 28 pixels apart.
  tAtm& left = atom(8, 0, 0, 1);
  tAtm& carbon = atom(6, 28, 0, 0);
  tAtm& right = atom(8, 56, 0, 1);
  tbond& b1 = host.bond(left, carbon, DoubleBond);
  host.bond(carbon, right, DoubleBond);
  EXPECT_TRUE(carbon.showsLinearCarbon());
  carbon.print(canvas);
  EXPECT_EQ(texts(), std::vector<std::string>{ "C" });
  // The bond to the left O runs between the two letters: from 4 + 2 to 28 - 3 - 2.
  canvas.clear();
  b1.print(canvas);
  ASSERT_FALSE(lines().empty());
  EXPECT_EQ(lines()[0], (Segment{ { 7 - halfCell + margin, 0 }, { 28 - halfCell - margin, 0 } }));
}

TEST_F(LabelBondsTest, OnlyLinearCarbonsShowTheirSymbol)
{
  struct Case
  {
    const char* what;
    int first;
    int second;
    bool shows;
  };
  const Case cases[] = {
    { "nitrile (triple)", TripleBond, SingleBond, true },
    { "allene (two doubles)", DoubleBond, DoubleBond, true },
    { "alkene (double and single)", DoubleBond, SingleBond, false },
    { "alkane", SingleBond, SingleBond, false },
  };
  for (const Case& c : cases) {
    TestHost own;
    tAtm& a = own.atom(6, 0, 0);
    tAtm& carbon = own.atom(6, 28, 0);
    tAtm& b = own.atom(7, 56, 0);
    own.bond(a, carbon, c.first);
    own.bond(carbon, b, c.second);
    EXPECT_EQ(carbon.showsLinearCarbon(), c.shows) << c.what;
    canvas.clear();
    carbon.print(canvas);
    EXPECT_EQ(texts().size(), c.shows ? 1u : 0u) << c.what;
  }
}

} // namespace
} // namespace trelvix
