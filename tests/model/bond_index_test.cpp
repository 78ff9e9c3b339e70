// The bonds at an atom, as the list's index answers them, must be what reading the whole list
// gives, in list order, through every kind of change of the list and of the bonds' ends, and
// both before the index is built (the first questions after a change) and after.
#include "model/atom.h"
#include "model/bond_list.h"
#include "model/link.h"
#include "model_fixture.h"

#include <vector>

namespace trelvix {
namespace {

class BondIndexTest : public ModelTest
{
protected:
  BondIndexTest()
  {
    // a - b - c, and a second a - b listed after: a star at b with d.
    for (tLink* bond : { &ab, &bc, &bd, &ab2 })
      list.Add(bond);
  }

  // Asks often enough that the later answers come from the built index; every answer must be
  // the same.
  std::vector<tLink*> bondsAt(const tXY& atom)
  {
    const std::vector<tLink*> first = list.bondsAt(&atom);
    for (int k = 0; k < 20; ++k) {
      for (const tXY* other : { &a, &b, &c, &d, &e })
        list.bondsAt(other);
      EXPECT_EQ(list.bondsAt(&atom), first) << "question " << k;
    }
    return first;
  }

  tXY a{ 6, 0, 0, 0 };
  tXY b{ 6, 40, 0, 0 };
  tXY c{ 6, 80, 0, 0 };
  tXY d{ 8, 40, 40, 0 };
  tXY e{ 7, 0, 40, 0 };
  tLink ab{ &a, &b };
  tLink bc{ &b, &c };
  tLink bd{ &d, &b };
  tLink ab2{ &a, &b };
  tbondlist list;
};

using Bonds = std::vector<tLink*>;

TEST_F(BondIndexTest, AnswersInListOrder)
{
  EXPECT_EQ(bondsAt(a), (Bonds{ &ab, &ab2 }));
  EXPECT_EQ(bondsAt(b), (Bonds{ &ab, &bc, &bd, &ab2 }));
  EXPECT_EQ(bondsAt(d), (Bonds{ &bd }));
  EXPECT_EQ(bondsAt(e), Bonds{});
}

TEST_F(BondIndexTest, FollowsTheListThroughEveryEdit)
{
  tLink ce{ &c, &e };
  tLink loop{ &e, &e };
  bondsAt(b); // the index is built before each edit
  list.Add(&ce);
  EXPECT_EQ(bondsAt(e), (Bonds{ &ce }));
  list.Add(&loop); // a bond from an atom to itself counts once
  EXPECT_EQ(bondsAt(e), (Bonds{ &ce, &loop }));
  list.Remove(&bc);
  EXPECT_EQ(bondsAt(c), (Bonds{ &ce }));
  list.AtInsert(0, &bc);
  EXPECT_EQ(bondsAt(b), (Bonds{ &bc, &ab, &bd, &ab2 }));
  list.AtPut(0, &ce);
  EXPECT_EQ(bondsAt(b), (Bonds{ &ab, &bd, &ab2 }));
  EXPECT_EQ(bondsAt(c), (Bonds{ &ce, &ce }));
  list.Delete(0);
  EXPECT_EQ(bondsAt(c), (Bonds{ &ce }));
  list.Add(&ab); // listed twice, answered twice
  EXPECT_EQ(bondsAt(a), (Bonds{ &ab, &ab2, &ab }));
  list.deleteall();
  EXPECT_EQ(bondsAt(b), Bonds{});
}

TEST_F(BondIndexTest, FollowsTheEndsOfListedBonds)
{
  bondsAt(b);
  bc.Atm2 = &e; // b - c becomes b - e
  EXPECT_EQ(bondsAt(c), Bonds{});
  EXPECT_EQ(bondsAt(e), (Bonds{ &bc }));
  std::swap(bd.Atm1, bd.Atm2);
  EXPECT_EQ(bondsAt(d), (Bonds{ &bd }));
  bd.Atm1 = nullptr; // b - d loses b, and stays at d
  EXPECT_EQ(bondsAt(b), (Bonds{ &ab, &bc, &ab2 }));
  EXPECT_EQ(bondsAt(d), (Bonds{ &bd }));
}

} // namespace
} // namespace trelvix
