#include "model/atom.h"
#include "model/fragment.h"
#include "model_fixture.h"
#include "platform/checked.h"

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace trelvix {
namespace {

class FragmentTest : public ModelTest
{
protected:
  /// An atom of element z at (x, y, zc) drawing units, added to the fragment.
  tXY& add(int z, double x, double y, double zc = 0)
  {
    owned.push_back(std::make_unique<tXY>(z, x, y, 0));
    owned.back()->setRXYZ(x, y, zc);
    frag.Atoms.Add(owned.back().get());
    return *owned.back();
  }

  tXY& addText(double x, double y)
  {
    owned.push_back(std::make_unique<tLAtm>(x, y, "label"));
    frag.Atoms.Add(owned.back().get());
    return *owned.back();
  }

  std::vector<std::unique_ptr<tXY>> owned;
  TFragment frag;
};

void expectAt(const tXY& a, double x, double y, double z)
{
  EXPECT_NEAR(a.x3, x, 1e-9);
  EXPECT_NEAR(a.y3, y, 1e-9);
  EXPECT_NEAR(a.z3, z, 1e-9);
}

TEST_F(FragmentTest, StartsEmptyWithClearedParameters)
{
  EXPECT_TRUE(frag.Atoms.empty());
  EXPECT_NE(frag.list3d, nullptr);
  EXPECT_TRUE(frag.list3d->empty());
  EXPECT_EQ(frag.Ligands, nullptr);
  EXPECT_EQ(frag.FreeAtoms, nullptr);
  EXPECT_EQ(frag.symbolKind, tbasefragment::structureKind);
  EXPECT_EQ(frag.amount, 1.0);
  EXPECT_EQ(frag.solute[7], 0.0);  // p8
  EXPECT_EQ(frag.solute[8], 1.0);  // p9
  EXPECT_EQ(frag.solute[12], 1.0); // p13
}

// ---- Rigid moves ----

TEST_F(FragmentTest, MoveLeavesFixedAtomsShiftMovesThemWithoutUpdate)
{
  tXY& free = add(6, 10, 20, 30);
  tXY& fixed = add(8, 0, 0, 0);
  fixed.fixedFlag = 1;

  frag.Move(1.5, -2, 3);
  expectAt(free, 10 + 1.5, 20 - 2, 30 + 3);
  EXPECT_EQ(free.savedX3, 11.5); // Move updates
  expectAt(fixed, 0, 0, 0);

  frag.shift(4, 5, 6);
  expectAt(free, 11.5 + 4, 18 + 5, 33 + 6);
  expectAt(fixed, 4, 5, 6);
  EXPECT_EQ(fixed.screenX, 0); // no update
  EXPECT_EQ(fixed.savedX3, 0.0);
}

TEST_F(FragmentTest, MovetoPlacesTheCentroidInThePlane)
{
  add(6, 0, 0, 7);
  add(6, 40, 20, 9);
  // Centroid (20, 10, 8) goes to (100, 50); z stays.
  frag.Moveto(100, 50);
  expectAt(*owned[0], 0 + 80, 0 + 40, 7);
  expectAt(*owned[1], 40 + 80, 20 + 40, 9);
}

TEST_F(FragmentTest, MovetoxyzAndFluxmovetoPlaceTheCentroid)
{
  add(6, 0, 0, 0);
  tXY& fixed = add(6, 20, 40, 60);
  fixed.fixedFlag = 1;
  // Centroid (10, 20, 30).
  frag.fluxmoveto(110, 220, 330);
  expectAt(fixed, 20 + 100, 40 + 200, 60 + 300); // fixed atoms move too
  EXPECT_EQ(fixed.screenX, 120);
  EXPECT_EQ(fixed.savedX3, 20.0); // screen positions only

  frag.movetoxyz(10, 20, 30);
  expectAt(*owned[0], 0, 0, 0);
  EXPECT_EQ(owned[0]->savedX3, 0.0); // saved copy follows
}

// ---- Zoom ----

TEST_F(FragmentTest, ZoomScalesTheSavedCoordinatesAboutTheCentroid)
{
  add(6, 0, 0, 0);
  add(6, 30, 0, 3);
  add(6, 0, 30, -3);
  // Centroid (10, 10, 0).
  struct Case
  {
    double factor;
    double expected[3][3];
  };
  const Case cases[] = {
    { 1, { { 0, 0, 0 }, { 30, 0, 3 }, { 0, 30, -3 } } },
    { 2,
      { { (0 - 10) * 2 + 10, (0 - 10) * 2 + 10, 0 },
        { (30 - 10) * 2 + 10, (0 - 10) * 2 + 10, 3 * 2 },
        { (0 - 10) * 2 + 10, (30 - 10) * 2 + 10, -3 * 2 } } },
    { 0.5,
      { { (0 - 10) * 0.5 + 10, (0 - 10) * 0.5 + 10, 0 },
        { (30 - 10) * 0.5 + 10, (0 - 10) * 0.5 + 10, 3 * 0.5 },
        { (0 - 10) * 0.5 + 10, (30 - 10) * 0.5 + 10, -3 * 0.5 } } },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.factor);
    frag.Zoom(c.factor);
    frag.Zoom(c.factor); // starts again from the saved coordinates: twice is once
    for (std::size_t i = 0; i < 3; ++i) {
      expectAt(*owned[i], c.expected[i][0], c.expected[i][1], c.expected[i][2]);
      EXPECT_EQ(owned[i]->screenX, std::lround(c.expected[i][0]));
      EXPECT_EQ(owned[i]->depth, std::lround(c.expected[i][2]));
    }
    EXPECT_EQ(owned[1]->savedX3, 30.0);
  }
  frag.Zoom(1);
  expectAt(*owned[1], 30, 0, 3);
}

TEST_F(FragmentTest, ZoomupdateAndUpdatexyzFollowTheCoordinates)
{
  tXY& a = add(6, 0, 0, 0);
  a.x3 = 12.6;
  a.z3 = -3.4;
  frag.zoomupdate();
  EXPECT_EQ(a.screenX, 13);
  EXPECT_EQ(a.depth, -3);
  EXPECT_EQ(a.savedX3, 0.0);
  frag.updatexyz();
  EXPECT_EQ(a.savedX3, 12.6);
  EXPECT_EQ(a.prevScreenX, 13);
}

// ---- Rotation and inversion ----

TEST_F(FragmentTest, Transform3dTurnsNinetyDegreesAboutEachAxis)
{
  // About the given centre (100, 50, 5): the atom sits at centre + (10, 20, 30).
  struct Case
  {
    int axis;
    double angle;
    double dx, dy, dz; // offset from the centre after the turn
  };
  const Case cases[] = {
    { 1, 90, 10, -30, 20 },  // y' = y cos - z sin = -z, z' = y sin + z cos = y
    { 2, 90, 30, 20, -10 },  // x' = x cos + z sin = z, z' = -x sin + z cos = -x
    { 3, 90, -20, 10, 30 },  // x' = x cos - y sin = -y, y' = x sin + y cos = x
    { 3, -90, 20, -10, 30 }, // the other way
    { 1, 180, 10, -20, -30 }, { 7, 90, 10, 20, 30 }, // no such axis: no turn
  };
  tXY& a = add(6, 110, 70, 35);
  const Point centre{ 100, 50 };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.axis * 1000 + c.angle);
    frag.Transform3d(&centre, 5, c.angle, c.axis);
    expectAt(a, 100 + c.dx, 50 + c.dy, 5 + c.dz);
    EXPECT_EQ(a.screenX, std::lround(100 + c.dx));
    EXPECT_EQ(a.screenY, std::lround(50 + c.dy));
    EXPECT_EQ(a.depth, std::lround(5 + c.dz));
    EXPECT_EQ(a.savedX3, 110.0); // every turn starts from the saved position
  }
}

