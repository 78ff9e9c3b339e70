#include "../document/document_fixture.h"
#include "mechanics/geometry_cleanup.h"

#include <cmath>

namespace trelvix {
namespace {

constexpr double S = 28; // the bond-length scale of the test defaults

using CleanupTest = DocumentTest;

double distance(const tXY& a, const tXY& b)
{
  return a.Dist3d(b);
}

// Cosine of the angle a-centre-b.
double cosAngle(const tXY& a, const tXY& centre, const tXY& b)
{
  const double ux = a.x3 - centre.x3, uy = a.y3 - centre.y3, uz = a.z3 - centre.z3;
  const double vx = b.x3 - centre.x3, vy = b.y3 - centre.y3, vz = b.z3 - centre.z3;
  return (ux * vx + uy * vy + uz * vz) / (distance(a, centre) * distance(b, centre));
}

TEST_F(CleanupTest, PlaceBesideGoesToTheSideTheOrderSelects)
{
  tAtm* c = atom(6, 0, 0);
  tAtm* a = atom(1, 10, 0);
  tAtm* b = atom(1, 0, 10);
  tAtm* t = atom(1, 5, 5);
  // s = (10, 10, 0), w = a x b = (0, 0, 100): target = -0.5 S unit(s) - 0.866025404 S (0, 0, 1).
  ASSERT_TRUE(PlaceBeside(*t, *a, *c, *b));
  EXPECT_NEAR(t->x3, -0.5 * S / std::sqrt(2.0), 1e-9);
  EXPECT_NEAR(t->y3, -0.5 * S / std::sqrt(2.0), 1e-9);
  EXPECT_NEAR(t->z3, -0.866025404 * S, 1e-9);
  ASSERT_TRUE(PlaceBeside(*t, *b, *c, *a));
  EXPECT_NEAR(t->z3, 0.866025404 * S, 1e-9);
  // Opposite references cancel: nothing moves.
  b->setRXYZ(-10, 0, 0);
  EXPECT_FALSE(PlaceBeside(*t, *a, *c, *b));
  EXPECT_NEAR(t->z3, 0.866025404 * S, 1e-9);
}

TEST_F(CleanupTest, PlaceOppositeAndItsFlatFallback)
{
  tAtm* c = atom(6, 0, 0);
  tAtm* r1 = atom(1, 10, 0, -3);
  tAtm* r2 = atom(1, -5, 8, -3);
  tAtm* r3 = atom(1, -5, -8, -3);
  tAtm* t = atom(1, 0, 0);
  PlaceOpposite(*t, *c, *r1, *r2, *r3); // the references sum to (0, 0, -9)
  EXPECT_NEAR(t->x3, 0, 1e-9);
  EXPECT_NEAR(t->z3, S, 1e-9);
  // All in the plane z = 0 and in line: q = -S unit(e1) = (-S, 0, 0); e1 . q < 0 so q takes
  // -0.5 e1 in x and y and 0.87 S in z.
  r1->setRXYZ(10, 0, 0);
  r2->setRXYZ(20, 0, 0);
  r3->setRXYZ(30, 0, 0);
  PlaceOpposite(*t, *c, *r1, *r2, *r3);
  EXPECT_NEAR(t->x3, -5, 1e-9);
  EXPECT_NEAR(t->y3, 0, 1e-9);
  EXPECT_NEAR(t->z3, 0.87 * S, 1e-9);
}

TEST_F(CleanupTest, PlaceStarPutsThreeOnTheTetrahedralCone)
{
  tAtm* c = atom(6, 0, 0);
  tAtm* ref = atom(6, 0, 0, 28);
  tAtm* t[3] = { atom(1, 1, 0), atom(1, 2, 0), atom(1, 3, 0) };
  PlaceStar(*c, t[0], t[1], t[2], *ref);
  for (tAtm* h : t) {
    EXPECT_NEAR(distance(*h, *c), 28, 1e-9);
    EXPECT_NEAR(cosAngle(*h, *c, *ref), std::cos(1.9106332362490186), 1e-12);
  }
  EXPECT_NEAR(cosAngle(*t[0], *c, *t[1]), cosAngle(*t[1], *c, *t[2]), 1e-12);
  EXPECT_NEAR(cosAngle(*t[0], *c, *t[2]), cosAngle(*t[1], *c, *t[2]), 1e-12);
}

TEST_F(CleanupTest, FlatMethaneGetsTwoHydrogensOutOfThePlane)
{
  tAtm* c = atom(6, 0, 0);
  tAtm* h[4] = { atom(1, S, 0), atom(1, 0, S), atom(1, -S, 0), atom(1, 0, -S) };
  for (tAtm* x : h)
    bond(c, x);
  tStructure* methane = piece({ c, h[0], h[1], h[2], h[3] });
  methane->clean();
  // H0 and H1 keep their directions; H2 and H3 leave the plane to opposite sides.
  EXPECT_NEAR(h[0]->y3, 0, 1e-9);
  EXPECT_NEAR(h[1]->x3, 0, 1e-9);
  EXPECT_LT(h[2]->z3, -1);
  EXPECT_GT(h[3]->z3, 1);
  EXPECT_NEAR(h[2]->z3, -h[3]->z3, 1e-9);
  // Every C-H bond ends at its ideal length (the document's bonds to terminal atoms).
  for (tLink* b : doc.Bonds)
    EXPECT_NEAR(b->RLength(), b->RAB(), 1e-9);
  EXPECT_EQ(doc.savedFlag, 0);
}

TEST_F(CleanupTest, AromaticSubstituentGoesOnTheExternalBisector)
{
  // Ring atom A with two aromatic resonance bonds to B and C and a chlorine X anywhere; B and C
  // each carry a second ring bond and a hydrogen, so all three ring atoms are aromatic.
  tAtm* a = atom(6, 0, 0);
  tAtm* b = atom(6, 24, -14);
  tAtm* c = atom(6, -24, -14);
  tAtm* x = atom(17, 5, 5, 7);
  bond(a, b, ResonanceBond)->Aromatize(true);
  bond(a, c, ResonanceBond)->Aromatize(true);
  bond(a, x);
  for (tAtm* ring : { b, c }) {
    bond(ring, atom(6, ring->x3, ring->y3 - 28), ResonanceBond)->Aromatize(true);
    bond(ring, atom(1, ring->x3 * 2, ring->y3));
  }
  piece({ a })->clean();
  // u(B) + u(C) points along -y: X goes along +y at distance S, then to its ideal length.
  EXPECT_NEAR(x->x3, 0, 1e-9);
  EXPECT_GT(x->y3, 0);
  EXPECT_NEAR(x->z3, 0, 1e-9);
  EXPECT_EQ(b->x3, 24.0); // ring atoms never move
}

TEST_F(CleanupTest, TrigonalCarbonWithTwoTerminalHydrogens)
{
  // CH2= of ethylene: A double-bonded to an sp2 partner P that has two more neighbours.
  tAtm* a = atom(6, 0, 0);
  tAtm* p = atom(6, S, 0);
  tAtm* h1 = atom(1, -5, 3);
  tAtm* h2 = atom(1, -5, 4);
  bond(a, p, DoubleBond);
  bond(a, h1);
  bond(a, h2);
  bond(p, atom(1, S + 10, 20));
  bond(p, atom(1, S + 10, -20));
  piece({ a })->clean();
  // w = -u(P) = (-1, 0, 0); side(w) = unit(0 - 0, 0 + 1, 1 - 0) = (0, 1, 1) / sqrt 2.
  // The two hydrogens sit symmetrically about the line through P, 120 degrees from it.
  EXPECT_NEAR(cosAngle(*h1, *a, *p), -0.5, 1e-9);
  EXPECT_NEAR(cosAngle(*h2, *a, *p), -0.5, 1e-9);
  EXPECT_NEAR(h1->y3, -h2->y3, 1e-9);
  EXPECT_NEAR(h1->z3, -h2->z3, 1e-9);
}

TEST_F(CleanupTest, FixedAndOtherCentresAreLeftAlone)
{
  tAtm* c = atom(6, 0, 0);
  tAtm* h[4] = { atom(1, S, 0), atom(1, 0, S), atom(1, -S, 0), atom(1, 0, -S) };
  for (tAtm* x : h)
    bond(c, x);
  c->fixedFlag = 1;
  piece({ c })->clean();
  EXPECT_EQ(h[2]->z3, 0.0); // a fixed centre moves none of its neighbours

  tAtm* sp = atom(6, 100, 0);
  tAtm* n = atom(7, 100 + S, 0);
  tAtm* hs = atom(1, 90, 9);
  bond(sp, n, TripleBond);
  bond(sp, hs);
  piece({ sp })->clean(); // an sp carbon: nothing moves but the ideal-length pass
  EXPECT_NEAR(hs->z3, 0, 1e-12);
}

} // namespace
} // namespace trelvix
