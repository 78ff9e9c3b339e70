#include "model/structure_atom.h"
#include "model_fixture.h"
#include "platform/checked.h"
#include "test_host.h"

#include <cmath>
#include <vector>

namespace trelvix {
namespace {

using StructureAtomTest = ModelTest;

// 24.248711305964282 = 28 sin 60°: the y of a partner at 120° from +x at scale length 28.
constexpr double h60 = 24.248711305964282;

// ---- Neighbours and bonds ----

TEST_F(StructureAtomTest, NeighboursFollowTheDocumentsBondOrder)
{
  TestHost doc;
  tAtm& c = doc.atom(6, 0, 0);
  tAtm& x1 = doc.atom(8, 28, 0);
  tAtm& x2 = doc.atom(1, 0, 28);
  tAtm& x3 = doc.atom(7, -28, 0);
  tAtm& far = doc.atom(6, 100, 100);
  tbond& b1 = doc.bond(c, x1);
  tbond& b2 = doc.bond(x2, c); // the atom at the second end
  doc.bond(x3, far);           // not attached
  tbond& b4 = doc.bond(c, x3);

  EXPECT_EQ(c.AttachedAtoms(), 3);
  EXPECT_EQ(c.neighbourCount, 3);
  ASSERT_EQ(c.atoms->Count(), 3);
  EXPECT_EQ(c.atoms->At(0), &x1);
  EXPECT_EQ(c.atoms->At(1), &x2);
  EXPECT_EQ(c.atoms->At(2), &x3);

  c.neighbourCount = 0;
  EXPECT_EQ(c.AttachedBonds(), 3);
  EXPECT_EQ(c.neighbourCount, 3);
  EXPECT_EQ(c.bonds->At(0), &b1);
  EXPECT_EQ(c.bonds->At(1), &b2);
  EXPECT_EQ(c.bonds->At(2), &b4);
  EXPECT_EQ(c.NAttachedBonds(), 3);

  // The returned list is the caller's own: emptying it leaves the atom's list alone.
  auto copy = c.GetAttachedBonds();
  ASSERT_EQ(copy->Count(), 3);
  EXPECT_EQ(copy->At(2), &b4);
  copy->deleteall();
  EXPECT_EQ(c.bonds->Count(), 3);

  EXPECT_EQ(far.AttachedAtoms(), 1);
  EXPECT_EQ(far.atoms->At(0), &x3);
}

TEST_F(StructureAtomTest, ProtonsAndLigandsSplitTheNeighbours)
{
  TestHost doc;
  tAtm& c = doc.atom(6, 0, 0);
  tAtm& h1 = doc.atom(1, 28, 0);
  tAtm& o = doc.atom(8, 0, 28);
  tAtm& h2 = doc.atom(1, -28, 0);
  doc.bond(c, h1);
  doc.bond(c, o);
  doc.bond(c, h2);

  EXPECT_EQ(c.NAttachedProtons(), 2);
  EXPECT_EQ(c.atoms->Count(), 3); // the full list stays

  EXPECT_EQ(c.AttachedProtons(), 2);
  ASSERT_EQ(c.atoms->Count(), 2);
  EXPECT_EQ(c.atoms->At(0), &h1);
  EXPECT_EQ(c.atoms->At(1), &h2);

  EXPECT_EQ(c.Attachedligands(), 1);
  ASSERT_EQ(c.atoms->Count(), 1);
  EXPECT_EQ(c.atoms->At(0), &o);

  EXPECT_EQ(c.AttachedAtoms(), 3);
}

TEST_F(StructureAtomTest, WithoutADocumentTheListsAreKept)
{
  tAtm c(6, 0, 0, 0);
  tAtm n(7, 28, 0, 0);
  tbond link(&c, &n);
  link.Change(DoubleBond);
  c.atoms->Add(&n);
  c.bonds->Add(&link);
  c.hybridisation = 3;

  EXPECT_EQ(c.AttachedAtoms(), 1);
  EXPECT_EQ(c.atoms->At(0), &n);
  EXPECT_EQ(c.AttachedBonds(), 1);
  // Answers come from the kept list: one double bond, key 10.
  EXPECT_EQ(c.GetHyb(), 2);
  EXPECT_EQ(c.neighbourCount, 1);
  EXPECT_EQ(c.MaxMult(), 8 / 2 - 2);
}

TEST_F(StructureAtomTest, TextAtomKeepsItsListsInADocument)
{
  TestHost doc;
  tAtm& label = doc.atom(6, 0, 0);
  label.textFlag = 1;
  tAtm& c = doc.atom(6, 28, 0);
  doc.bond(label, c);

  EXPECT_EQ(label.AttachedAtoms(), 0);
  EXPECT_EQ(label.AttachedBonds(), 0);
  EXPECT_EQ(c.AttachedAtoms(), 1); // the other end still sees it
}

TEST_F(StructureAtomTest, NeighbourCountBeyondSixteenBitsOverflows)
{
  TestHost doc;
  tAtm& c = doc.atom(6, 0, 0);
  tAtm& x = doc.atom(26, 28, 0);
  // Coordinate bonds take no valence, so 32768 of them leave every count but the neighbour
  // count in range; 32768 is one more than a 16-bit count holds.
  for (int i = 0; i < 32768; ++i)
    doc.bond(c, x, CoordinateBond);
  EXPECT_THROW(c.AttachedAtoms(), OverflowError);
}

// ---- Hybridisation ----

struct HybCase
{
  const char* name;
  std::vector<int> codes; // one partner carbon per bond, bond type code (+100 aromatic)
  int hybridisation;      // 7 means the previous value stays
};

TEST_F(StructureAtomTest, HybridisationFollowsTheBondKey)
{
  const HybCase cases[] = {
    { "no bonds, key 0", {}, 3 },
    { "four singles, key 4", { 2, 2, 2, 2 }, 3 },
    { "one double two singles, key 10 + 2 = 12", { 4, 2, 2 }, 2 },
    { "one double three singles, key 13", { 4, 2, 2, 2 }, 3 },
    { "two doubles, key 20", { 4, 4 }, 1 },
    { "two resonance bonds, key 20", { 3, 3 }, 1 },
    { "two doubles one single, key 21", { 4, 4, 2 }, 2 },
    { "two doubles two singles, key 22", { 4, 4, 2, 2 }, 3 },
    { "triple, key 100", { 6 }, 1 },
    { "triple and single, key 101", { 6, 2 }, 1 },
    { "triple resonance and single, key 101", { 5, 2 }, 1 },
    { "aromatic ring carbon with its H, key 10 + 1 + 1 = 12", { 104, 102, 2 }, 4 },
    { "aromatic, key 21", { 103, 103, 2 }, 4 },
    { "five singles, key 5", { 2, 2, 2, 2, 2 }, 7 },
    { "hydrogen bond counts as a single, key 5", { 2, 2, 2, 2, 1 }, 7 },
    { "coordinate bond counts nothing, key 4", { 2, 2, 2, 2, 0 }, 3 },
    { "two triples, key 200", { 6, 6 }, 7 },
  };
  for (const HybCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    tAtm& centre = doc.atom(6, 0, 0);
    for (std::size_t i = 0; i < c.codes.size(); ++i)
      doc.bond(centre, doc.atom(6, 28.0 * static_cast<double>(i + 1), 0), c.codes[i]);
    centre.hybridisation = 7;
    centre.neighbourCount = 0;
    EXPECT_EQ(centre.GetHyb(), c.hybridisation);
    EXPECT_EQ(centre.hybridisation, c.hybridisation);
    EXPECT_EQ(centre.neighbourCount, static_cast<int>(c.codes.size()));
  }
}

// ---- Capacity, aromaticity, donors ----

TEST_F(StructureAtomTest, MaxMultIsHalfTheValenceLessTheBondOrders)
{
  struct Case
  {
    const char* name;
    int element;
    std::vector<int> codes;
    int maxMult;
  };
  const Case cases[] = {
    { "lone carbon", 6, {}, 8 / 2 },
    { "carbon with one double bond", 6, { 4 }, 4 - 2 },
    { "carbon with triple and single", 6, { 6, 2 }, 4 - 3 - 1 },
    { "carbon with a resonance bond", 6, { 3 }, 4 - 1 },
    { "aromatic double keeps its order", 6, { 104 }, 4 - 2 },
    { "oxygen with one single", 8, { 2 }, 4 / 2 - 1 },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    tAtm& centre = doc.atom(c.element, 0, 0);
    for (int code : c.codes)
      doc.bond(centre, doc.atom(6, 28, 0), code);
    EXPECT_EQ(centre.MaxMult(), c.maxMult);
  }
}

TEST_F(StructureAtomTest, AromaticWhenAnyBondIsMarked)
{
  TestHost doc;
  tAtm& c = doc.atom(6, 0, 0);
  EXPECT_FALSE(c.Aromatic());
  doc.bond(c, doc.atom(6, 28, 0), SingleBond);
  EXPECT_FALSE(c.Aromatic());
  doc.bond(c, doc.atom(6, -28, 0), AromaticMark + DoubleBond);
  EXPECT_TRUE(c.Aromatic());
}

TEST_F(StructureAtomTest, HydrogenBondDonorIsHydrogenOnNitrogenOxygenOrFluorine)
{
  struct Case
  {
    const char* name;
    int atom;
    std::vector<int> neighbours; // in bond order
    bool donor;
  };
  const Case cases[] = {
    { "O-H hydrogen", 1, { 8 }, true },
    { "N-H hydrogen", 1, { 7 }, true },
    { "F-H hydrogen", 1, { 9 }, true },
    { "C-H hydrogen", 1, { 6 }, false },
    { "S-H hydrogen", 1, { 16 }, false },
    { "lone hydrogen", 1, {}, false },
    { "the oxygen itself", 8, { 1 }, false },
    { "only the first neighbour counts", 1, { 6, 8 }, false },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    tAtm& a = doc.atom(c.atom, 0, 0);
    for (int z : c.neighbours)
      doc.bond(a, doc.atom(z, 28, 0));
    EXPECT_EQ(a.HBond(), c.donor);
  }
}

// ---- Geometry of the bonds ----

struct Partner
{
  double x, y, z;
};

TEST_F(StructureAtomTest, CoplanarWithinTolerance)
{
  struct Case
  {
    const char* name;
    std::vector<Partner> partners;
    bool coplanar;
  };
  const Case cases[] = {
    { "no bonds", {}, true },
    { "two bonds in any directions", { { 28, 0, 5 }, { 0, 3, 28 } }, true },
    { "trigonal in the drawing plane", { { 28, 0, 0 }, { -14, h60, 0 }, { -14, -h60, 0 } }, true },
    { "trigonal in a tilted plane", { { 28, 0, 28 }, { 0, 28, 0 }, { -28, 0, -28 } }, true },
    { "pyramid", { { 28, 0, -10 }, { -14, h60, -10 }, { -14, -h60, -10 } }, false },
    { "square planar", { { 28, 0, 0 }, { 0, 28, 0 }, { -28, 0, 0 }, { 0, -28, 0 } }, true },
    { "tetrahedron",
      { { 28, 28, 28 }, { 28, -28, -28 }, { -28, 28, -28 }, { -28, -28, 28 } },
      false },
    { "all along one line", { { 28, 0, 0 }, { -28, 0, 0 }, { 56, 0, 0 } }, true },
    // A unit direction 1e-7 out of the plane is well inside 1e-05; 1e-3 is well outside.
    { "1e-7 out of plane", { { 28, 0, 0 }, { 0, 28, 0 }, { -28, -28, 28 * 1e-7 } }, true },
    { "1e-3 out of plane", { { 28, 0, 0 }, { 0, 28, 0 }, { -28, 0, 28 * 1e-3 } }, false },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    tAtm& centre = doc.atom(6, 0, 0);
    for (const Partner& p : c.partners)
      doc.bond(centre, doc.atom(1, p.x, p.y, p.z));
    EXPECT_EQ(centre.coplanar(), c.coplanar);
  }
}

TEST_F(StructureAtomTest, DirVectorIsTheUnitSumOfTheBondDirections)
{
  const double r = 1 / std::sqrt(2.0);
  struct Case
  {
    const char* name;
    std::vector<Partner> partners;
    Vector3 expected;
  };
  const Case cases[] = {
    { "no bonds", {}, { 0, 0, 0 } },
    { "opposite bonds cancel", { { 28, 0, 0 }, { -28, 0, 0 } }, { 0, 0, 0 } },
    { "one bond: its direction 3-4-0", { { 15, 20, 0 } }, { 0.6, 0.8, 0 } },
    // Unit directions (1, 0, 0) + (0, 1, 0), not the raw vectors (10, 30, 0).
    { "bond lengths do not weigh", { { 10, 0, 0 }, { 0, 30, 0 } }, { r, r, 0 } },
    { "pyramid points down",
      { { 28, 0, -10 }, { -14, h60, -10 }, { -14, -h60, -10 } },
      { 0, 0, -1 } },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    tAtm& centre = doc.atom(6, 0, 0);
    for (const Partner& p : c.partners)
      doc.bond(centre, doc.atom(1, p.x, p.y, p.z));
    const Vector3 v = centre.GetDirVector();
    for (std::size_t i = 0; i < 3; ++i)
      EXPECT_NEAR(v[i], c.expected[i], 1e-12);
  }
}

// ---- Valence ----

TEST_F(StructureAtomTest, SetValenceRecountsFromTheBonds)
{
  struct Case
  {
    const char* name;
    int element;
    std::vector<int> codes;
    std::int16_t hydrogenChange;
    std::int8_t freeValence;
  };
  const Case cases[] = {
    { "carbon, two singles", 6, { 2, 2 }, 0, 8 - 2 - 2 },
    { "carbon, double and aromatic single", 6, { 4, 102 }, 0, 8 - 4 - 2 },
    { "carbon, coordinate bond takes nothing", 6, { 0 }, 0, 8 },
    { "one more hydrogen", 6, { 2 }, 1, 8 - 2 + 2 * 1 },
    { "one hydrogen fewer", 6, { 2 }, -1, 8 - 2 - 2 * 1 },
    { "nitrogen, triple", 7, { 6 }, 0, 6 - 6 },
    // 0 + (-1) is below 1: the hydrogen change is not applied.
    { "no room for a hydrogen fewer", 7, { 6 }, -1, 6 - 6 },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestHost doc;
    tAtm& a = doc.atom(c.element, 0, 0);
    for (int code : c.codes)
      doc.bond(a, doc.atom(6, 28, 0), code);
    a.freeValence = 55; // stale
    a.hydrogenChange = c.hydrogenChange;
    a.setvalence();
    EXPECT_EQ(a.freeValence, c.freeValence);
  }
}

TEST_F(StructureAtomTest, SetValenceLeavesLoneAndTextAtoms)
{
  TestHost doc;
  tAtm& lone = doc.atom(6, 0, 0);
  lone.freeValence = 3;
  lone.setvalence();
  EXPECT_EQ(lone.freeValence, 3);

  tAtm& text = doc.atom(6, 0, 0);
  text.textFlag = 1;
  doc.bond(text, doc.atom(6, 28, 0));
  text.freeValence = 3;
  text.setvalence();
  EXPECT_EQ(text.freeValence, 3);
}

// ---- Moves ----

struct Molecule
{
  tAtm* c;
  tAtm* h;
  tAtm* cl;
  tAtm* c2;
  tAtm* c3;
};

// H and Cl are terminal on C; C2 carries C3, so it is not.
Molecule chloroPropane(TestHost& doc)
{
  Molecule m{};
  m.c = &doc.atom(6, 0, 0);
  m.h = &doc.atom(1, 28, 0);
  m.cl = &doc.atom(17, 0, 28);
  m.c2 = &doc.atom(6, -28, 0);
  m.c3 = &doc.atom(6, -56, 0);
  doc.bond(*m.c, *m.h);
  doc.bond(*m.c, *m.cl);
  doc.bond(*m.c, *m.c2);
  doc.bond(*m.c2, *m.c3);
  return m;
}

void expectAt(const tXY& a, double x, double y, double z)
{
  EXPECT_DOUBLE_EQ(a.x3, x);
  EXPECT_DOUBLE_EQ(a.y3, y);
  EXPECT_DOUBLE_EQ(a.z3, z);
}

TEST_F(StructureAtomTest, MoveAXnCarriesTheTerminalNeighbours)
{
  TestHost doc;
  const Molecule m = chloroPropane(doc);
  m.c->MoveAXn(5, -3, 2);
  expectAt(*m.c, 0 + 5, 0 - 3, 0 + 2);
  expectAt(*m.h, 28 + 5, 0 - 3, 0 + 2);
  expectAt(*m.cl, 0 + 5, 28 - 3, 0 + 2);
  expectAt(*m.c2, -28, 0, 0);
  expectAt(*m.c3, -56, 0, 0);
  EXPECT_EQ(m.c->screenX, 5); // moved through Move, so the screen position follows
}

TEST_F(StructureAtomTest, MoveAXnOfHydrogenOrLoneAtomMovesOnlyItself)
{
  TestHost doc;
  tAtm& h = doc.atom(1, 0, 0);
  tAtm& cl = doc.atom(17, 28, 0);
  doc.bond(h, cl);
  h.MoveAXn(1, 2, 3);
  expectAt(h, 1, 2, 3);
  expectAt(cl, 28, 0, 0);
  // From the chlorine the hydrogen is a terminal neighbour.
  cl.MoveAXn(1, 2, 3);
  expectAt(cl, 29, 2, 3);
  expectAt(h, 2, 4, 6);

  tAtm& lone = doc.atom(6, 50, 50);
  lone.MoveAXn(-1, -1, 0);
  expectAt(lone, 49, 49, 0);
}

TEST_F(StructureAtomTest, MoveAHnCarriesOnlyTheHydrogens)
{
  TestHost doc;
  const Molecule m = chloroPropane(doc);
  m.c->MoveAHn(5, -3, 2);
  expectAt(*m.c, 5, -3, 2);
  expectAt(*m.h, 28 + 5, -3, 2);
  expectAt(*m.cl, 0, 28, 0);
  expectAt(*m.c2, -28, 0, 0);
}

} // namespace
} // namespace trelvix