TEST_F(FragmentTest, Transform3dWithoutCentreTurnsAboutTheCentroidAndLeavesText)
{
  tXY& a = add(6, 10, 0, 0);
  tXY& b = add(6, 30, 0, 0);
  tXY& t = addText(500, 500);
  // Centroid of the element atoms (20, 0, 0).
  frag.Transform3d(nullptr, 99, 90, 3);
  expectAt(a, 20, -10, 0);
  expectAt(b, 20, 10, 0);
  expectAt(t, 500, 500, 0);
}

TEST_F(FragmentTest, InvertMirrorsElementAtomsThroughTheCentroid)
{
  tXY& a = add(6, 0, 0, 0);
  tXY& b = add(6, 20, 40, 60);
  tXY& t = addText(7, 8);
  // Centroid (10, 20, 30).
  frag.invert();
  expectAt(a, 2 * 10 - 0, 2 * 20 - 0, 2 * 30 - 0);
  expectAt(b, 2 * 10 - 20, 2 * 20 - 40, 2 * 30 - 60);
  expectAt(t, 7, 8, 0);
}

// ---- Frame ----

TEST_F(FragmentTest, FrameFromTheRoundedBoundsOfTheAtoms)
{
  tXY& a = add(6, 10.4, 20.6);
  add(6, 50.5, -5.2);
  a.savedX3 = 0; // a stale saved copy: frame updates the atoms first
  frag.frame();
  EXPECT_EQ(a.savedX3, 10.4);
  // Rounded x 10 and 51 (half away from zero), y 21 and -5; bounds one pixel beyond.
  EXPECT_EQ(frag.corners, (std::array<std::int16_t, 4>{ 10 - 1, 51 + 1, -5 - 1, 21 + 1 }));
  EXPECT_EQ(frag.frameRect, (Rect{ 10 - 1, -5 - 1, 51 + 1, 21 + 1 }));
  EXPECT_EQ(frag.BoxWidth(), 52 - 9);
  EXPECT_EQ(frag.BoxHeight(), 22 - -6);
}

