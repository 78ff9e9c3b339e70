#include "document/editor_operations.h"
#include "document/structure.h"
#include "document_fixture.h"

#include <vector>

namespace trelvix {
namespace {

using EditorOperationsTest = DocumentTest;

// The walks below are worked by hand: from the start atom, each atom found is searched in turn
// through the document's bonds in their order, skipping the bond turned about.
TEST_F(EditorOperationsTest, SideOfWalksOneSideOfABondAndNothingInARing)
{
  // a - b - c - d, with e on b: the chain and its branch.
  tAtm* a = atom(6, 0, 0);
  tAtm* b = atom(6, 10, 0);
  tAtm* c = atom(6, 20, 0);
  tAtm* d = atom(6, 30, 0);
  tAtm* e = atom(6, 10, 10);
  tbond* ab = bond(a, b);
  tbond* bc = bond(b, c);
  tbond* cd = bond(c, d);
  bond(b, e);
  EXPECT_EQ(sideOf(doc, *bc, c), (std::vector<tXY*>{ c, d }));
  EXPECT_EQ(sideOf(doc, *bc, b), (std::vector<tXY*>{ b, a, e }));
  EXPECT_EQ(sideOf(doc, *ab, b), (std::vector<tXY*>{ b, c, e, d }));
  EXPECT_EQ(sideOf(doc, *cd, d), (std::vector<tXY*>{ d })); // a terminal atom turns alone

  // Closing the ring d - a puts every chain bond in a ring: no side is apart from the other.
  bond(d, a);
  EXPECT_TRUE(sideOf(doc, *bc, c).empty());
  EXPECT_TRUE(sideOf(doc, *ab, a).empty());
  // The branch bond still parts e from the ring.
  tLink* be = doc.Bonds.At(3);
  EXPECT_EQ(sideOf(doc, *be, e), (std::vector<tXY*>{ e }));
  EXPECT_EQ(sideOf(doc, *be, b), (std::vector<tXY*>{ b, a, c, d }));
}

TEST_F(EditorOperationsTest, CycleBondSideStepsRightCentredLeft)
{
  struct Case
  {
    std::int16_t x, y;         // the offsets before
    std::int16_t nextX, nextY; // and after one step
  };
  const Case cases[] = {
    { 0, 0, 4, 1 },  // not yet to one side: right
    { 4, 1, 1, 1 },  // right (sum 5): centred
    { 1, 1, 1, -1 }, // centred (sum 2): left
    { 1, -1, 4, 1 }, // left (sum 0): right again
    { -2, 2, 4, 1 }, // any sum 0 counts as left
    { 3, 3, 3, 3 },  // sum 6 is no side: left as it is
    { 2, 0, 2, -1 }, // sum 2: centred, so left is its y offset -1
  };
  tbond* ab = bond(atom(6, 0, 0), atom(6, 10, 0), DoubleBond);
  for (const Case& c : cases) {
    ab->offsetX = c.x;
    ab->offsetY = c.y;
    cycleBondSide(*ab);
    EXPECT_EQ(ab->offsetX, c.nextX) << c.x << ", " << c.y;
    EXPECT_EQ(ab->offsetY, c.nextY) << c.x << ", " << c.y;
  }
  // Three steps come back to where they started.
  ab->offsetX = 4;
  ab->offsetY = 1;
  for (int i = 0; i < 3; ++i)
    cycleBondSide(*ab);
  EXPECT_EQ(ab->offsetX, 4);
  EXPECT_EQ(ab->offsetY, 1);
}

TEST_F(EditorOperationsTest, PiecesCoveredByAreTheOtherPiecesWhollyInsideTheGroup)
{
  tAtm* a = atom(6, 0, 0);
  tAtm* b = atom(6, 10, 0);
  tAtm* c = atom(6, 20, 0);
  tAtm* d = atom(6, 30, 0);
  tStructure* ab = piece({ a, b });
  tStructure* cOnly = piece({ c });
  piece({ c, d }); // d lies outside the group
  piece({});       // an empty piece is covered by nothing
  tStructure* group = piece({ a, b, c });
  tStructure* ba = piece({ b, a }); // the same atoms in another order
  EXPECT_EQ(piecesCoveredBy(doc, *group), (std::vector<tStructure*>{ ab, cOnly, ba }));
  EXPECT_EQ(piecesCoveredBy(doc, *ab), (std::vector<tStructure*>{ ba }));
  EXPECT_TRUE(piecesCoveredBy(doc, *cOnly).empty());
}

TEST_F(EditorOperationsTest, EncloseGroupTakesAnExistingPieceOrMakesOne)
{
  // Three carbons on a line 10 apart, bonded in a chain, and a label between the first two.
  tAtm* c1 = atom(6, 0, 0);
  tAtm* c2 = atom(6, 10, 0);
  tAtm* c3 = atom(6, 20, 0);
  tbond* b12 = bond(c1, c2);
  bond(c2, c3);
  auto* label = new tLAtm(5, 0, "note");
  label->setRXYZ(5, 0, 0);
  doc.Atoms.Add(label);

  // Only element atoms count: a band round the label alone holds nothing.
  EXPECT_EQ(encloseGroup(doc, 4, -1, 6, 1, BandEdges::Included).group, nullptr);
  // Atoms on the edges count only when the edges are included.
  EXPECT_EQ(encloseGroup(doc, 0, -1, 10, 1, BandEdges::Excluded).group, nullptr);
  EXPECT_EQ(doc.Groups.Count(), 0);

  const BandGroup made = encloseGroup(doc, 0, -1, 10, 1, BandEdges::Included);
  ASSERT_NE(made.group, nullptr);
  EXPECT_TRUE(made.made);
  EXPECT_TRUE(doc.Groups.Contains(made.group));
  EXPECT_EQ(std::vector<tXY*>(made.group->Atoms.begin(), made.group->Atoms.end()),
            (std::vector<tXY*>{ c1, c2 }));
  EXPECT_EQ(std::vector<tLink*>(made.group->Bonds.begin(), made.group->Bonds.end()),
            (std::vector<tLink*>{ b12 })); // b23 has one end outside

  // A band holding exactly a piece's atoms gives that piece; no new one is made.
  tStructure* tail = piece({ c3, c2 });
  const int pieces = doc.Groups.Count();
  const BandGroup found = encloseGroup(doc, 9, -1, 21, 1, BandEdges::Excluded);
  EXPECT_EQ(found.group, tail);
  EXPECT_FALSE(found.made);
  EXPECT_EQ(doc.Groups.Count(), pieces);
  EXPECT_EQ(encloseGroup(doc, -1, -1, 11, 1, BandEdges::Excluded).group, made.group);
}

} // namespace
} // namespace trelvix
