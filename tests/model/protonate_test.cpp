#include "model/structure_atom.h"
#include "model/vector3.h"
#include "model_fixture.h"
#include "test_host.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace trelvix {
namespace {

using ProtonateTest = ModelTest;

constexpr double S = 28; // the bond-length scale of the fixture
// 24.248711305964282 = 28 sin 60° = 28 sin 120°.
constexpr double h60 = 24.248711305964282;
constexpr double tetrahedral = 1.9106332356470423; // 109.47°, cos = -1/3
constexpr double pi = std::numbers::pi;

Vector3 from(const tXY& centre, const tXY& a)
{
  return { a.x3 - centre.x3, a.y3 - centre.y3, a.z3 - centre.z3 };
}

double cosBetween(const Vector3& a, const Vector3& b)
{
  return dot(a, b) / (norm(a) * norm(b));
}

// The part of v at right angles to the axis.
Vector3 across(const Vector3& v, const Vector3& axis)
{
  const double f = dot(v, axis) / dot(axis, axis);
  return { v[0] - f * axis[0], v[1] - f * axis[1], v[2] - f * axis[2] };
}

// Runs the 3D protonation and gives the atoms it added.
std::vector<tAtm*> protonate3d(TestHost& doc, tAtm& atom)
{
  const int before = doc.hostAtoms().Count();
  atom.protonate3d();
  return doc.atomsFrom(before);
}

std::vector<tAtm*> protonate2d(TestHost& doc, tAtm& atom)
{
  const int before = doc.hostAtoms().Count();
  atom.protonate();
  return doc.atomsFrom(before);
}

// Every added atom is a hydrogen singly bonded to centre.
void expectBondedHydrogens(TestHost& doc, const tAtm& centre, const std::vector<tAtm*>& added)
{
  for (const tAtm* h : added) {
    EXPECT_EQ(h->element, 1);
    const auto bond = std::find_if(doc.hostBonds().begin(), doc.hostBonds().end(), [&](tLink* b) {
      return b->Atm1 == &centre && b->Atm2 == h;
    });
    ASSERT_NE(bond, doc.hostBonds().end());
    EXPECT_EQ((*bond)->typeCode, SingleBond);
  }
}

// ---- In the drawing plane ----

struct Offset
{
  double dx, dy;
};

TEST_F(ProtonateTest, LoneAtomGetsItsHydrogensAroundItInThePlane)
{
  struct Case
  {
    const char* name;
    int element;
    std::vector<Offset> hydrogens;
  };
  const Case cases[] = {
    // Four at 0°, 90°, 180°, 270°.
    { "carbon", 6, { { S, 0 }, { 0, S }, { -S, 0 }, { 0, -S } } },
    // Three at 0°, 120°, 240°: 28 cos 120° = -14, 28 sin 120° = h60.
    { "nitrogen", 7, { { S, 0 }, { -14, h60 }, { -14, -h60 } } },
    { "oxygen", 8, { { S, 0 }, { -14, h60 } } },
    { "tellurium", 52, { { S, 0 }, { -14, h60 } } },
    { "fluorine", 9, { { S, 0 } } },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    tAtm& atom = doc.atom(c.element, 100, 50, 7);
    const auto added = protonate2d(doc, atom);
    ASSERT_EQ(added.size(), c.hydrogens.size());
    for (std::size_t i = 0; i < added.size(); ++i) {
      EXPECT_NEAR(added[i]->x3, 100 + c.hydrogens[i].dx, 1e-9);
      EXPECT_NEAR(added[i]->y3, 50 + c.hydrogens[i].dy, 1e-9);
      EXPECT_DOUBLE_EQ(added[i]->z3, 7);
    }
    expectBondedHydrogens(doc, atom, added);
    EXPECT_EQ(atom.mult(), 0);
  }
}

TEST_F(ProtonateTest, BondedAtomLinksHydrogensAwayFromItsFirstBond)
{
  struct Case
  {
    const char* name;
    int element;
    std::vector<Offset> partners; // first partner first
    double towardsX, towardsY;    // atom + 0.1 (atom - first partner)
  };
  // The atom sits at (10, 20).
  const Case cases[] = {
    { "hydroxyl oxygen", 8, { { -28, 0 } }, 10 + 0.1 * 28, 20 },
    { "amino nitrogen", 7, { { 0, -28 } }, 10, 20 + 0.1 * 28 },
    { "methyl carbon", 6, { { -28, 0 } }, 10 + 0.1 * 28, 20 },
    { "only the first bond counts", 7, { { 28, 0 }, { 0, 28 } }, 10 - 0.1 * 28, 20 },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    tAtm& atom = doc.atom(c.element, 10, 20);
    for (const Offset& p : c.partners)
      doc.bond(atom, doc.atom(6, 10 + p.dx, 20 + p.dy));
    const std::size_t h = static_cast<std::size_t>(atom.mult());
    const auto added = protonate2d(doc, atom);
    ASSERT_EQ(added.size(), h);
    ASSERT_EQ(doc.linkCalls.size(), h);
    for (const TestHost::LinkCall& call : doc.linkCalls) {
      EXPECT_EQ(call.atom, &atom);
      EXPECT_DOUBLE_EQ(call.x, c.towardsX);
      EXPECT_DOUBLE_EQ(call.y, c.towardsY);
    }
    expectBondedHydrogens(doc, atom, added);
  }
}

TEST_F(ProtonateTest, ThirdHydrogenGoesMidwayBetweenTheOtherTwo)
{
  TestHost doc;
  tAtm& c = doc.atom(6, 0, 0);
  doc.bond(c, doc.atom(6, -28, 0));
  const auto added = protonate2d(doc, c);
  ASSERT_EQ(added.size(), 3u);
  // The test document links the first along +x, the second 60° further: (28, 0) and (14, h60).
  EXPECT_NEAR(added[0]->x3, 28, 1e-9);
  EXPECT_NEAR(added[1]->x3, 14, 1e-9);
  EXPECT_NEAR(added[1]->y3, h60, 1e-9);
  EXPECT_NEAR(added[2]->x3, (28 + 14) / 2.0, 1e-9);
  EXPECT_NEAR(added[2]->y3, (0 + h60) / 2, 1e-9);
  EXPECT_EQ(added[2]->screenX, 21); // moved through setRXYZ
}

TEST_F(ProtonateTest, PlaneProtonationAddsNothing)
{
  struct Case
  {
    const char* name;
    int element;
    std::vector<int> codes; // bonds to iron atoms
    bool text;
  };
  const Case cases[] = {
    // A coordinate bond takes no valence: four free hydrogens and one bond.
    { "four free valences and one bond", 6, { CoordinateBond }, false },
    { "hydrogen is not protonated", 1, {}, false },
    { "iron carries no hydrogens", 26, {}, false },
    { "text atom", 6, {}, true },
    { "saturated carbon", 6, { 2, 2, 2, 2 }, false },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    tAtm& atom = doc.atom(c.element, 0, 0);
    atom.textFlag = c.text ? 1 : 0;
    for (int code : c.codes)
      doc.bond(atom, doc.atom(26, 28, 0), code);
    EXPECT_TRUE(protonate2d(doc, atom).empty());
    EXPECT_TRUE(doc.linkCalls.empty());
  }
  tAtm alone(6, 0, 0, 0); // no document at all
  alone.protonate();
  EXPECT_EQ(alone.mult(), 4);
}

// ---- In space ----

TEST_F(ProtonateTest, MethylHydrogensStandTetrahedralAboutTheBond)
{
  TestHost doc;
  tAtm& c = doc.atom(6, 5, 7, -3);
  // d = (12, -16, 21): r = sqrt(144 + 256 + 441) = 29.
  tAtm& x = doc.atom(6, 5 + 12, 7 - 16, -3 + 21);
  doc.bond(c, x);
  const Vector3 d = from(c, x);
  const auto added = protonate3d(doc, c);
  ASSERT_EQ(added.size(), 3u);
  expectBondedHydrogens(doc, c, added);
  EXPECT_EQ(c.hybridisation, 3);
  EXPECT_EQ(c.freeValence, 0);
  for (std::size_t i = 0; i < 3; ++i) {
    const Vector3 hi = from(c, *added[i]);
    EXPECT_NEAR(norm(hi), 29, 1e-9);
    // cos 109.47° = -1/3 from the C-X bond.
    EXPECT_NEAR(cosBetween(hi, d), -1.0 / 3, 1e-8);
    for (std::size_t j = i + 1; j < 3; ++j) {
      const Vector3 hj = from(c, *added[j]);
      // 120° apart about the axis, hence also 109.47° apart: cos² β + sin² β cos 120° = -1/3.
      EXPECT_NEAR(cosBetween(across(hi, d), across(hj, d)), -0.5, 1e-9);
      EXPECT_NEAR(cosBetween(hi, hj), 1.0 / 9 - 8.0 / 9 / 2, 1e-8);
    }
  }
}

TEST_F(ProtonateTest, MethylStandsStaggeredToItsNeighboursSubstituent)
{
  TestHost doc;
  tAtm& c = doc.atom(6, 5, 7, -3);
  tAtm& x = doc.atom(6, 5 + 12, 7 - 16, -3 + 21);    // d = (12, -16, 21)
  tAtm& y = doc.atom(6, x.x3 + 20, x.y3 + 15, x.z3); // beyond X, across d: (4, 3, 0) . d = 0
  doc.bond(c, x);
  doc.bond(x, y);
  const Vector3 d = from(c, x);
  const Vector3 yAcross = across(from(c, y), d);
  const auto added = protonate3d(doc, c);
  ASSERT_EQ(added.size(), 3u);
  // Seen down the C-X axis, the hydrogens stand at 180° and ±60° from Y.
  std::vector<double> cosines;
  for (const tAtm* h : added)
    cosines.push_back(cosBetween(across(from(c, *h), d), yAcross));
  std::sort(cosines.begin(), cosines.end());
  EXPECT_NEAR(cosines[0], -1, 1e-9);
  EXPECT_NEAR(cosines[1], 0.5, 1e-9);
  EXPECT_NEAR(cosines[2], 0.5, 1e-9);
}

TEST_F(ProtonateTest, MethyleneHydrogensKeepClearOfTheSecondNeighbour)
{
  TestHost doc;
  tAtm& c = doc.atom(6, 5, 7, -3);
  tAtm& x0 = doc.atom(6, 5 + 12, 7 - 16, -3 + 21); // d0 = (12, -16, 21), length 29
  // X1 at 109.47° from d0, 29 away, leaning along (4, 3, 0) / 5, which is across d0:
  // d1 = 29 (cos β d0 / 29 + sin β (4, 3, 0) / 5).
  const double k = 29 * std::sin(tetrahedral) / 5;
  tAtm& x1 = doc.atom(6,
                      5 + 12 * std::cos(tetrahedral) + 4 * k,
                      7 - 16 * std::cos(tetrahedral) + 3 * k,
                      -3 + 21 * std::cos(tetrahedral));
  doc.bond(c, x0);
  doc.bond(c, x1);
  const Vector3 d0 = from(c, x0);
  const Vector3 d1 = from(c, x1);
  const auto added = protonate3d(doc, c);
  ASSERT_EQ(added.size(), 2u);
  EXPECT_NEAR(cosBetween(from(c, *added[0]), from(c, *added[1])), -1.0 / 3, 1e-8);
  for (const tAtm* h : added) {
    const Vector3 v = from(c, *h);
    EXPECT_NEAR(norm(v), 29, 1e-9);
    EXPECT_NEAR(cosBetween(v, d0), -1.0 / 3, 1e-8);
    // The three around X0 stand 120° apart, so X1 and both hydrogens make a tetrahedron.
    EXPECT_NEAR(cosBetween(across(v, d0), across(d1, d0)), -0.5, 1e-9);
    EXPECT_NEAR(cosBetween(v, d1), -1.0 / 3, 1e-8);
  }
}

TEST_F(ProtonateTest, MethyleneEndOfADoubleBondIsTrigonal)
{
  TestHost doc;
  tAtm& c = doc.atom(6, 5, 7, -3);
  tAtm& x = doc.atom(6, 5 + 12, 7 - 16, -3 + 21); // r = 29 as above
  doc.bond(c, x, DoubleBond);
  const Vector3 d = from(c, x);
  const auto added = protonate3d(doc, c);
  ASSERT_EQ(added.size(), 2u);
  EXPECT_EQ(c.hybridisation, 2);
  const Vector3 h1 = from(c, *added[0]);
  const Vector3 h2 = from(c, *added[1]);
  for (const Vector3& h : { h1, h2 }) {
    EXPECT_NEAR(norm(h), 29, 1e-9);
    EXPECT_NEAR(dot(h, d), 29 * 29 * -0.5, 1e-8); // cos 120°
  }
  // Opposite azimuths: cos² 120° + sin² 120° cos 180° = 1/4 - 3/4 = -1/2, all in one plane.
  EXPECT_NEAR(dot(h1, h2), 29 * 29 * (0.25 - 0.75), 1e-8);
  EXPECT_NEAR(dot(h1, cross(d, h2)), 0, 1e-8);
}

TEST_F(ProtonateTest, MethyleneEndLiesInThePlaneOfThePartnersSubstituent)
{
  TestHost doc;
  tAtm& c = doc.atom(6, 5, 7, -3);
  tAtm& x = doc.atom(6, 5 + 12, 7 - 16, -3 + 21);
  tAtm& y = doc.atom(6, x.x3 + 14, x.y3 + 20, x.z3 - 9);
  doc.bond(c, x, DoubleBond);
  doc.bond(x, y);
  const Vector3 normal = cross(from(c, x), from(c, y));
  const auto added = protonate3d(doc, c);
  ASSERT_EQ(added.size(), 2u);
  for (const tAtm* h : added)
    EXPECT_NEAR(cosBetween(from(c, *h), normal), 0, 1e-12);
}

TEST_F(ProtonateTest, SingleHydrogenOnTheExternalBisector)
{
  struct Case
  {
    const char* name;
    int code0, code1; // bond to X0 = (28, 0, 0) and to X1
    double x1x, x1y;
    double hx, hy; // C at the origin
  };
  const Case cases[] = {
    // sp2: -28 unit((28, 0) + (-14, h60)) = -28 (1/2, sin 60°) = (-14, -h60).
    { "sp2 between equal bonds", DoubleBond, SingleBond, -14, h60, -14, -h60 },
    // The raw bond vectors add: (28, 0) + (0, 56) = 28 (1, 2); -28 (1, 2) / sqrt 5.
    { "sp2 weighs the bond vectors",
      DoubleBond,
      SingleBond,
      0,
      56,
      -28 / std::sqrt(5.0),
      -56 / std::sqrt(5.0) },
    // Aromatic double + single with one implicit hydrogen: key 11, hybridisation 4.
    { "aromatic", AromaticMark + DoubleBond, AromaticMark + SingleBond, -14, h60, -14, -h60 },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    tAtm& atom = doc.atom(6, 0, 0);
    doc.bond(atom, doc.atom(6, S, 0), c.code0);
    doc.bond(atom, doc.atom(6, c.x1x, c.x1y), c.code1);
    const auto added = protonate3d(doc, atom);
    ASSERT_EQ(added.size(), 1u);
    EXPECT_NEAR(added[0]->x3, c.hx, 1e-9);
    EXPECT_NEAR(added[0]->y3, c.hy, 1e-9);
    EXPECT_NEAR(added[0]->z3, 0, 1e-9);
    expectBondedHydrogens(doc, atom, added);
  }
}

TEST_F(ProtonateTest, AlkyneHydrogenIsCollinearOnTheFarSide)
{
  TestHost doc;
  tAtm& c = doc.atom(6, 0, 0);
  doc.bond(c, doc.atom(6, 18, 24), TripleBond); // unit (0.6, 0.8, 0)
  const auto added = protonate3d(doc, c);
  ASSERT_EQ(added.size(), 1u);
  EXPECT_EQ(c.hybridisation, 1);
  // (0.29 + 0.77) 28 / 1.54 = 29.68 / 1.54 = 212 / 11.
  const double r = 212.0 / 11;
  EXPECT_NEAR(added[0]->x3, -0.6 * r, 1e-9);
  EXPECT_NEAR(added[0]->y3, -0.8 * r, 1e-9);
  EXPECT_NEAR(added[0]->z3, 0, 1e-9);
}

TEST_F(ProtonateTest, PyramidalAtomTakesOneHydrogenOnItsFreeSide)
{
  TestHost doc;
  tAtm& c = doc.atom(6, 0, 0);
  // Three bonds of equal length leaning to -z: their unit sum points along -z.
  doc.bond(c, doc.atom(6, 28, 0, -10));
  doc.bond(c, doc.atom(6, -14, h60, -10));
  doc.bond(c, doc.atom(6, -14, -h60, -10));
  const auto added = protonate3d(doc, c);
  ASSERT_EQ(added.size(), 1u);
  EXPECT_NEAR(added[0]->x3, 0, 1e-9);
  EXPECT_NEAR(added[0]->y3, 0, 1e-9);
  EXPECT_NEAR(added[0]->z3, S, 1e-9);
}

TEST_F(ProtonateTest, LoneAtomInSpaceStartsAlongXAndTurnsAboutIt)
{
  struct Case
  {
    const char* name;
    int element;
    double angle; // the element's sp3 valence angle, radians
    std::size_t count;
  };
  const Case cases[] = {
    { "carbon", 6, tetrahedral, 4 },
    { "nitrogen", 7, 106.7 * pi / 180, 3 },
    { "oxygen", 8, 104.51 * pi / 180, 2 },
    { "fluorine", 9, 0, 1 },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    tAtm& atom = doc.atom(c.element, 10, 20, 30);
    const auto added = protonate3d(doc, atom);
    ASSERT_EQ(added.size(), c.count);
    expectBondedHydrogens(doc, atom, added);
    const double a = c.angle;
    // Hydrogen i (from 1): the first along +x; the others at angle a from +x, turned by
    // (i - 1) 120° about x: (cos a, sin a cos t, sin a sin t) S.
    for (std::size_t i = 0; i < added.size(); ++i) {
      const Vector3 v = from(atom, *added[i]);
      if (i == 0) {
        EXPECT_NEAR(v[0], S, 1e-12);
        EXPECT_NEAR(v[1], 0, 1e-12);
        EXPECT_NEAR(v[2], 0, 1e-12);
        continue;
      }
      const double t = static_cast<double>(i) * 2 * pi / 3;
      EXPECT_NEAR(v[0], S * std::cos(a), 1e-9);
      EXPECT_NEAR(v[1], S * std::sin(a) * std::cos(t), 1e-9);
      EXPECT_NEAR(v[2], S * std::sin(a) * std::sin(t), 1e-9);
    }
  }
}

TEST_F(ProtonateTest, LoneCarbonInSpaceIsATetrahedron)
{
  TestHost doc;
  tAtm& c = doc.atom(6, 0, 0);
  const auto added = protonate3d(doc, c);
  ASSERT_EQ(added.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(norm(from(c, *added[i])), S, 1e-9);
    for (std::size_t j = i + 1; j < 4; ++j)
      EXPECT_NEAR(cosBetween(from(c, *added[i]), from(c, *added[j])), -1.0 / 3, 1e-8);
  }
}

TEST_F(ProtonateTest, SpaceProtonationAddsNothing)
{
  struct Case
  {
    const char* name;
    int element;
    std::vector<int> codes; // bonds to carbons at 28 along x, y, -x, -y, z
  };
  const Case cases[] = {
    { "saturated carbon", 6, { 2, 2, 2, 2 } },
    // Key 20 makes it sp, and an sp atom with two neighbours has no placement.
    { "carbon between two resonance bonds", 6, { 3, 3 } },
    // No implicit hydrogen: a trigonal imine nitrogen takes none.
    { "imine nitrogen", 7, { 4, 2 } },
    // Aromatic with two implicit hydrogens: only a single one is placed.
    { "aromatic with two free hydrogens", 6, { 104 } },
    { "iron", 26, {} },
  };
  const Vector3 spots[] = { { S, 0, 0 }, { 0, S, 0 }, { -S, 0, 0 }, { 0, -S, 0 }, { 0, 0, S } };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    tAtm& atom = doc.atom(c.element, 0, 0);
    for (std::size_t i = 0; i < c.codes.size(); ++i)
      doc.bond(atom, doc.atom(6, spots[i][0], spots[i][1], spots[i][2]), c.codes[i]);
    EXPECT_TRUE(protonate3d(doc, atom).empty());
  }

  TestHost doc;
  tAtm& text = doc.atom(6, 0, 0);
  text.textFlag = 1;
  EXPECT_TRUE(protonate3d(doc, text).empty());
}

} // namespace
} // namespace trelvix
