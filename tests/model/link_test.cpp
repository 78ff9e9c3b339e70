#include "model/atom.h"
#include "model/link.h"
#include "model/pair_energy.h"
#include "model_fixture.h"
#include "platform/checked.h"

#include <cmath>
#include <numbers>

namespace trelvix {
namespace {

using LinkTest = ModelTest;

TEST_F(LinkTest, TypeChangesKeepValenceBookkeeping)
{
  tXY a(6, 0, 0, 0);
  tXY b(6, 28, 0, 0);
  tLink bond(&a, &b);
  bond.ssingle();
  EXPECT_EQ(a.freeValence, 8 - 2);
  EXPECT_EQ(b.freeValence, 8 - 2);
  EXPECT_EQ(a.pairCount, 4 + 3);
  EXPECT_EQ(bond.hybShare, 3);
  bond.ddouble();
  EXPECT_EQ(bond.typeCode, 4);
  EXPECT_EQ(a.freeValence, 8 - 4);
  EXPECT_EQ(b.freeValence, 8 - 4);
  EXPECT_EQ(a.pairCount, 4 + 3 - 3 + 2);
  bond.ssingle();
  EXPECT_EQ(a.freeValence, 6);
  EXPECT_EQ(b.freeValence, 6);
  EXPECT_EQ(a.pairCount, 7);
  EXPECT_EQ(b.pairCount, 7);
  bond.triple();
  EXPECT_EQ(a.freeValence, 8 - 6);
  EXPECT_EQ(bond.lineStyle, 4);
  EXPECT_EQ(bond.hybShare, 1);
}

TEST_F(LinkTest, AFullAtomIsExpandedOnceToTakeAHigherBond)
{
  tXY o(8, 0, 0, 0);
  tXY c1(6, 28, 0, 0);
  tXY c2(6, -28, 0, 0);
  tLink first(&o, &c1);
  tLink second(&o, &c2);
  first.ssingle();
  second.ssingle();
  ASSERT_EQ(o.freeValence, 0);
  second.ddouble(); // 0 + 2 - 4 < 0 with 0 below 2: one more bond first
  EXPECT_EQ(o.freeValence, 0 + 2 + 2 - 4);
  EXPECT_EQ(c2.freeValence, 6 + 2 - 4);

  tXY n(7, 0, 0, 0);
  n.freeValence = 2;
  tXY c3(6, 28, 0, 0);
  tLink third(&n, &c3);
  third.ddouble(); // 2 is not below 2: no expansion, the valence goes negative
  EXPECT_EQ(n.freeValence, 2 - 4);
}

TEST_F(LinkTest, ValenceOverflowRaisesAndLeavesBothAtoms)
{
  tXY a(6, 0, 0, 0);
  tXY b(6, 28, 0, 0);
  a.pairCount = 126; // a single bond adds 3
  tLink bond(&a, &b);
  EXPECT_THROW(bond.ssingle(), OverflowError);
  EXPECT_EQ(a.pairCount, 126);
  EXPECT_EQ(a.freeValence, 8);
  EXPECT_EQ(b.freeValence, 8);
  EXPECT_EQ(bond.typeCode, 0);
}

TEST_F(LinkTest, AromaticMarkSurvivesOnlyResonanceAndDouble)
{
  tXY a(6, 0, 0, 0);
  tXY b(6, 28, 0, 0);
  tLink bond(&a, &b);
  bond.ssingle();
  bond.Aromatize(true);
  EXPECT_EQ(bond.typeCode, 102);
  EXPECT_EQ(bond.bondType(), 2);
  EXPECT_EQ(bond.order(), 3);
  EXPECT_EQ(bond.BFilter(), 3000);
  bond.ddouble();
  EXPECT_EQ(bond.typeCode, 104);
  bond.reson();
  EXPECT_EQ(bond.typeCode, 103);
  bond.ssingle();
  EXPECT_EQ(bond.typeCode, 2);
  EXPECT_FALSE(bond.isAromatic());
}

TEST_F(LinkTest, DerivedValuesOfEveryCode)
{
  struct Case
  {
    std::uint8_t code;
    int mult, order, filter, aromaticOrder;
  };
  const Case cases[] = {
    { 0, 0, 0, 0, 1 },    { 1, 0, 1, 2000, 2 }, { 2, 1, 2, 2000, 3 }, { 3, 1, 3, 4000, 3 },
    { 4, 2, 4, 4000, 3 }, { 5, 2, 5, 6000, 5 }, { 6, 3, 6, 6000, 5 },
  };
  tXY a(6, 0, 0, 0);
  tXY b(6, 28, 0, 0);
  tLink bond(&a, &b);
  for (const Case& c : cases) {
    bond.typeCode = c.code;
    EXPECT_EQ(bond.Mult(), c.mult) << int(c.code);
    EXPECT_EQ(bond.order(), c.order) << int(c.code);
    EXPECT_EQ(bond.BFilter(), c.filter) << int(c.code);
    bond.typeCode = static_cast<std::uint8_t>(c.code + 100);
    EXPECT_EQ(bond.Mult(), c.mult) << int(c.code);
    EXPECT_EQ(bond.order(), c.aromaticOrder) << int(c.code);
    EXPECT_EQ(bond.BFilter(), 3000) << int(c.code);
  }
}

TEST_F(LinkTest, PairBondEnergies)
{
  struct Case
  {
    int a, b, order;
    double d;
  };
  const Case cases[] = {
    { 6, 6, 2, 29300 * 2 + 25600 }, // C-C 84200
    { 6, 6, 4, 29300 * 4 + 25600 }, // C=C 142800
    { 7, 6, 2, 35400 * 2 + 2200 },  // N-C in either order
    { 6, 8, 4, 42500 * 4 },
    { 7, 7, 2, 5890.3 * 4 + 11714.3 },
    { 8, 8, 2, 17500 * 2 },
    { 8, 8, 3, 21300 * 3 },
    { 8, 8, 0, 0 },
    { 1, 6, 2, 99000 * 2 * 0.5 },
    { 6, 1, 2, 99000 * 2 * 0.5 },
    { 47, 17, 2, 72000 * 2 * 0.5 }, // Ag-Cl found as Cl-Ag
    { 55, 55, 2, 10000 * 2 * 0.5 }, // the last pair of the table
    { 5, 5, 2, 70000 * 2 * 0.5 },   // B-B is not listed
    { 0, 0, 2, 70000 * 2 * 0.5 },
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(pairBondEnergy(c.a, c.b, c.order), c.d) << c.a << "-" << c.b;
}

TEST_F(LinkTest, MorseEnergyVanishesAtTheIdealLength)
{
  tXY a(6, 0, 0, 0);
  tXY b(6, 0, 0, 0);
  tLink bond(&a, &b);
  bond.ssingle();
  const double ideal = (1.71 - 0.09 * 2) * (0.77f + 0.77f - 0.01) * 28 * 0.4217807583618035;
  EXPECT_NEAR(bond.RAB(), ideal, 1e-12);
  b.setRXYZ(ideal, 0, 0);
  EXPECT_NEAR(bond.energy(), 0.0, 1e-9);
  EXPECT_NEAR(bond.FormationEnergy(), -84200.0, 1e-9);
  EXPECT_EQ(bond.bondEnergy, 84200.0);
  b.setRXYZ(2 * ideal, 0, 0);
  const double e = 1 - std::exp(-2.236067978);
  EXPECT_NEAR(bond.energy(), 84200 * e * e, 1e-6);
  EXPECT_NEAR(bond.Rho(), 2.0, 1e-12);
  bond.update();
  EXPECT_EQ(bond.forceConstant, 2 * 700000 * 0.5);
  EXPECT_EQ(bond.bondEnergy, 2 * 70000 * 0.5);
}

TEST_F(LinkTest, ParallelLineOffsets)
{
  tXY a(6, 0, 0, 0);
  tXY b(6, 28, 0, 0);
  tLink bond(&a, &b);
  bond.ddouble();
  EXPECT_EQ(bond.offsetX, 0);
  EXPECT_EQ(bond.offsetY, 4);
  b.setRXYZ(-28, 0, 0);
  bond.DXY();
  EXPECT_EQ(bond.offsetY, -4);
  b.setRXYZ(0, 28, 0);
  bond.triple();
  EXPECT_EQ(bond.offsetX, -3);
  EXPECT_EQ(bond.offsetY, 0);
  b.setRXYZ(0.0005, 0, 0); // too short to have a direction: offsets stay
  bond.DXY();
  EXPECT_EQ(bond.offsetX, -3);
  bond.ZoomDXDY();
  EXPECT_EQ(bond.offsetX, -3);
  b.setRXYZ(3, 4, 0);
  bond.ZoomDXDY(); // any code: -round(4 x 4 / 5), round(4 x 3 / 5)
  EXPECT_EQ(bond.offsetX, -3);
  EXPECT_EQ(bond.offsetY, 2);
}

TEST_F(LinkTest, GeometryOperations)
{
  tXY a(6, 0, 0, 0);
  tXY b(6, 10, 0, 0);
  tLink bond(&a, &b);
  bond.Zoom(2);
  bond.Zoom(2); // both start from the saved coordinates
  EXPECT_EQ(a.x3, -5.0);
  EXPECT_EQ(b.x3, 15.0);
  EXPECT_EQ(b.savedX3, 10.0);
  EXPECT_EQ(b.screenX, 15);

  a.setRXYZ(10, 0, 0);
  b.setRXYZ(20, 0, 0);
  bond.rotate(Point{ 0, 0 }, std::numbers::pi / 2);
  EXPECT_NEAR(a.x3, 0, 1e-12);
  EXPECT_NEAR(a.y3, -10, 1e-12);
  EXPECT_NEAR(b.y3, -20, 1e-12);

  a.setRXYZ(0, 0, 0);
  b.setRXYZ(10, 0, 0);
  bond.extend(2, 1.5);
  EXPECT_EQ(b.x3, 15.0);
  bond.extend(1, 2);
  EXPECT_EQ(a.x3, -15.0);
  bond.stretch(0.5); // about the midpoint 0, rounded to whole units
  EXPECT_EQ(a.x3, -8.0);
  EXPECT_EQ(b.x3, 8.0);
  EXPECT_EQ(bond.getcenter(), (Point{ 0, 0 }));
  EXPECT_EQ(bond.DQ(1), 16.0);

  bond.pivot3d(&a, 2, std::numbers::pi / 2); // b turns about a around y
  EXPECT_NEAR(b.x3, -8, 1e-12);
  EXPECT_NEAR(std::abs(b.z3), 16, 1e-12);
}

TEST_F(LinkTest, WidthColourFlipAndShared)
{
  tXY a(6, 0, 0, 0);
  tXY b(6, 10, 0, 0);
  tXY c(6, 20, 0, 0);
  tLink ab(&a, &b);
  tLink bc(&b, &c);
  ab.width(2);
  for (int i = 0; i < 4; ++i)
    ab.width(65535);
  EXPECT_EQ(ab.penWidth, 2);
  ab.width(65535);
  ab.width(65535);
  EXPECT_EQ(ab.penWidth, 0);
  EXPECT_EQ(ab.color(0x0000FF), black);
  EXPECT_EQ(a.colour, 0x0000FFu);
  EXPECT_EQ(b.colour, 0x0000FFu);
  ab.Flip();
  EXPECT_EQ(ab.flipSide, 2);
  ab.Flip();
  EXPECT_EQ(ab.flipSide, 1);
  EXPECT_EQ(ab.GetNode(&bc), &b);
  EXPECT_EQ(ab.GetNode(&ab), nullptr);
  tLink ca(&c, &a);
  EXPECT_EQ(bc.GetNode(&ca), &c);
}

} // namespace
} // namespace trelvix
