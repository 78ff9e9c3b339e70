#include "model/atom.h"
#include "model/fragment.h"
#include "model/rotation.h"
#include "model_fixture.h"

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace trelvix {
namespace {

// Drawing units per Ångström at the default scale: 28 units are 1.53 Å.
constexpr double unitsPerAngstrom = 28 / 1.53;
// The charge per unit of Pauling difference: 0.92 / 3.3.
constexpr double k = 0.92 * 0.30303030303030304;

class FragmentChargesTest : public ModelTest
{
protected:
  /// An atom of element z at (x, y, zc) Ångström, added to the fragment.
  tXY& add(int z, double x, double y, double zc = 0)
  {
    owned.push_back(std::make_unique<tXY>(z, 0, 0, 0));
    owned.back()->setRXYZ(x * unitsPerAngstrom, y * unitsPerAngstrom, zc * unitsPerAngstrom);
    frag.Atoms.Add(owned.back().get());
    return *owned.back();
  }

  /// An atom of the given mass (amu) without implicit hydrogens, at a point in Ångström.
  tXY& addMass(float mass, const Vector3& at)
  {
    tXY& a = add(6, at[0], at[1], at[2]);
    a.freeValence = 0;
    a.atomicWeight = mass;
    return a;
  }

  tXY& addText(double x, double y)
  {
    owned.push_back(std::make_unique<tLAtm>(x * unitsPerAngstrom, y * unitsPerAngstrom, "R"));
    frag.Atoms.Add(owned.back().get());
    return *owned.back();
  }

  std::vector<std::unique_ptr<tXY>> owned;
  TFragment frag;
};

// ---- Partial charges ----

TEST_F(FragmentChargesTest, OneAtomKeepsItsCharge)
{
  add(8, 0, 0).partialCharge = 0.7;
  frag.GetCharges();
  EXPECT_EQ(owned[0]->partialCharge, 0.7);
}

TEST_F(FragmentChargesTest, IdenticalAtomsShareNothing)
{
  tXY& a = add(6, 0, 0);
  tXY& b = add(6, 1.54, 0);
  a.partialCharge = 0.5;
  b.partialCharge = -0.5;
  frag.GetCharges();
  EXPECT_EQ(a.partialCharge, 0.0);
  EXPECT_EQ(b.partialCharge, 0.0);
}

TEST_F(FragmentChargesTest, CarbonMonoxideHasEqualAndOppositeChargesWhateverTheDistance)
{
  // With two atoms the weight w is the same both ways and W = 2w, N = 2:
  // q(C) = 2 x -(2.5 - 3.5) x 0.92 / 3.3 x w / 2w = 0.92 / 3.3, and q(O) = -q(C).
  for (double d : { 1.13, 2.0, 0.5 }) {
    SCOPED_TRACE(d);
    frag.Atoms.deleteall();
    owned.clear();
    tXY& c = add(6, 0, 0);
    tXY& o = add(8, d * 0.6, d * 0.8); // d Å apart, off the axes
    frag.GetCharges();
    EXPECT_NEAR(c.partialCharge, -(2.5 - 3.5) * k, 1e-12);
    EXPECT_NEAR(o.partialCharge, -(3.5 - 2.5) * k, 1e-12);
    EXPECT_LT(o.partialCharge, 0);
  }
}

TEST_F(FragmentChargesTest, TextAtomsCountInNButGetNoCharge)
{
  tXY& c = add(6, 0, 0);
  tXY& o = add(8, 1.13, 0);
  tXY& t = addText(5, 5);
  t.partialCharge = 5;
  frag.GetCharges();
  // N = 3 counts the text atom, W = 2w does not: q(C) = 3 x k w / 2w.
  EXPECT_NEAR(c.partialCharge, 3 * k / 2, 1e-12);
  EXPECT_NEAR(o.partialCharge, -3 * k / 2, 1e-12);
  EXPECT_EQ(t.partialCharge, 0.0);
}

TEST_F(FragmentChargesTest, ThreeAtomsAtTouchingDistances)
{
  // Each pair sits at the sum of its covalent radii, so every weight is 1 and W = 6 (ordered
  // pairs), N = 3. Before scaling: q(C) = -((2.5 - 3.5) + (2.5 - 2.1)) k = 0.6 k,
  // q(O) = -((3.5 - 2.5) + (3.5 - 2.1)) k = -2.4 k, q(H) = -((2.1 - 2.5) + (2.1 - 3.5)) k = 1.8 k;
  // then each x 3 / 6.
  const double co = 0.77 + 0.66, ch = 0.77 + 0.29, oh = 0.66 + 0.29;
  const double hx = (co * co + ch * ch - oh * oh) / (2 * co); // H from C and O by the two sides
  const double hy = std::sqrt(ch * ch - hx * hx);
  tXY& c = add(6, 0, 0);
  tXY& o = add(8, co, 0);
  tXY& h = add(1, hx, hy);
  frag.GetCharges();
  EXPECT_NEAR(c.partialCharge, 0.6 * k * 3 / 6, 1e-6);
  EXPECT_NEAR(o.partialCharge, -2.4 * k * 3 / 6, 1e-6);
  EXPECT_NEAR(h.partialCharge, 1.8 * k * 3 / 6, 1e-6);
}

TEST_F(FragmentChargesTest, CoincidentAtomsGiveFiniteCharges)
{
  // Two atoms on one spot: the only pair is left out, nothing is shared.
  tXY& c = add(6, 1, 1);
  tXY& o = add(8, 1, 1);
  frag.GetCharges();
  EXPECT_EQ(c.partialCharge, 0.0);
  EXPECT_EQ(o.partialCharge, 0.0);

  // A third atom apart: its pairs still count, and the charges still balance.
  tXY& h = add(1, 2, 1);
  frag.GetCharges();
  for (const tXY* a : { &c, &o, &h })
    EXPECT_TRUE(std::isfinite(a->partialCharge));
  EXPECT_NEAR(c.partialCharge + o.partialCharge + h.partialCharge, 0, 1e-12);
  EXPECT_GT(h.partialCharge, 0); // H is less electronegative than both
}

// ---- Dipole moment ----

TEST_F(FragmentChargesTest, DipoleOfTwoPointCharges)
{
  struct Case
  {
    double q, d; // elementary charges, Ångström
  };
  const Case cases[] = { { 0.25, 2.0 }, { 1.0, 1.0 }, { 0.1, 3.5 }, { 0, 1 } };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.q * 100 + c.d);
    frag.Atoms.deleteall();
    owned.clear();
    // Along (2, 3, 6) / 7, away from the origin.
    add(6, 1, 1, 1).partialCharge = c.q;
    add(8, 1 + c.d * 2 / 7, 1 + c.d * 3 / 7, 1 + c.d * 6 / 7).partialCharge = -c.q;
    addText(40, 40).partialCharge = 3; // text atoms carry no charge into the moment
    EXPECT_NEAR(frag.DipoleMoment(), c.q * c.d * 4.80320, 1e-9);
  }
}

