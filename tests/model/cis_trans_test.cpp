#include "model/bond.h"
#include "model/ring_membership.h"
#include "model_fixture.h"
#include "test_host.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace trelvix {
namespace {

using CisTransTest = ModelTest;

// 24.248711305964282 = 28 sin 60°.
constexpr double h60 = 24.248711305964282;
constexpr std::int16_t unset = 99;

// Marks the reference fields so a change shows.
void markUnset(tbond& b, std::int8_t sign)
{
  b.index1 = unset;
  b.index2 = unset;
  b.cisTrans = sign;
}

// ---- The ring test ----

TEST_F(CisTransTest, RingTestLooksForAPathAroundTheBond)
{
  struct Case
  {
    const char* name;
    // Atoms 0 = a1, 1 = a2, 2 = n1 (on a1), 3 = n2 (on a2), 4.. others; bonds as index pairs.
    std::vector<std::pair<int, int>> bonds;
    int n1, n2;
    bool ring;
  };
  const Case cases[] = {
    { "open chain", { { 0, 1 }, { 0, 2 }, { 1, 3 } }, 2, 3, false },
    { "four-membered ring", { { 0, 1 }, { 0, 2 }, { 1, 3 }, { 2, 3 } }, 2, 3, true },
    { "six-membered ring",
      { { 0, 1 }, { 0, 2 }, { 1, 3 }, { 3, 4 }, { 4, 5 }, { 5, 2 } },
      2,
      3,
      true },
    { "three-membered ring: one atom on both ends", { { 0, 1 }, { 0, 2 }, { 1, 2 } }, 2, 2, true },
    // n2 is also bonded to a1: the only way round passes through a1.
    { "path only through the bond's atom",
      { { 0, 1 }, { 0, 2 }, { 1, 3 }, { 0, 3 } },
      2,
      3,
      false },
    // The ring holds n1 but not the bond.
    { "ring beside the bond",
      { { 0, 1 }, { 0, 2 }, { 1, 3 }, { 2, 4 }, { 4, 5 }, { 5, 2 } },
      2,
      3,
      false },
    { "reference is the bond's own atom", { { 0, 1 }, { 0, 2 }, { 1, 3 }, { 2, 3 } }, 1, 3, false },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    std::vector<tAtm*> atoms;
    for (int i = 0; i < 6; ++i)
      atoms.push_back(&doc.atom(6, 28.0 * i, 0));
    for (const auto& [u, v] : c.bonds)
      doc.bond(*atoms[static_cast<std::size_t>(u)], *atoms[static_cast<std::size_t>(v)]);
    EXPECT_EQ(sharesRingWithBond(doc.hostBonds(),
                                 atoms[0],
                                 atoms[1],
                                 atoms[static_cast<std::size_t>(c.n1)],
                                 atoms[static_cast<std::size_t>(c.n2)]),
              c.ring);
  }
  TestHost doc;
  tAtm& a = doc.atom(6, 0, 0);
  EXPECT_FALSE(sharesRingWithBond(doc.hostBonds(), &a, nullptr, nullptr, &a));
}

// ---- Two neighbours at each end ----

struct Butene
{
  tAtm* c1;
  tAtm* c2;
  tAtm* me1;
  tAtm* me2;
  tbond* bond;
};

// C1 (0, 0) = C2 (28, 0), methyls at me1 and me2; atoms listed C1, C2, Me1, Me2. The double
// bond is made last, through ddouble.
Butene butene(TestHost& doc, Vector3 me1, Vector3 me2, std::int8_t sign)
{
  Butene b{};
  b.c1 = &doc.atom(6, 0, 0);
  b.c2 = &doc.atom(6, 28, 0);
  b.me1 = &doc.atom(6, me1[0], me1[1], me1[2]);
  b.me2 = &doc.atom(6, me2[0], me2[1], me2[2]);
  b.bond = &doc.bond(*b.c1, *b.c2);
  doc.bond(*b.c1, *b.me1);
  doc.bond(*b.c2, *b.me2);
  markUnset(*b.bond, sign);
  b.bond->ddouble();
  return b;
}

TEST_F(CisTransTest, ButeneTakesItsMethylsAsReference)
{
  struct Case
  {
    const char* name;
    Vector3 me1, me2;
    std::int8_t before, sign;
  };
  // The bond runs along +x, so DXY gives the offset (-round(4 x 0 / 28), round(4 x 28 / 28), 0)
  // = (0, 4, 0); the sign is that of c . offset = 4 c.y, c = (C1 - Me1) x (C2 - Me2).
  const Case cases[] = {
    // Drawn flat, c = (0, 0, c.z) stands at right angles to the offset: 0 is not negative.
    { "flat cis", { -14, h60, 0 }, { 42, h60, 0 }, -1, 1 },
    { "flat trans", { -14, h60, 0 }, { 42, -h60, 0 }, -1, 1 },
    // Seen edge on, methyls above: d1 = (14, 0, -h60), d2 = (-14, 0, -h60),
    // c.y = d1.z d2.x - d1.x d2.z = 14 h60 + 14 h60 > 0.
    { "cis above the view plane", { -14, 0, h60 }, { 42, 0, h60 }, -1, 1 },
    // Below: c.y = -14 h60 - 14 h60 < 0.
    { "cis below the view plane", { -14, 0, -h60 }, { 42, 0, -h60 }, 1, -1 },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    const Butene b = butene(doc, c.me1, c.me2, c.before);
    EXPECT_EQ(b.bond->typeCode, DoubleBond);
    EXPECT_EQ(b.bond->offsetX, 0);
    EXPECT_EQ(b.bond->offsetY, 4);
    EXPECT_EQ(b.bond->index1, 2); // Me1
    EXPECT_EQ(b.bond->index2, 3); // Me2
    EXPECT_EQ(b.bond->cisTrans, c.sign);
  }
}

TEST_F(CisTransTest, ReferenceIndexesComeFromTheGivenList)
{
  TestHost doc;
  const Butene b = butene(doc, { -14, 0, h60 }, { 42, 0, h60 }, 1);
  tAtoms other;
  other.Add(b.me2);
  other.Add(b.me1);
  b.bond->setn1n2(other);
  EXPECT_EQ(b.bond->index1, 1);
  EXPECT_EQ(b.bond->index2, 0);
  tAtoms withoutMe2;
  withoutMe2.Add(b.me1);
  b.bond->setn1n2(withoutMe2);
  EXPECT_EQ(b.bond->index1, 0);
  EXPECT_EQ(b.bond->index2, -1);
}

TEST_F(CisTransTest, OnlyResonanceAndDoubleBondsTakeAReference)
{
  struct Case
  {
    const char* name;
    int code;
    bool takes;
  };
  const Case cases[] = {
    { "single", SingleBond, false }, { "resonance", ResonanceBond, true },
    { "double", DoubleBond, true },  { "aromatic double", AromaticMark + DoubleBond, true },
    { "triple", TripleBond, false }, { "coordinate", CoordinateBond, false },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    tAtm& c1 = doc.atom(6, 0, 0);
    tAtm& c2 = doc.atom(6, 28, 0);
    tAtm& me1 = doc.atom(6, -14, 0, h60);
    tAtm& me2 = doc.atom(6, 42, 0, -h60);
    tbond& bond = doc.bond(c1, c2, c.code);
    doc.bond(c1, me1);
    doc.bond(c2, me2);
    markUnset(bond, 1);
    bond.setn1n2(doc.hostAtoms());
    EXPECT_EQ(bond.index1, c.takes ? 2 : unset);
    EXPECT_EQ(bond.index2, c.takes ? 3 : unset);
  }
}

TEST_F(CisTransTest, ResonanceChangeSetsTheReference)
{
  TestHost doc;
  tAtm& c1 = doc.atom(6, 0, 0);
  tAtm& c2 = doc.atom(6, 28, 0);
  tAtm& me1 = doc.atom(6, -14, 0, -h60);
  tAtm& me2 = doc.atom(6, 42, 0, -h60);
  tbond& bond = doc.bond(c1, c2);
  doc.bond(c1, me1);
  doc.bond(c2, me2);
  markUnset(bond, 1);
  bond.reson();
  EXPECT_EQ(bond.typeCode, ResonanceBond);
  EXPECT_EQ(bond.index1, 2);
  EXPECT_EQ(bond.index2, 3);
  EXPECT_EQ(bond.cisTrans, -1); // methyls below, as for the cis butene above
}

TEST_F(CisTransTest, HydrogenAndTextNeighboursGiveNoReference)
{
  struct Case
  {
    const char* name;
    std::vector<int> onC1, onC2; // elements of the substituents, 0 for a text atom
  };
  const Case cases[] = {
    { "propene, explicit hydrogen at C1", { 1 }, { 6 } },
    { "propene with its CH2 hydrogens", { 1, 1 }, { 6 } },
    { "text atom standing for a group", { 0 }, { 6 } },
    { "terminal double bond", {}, { 6 } },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    tAtm& c1 = doc.atom(6, 0, 0);
    tAtm& c2 = doc.atom(6, 28, 0);
    tbond& bond = doc.bond(c1, c2);
    double y = 20;
    for (int z : c.onC1) {
      tAtm& s = doc.atom(z, -14, y);
      s.textFlag = z == 0 ? 1 : 0;
      doc.bond(c1, s);
      y = -y;
    }
    for (int z : c.onC2)
      doc.bond(c2, doc.atom(z, 42, 20));
    markUnset(bond, 1);
    bond.ddouble();
    EXPECT_EQ(bond.index1, unset);
    EXPECT_EQ(bond.index2, unset);
    EXPECT_EQ(bond.cisTrans, 1);
  }
}

// ---- Three or more neighbours ----

TEST_F(CisTransTest, BranchedEndTakesTheHighestHybridisationSum)
{
  struct Case
  {
    const char* name;
    int hybA, hybB; // stored hybridisations of the two methyls on C1
    std::int16_t index1;
  };
  // Atoms C1 (0), C2 (1), MeA (2), MeB (3), Me2 (4); C1 carries MeA then MeB.
  const Case cases[] = {
    { "a tie keeps the first pair", 3, 3, 2 },
    { "a greater sum wins", 3, 4, 3 },
    { "a sum of 0 never wins", 0, -3, unset },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    tAtm& c1 = doc.atom(6, 0, 0);
    tAtm& c2 = doc.atom(6, 28, 0);
    tAtm& meA = doc.atom(6, -14, h60);
    tAtm& meB = doc.atom(6, -14, -h60);
    tAtm& me2 = doc.atom(6, 42, h60);
    tbond& bond = doc.bond(c1, c2);
    doc.bond(c1, meA);
    doc.bond(c1, meB);
    doc.bond(c2, me2);
    meA.hybridisation = static_cast<std::int16_t>(c.hybA);
    meB.hybridisation = static_cast<std::int16_t>(c.hybB);
    me2.hybridisation = static_cast<std::int16_t>(c.hybA == 0 ? 0 : 3);
    markUnset(bond, 1);
    bond.ddouble();
    EXPECT_EQ(bond.index1, c.index1);
    if (c.index1 == unset) {
      EXPECT_EQ(bond.cisTrans, 1);
      continue;
    }
    EXPECT_EQ(bond.index2, 4);
    // Drawn flat, c . offset = 0, which counts as negative when an end is branched.
    EXPECT_EQ(bond.cisTrans, -1);
  }
}

// ---- Rings ----

// Six carbons on a circle of radius 28 at 0°, 60°, ... 300° (atoms 0..5), bonded in turn; the
// bond C1-C2 (atoms 0 and 1) is made double last.
std::vector<tAtm*> cyclohexene(TestHost& doc, tbond*& doubleBond)
{
  std::vector<tAtm*> ring;
  for (int i = 0; i < 6; ++i) {
    const double a = i * std::numbers::pi / 3;
    ring.push_back(&doc.atom(6, 28 * std::cos(a), 28 * std::sin(a)));
  }
  doubleBond = &doc.bond(*ring[0], *ring[1]);
  for (std::size_t i = 1; i < 6; ++i)
    doc.bond(*ring[i], *ring[(i + 1) % 6]);
  return ring;
}

TEST_F(CisTransTest, RingDoubleBondTakesNoReferenceFromTheRing)
{
  TestHost doc;
  tbond* bond = nullptr;
  cyclohexene(doc, bond);
  markUnset(*bond, 1);
  bond->ddouble();
  // C6 and C3 are joined round the ring through C4 and C5.
  EXPECT_EQ(bond->index1, unset);
  EXPECT_EQ(bond->index2, unset);
}

TEST_F(CisTransTest, RingDoubleBondTakesItsSubstituentInstead)
{
  TestHost doc;
  tbond* bond = nullptr;
  const std::vector<tAtm*> ring = cyclohexene(doc, bond);
  tAtm& me = doc.atom(6, 56, 0); // atom 6, bonded after the ring bond C6-C1
  doc.bond(*ring[0], me);
  markUnset(*bond, 1);
  bond->ddouble();
  // C1's neighbours in order: C2 (partner), C6, Me; C2's: C1, C3. The pair (C6, C3) comes first
  // but shares the ring; (Me, C3) is taken.
  EXPECT_EQ(bond->index1, 6);
  EXPECT_EQ(bond->index2, 2);
  EXPECT_EQ(bond->cisTrans, -1); // flat and branched
}

} // namespace
} // namespace trelvix