TEST_F(FragmentTest, FrameOfNoAtomsKeepsTheOldFrameAndBoxesAreAbsolute)
{
  frag.frameRect = Rect{ 50, 40, 10, 0 };
  frag.frame();
  EXPECT_EQ(frag.frameRect, (Rect{ 50, 40, 10, 0 }));
  EXPECT_EQ(frag.BoxWidth(), 50 - 10);
  EXPECT_EQ(frag.BoxHeight(), 40 - 0);
}

TEST_F(FragmentTest, FrameBeyondTheCornerWordsOverflows)
{
  add(6, 40000, 0);
  EXPECT_THROW(frag.frame(), OverflowError);
}

// ---- Queries ----

TEST_F(FragmentTest, DSqrOfIntegerPoints)
{
  EXPECT_EQ(TFragment::DSqr(Point{ 1, 2 }, Point{ 4, 6 }), 3 * 3 + 4 * 4);
  // Beyond 32 bits: 2e9 squared.
  EXPECT_EQ(TFragment::DSqr(Point{ -1000000000, 0 }, Point{ 1000000000, 5 }),
            2000000000LL * 2000000000LL + 5 * 5);
}

TEST_F(FragmentTest, GetNucleusTakesTheFirstOfEquals)
{
  EXPECT_EQ(frag.GetNucleus(0, 0), nullptr);
  tXY& left = add(6, -10, 0, 100); // z plays no part
  tXY& right = add(6, 10, 0);
  tXY& above = add(6, 0, -5);
  struct Case
  {
    double x, y;
    const tXY* nearest;
  };
  const Case cases[] = {
    { -9, 0, &left },    { 9, 1, &right }, { 0, 0, &above }, // 25 against 100 and 100
    { 0, 10, &left }, // 100 + 100 = 200 each for left and right; above 225: left comes first
    { 0, -2.5, &above },
  };
  for (const Case& c : cases)
    EXPECT_EQ(frag.GetNucleus(c.x, c.y), c.nearest) << c.x << ", " << c.y;
}

TEST_F(FragmentTest, IsNumberedLooksAtElementAtomsOnly)
{
  EXPECT_TRUE(frag.isNumbered()); // no atoms
  tXY& t = addText(0, 0);
  EXPECT_TRUE(frag.isNumbered()); // no element atoms
  tXY& a = add(6, 0, 0);
  tXY& b = add(8, 0, 0);
  a.atomNumber = 1;
  EXPECT_FALSE(frag.isNumbered());
  b.atomNumber = -3;
  EXPECT_TRUE(frag.isNumbered());
  EXPECT_EQ(t.atomNumber, 0);
  frag.Zeros();
  EXPECT_FALSE(frag.isNumbered());
}

TEST_F(FragmentTest, VTestTakesTheFirstAtomThenTheSecond)
{
  tXY& rich = add(6, 0, 0);
  rich.freeValence = 4;
  tXY& poor = add(6, 0, 0);
  poor.freeValence = 1;
  struct Case
  {
    const tXY* a1;
    const tXY* a2;
    int n;
    bool expected;
  };
  const Case cases[] = {
    { &rich, &poor, 4, true },    { &poor, &rich, 4, true },       { &poor, &poor, 2, false },
    { &rich, &rich, 5, false },   { nullptr, &rich, 2, true },     { &rich, nullptr, 2, true },
    { nullptr, &poor, 2, false }, { nullptr, nullptr, -5, false }, { &poor, nullptr, 1, true },
  };
  for (const Case& c : cases)
    EXPECT_EQ(frag.VTest(c.a1, c.a2, c.n), c.expected)
      << (c.a1 == &rich) << (c.a2 == &rich) << " n " << c.n;
}

