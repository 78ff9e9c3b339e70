#include "model/atom.h"
#include "model/atom_list.h"
#include "model_fixture.h"

#include <memory>
#include <numbers>
#include <vector>

namespace trelvix {
namespace {

class AtomListTest : public ModelTest
{
protected:
  tXY& add(int z, double x, double y, double zc = 0)
  {
    owned.push_back(std::make_unique<tXY>(z, x, y, 0));
    owned.back()->setRXYZ(x, y, zc);
    list.Add(owned.back().get());
    return *owned.back();
  }

  std::vector<std::unique_ptr<tXY>> owned;
  tAtoms list;
};

TEST_F(AtomListTest, EmptyListGivesZeroesAndTheOrigin)
{
  EXPECT_EQ(list.GetX(), 0.0);
  EXPECT_EQ(list.GetCG(), (Vector3{ 0, 0, 0 }));
  EXPECT_EQ(list.NAtoms(), 0);
  EXPECT_EQ(list.MolecularWeight(), 0.0);
  EXPECT_EQ(list.xMax(), 0);
  EXPECT_EQ(list.zMin(), 0);
  list.Get3dlist();
  EXPECT_EQ(list.List3d->Count(), 0);
}

TEST_F(AtomListTest, CountsHydrogensAndWeight)
{
  tXY& c1 = add(6, 0, 0);
  tXY& c2 = add(6, 28, 0);
  c1.freeValence = 6; // drawn as C-C
  c2.freeValence = 6;
  EXPECT_EQ(list.nHydrogens(), 6);
  add(1, 50, 0).freeValence = 0; // an explicit hydrogen counts once
  EXPECT_EQ(list.nHydrogens(), 7);
  EXPECT_EQ(list.nprotons(), 1);
  EXPECT_EQ(list.NAtoms(), 3);

  tAtoms lone;
  tXY c(6, 0, 0, 0);
  lone.Add(&c);
  EXPECT_DOUBLE_EQ(lone.MolecularWeight(), static_cast<double>(12.01115f) + 4 * 1.00794);
  tXY na(11, 0, 0, 0);
  tAtoms sodium;
  sodium.Add(&na);
  EXPECT_DOUBLE_EQ(sodium.MolecularWeight(), static_cast<double>(22.9898f));
  tLAtm text(0, 0, "note");
  sodium.Add(&text);
  EXPECT_DOUBLE_EQ(sodium.MolecularWeight(), static_cast<double>(22.9898f));
}

TEST_F(AtomListTest, CentroidSkipsTextAtomsUnlessThereIsNothingElse)
{
  tLAtm t1(10, 10, "a");
  tLAtm t2(30, 50, "b");
  tAtoms texts;
  texts.Add(&t1);
  texts.Add(&t2);
  EXPECT_EQ(texts.GetCG(), (Vector3{ 20, 30, 0 }));
  tXY c(6, 100, 100, 0);
  texts.Add(&c);
  EXPECT_EQ(texts.GetCG(), (Vector3{ 100, 100, 0 }));
  EXPECT_DOUBLE_EQ(texts.GetX(), (10 + 30 + 100) / 3.0);
}

TEST_F(AtomListTest, ReflectTwiceRestores)
{
  add(6, 0, 0, 1);
  add(8, 10, 4, -3);
  list.Reflect(2);
  EXPECT_EQ(list.At(0)->y3, 4.0);
  EXPECT_EQ(list.At(1)->y3, 0.0);
  list.Reflect(2);
  EXPECT_EQ(list.At(0)->y3, 0.0);
  EXPECT_EQ(list.At(1)->y3, 4.0);
  list.Reflect(3);
  EXPECT_EQ(list.At(0)->z3, -3.0);
}

TEST_F(AtomListTest, MovesAndRotations)
{
  tXY& a = add(6, 0, 0);
  tXY& b = add(6, 20, 0);
  b.fixedFlag = 1;
  list.Move(1, 1, 1);
  EXPECT_EQ(a.x3, 1.0);
  EXPECT_EQ(b.x3, 20.0);
  list.FluxMoveTo(0, 0, 0); // fixed atoms move too
  EXPECT_DOUBLE_EQ(a.x3, 1 - 10.5);
  EXPECT_DOUBLE_EQ(b.x3, 20 - 10.5);
  b.fixedFlag = 0;

  a.setRXYZ(-10, 0, 0);
  b.setRXYZ(10, 0, 0);
  list.rotate3d(3, std::numbers::pi / 2); // only the screen sees it
  EXPECT_EQ(a.x3, -10.0);
  EXPECT_EQ(a.screenX, 0);
  EXPECT_EQ(a.screenY, -10);
  list.RotateABC(0, 0, std::numbers::pi / 2);
  EXPECT_NEAR(a.x3, 0, 1e-12);
  EXPECT_NEAR(a.y3, -10, 1e-12);
  EXPECT_NEAR(a.savedY3, -10, 1e-12);
  list.RotateABC(0, std::numbers::pi / 2, 0); // about y: z' = -x sin + z cos
  EXPECT_NEAR(a.z3, 0, 1e-12);
  list.RotateABC(std::numbers::pi / 2, 0, 0); // about x: z' = y sin + z cos
  EXPECT_NEAR(a.z3, -10, 1e-12);
  EXPECT_NEAR(b.z3, 10, 1e-12);
}

TEST_F(AtomListTest, BoundsNumbersAndFlags)
{
  add(6, 3.4, -2, 5).atomNumber = 4;
  add(6, -7.6, 9, -1).atomNumber = 9;
  EXPECT_EQ(list.xMax(), 3 + 1);
  EXPECT_EQ(list.xMin(), -8 - 1);
  EXPECT_EQ(list.yMax(), 9 + 1);
  EXPECT_EQ(list.yMin(), -2 - 1);
  EXPECT_EQ(list.zMax(), 5 + 1);
  EXPECT_EQ(list.zMin(), -1 - 1);
  EXPECT_EQ(list.MaxNumber(), 9);
  list.zeros();
  EXPECT_EQ(list.MaxNumber(), 0);
  list.Fix(1);
  list.settest(1);
  EXPECT_EQ(list.At(1)->fixedFlag, 1);
  EXPECT_EQ(list.At(1)->testFlag, 1);
}

TEST_F(AtomListTest, DepthListIsAscendingByTop)
{
  const double depths[] = { 5, -3, 12, 0, 7, -9, 2 };
  for (double z : depths)
    add(6, 0, 0, z);
  add(1, 0, 0, 0.5); // hydrogen: top 0.5 + 0.29
  list.Get3dlist();
  ASSERT_EQ(list.List3d->Count(), list.Count());
  for (int i = 1; i < list.List3d->Count(); ++i)
    EXPECT_LE(list.List3d->At(i - 1)->top(), list.List3d->At(i)->top());
  EXPECT_EQ(list.List3d->At(0)->z3, -9.0);
  EXPECT_EQ(list.List3d->At(list.Count() - 1)->z3, 12.0);
  EXPECT_EQ(list.At(0)->z3, 5.0); // the list itself keeps its order
}

} // namespace
} // namespace trelvix