TEST_F(FragmentChargesTest, DipoleIsTakenAboutTheCentroid)
{
  // A lone charged atom far from the origin: no moment about its own centre.
  add(11, 30, -20, 10).partialCharge = 1;
  EXPECT_NEAR(frag.DipoleMoment(), 0, 1e-9);

  // A symmetric O=C=O after GetCharges: the bond moments cancel.
  frag.Atoms.deleteall();
  owned.clear();
  add(8, -1.16, 0);
  add(6, 0, 0);
  add(8, 1.16, 0);
  frag.GetCharges();
  EXPECT_LT(owned[0]->partialCharge, 0);
  EXPECT_NEAR(frag.DipoleMoment(), 0, 1e-9);
}

// ---- Principal moments ----

void expectMoments(const std::array<double, 3>& got, const std::array<double, 3>& expected)
{
  for (std::size_t i = 0; i < 3; ++i)
    EXPECT_NEAR(got[i], expected[i], 1e-4) << "moment " << i;
}

Vector3 plus(const Vector3& a, const Vector3& b)
{
  return { a[0] + b[0], a[1] + b[1], a[2] + b[2] };
}

TEST_F(FragmentChargesTest, NoAtomsNoMoments)
{
  expectMoments(frag.principalmoments(), { 0, 0, 0 });
  addText(1, 2);
  expectMoments(frag.principalmoments(), { 0, 0, 0 });
  EXPECT_EQ(frag.GetIABC(), 0.0);
}

