// The term lists of a structure, its energy sums, and the optimiser's commands end to end.
#include "../document/document_fixture.h"
#include "document/code_table.h"
#include "mechanics/force_field.h"
#include "mechanics/optimiser.h"
#include "mechanics/stop_tool.h"
#include "model/defaults.h"
#include "model/element_table.h"
#include "model/pair_energy.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace trelvix {
namespace {

constexpr double pi = std::numbers::pi;

class OptimiserTest : public DocumentTest
{
protected:
  // Ideal single-bond lengths in drawing units at scale 28: (1.71 - 0.09 x 2) x (r1 + r2 - 0.01)
  // x scale x 0.4217807583618035, r the covalent radii of the element table.
  static double ideal(int z1, int z2)
  {
    return 1.53 * (elementData(z1).covalentRadius + elementData(z2).covalentRadius - 0.01) * 28 *
           0.4217807583618035;
  }
  const double cc = ideal(6, 6);
  const double ch = ideal(6, 1);

  // Staggered ethane at ideal lengths and angles; returns the two carbons' hydrogens too.
  std::vector<tAtm*> ethane()
  {
    std::vector<tAtm*> atoms{ atom(6, 0, 0, 0), atom(6, 0, 0, cc) };
    bond(atoms[0], atoms[1]);
    const double s = std::sqrt(8.0) / 3; // sine of 109.47 degrees
    for (int end = 0; end < 2; ++end) {
      for (int k = 0; k < 3; ++k) {
        const double phi = 2 * pi * k / 3 + end * pi / 3;
        tAtm* h =
          atom(1, ch * s * std::cos(phi), ch * s * std::sin(phi), end == 0 ? -ch / 3 : cc + ch / 3);
        bond(atoms[static_cast<std::size_t>(end)], h);
        atoms.push_back(h);
      }
    }
    return atoms;
  }

  static double angleAt(const tXY& a, const tXY& apex, const tXY& b)
  {
    const Vector3 u{ a.x3 - apex.x3, a.y3 - apex.y3, a.z3 - apex.z3 };
    const Vector3 v{ b.x3 - apex.x3, b.y3 - apex.y3, b.z3 - apex.z3 };
    return vectorAngle(u, v) * 180 / pi;
  }

  static double angstroms(const tXY& a, const tXY& b) { return a.Dist3d(b) * 1.53 / 28; }

  // Every bond length and every angle at a carbon, checked against chemically sensible ranges.
  void expectSensible()
  {
    for (const tLink* b : doc.Bonds) {
      const double r = angstroms(*b->Atm1, *b->Atm2);
      const bool toH = b->Atm1->element == 1 || b->Atm2->element == 1;
      // C-C about 1.51 Å, C-H about 1.07 Å by the ideal lengths; a few percent either way.
      EXPECT_GT(r, toH ? 1.00 : 1.43);
      EXPECT_LT(r, toH ? 1.14 : 1.60);
    }
    for (tXY* c : doc.Atoms) {
      auto* apex = dynamic_cast<tAtm*>(c);
      if (!apex || apex->element != 6)
        continue;
      apex->AttachedAtoms();
      std::vector<tXY*> around(apex->atoms->begin(), apex->atoms->end());
      for (std::size_t i = 0; i < around.size(); ++i) {
        for (std::size_t j = i + 1; j < around.size(); ++j) {
          const double theta = angleAt(*around[i], *apex, *around[j]);
          EXPECT_GT(theta, 109.47 * 0.95);
          EXPECT_LT(theta, 109.47 * 1.05);
        }
      }
    }
  }

  std::vector<Vector3> positions() const
  {
    std::vector<Vector3> p;
    for (const tXY* a : doc.Atoms)
      p.push_back({ a->x3, a->y3, a->z3 });
    return p;
  }

  double strain()
  {
    ForceField field(doc);
    return field.strainEnergy();
  }

