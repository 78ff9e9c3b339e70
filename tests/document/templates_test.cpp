#include "document/templates.h"
#include "document_fixture.h"

#include <cmath>
#include <numbers>

namespace trelvix {
namespace {

using TemplateTest = DocumentTest;

TEST_F(TemplateTest, RingsSitOnTheirCircumcircleWithAtomOneOnTop)
{
  modelDefaults().BondScalePixels = 35;
  tRing* six = dropRing(6, 100, 200);
  ASSERT_TRUE(six);
  ASSERT_EQ(six->Atoms.Count(), 6);
  ASSERT_EQ(six->Bonds.Count(), 6);
  EXPECT_EQ(doc.Groups.At(0), six);
  // A regular hexagon's circumradius is its side: atom 1 straight above the drop point.
  EXPECT_NEAR(six->Atoms.At(0)->x3, 100, 1e-9);
  EXPECT_NEAR(six->Atoms.At(0)->y3, 200 - 35, 1e-9);
  for (const tLink* b : six->Bonds)
    EXPECT_NEAR(b->RLength(), 35, 1e-9);
  // Clockwise on screen: the second atom is to the right.
  EXPECT_GT(six->Atoms.At(1)->x3, 100);

  tRing* three = dropRing(3, 0, 0);
  ASSERT_TRUE(three);
  EXPECT_NEAR(three->Atoms.At(0)->y3, -35 / (2 * std::sin(std::numbers::pi / 3)), 1e-9);
  EXPECT_EQ(dropRing(11, 0, 0), nullptr);
  EXPECT_EQ(doc.Atoms.Count(), 9);
}

TEST_F(TemplateTest, ChairIsPuckeredInThreeDimensionsOnly)
{
  tRing* flat = dropRing(26, 0, 0);
  for (const tXY* a : flat->Atoms)
    EXPECT_EQ(a->z3, 0.0);
  modelDefaults().DrawMode3D = true;
  tRing* chair = dropRing(26, 200, 0);
  ASSERT_TRUE(chair);
  for (const tLink* b : chair->Bonds)
    EXPECT_NEAR(b->RLength(), 28, 1e-9); // turns about ring diagonals keep the bonds
  bool bent = false;
  for (const tXY* a : chair->Atoms)
    bent = bent || std::fabs(a->z3 - chair->Atoms.At(0)->z3) > 1;
  EXPECT_TRUE(bent);
}

TEST_F(TemplateTest, BenzeneAlternatesAndIsAromatic)
{
  auto* benzene = new tBenzene;
  benzene->Add(50, 50);
  ASSERT_EQ(benzene->Bonds.Count(), 6);
  const int codes[] = { 102, 104, 102, 104, 102, 104 };
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(benzene->Bonds.At(i)->typeCode, codes[i]) << i;
  for (const tXY* a : benzene->Atoms)
    EXPECT_EQ(a->freeValence, 8 - 2 - 4); // one hydrogen each
}

TEST_F(TemplateTest, DecaneZigzags)
{
  tChain* decane = new tChain(10);
  decane->Add(0, 0);
  ASSERT_EQ(decane->Atoms.Count(), 10);
  ASSERT_EQ(decane->Bonds.Count(), 9);
  for (int i = 0; i < 10; ++i) {
    EXPECT_NEAR(decane->Atoms.At(i)->x3, i * 28 * std::cos(std::numbers::pi / 6), 1e-9);
    EXPECT_NEAR(decane->Atoms.At(i)->y3, i % 2 == 1 ? 14 : 0, 1e-9);
  }
}

TEST_F(TemplateTest, BranchFromALoneAtomSnapsTheDirection)
{
  struct Case
  {
    double degrees;
    double snapped;
  };
  const Case cases[] = { { 45, 45 }, { 25, 0 }, { 100, 90 }, { 200, 180 }, { 335, 0 } };
  for (const Case& c : cases) {
    tAtm* a = atom(6, 500, 500);
    const double r = 5;
    const double t = c.degrees * std::numbers::pi / 180;
    tLink* b = doc.branch(false, false, 500 + r * std::cos(t), 500 + r * std::sin(t), 120);
    ASSERT_TRUE(b) << c.degrees;
    const double s = c.snapped * std::numbers::pi / 180;
    EXPECT_NEAR(b->Atm2->x3, 500 + 28 * std::cos(s), 1e-9) << c.degrees;
    EXPECT_NEAR(b->Atm2->y3, 500 + 28 * std::sin(s), 1e-9) << c.degrees;
    doc.deleteAtom(b->Atm2);
    doc.deleteAtom(a);
  }
  EXPECT_EQ(doc.branch(false, false, 10000, 10000, 120), nullptr); // nothing under the pointer
}

TEST_F(TemplateTest, BranchContinuesAnSpAtomStraightAndZigzagsAChain)
{
  tAtm* n = atom(7, 0, 0);
  tAtm* c = atom(6, 28, 0);
  bond(n, c, TripleBond);
  tLink* straight = doc.branch(false, false, 30, 1, 120);
  ASSERT_TRUE(straight);
  EXPECT_NEAR(straight->Atm2->x3, 56, 1e-9);
  EXPECT_NEAR(straight->Atm2->y3, 0, 1e-9);

  tAtm* a = atom(6, 0, 100);
  tAtm* b = atom(6, 28, 100);
  bond(a, b);
  // The point below the bond picks the side: 120 degrees from the bond, one bond length away.
  tLink* bent = doc.branch(false, false, 30, 103, 120);
  ASSERT_TRUE(bent);
  EXPECT_NEAR(bent->Atm2->x3, 28 + 14, 1e-9);
  EXPECT_NEAR(bent->Atm2->y3, 100 + 28 * std::sin(std::numbers::pi / 3), 1e-9);
}

TEST_F(TemplateTest, BranchOnAnAtomWithTwoBondsTakesItsFreeDirection)
{
  tAtm* a = atom(6, -24, 14);
  tAtm* m = atom(6, 0, 0);
  tAtm* b = atom(6, 24, 14);
  bond(a, m);
  bond(m, b);
  // The bonds point down-left and down-right: the free direction is straight up (y falls).
  // A click on the atom (within a quarter bond, 7 pixels, of its centre) has no side of its own
  // and takes it, even a little below; a click clearly below turns it down.
  struct Case
  {
    double clickY;
    double newY;
  };
  for (const Case c : { Case{ 0, -28 }, Case{ -5, -28 }, Case{ 5, -28 }, Case{ 10, 28 } }) {
    tLink* added = doc.branch(false, false, 0, c.clickY, 120);
    ASSERT_TRUE(added) << c.clickY;
    EXPECT_NEAR(added->Atm2->x3, 0, 1e-9) << c.clickY;
    EXPECT_NEAR(added->Atm2->y3, c.newY, 1e-9) << c.clickY;
    doc.deleteAtom(added->Atm2);
  }
}

TEST_F(TemplateTest, BranchWithThePointerOnTheBondLineBendsToTheBondsLeft)
{
  tAtm* a = atom(6, 0, 0);
  tAtm* b = atom(6, 20, 20);
  bond(a, b);
  // u = (-1, -1) / sqrt 2 from b to a, v = (1, -1) / sqrt 2; d = 28 (cos 120 u + sin 120 v):
  // x = 28 (0.5 + 0.8660254) / sqrt 2 = 27.045919, y = 28 (0.5 - 0.8660254) / sqrt 2 = -7.246933.
  tLink* added = doc.branch(false, false, 20, 20, 120);
  ASSERT_TRUE(added);
  EXPECT_NEAR(added->Atm2->x3, 20 + 27.045919, 1e-5);
  EXPECT_NEAR(added->Atm2->y3, 20 - 7.246933, 1e-5);
}

TEST_F(TemplateTest, AFourthBranchOnAFlatAtomNeverLandsOnABond)
{
  tAtm* c = atom(6, 0, 0);
  bond(c, atom(6, 28, 0));
  bond(c, atom(6, -14, 24.248711));
  bond(c, atom(6, -14, -24.248711));
  // The pointer's direction (11 degrees) rounds down to 0, where a bond is: the next free step
  // is 30 degrees, (28 cos 30, 28 sin 30).
  tLink* added = doc.branch(false, false, 5, 1, 120);
  ASSERT_TRUE(added);
  EXPECT_NEAR(added->Atm2->x3, 24.248711, 1e-5);
  EXPECT_NEAR(added->Atm2->y3, 14, 1e-5);
}

TEST_F(TemplateTest, ChainLinkNeedsAtoms)
{
  tChain chain(3);
  EXPECT_EQ(chain.link(0, 0), nullptr);
  ASSERT_EQ(shell.messages().size(), 1u);
  EXPECT_EQ(shell.messages()[0].text, "No Atoms to Link");
}

TEST_F(TemplateTest, FusetestTellsInsideFromOutside)
{
  tAtm* a = atom(6, 0, 0);
  tAtm* b = atom(6, 20, 0);
  tbond* ab = bond(a, b);
  EXPECT_EQ(fusetest(*ab, 10, 1), -1);
  EXPECT_EQ(fusetest(*ab, 10, 30), 1);
  EXPECT_EQ(fusetest(*ab, 10, 10), 0);
}

} // namespace
} // namespace trelvix