TEST_F(FragmentChargesTest, LinearMoleculeHasOneZeroMoment)
{
  // Three masses of 12 at -1.2, 0, +1.2 Å on a tilted line: I = 0, 2 x 12 x 1.2², twice.
  const Vector3 u = { 1 / std::sqrt(3.0), 1 / std::sqrt(3.0), 1 / std::sqrt(3.0) };
  const Vector3 offset = { 5, -3, 2 };
  for (double s : { -1.2, 0.0, 1.2 })
    addMass(12, plus(offset, { s * u[0], s * u[1], s * u[2] }));
  addText(100, 100); // no mass
  const double I = 2 * 12 * 1.2 * 1.2;
  expectMoments(frag.principalmoments(), { 0, I, I });
  EXPECT_NEAR(frag.GetIABC(), 0, 1e-3);
}

TEST_F(FragmentChargesTest, DiatomicTurnsAboutItsCentreOfMass)
{
  // Masses m1 and m2 at d Å: I = m1 m2 / (m1 + m2) d² about the centre of mass.
  struct Case
  {
    double m1, m2; // amu
    double d;      // Ångström
  };
  const Case cases[] = { { 12, 16, 1.13 }, { 1, 35, 1.27 }, { 20, 20, 3.0 } };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m2);
    frag.Atoms.deleteall();
    owned.clear();
    addMass(static_cast<float>(c.m1), { 2, 2, 2 });
    addMass(static_cast<float>(c.m2), { 2, 2 + c.d, 2 });
    const double I = c.m1 * c.m2 / (c.m1 + c.m2) * c.d * c.d;
    expectMoments(frag.principalmoments(), { 0, I, I });
  }
}

TEST_F(FragmentChargesTest, ImplicitHydrogensAddTheirMass)
{
  // A carbon with two implicit hydrogens (free valence 4) weighs 12 + 2 x 1.00797.
  addMass(12, { 0, 0, 0 }).freeValence = 4;
  addMass(12, { 0, 0, 1.5 });
  const double m1 = 12 + 2 * 1.00797;
  const double I = m1 * 12 / (m1 + 12) * 1.5 * 1.5;
  expectMoments(frag.principalmoments(), { 0, I, I });
}

TEST_F(FragmentChargesTest, PlanarMoleculeObeysThePerpendicularAxisTheorem)
{
  // Four unit masses at (±1, ±2) Å: I about the long side's axis 4 x 1², about the other
  // 4 x 2², about the normal 4 x (1² + 2²) = I1 + I2. The rectangle is turned 30° in its
  // plane, then 40° about x, and moved, which changes none of them.
  const Matrix3 turn = axisRotation(3, std::numbers::pi / 6);
  const Matrix3 tilt = axisRotation(1, 40 * std::numbers::pi / 180);
  for (double sx : { -1.0, 1.0 })
    for (double sy : { -1.0, 1.0 })
      addMass(1, plus({ 3, 4, 5 }, tilt * (turn * Vector3{ sx * 1, sy * 2, 0 })));
  const std::array<double, 3> m = frag.principalmoments();
  expectMoments(m, { 4 * 1.0, 4 * 4.0, 4 * (1.0 + 4.0) });
  EXPECT_NEAR(m[2], m[0] + m[1], 1e-4);
  EXPECT_NEAR(frag.GetIABC(), 4.0 * 16.0 * 20.0, 1e-2);
}

} // namespace
} // namespace trelvix