  StopTool stop;
};

TEST_F(OptimiserTest, EthaneTermListsAndTorsionCount)
{
  ethane();
  ForceField field(doc);
  EXPECT_EQ(field.stretches().size(), 7u);
  EXPECT_EQ(field.angles().size(), 12u);
  ASSERT_EQ(field.torques().size(), 9u);
  EXPECT_EQ(field.strains().size(), 0u);
  // Every pair of the eight atoms is 1-2, 1-3 or 1-4: no non-bonded pair remains.
  EXPECT_EQ(field.abPairs().size(), 28u);
  EXPECT_EQ(field.pairs().size(), 0u);
  const double V = 2000.0 / (4 + 4 - 2);
  EXPECT_EQ(field.torques()[0].key, 2054);
  EXPECT_DOUBLE_EQ(field.torques()[0].Ve, 0.5 * V);
  EXPECT_DOUBLE_EQ(field.torques()[8].Ve, 0.5 * V / 9);
  // Staggered at ideal lengths and angles: stretches, Morse bends and torsions all rest.
  EXPECT_NEAR(field.strainEnergy(), 0, 1e-6);
  EXPECT_NEAR(field.storedEnergy(), 0, 1e-6);
  EXPECT_NEAR(field.formationEnergy(), -84200 - 6 * pairBondEnergy(6, 1, 2), 1e-6);
}

TEST_F(OptimiserTest, PairsOfButaneEndsAndStoredSum)
{
  // Four carbons in a zig-zag: only the 1-4 pair is not excluded, and torsions exclude it too.
  tAtm* c1 = atom(6, 0, 0);
  tAtm* c2 = atom(6, 24, 14);
  tAtm* c3 = atom(6, 48, 0);
  tAtm* c4 = atom(6, 72, 14);
  tAtm* c5 = atom(6, 96, 0);
  bond(c1, c2);
  bond(c2, c3);
  bond(c3, c4);
  bond(c4, c5);
  ForceField field(doc);
  // Pentane skeleton: the 1-5 pair alone is non-bonded.
  ASSERT_EQ(field.pairs().size(), 1u);
  const tpair& p = field.pairs()[0];
  EXPECT_EQ(field.atom(p.atoms[0]), c1);
  EXPECT_EQ(field.atom(p.atoms[1]), c5);
  // United-atom methyl groups (three implicit hydrogens, sp3): w 250, s 4.1524 / 2 each.
  EXPECT_DOUBLE_EQ(p.epsilon, 250);
  EXPECT_NEAR(p.rstar, 4.1524 * 28 / 1.54, 1e-9);
  EXPECT_DOUBLE_EQ(field.pairSum(), 250);
  const double e = field.strainEnergy();
  EXPECT_DOUBLE_EQ(field.storedEnergy(), e);
}

TEST_F(OptimiserTest, ChargedPairEvenWithDonorHydrogen)
{
  tAtm* n = atom(7, 0, 0);
  tAtm* h = atom(1, 28, 0);
  bond(n, h);
  h->setcharge(1);
  tAtm* o = atom(8, 100, 0);
  o->setcharge(-1);
  ForceField field(doc);
  const auto pair = std::find_if(field.pairs().begin(), field.pairs().end(), [&](const tpair& p) {
    return p.HasAtom(field.indexOf(h)) && p.HasAtom(field.indexOf(o));
  });
  ASSERT_NE(pair, field.pairs().end());
  EXPECT_EQ(pair->type, tpair::Charged);
  EXPECT_DOUBLE_EQ(pair->Q, -322063.7);
  EXPECT_EQ(field.atom(pair->atoms[2]), n); // the donor stays in the third slot
}

TEST_F(OptimiserTest, TwoAtomsEndAtIdealLengthWithoutPass)
{
  tAtm* a = atom(6, 0, 0, 0);
  tAtm* b = atom(6, 40, 10, -5);
  bond(a, b);
  const OptimiseResult r = optimizeGeometry(doc, OptimiseCommand::OptimizeGeometry, stop);
  EXPECT_EQ(r.passes, 0);
  EXPECT_NEAR(a->Dist3d(*b), cc, 1e-9);
  EXPECT_DOUBLE_EQ(a->Dist3d(*b), doc.Bonds.At(0)->RAB());
  EXPECT_NEAR(r.energy, 0, 1e-9);
  EXPECT_EQ(a->fixedFlag, 0);
}

TEST_F(OptimiserTest, DistortedCyclohexaneRelaxesToSensibleGeometry)
{
  modelDefaults().DrawMode3D = true;
  buildProcedure(161, 200, 200);
  doc.protonate3d();
  ASSERT_EQ(doc.Atoms.Count(), 18);
  shell.seedRandom(3);
  for (tXY* a : doc.Atoms)
    a->setRXYZ(a->x3 + 6 * (shell.random() - 0.5),
               a->y3 + 6 * (shell.random() - 0.5),
               a->z3 + 6 * (shell.random() - 0.5));
  const double before = strain();
  const OptimiseResult r = optimizeGeometry(doc, OptimiseCommand::OptimizeGeometry, stop);
  EXPECT_GT(r.passes, 0);
  EXPECT_LT(r.energy, before);
  EXPECT_DOUBLE_EQ(doc.strainEnergy, r.energy);
  expectSensible();
}

TEST_F(OptimiserTest, AtomsOnOneSpotEndTheRunAtOnce)
{
  // Two carbons on one spot: their pair energy is far beyond 1e30 cal/mol and no force parts
  // them (each probe sees the same distance on both sides). Every command ends without a pass.
  for (const OptimiseCommand command : { OptimiseCommand::OptimizeGeometry,
                                         OptimiseCommand::RefineGeometry,
                                         OptimiseCommand::AnnealGeometry,
                                         OptimiseCommand::ScrambleAndOptimize,
                                         OptimiseCommand::OptimizeProtons }) {
    SCOPED_TRACE(static_cast<int>(command));
    tDrawing spot;
    setCurrentDrawing(&spot);
    for (int k = 0; k < 2; ++k) {
      auto* a = new tAtm(6, 100, 100, 0);
      a->setRXYZ(100, 100, 0);
      spot.Atoms.Add(a);
    }
    int calls = 0;
    const OptimiseResult r = optimizeGeometry(spot, command, stop, [&](int, double) { ++calls; });
    setCurrentDrawing(&doc);
    EXPECT_GE(r.energy, 1e30);
    EXPECT_EQ(r.passes, 0);
    EXPECT_EQ(calls, 0);
  }
}

// All-anti n-alkanes: the carbons zig-zag at the ideal C-C length and tetrahedral angle in the
// drawing plane, and Add Protons 3D puts the hydrogens at their ideal places.
class AlkaneStrainTest : public OptimiserTest
{
protected:
  void build(tDrawing& chain, int n)
  {
    const double half = 109.47 / 2 * pi / 180;
    auto* piece = new tStructure;
    tAtm* previous = nullptr;
    for (int i = 0; i < n; ++i) {
      const double x = 100 + i * cc * std::sin(half);
      const double y = 200 + (i % 2) * cc * std::cos(half);
      auto* a = new tAtm(6, x, y, 0);
      a->setRXYZ(x, y, 0);
      chain.Atoms.Add(a);
      piece->Atoms.Add(a);
      if (previous) {
        auto* b = new tbond(previous, a);
        b->ssingle();
        chain.Bonds.Add(b);
        piece->Bonds.Add(b);
      }
      previous = a;
    }
    chain.Groups.Add(piece);
    chain.protonate3d();
  }

