// The force-field terms at reference geometries and at displaced ones, worked by hand.
#include "mechanics/force_parameters.h"
#include "mechanics/force_terms.h"
#include "model/pair_energy.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace trelvix {
namespace {

constexpr double pi = std::numbers::pi;
constexpr double tetrahedral = 1.9106332356470423;

// Apex at the origin, A1 on x, A2 at angle theta in the xy plane.
std::vector<Vector3> bendAt(double theta)
{
  return { { 1, 0, 0 }, { std::cos(theta), std::sin(theta), 0 }, { 0, 0, 0 } };
}

double morseBend(double theta, double theta0)
{
  const double m = std::exp(-2.236067978 * (theta / theta0 - 1)) - 1;
  return 10000 * m * m;
}

TEST(StretchTerm, ZeroAtIdealLengthAndHarmonicAround)
{
  // A C-C single bond: D = 2 x 29300 + 25600.
  const double D = pairBondEnergy(6, 6, 2);
  EXPECT_DOUBLE_EQ(D, 29300 * 2 + 25600);
  tstretch s(0, 1, D, 28, 28);
  const std::vector<Vector3> ideal{ { 0, 0, 0 }, { 28, 0, 0 } };
  EXPECT_DOUBLE_EQ(s.GetPE(ideal.data()), 0);
  EXPECT_DOUBLE_EQ(s.BondEnergy(ideal.data()), -84200);
  // 10 % longer: kh x 0.1^2 with kh = 0.5 x 10 D / 28.
  const std::vector<Vector3> longer{ { 0, 0, 0 }, { 0, 30.8, 0 } };
  EXPECT_NEAR(s.GetPE(longer.data()), 0.5 * 842000 / 28 * 0.01, 1e-9);
  const double m = std::exp(-2.2360657978 * 0.1) - 1;
  EXPECT_NEAR(s.BondEnergy(longer.data()), 84200 * m * m - 84200, 1e-6);
  EXPECT_DOUBLE_EQ(s.vibConstant, 6.947e-06 * 842000);
}

TEST(BendTerm, ThreeRegimesByNeighbourCount)
{
  const double below = 100 * pi / 180;
  const double above = 120 * pi / 180;
  struct Case
  {
    int neighbours;
    double theta;
    double expected;
  };
  const Case cases[] = {
    // Up to three neighbours: harmonic on both sides.
    { 3, below, 50000 * (below - tetrahedral) * (below - tetrahedral) },
    { 3, above, 50000 * (above - tetrahedral) * (above - tetrahedral) },
    { 2, tetrahedral, 0 },
    // Four: the Morse bend on both sides.
    { 4, below, morseBend(below, tetrahedral) },
    { 4, above, morseBend(above, tetrahedral) },
    { 4, tetrahedral, 0 },
    // Five to nine: only a closed angle costs energy.
    { 5, above, 0 },
    { 6, below, morseBend(below, tetrahedral) },
    { 9, above, 0 },
  };
  for (const Case& c : cases) {
    tangle a(0, 2, 1, c.neighbours, tetrahedral);
    const std::vector<Vector3> xyz = bendAt(c.theta);
    EXPECT_NEAR(a.GetPE(xyz.data()), c.expected, 1e-6) << c.neighbours << " " << c.theta;
    EXPECT_NEAR(a.theta, c.theta, 1e-12);
  }
}

TEST(BendTerm, RedundancyWeightAndIdealAngles)
{
  EXPECT_DOUBLE_EQ(tangle(0, 2, 1, 2, tetrahedral).redundancy, 1.0);
  EXPECT_DOUBLE_EQ(tangle(0, 2, 1, 3, tetrahedral).redundancy, 1.0);
  EXPECT_DOUBLE_EQ(tangle(0, 2, 1, 4, tetrahedral).redundancy, 5.0 / 6);
  EXPECT_DOUBLE_EQ(tangle(0, 2, 1, 5, tetrahedral).redundancy, 9.0 / 10);
  EXPECT_DOUBLE_EQ(idealAngle(6, 2, 3), 2 * pi / 3);
  EXPECT_DOUBLE_EQ(idealAngle(8, 3, 2), 1.824044);
  EXPECT_DOUBLE_EQ(idealAngle(6, 3, 4), tetrahedral);  // four neighbours: by count
  EXPECT_DOUBLE_EQ(idealAngle(16, 2, 6), pi / 2);      // six neighbours: 90 degrees
  EXPECT_DOUBLE_EQ(idealAngle(99, 3, 2), tetrahedral); // no table row: by count
}

// Axis 2-3 on z; atom 1 in the xz plane, atom 4 turned phi about the axis.
std::vector<Vector3> torsionAt(double phi)
{
  return { { 1, 0, -0.5 }, { 0, 0, 0 }, { 0, 0, 1.5 }, { std::cos(phi), std::sin(phi), 2.0 } };
}

TEST(TorsionTerm, EthaneMinimaAndTorsionCount)
{
  const std::array<std::int32_t, 4> slots{ 0, 1, 2, 3 };
  // sp3-sp3 single axis with four neighbours at each end: V = 2000 / (4 + 4 - 2).
  const double V = 2000.0 / 6;
  ttorque first(slots, 2054, 2, { 6, 6 }, { 4, 4 }, 1);
  ttorque ninth(slots, 2054, 2, { 6, 6 }, { 4, 4 }, 9);
  EXPECT_DOUBLE_EQ(first.V, V);
  EXPECT_DOUBLE_EQ(first.Ve, 0.5 * V);
  EXPECT_DOUBLE_EQ(ninth.Ve, 0.5 * V / 9);
  EXPECT_DOUBLE_EQ(first.redundancy, 1.0 / 9);
  EXPECT_NEAR(first.GeTPE(torsionAt(pi / 3).data()), 0, 1e-9);
  EXPECT_NEAR(first.GeTPE(torsionAt(pi).data()), 0, 1e-9);
  // Eclipsed: Ve (1 - cos(3 (0 - pi / 3))) = 2 Ve.
  EXPECT_NEAR(first.GeTPE(torsionAt(0).data()), V, 1e-9);
  EXPECT_NEAR(first.GetAngle(torsionAt(2.0).data()), 2.0, 1e-12);
}

TEST(TorsionTerm, ParametersByKey)
{
  const std::array<std::int32_t, 4> slots{ 0, 1, 2, 3 };
  // A double bond between sp2 carbons: 45000 / (3 + 3 - 2), twofold, flat.
  ttorque ethene(slots, 4016, 4, { 6, 6 }, { 3, 3 }, 1);
  EXPECT_DOUBLE_EQ(ethene.V, 45000.0 / 4);
  EXPECT_EQ(ethene.periodicity, 2);
  EXPECT_NEAR(ethene.GeTPE(torsionAt(0).data()), 0, 1e-9);
  EXPECT_NEAR(ethene.GeTPE(torsionAt(pi / 2).data()), 2 * 0.5 * 45000.0 / 4, 1e-9);
  // Single bond between two oxygens: 2000, twofold, minimum at a right angle.
  ttorque peroxide(slots, 2054, 2, { 8, 8 }, { 2, 2 }, 1);
  EXPECT_DOUBLE_EQ(peroxide.V, 2000.0 / 2);
  EXPECT_NEAR(peroxide.GeTPE(torsionAt(pi / 2).data()), 0, 1e-9);
  // A key the table lacks has no barrier.
  EXPECT_DOUBLE_EQ(ttorque(slots, 1020, 1, { 6, 6 }, { 2, 3 }, 1).V, 0);
}

TEST(TorsionTerm, NearLinearAxisAtomIsNoTorsion)
{
  const std::array<std::int32_t, 4> slots{ 0, 1, 2, 3 };
  ttorque t(slots, 2054, 2, { 6, 6 }, { 4, 4 }, 1);
  EXPECT_TRUE(t.isTorsion(torsionAt(1.0).data()));
  std::vector<Vector3> straight = torsionAt(1.0);
  straight[0] = { 0.1, 0, -2 }; // 2.9 degrees off the axis line
  EXPECT_FALSE(t.isTorsion(straight.data()));
}

TEST(PlanarityTerm, ZeroWhenPlanarAndSquaredDeficitOtherwise)
{
  const std::array<std::int32_t, 4> slots{ 0, 1, 2, 3 };
  const double c = std::cos(2 * pi / 3);
  const double s = std::sin(2 * pi / 3);
  const std::vector<Vector3> planar{ { 1, 0, 0 }, { c, s, 0 }, { c, -s, 0 }, { 0, 0, 0 } };
  tStrain flat(slots, planar.data());
  EXPECT_NEAR(flat.GeTPE(planar.data()), 0, 1e-12);
  EXPECT_NEAR(flat.deviation, 0, 1e-12);
  // Three bonds of a tetrahedron: each pair at 109.47 degrees.
  const double t = std::sqrt(8.0) / 3;
  const std::vector<Vector3> pyramid{
    { t, 0, -1.0 / 3 }, { t * c, t * s, -1.0 / 3 }, { t * c, -t * s, -1.0 / 3 }, { 0, 0, 0 }
  };
  const double deficit = 3 * std::acos(-1.0 / 3) - 2 * pi;
  EXPECT_NEAR(flat.GeTPE(pyramid.data()), 20000 * deficit * deficit, 1e-6);
}

TEST(PairTerm, HydrogenBondStraightAndBent)
{
  // Slots: hydrogen, acceptor, donor; one Ångström per unit here.
  tpair p;
  p.atoms = { 0, 1, 2 };
  p.type = tpair::HydrogenBond;
  const std::vector<Vector3> straight{ { 0, 0, 0 }, { 1.75, 0, 0 }, { -1, 0, 0 } };
  EXPECT_NEAR(p.GetPE(straight.data(), 1.0), -9500, 1e-6);
  // Acceptor at right angles to the D-H bond, still 2.75 Å from the donor.
  const std::vector<Vector3> bent{ { 0, 0, 0 },
                                   { 0, std::sqrt(2.75 * 2.75 - 1), 0 },
                                   { -1, 0, 0 } };
  EXPECT_NEAR(p.GetPE(bent.data(), 1.0), 0, 1e-9);
}

TEST(PairTerm, VanDerWaalsAndChargedForms)
{
  tpair p;
  p.atoms = { 0, 1, -1 };
  p.epsilon = 100;
  p.rstar = 4 + 0.001; // the well bottom at d = 4
  const std::vector<Vector3> contact{ { 0, 0, 0 }, { 0, 0, 4 } };
  EXPECT_NEAR(p.GetPE(contact.data(), 1.0), -100, 1e-9);
  EXPECT_NEAR(p.GetSPE(contact.data(), 1.0), 0, 1e-9);
  p.type = tpair::Charged;
  p.rstar = 2;
  p.Q = -322063.7;
  const std::vector<Vector3> apart{ { 0, 0, 0 }, { 3, 0, 0 } };
  EXPECT_NEAR(p.GetPE(apart.data(), 1.0),
              -322063.7 / (3.0001 * 3.0001) + 100 * std::pow(2 / 3.001, 12),
              1e-6);
}

TEST(Terms, CoincidentAtomsGiveFiniteEnergies)
{
  const std::vector<Vector3> xyz(4, Vector3{ 5, 5, 5 });
  const std::array<std::int32_t, 4> slots{ 0, 1, 2, 3 };
  tstretch s(0, 1, 84200, 28, 28);
  tangle a(0, 2, 1, 4, tetrahedral);
  ttorque t(slots, 2054, 2, { 6, 6 }, { 4, 4 }, 1);
  tStrain p(slots, xyz.data());
  tpair vdw;
  vdw.atoms = { 0, 1, -1 };
  vdw.epsilon = 100;
  vdw.rstar = 60;
  tpair hbond = vdw;
  hbond.atoms = { 0, 1, 2 };
  hbond.type = tpair::HydrogenBond;
  tpair charged = vdw;
  charged.type = tpair::Charged;
  charged.Q = 322063.7;
  for (const double e : { s.GetPE(xyz.data()),
                          s.BondEnergy(xyz.data()),
                          a.GetPE(xyz.data()),
                          t.GeTPE(xyz.data()),
                          p.GeTPE(xyz.data()),
                          vdw.GetPE(xyz.data(), 0.05),
                          hbond.GetPE(xyz.data(), 0.05),
                          charged.GetPE(xyz.data(), 0.05) })
    EXPECT_TRUE(std::isfinite(e)) << e;
}

TEST(ContactTable, ThreeSteps)
{
  struct Case
  {
    int element, hybridisation, hydrogens;
    ContactParameters expected;
  };
  const Case cases[] = {
    { 6, 3, 3, { 250.0, 4.1524 / 2, 12.0 } },  // methyl carbon, united atom
    { 6, 3, 0, { 95.1, 3.8983 / 2, 14.034 } }, // carbon with explicit hydrogens
    { 1, 3, 0, { 15.2, 3.195 / 2, 12.382 } },
    { 8, 3, 0, { 95.7, 3.4046 / 2, 13.483 } },
    { 17, 3, 0, { 283.3, 3.9503 / 2, 13.861 } },
    { 11, 1, 0, { elementWellDepth(11), 1.86, 12.0 } }, // replaced by element values
  };
  for (const Case& c : cases) {
    const ContactParameters p = contactParameters(c.element, c.hybridisation, c.hydrogens);
    EXPECT_DOUBLE_EQ(p.wellDepth, c.expected.wellDepth) << c.element;
    EXPECT_NEAR(p.radius, c.expected.radius, 1e-6) << c.element;
    EXPECT_DOUBLE_EQ(p.third, c.expected.third) << c.element;
  }
}

} // namespace
} // namespace trelvix
