#include "model/atom.h"
#include "model/bond_list.h"
#include "model/link.h"
#include "model_fixture.h"

namespace trelvix {
namespace {

class BondListTest : public ModelTest
{
protected:
  BondListTest()
  {
    // c1 - c2 (branched) - h; c2 - o
    c2.neighbourCount = 3;
    for (tXY* a : { &c1, &h, &o })
      a->neighbourCount = 1;
    for (tLink* b : { &b12, &b2h, &b2o }) {
      b->ssingle();
      list.Add(b);
    }
  }

  tXY c1{ 6, 0, 0, 0 };
  tXY c2{ 6, 40, 0, 0 };
  tXY h{ 1, 40, 50, 0 };
  tXY o{ 8, 80, 0, 0 };
  tLink b12{ &c1, &c2 };
  tLink b2h{ &c2, &h };
  tLink b2o{ &c2, &o };
  tbonds list;
};

TEST_F(BondListTest, SumsAndFlags)
{
  b2o.ddouble();
  EXPECT_EQ(list.vTotal(), 2 + 2 + 4);
  EXPECT_EQ(list.NBonds(), 3);
  b2h.visible = 0;
  EXPECT_EQ(list.NBonds(), 2);
  list.notbonds(1);
  EXPECT_EQ(list.NBonds(), 3);
  list.Aromatic(true);
  EXPECT_EQ(b12.typeCode, 102);
  list.Widths(3);
  EXPECT_EQ(b2h.penWidth, 3);
  list.Color(0x00FF00);
  EXPECT_EQ(b2o.colour, 0x00FF00u);
  EXPECT_EQ(c1.colour, black); // the list colours bonds only
}

TEST_F(BondListTest, MeanLengthIsTheRunningMean)
{
  EXPECT_DOUBLE_EQ(list.MeanLength(), (40 + 50 + 40) / 3.0);
  tbonds none;
  EXPECT_EQ(none.MeanLength(), 0.0);
}

TEST_F(BondListTest, TerminalAtomsMoveToTheirLengths)
{
  list.normalize();
  EXPECT_NEAR(b12.RLength(), b12.RAB(), 1e-9);
  EXPECT_NEAR(b2h.RLength(), b2h.RAB(), 1e-9);
  EXPECT_EQ(c2.x3, 40.0); // the branched atom stays

  h.setRXYZ(40, 50, 0);
  list.scaleXY();
  // (0.29 + 0.77) / 1.54 of the 28-unit scale
  EXPECT_NEAR(b2h.RLength(),
              (static_cast<double>(0.29f) + static_cast<double>(0.77f)) * 0.6493506493506493 * 28,
              1e-9);

  h.setRXYZ(40, 50, 0);
  o.setRXYZ(80, 0, 0);
  list.ScaleXH(); // only the bond to hydrogen changes
  EXPECT_NEAR(b2h.RLength(), b2h.RAB(), 1e-9);
  EXPECT_EQ(o.x3, 80.0);
}

TEST_F(BondListTest, DepthListOfOneAndNone)
{
  tbonds one;
  one.Add(&b12);
  one.get3dlist();
  ASSERT_EQ(one.List3d->Count(), 1);
  EXPECT_EQ(one.List3d->At(0), &b12);
  tbonds none;
  none.get3dlist();
  EXPECT_EQ(none.List3d->Count(), 0);
  h.setRXYZ(40, 50, -20);
  list.get3dlist();
  EXPECT_EQ(list.List3d->At(0), &b2h);
}

} // namespace
} // namespace trelvix