  /// The strain of the ideal chain, and after Refine Geometry when relax is set; cal/mol.
  double strain(int n, bool relax)
  {
    tDrawing chain;
    setCurrentDrawing(&chain);
    build(chain, n);
    shell.seedRandom(5);
    const double e = relax ? optimizeGeometry(chain, OptimiseCommand::RefineGeometry, stop).energy
                           : ForceField(chain).strainEnergy();
    setCurrentDrawing(&doc);
    return e;
  }
};

TEST_F(AlkaneStrainTest, EveryMethyleneGroupAddsTheSameStrain)
{
  // On the ideal chain every CH2 sees the same neighbourhood, so each adds the same strain once
  // the ends are far apart; pairs of distant atoms add nothing. (Counting every pair from the
  // bottom of its well instead would add 0.5 (w1 + w2) for each of the n^2 / 2 pairs.)
  const int lengths[] = { 10, 20, 30, 60 };
  std::vector<double> perGroup;
  double previous = strain(lengths[0], false);
  for (std::size_t k = 1; k < std::size(lengths); ++k) {
    const double e = strain(lengths[k], false);
    perGroup.push_back((e - previous) / (lengths[k] - lengths[k - 1]));
    previous = e;
  }
  for (double increment : perGroup)
    EXPECT_NEAR(increment, perGroup.back(), 0.05 * std::abs(perGroup.back()));
}

TEST_F(AlkaneStrainTest, RelaxedChainsStayNearlyStrainFree)
{
  // n-Alkanes are the strain-free reference of chemistry: relaxed, short or long, their strain
  // stays within 0.1 kcal per CH2 of zero (every pair's well depth would add 1.2 kcal per CH2 at
  // C10 and 18 kcal per CH2 at C100).
  for (const int n : { 5, 10, 30, 100 })
    EXPECT_LT(std::abs(strain(n, true)) / n, 100) << n;
}

TEST_F(OptimiserTest, FlatMethaneBecomesTetrahedral)
{
  tAtm* c = atom(6, 100, 100, 0);
  for (int k = 0; k < 4; ++k)
    bond(c, atom(1, 100 + ch * std::cos(k * pi / 2), 100 + ch * std::sin(k * pi / 2), 0));
  const double before = strain();
  int calls = 0;
  int lastPass = 0;
  const OptimiseResult r =
    optimizeGeometry(doc, OptimiseCommand::OptimizeGeometry, stop, [&](int pass, double) {
      ++calls;
      EXPECT_EQ(pass, lastPass + 1); // once a pass, in order
      lastPass = pass;
    });
  EXPECT_EQ(calls, r.passes);
  EXPECT_LE(r.passes, 100 + 10 * 5); // the pass limit of five atoms
  EXPECT_LT(r.energy, before);
  expectSensible();
}

TEST_F(OptimiserTest, AtomsBondedAcrossTheTargetStayInPlace)
{
  const std::vector<tAtm*> atoms = ethane();
  for (tXY* h : { atoms[5], atoms[6], atoms[7] })
    h->setRXYZ(h->x3 + 3, h->y3 - 2, h->z3 + 4);
  // The edited group: the second carbon and its hydrogens; the first carbon is outside.
  tStructure* group = piece({ atoms[1], atoms[5], atoms[6], atoms[7] });
  const std::vector<Vector3> before = positions();
  optimizeGeometry(*group, OptimiseCommand::RefineGeometry, stop);
  const std::vector<Vector3> after = positions();
  for (std::size_t i = 0; i < 5; ++i) // both carbons and the first carbon's hydrogens
    EXPECT_EQ(after[i], before[i]) << i;
  EXPECT_NE(after[5], before[5]);
  for (const tXY* a : doc.Atoms)
    EXPECT_EQ(a->fixedFlag, 0);
}

TEST_F(OptimiserTest, RefineAndAnnealAreIdenticalForOneSeed)
{
  const std::vector<tAtm*> atoms = ethane();
  atoms[2]->setRXYZ(atoms[2]->x3 + 5, atoms[2]->y3, atoms[2]->z3);
  const std::vector<Vector3> start = positions();
  std::vector<std::vector<Vector3>> results;
  for (const OptimiseCommand command :
       { OptimiseCommand::RefineGeometry, OptimiseCommand::AnnealGeometry }) {
    for (std::size_t i = 0; i < start.size(); ++i)
      doc.Atoms.At(static_cast<int>(i))->setRXYZ(start[i][0], start[i][1], start[i][2]);
    shell.seedRandom(11);
    doc.savedFlag = 1;
    optimizeGeometry(doc, command, stop);
    results.push_back(positions());
    EXPECT_EQ(doc.savedFlag, 0); // a moved geometry is no longer the saved one
  }
  EXPECT_EQ(results[0], results[1]);
  EXPECT_NE(results[0], start);
}

// Asks to stop at the first event processed (inside the first atom's relaxation).
class StoppingShell : public ScriptedShell
{
public:
  void processEvents() override
  {
    ScriptedShell::processEvents();
    requestStop();
  }
};

TEST_F(OptimiserTest, StopEndsTheRunAfterTheCurrentAtom)
{
  ethane();
  StoppingShell stopping;
  setCurrentShell(&stopping);
  stopping.seedRandom(5);
  // Optimize Protons processes no events before its first relaxation.
  const OptimiseResult r = optimizeGeometry(doc, OptimiseCommand::OptimizeProtons, stop);
  setCurrentShell(&shell);
  EXPECT_EQ(r.passes, 1);
  // One relaxation: eleven trial steps, one scale length shrinking by 1.72 down to the minimum.
  EXPECT_EQ(stopping.processEventsCalls(), 11);
  EXPECT_TRUE(stop.stopFlag());
}

TEST_F(OptimiserTest, RunsThatCannotMoveEndAtOnceWithTheirEnergy)
{
  // One atom: no terms.
  atom(6, 10, 10);
  OptimiseResult r = optimizeGeometry(doc, OptimiseCommand::OptimizeGeometry, stop);
  EXPECT_EQ(r.passes, 0);
  EXPECT_EQ(r.energy, 0);
  // Every atom of the group bonded outside it: all fixed.
  const std::vector<tAtm*> atoms = ethane();
  tStructure* carbons = piece({ atoms[0], atoms[1] });
  r = optimizeGeometry(*carbons, OptimiseCommand::OptimizeGeometry, stop);
  EXPECT_EQ(r.passes, 0);
  EXPECT_TRUE(std::isfinite(r.energy));
}

TEST_F(OptimiserTest, CoincidentAtomsGiveNoNaN)
{
  tAtm* a = atom(6, 50, 50);
  tAtm* b = atom(6, 50, 50);
  tAtm* c = atom(6, 50, 50);
  tAtm* d = atom(8, 50, 50);
  bond(a, b);
  bond(b, c);
  bond(c, d);
  const OptimiseResult r = optimizeGeometry(doc, OptimiseCommand::ScrambleAndOptimize, stop);
  EXPECT_TRUE(std::isfinite(r.energy));
  for (const tXY* x : doc.Atoms) {
    EXPECT_TRUE(std::isfinite(x->x3));
    EXPECT_TRUE(std::isfinite(x->y3));
    EXPECT_TRUE(std::isfinite(x->z3));
  }
}

TEST(StopToolTest, ShowStopAndEnergyText)
{
  StopTool tool;
  tool.StopBitBtn1Click();
  EXPECT_TRUE(tool.stopFlag());
  EXPECT_FALSE(tool.visible());
  tool.FormShow();
  EXPECT_FALSE(tool.stopFlag());
  EXPECT_TRUE(tool.visible());
  tool.showEnergy(12345.6);
  EXPECT_EQ(tool.lblEnergy(), "   12.35");
  EXPECT_STREQ(StopTool::caption, "Optimizing Geometry");
}

} // namespace
} // namespace trelvix
