#include "document/drawing.h"
#include "document/symbol.h"
#include "document_fixture.h"

namespace trelvix {
namespace {

using DrawingTest = DocumentTest;

TEST_F(DrawingTest, NewDocumentDefaults)
{
  EXPECT_EQ(doc.version, 120);
  EXPECT_EQ(doc.fileName.str(), "untitled.tvx");
  EXPECT_EQ(doc.savedFlag, 0);
  EXPECT_EQ(doc.bondLength, 28);
  EXPECT_EQ(doc.molesFlag, 0);
  EXPECT_EQ(atomHost(), &doc);
  EXPECT_EQ(&messageFont(), &doc.font);
}

TEST_F(DrawingTest, CloneIsAnEqualIndependentDocument)
{
  tAtm* c = atom(6, 10, 20, 3);
  tAtm* o = atom(8, 38, 20, -1);
  tAtm* n = atom(7, 10, 48);
  bond(c, o, DoubleBond);
  bond(c, n);
  tStructure* p = piece({ c, o, n });
  p->phase = 4;
  p->amount = 2.5;
  auto* label = new tLAtm(5, 5, "note");
  doc.Atoms.Add(label);
  doc.Labels.Add(label);
  doc.title = "Urea-ish";

  std::unique_ptr<tDrawing> copy = doc.clone();
  ASSERT_EQ(copy->Atoms.Count(), doc.Atoms.Count());
  ASSERT_EQ(copy->Bonds.Count(), doc.Bonds.Count());
  ASSERT_EQ(copy->Groups.Count(), 1);
  ASSERT_EQ(copy->Labels.Count(), 1);
  for (int i = 0; i < doc.Atoms.Count(); ++i) {
    const tXY* mine = doc.Atoms.At(i);
    const tXY* theirs = copy->Atoms.At(i);
    EXPECT_NE(mine, theirs);
    EXPECT_EQ(theirs->element, mine->element);
    EXPECT_EQ(theirs->z3, mine->z3);
    EXPECT_EQ(theirs->freeValence, mine->freeValence);
    EXPECT_EQ(theirs->symbol, mine->symbol);
  }
  EXPECT_EQ(copy->Labels.At(0), copy->Atoms.At(3));
  EXPECT_EQ(copy->Atoms.At(3)->textFlag, 1);
  for (int i = 0; i < doc.Bonds.Count(); ++i) {
    EXPECT_NE(copy->Bonds.At(i), doc.Bonds.At(i));
    EXPECT_EQ(copy->Bonds.At(i)->typeCode, doc.Bonds.At(i)->typeCode);
    EXPECT_EQ(copy->Atoms.IndexOf(copy->Bonds.At(i)->Atm1),
              doc.Atoms.IndexOf(doc.Bonds.At(i)->Atm1));
    EXPECT_EQ(copy->Atoms.IndexOf(copy->Bonds.At(i)->Atm2),
              doc.Atoms.IndexOf(doc.Bonds.At(i)->Atm2));
  }
  const tStructure* group = copy->Groups.At(0);
  EXPECT_NE(group, p);
  EXPECT_EQ(group->Atoms.At(1), copy->Atoms.At(1));
  EXPECT_EQ(group->Bonds.Count(), 2);
  EXPECT_EQ(group->phase, 4);
  EXPECT_EQ(group->amount, 2.5);
  EXPECT_EQ(copy->title, "Urea-ish");

  // Changing the copy leaves the original alone.
  copy->Atoms.At(0)->setRXYZ(-99, -99, -99);
  copy->deleteAtom(copy->Atoms.At(2));
  EXPECT_EQ(c->x3, 10.0);
  EXPECT_EQ(doc.Atoms.Count(), 4);
  EXPECT_EQ(doc.Bonds.Count(), 2);
}

TEST_F(DrawingTest, AppendPlacesTheOtherDrawingAtTheRightEdge)
{
  atom(6, 0, 0);
  atom(6, 100, 0);
  tDrawing other;
  auto* a = new tAtm(8, 0, 0, 0);
  a->setRXYZ(-30, 5, 0);
  auto* b = new tAtm(8, 0, 0, 0);
  b->setRXYZ(20, 5, 0);
  other.Atoms.Add(a);
  other.Atoms.Add(b);
  doc.Append(other);
  ASSERT_EQ(doc.Atoms.Count(), 4);
  EXPECT_EQ(other.Atoms.Count(), 0);
  // The frame runs from xmin - 1 to xmax + 1: the other's left edge meets this one's right edge.
  EXPECT_EQ(a->x3, -30 + (101 - (-31)));
  EXPECT_EQ(b->x3, 20 + (101 - (-31)));
}

TEST_F(DrawingTest, FitToFrameOnlyShrinks)
{
  tAtm* a = atom(6, 0, 0);
  tAtm* b = atom(6, 198, 0); // frame -1 .. 199: 200 wide
  doc.FitToFrame(Rect{ 0, 0, 400, 400 });
  EXPECT_EQ(b->x3, 198.0);
  doc.FitToFrame(Rect{ 0, 0, 100, 100 }); // halved about the centroid 99
  EXPECT_DOUBLE_EQ(a->x3, 99 - 99 * 0.5);
  EXPECT_DOUBLE_EQ(b->x3, 99 + 99 * 0.5);
}

TEST_F(DrawingTest, DeleteAtomTakesItsBondsAndEmptiedPieces)
{
  tAtm* c = atom(6, 0, 0);
  tAtm* o = atom(8, 28, 0);
  tAtm* lone = atom(17, 100, 0);
  bond(c, o);
  piece({ c, o });
  piece({ lone });
  doc.deleteAtom(o);
  EXPECT_EQ(doc.Atoms.Count(), 2);
  EXPECT_EQ(doc.Bonds.Count(), 0);
  EXPECT_EQ(doc.Groups.At(0)->Bonds.Count(), 0);
  doc.deleteAtom(lone);
  EXPECT_EQ(doc.Groups.Count(), 1);
}

TEST_F(DrawingTest, DeprotonateRemovesAHydrogenOnlyPiece)
{
  tAtm* c = atom(6, 0, 0);
  tAtm* h1 = atom(1, 28, 0);
  tAtm* h2 = atom(1, 100, 0);
  tAtm* h3 = atom(1, 128, 0);
  bond(c, h1);
  bond(h2, h3);
  piece({ c, h1 });
  piece({ h2, h3 });
  doc.Deprotonate();
  ASSERT_EQ(doc.Atoms.Count(), 1);
  EXPECT_EQ(doc.Atoms.At(0), c);
  EXPECT_EQ(doc.Bonds.Count(), 0);
  ASSERT_EQ(doc.Groups.Count(), 1);
  EXPECT_EQ(doc.Groups.At(0)->Atoms.Count(), 1);
}

TEST_F(DrawingTest, GroupsAndSymbolsAreFoundByNearestCentre)
{
  tAtm* a = atom(6, 0, 0);
  tAtm* b = atom(6, 100, 0);
  tStructure* left = piece({ a });
  tStructure* right = piece({ b });
  EXPECT_EQ(doc.GetGroup(50, 0), left); // equally far: the earlier
  EXPECT_EQ(doc.GetGroup(51, 1000), right);
  EXPECT_TRUE(doc.GroupAtom(a));
  doc.RemoveGroup(left);
  EXPECT_EQ(doc.Groups.Count(), 1);
  EXPECT_FALSE(doc.GroupAtom(a));
  EXPECT_EQ(doc.GetSymbol(0, 0), nullptr);
}

} // namespace
} // namespace trelvix
