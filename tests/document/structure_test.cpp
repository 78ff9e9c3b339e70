#include "document/structure.h"
#include "document_fixture.h"

#include <cmath>

namespace trelvix {
namespace {

using StructureTest = DocumentTest;

TEST_F(StructureTest, GetBondFindsTheNearestMidpointAndKeepsTheEarlierOfEquals)
{
  tAtm* a = atom(6, 0, 0);
  tAtm* b = atom(6, 20, 0);
  tAtm* c = atom(6, 0, 20);
  tbond* ab = bond(a, b);                      // midpoint (10, 0)
  tbond* ac = bond(a, c);                      // midpoint (0, 10)
  EXPECT_EQ(doc.GetBond(doc.Bonds, 5, 5), ab); // equally far: the earlier
  EXPECT_EQ(doc.GetBond(doc.Bonds, 1000, -3), ab);
  EXPECT_EQ(doc.GetBond(doc.Bonds, -1000, 900), ac);
  ac->visible = 0;
  EXPECT_EQ(doc.GetBond(doc.Bonds, 0, 10), nullptr); // the nearest is hidden
  EXPECT_EQ(doc.GetBond(tbonds{}, 0, 0), nullptr);
}

TEST_F(StructureTest, AutoNumberByPositionElementAndContinuation)
{
  tAtm* c1 = atom(6, 0, 0);
  tAtm* o = atom(8, 10, 0);
  tAtm* c2 = atom(6, 20, 0);
  o->atomNumber = 7;
  tStructure* p = piece({ c1, o, c2 });
  p->AutoNumber(0, false);
  EXPECT_EQ(c1->atomNumber, 1);
  EXPECT_EQ(o->atomNumber, 7); // already numbered
  EXPECT_EQ(c2->atomNumber, 3);

  doc.Atoms.zeros();
  o->atomNumber = 7;
  p->AutoNumber(6, false);
  EXPECT_EQ(c1->atomNumber, 1);
  EXPECT_EQ(c2->atomNumber, 2);

  doc.Atoms.zeros();
  o->atomNumber = 7;
  p->AutoNumber(6, true); // after the highest number, 7; every unnumbered atom advances it
  EXPECT_EQ(c1->atomNumber, 8);
  EXPECT_EQ(c2->atomNumber, 9);
}

TEST_F(StructureTest, FlipTwiceRestoresCoordinatesAndBondDirection)
{
  tAtm* a = atom(6, 10, 10);
  tAtm* b = atom(6, 40, 30);
  tbond* ab = bond(a, b, DoubleBond);
  tStructure* p = piece({ a, b });
  p->Flip(1); // about the centre (25, 20)
  EXPECT_EQ(a->y3, 30.0);
  EXPECT_EQ(ab->Atm1, b);
  EXPECT_EQ(ab->flipSide, 2);
  p->Flip(1);
  EXPECT_EQ(a->y3, 10.0);
  EXPECT_EQ(b->y3, 30.0);
  EXPECT_EQ(ab->Atm1, a);
  EXPECT_EQ(ab->flipSide, 1);
  p->Flip(2);
  EXPECT_EQ(a->x3, 40.0);
}

TEST_F(StructureTest, DihedralTurnsAboutTheBondAndKeepsLengths)
{
  tAtm* a = atom(6, 0, 0);
  tAtm* b = atom(6, 28, 0);
  tAtm* c = atom(6, 40, 20);
  tbond* ab = bond(a, b);
  tbond* bc = bond(b, c);
  tStructure* p = piece({ a, b, c });
  const double before = bc->RLength();
  p->bondRotate(*ab, 90); // about +x: y' = y cos - z sin, z' = y sin + z cos
  EXPECT_NEAR(c->x3, 40, 1e-9);
  EXPECT_NEAR(c->y3, 0, 1e-9);
  EXPECT_NEAR(c->z3, 20, 1e-9);
  EXPECT_NEAR(bc->RLength(), before, 1e-9);
  EXPECT_NEAR(ab->RLength(), 28, 1e-9);
  EXPECT_EQ(c->depth, 20);
}

TEST_F(StructureTest, OddBondsAreTheBoundary)
{
  tAtm* a = atom(6, 0, 0);
  tAtm* b = atom(6, 28, 0);
  tAtm* c = atom(6, 56, 0);
  bond(a, b);
  tbond* bc = bond(b, c);
  tStructure* left = piece({ a, b });
  left->GetOddBonds();
  ASSERT_EQ(left->OddBonds.Count(), 1);
  EXPECT_EQ(left->OddBonds.At(0), bc);
  ASSERT_EQ(left->OddAtoms.Count(), 1);
  EXPECT_EQ(left->OddAtoms.At(0), c);
  EXPECT_EQ(doc.getowner(b), left);
  EXPECT_EQ(doc.getowner(c), nullptr);
}

TEST_F(StructureTest, UpdateAtomsRecountsFreeValence)
{
  tAtm* a = atom(6, 0, 0);
  tAtm* b = atom(8, 28, 0);
  bond(a, b, DoubleBond);
  tStructure* p = piece({ a, b });
  a->freeValence = 0;
  b->freeValence = 0;
  p->updateatoms();
  EXPECT_EQ(a->freeValence, 8 - 4);
  EXPECT_EQ(b->freeValence, 4 - 4);
  EXPECT_EQ(p->SumBondV(a), 4);
}

TEST_F(StructureTest, CloneSCopiesElementAtomsAndVisibleBonds)
{
  tAtm* a = atom(6, 0, 0);
  tAtm* b = atom(8, 28, 0);
  tAtm* c = atom(7, 0, 28);
  bond(a, b, DoubleBond);
  tbond* hidden = bond(a, c);
  hidden->visible = 0;
  tStructure* p = piece({ a, b, c });
  p->phase = 2;
  std::unique_ptr<tStructure> copy(p->CloneS());
  ASSERT_EQ(copy->Atoms.Count(), 3);
  ASSERT_EQ(copy->Bonds.Count(), 1);
  EXPECT_NE(copy->Atoms.At(1), b);
  EXPECT_EQ(copy->Atoms.At(1)->element, 8);
  EXPECT_EQ(copy->Bonds.At(0)->Atm2, copy->Atoms.At(1));
  EXPECT_EQ(copy->Bonds.At(0)->typeCode, DoubleBond);
  EXPECT_EQ(copy->phase, 2);
  copy->DisposeBonds();
  copy->DisposeAtoms();
}

} // namespace
} // namespace trelvix