TEST_F(FragmentTest, FlagsEnergiesAndLigands)
{
  EXPECT_EQ(frag.Set3dView(1), 0);
  EXPECT_EQ(frag.Set3dView(0), 1);
  EXPECT_EQ(frag.view3d, 0);

  frag.setenergy(1234.5);
  EXPECT_EQ(frag.strainEnergy, 1234.5);
  EXPECT_EQ(frag.startingEnergy, 1234.5);
  frag.SetJump(-2.25);
  EXPECT_EQ(frag.jumpX, -2.25);
  EXPECT_EQ(frag.jumpY, -2.25);
  frag.setstate(4);
  EXPECT_EQ(frag.phase, 4);
  frag.ShowMoles(true);
  EXPECT_EQ(frag.molesFlag, 1);

  frag.FreeLigands(); // none yet
  tXY& a = add(6, 0, 0);
  frag.Ligands = std::make_unique<tAtoms>();
  frag.Ligands->Add(&a);
  frag.FreeLigands();
  EXPECT_TRUE(frag.Ligands->empty());
  EXPECT_EQ(frag.Atoms.Count(), 1); // the atom itself stays
}

// ---- Messages ----

TEST_F(FragmentTest, ShowenergyWritesKilocaloriesInTheField)
{
  struct Case
  {
    double energy;
    int width, decimals;
    std::string text;
  };
  const Case cases[] = {
    { 12000, 8, 2, "Strain Energy =    12.00 Kcal" },
    { -2500, 0, 1, "Strain Energy = -2.5 Kcal" },
    { 123456, 3, 0, "Strain Energy = 123 Kcal" },
    { 999, 5, 3, "Strain Energy = 0.999 Kcal" },
    // 16 + 20 + 5 characters would pass 32: the padding goes, never a digit or the unit.
    { 12000, 20, 2, "Strain Energy = 12.00 Kcal" },
    // 1.3e55 Kcal has 56 digits: written in powers of ten, whole and with its unit.
    { 1.3e58, 8, 2, "Strain Energy = 1.30E+55 Kcal" },
    { -1.3e58, 8, 2, "Strain Energy = -1.30E+55 Kcal" },
  };
  for (const Case& c : cases) {
    frag.strainEnergy = c.energy;
    frag.showenergy(c.width, c.decimals);
    EXPECT_EQ(frag.energyText.str(), c.text);
  }
}

TEST_F(FragmentTest, MessagesKeepAtMostThirtyTwoCharacters)
{
  frag.SetStrMessage(std::string(40, 'x'));
  EXPECT_EQ(frag.energyText.str(), std::string(32, 'x'));
  frag.SetIntMessage(-42);
  EXPECT_EQ(frag.energyText.str(), "-42");
  frag.ClearMessage();
  EXPECT_EQ(frag.energyText.str(), "");
}

TEST_F(FragmentTest, PrintmessageDrawsTopLeftAndRestoresTheAlignment)
{
  RecordingCanvas& canvas = shell.canvas();
  const TextAlign centred{ HAlign::Center, VAlign::Baseline };
  canvas.setTextAlign(centred);

  frag.printmessage(canvas, 30, 40, "hello");
  frag.SetStrMessage("energy");
  frag.printenergy(canvas); // flag clear: nothing
  frag.energyTextFlag = 1;
  frag.printenergy(canvas);

  ASSERT_EQ(canvas.ops().size(), 2u);
  EXPECT_EQ(canvas.ops()[0].kind, CanvasOp::Kind::Text);
  EXPECT_EQ(canvas.ops()[0].text, "hello");
  EXPECT_EQ(canvas.ops()[0].points[0], (Point{ 30, 40 }));
  EXPECT_EQ(canvas.ops()[0].align, (TextAlign{ HAlign::Left, VAlign::Top }));
  EXPECT_EQ(canvas.ops()[1].text, "energy");
  EXPECT_EQ(canvas.ops()[1].points[0], (Point{ 1, 1 }));
  EXPECT_EQ(canvas.textAlign(), centred);
}

} // namespace
} // namespace trelvix
