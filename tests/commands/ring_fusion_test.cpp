// Rings fused onto bonds, hung on atoms and joined to atoms, and the 3D ring shapes.
#include "../model/model_fixture.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/templates.h"
#include "model/bond.h"
#include "model/structure_atom.h"
#include "writable_document.h"

#include <cmath>
#include <set>
#include <vector>

namespace trelvix {
namespace {

// The torsion a-b-c-d in degrees, signed by the right-hand rule about b -> c.
double torsion(const tXY& a, const tXY& b, const tXY& c, const tXY& d)
{
  const double b1[3] = { b.x3 - a.x3, b.y3 - a.y3, b.z3 - a.z3 };
  const double b2[3] = { c.x3 - b.x3, c.y3 - b.y3, c.z3 - b.z3 };
  const double b3[3] = { d.x3 - c.x3, d.y3 - c.y3, d.z3 - c.z3 };
  const auto cross = [](const double* u, const double* v, double* out) {
    out[0] = u[1] * v[2] - u[2] * v[1];
    out[1] = u[2] * v[0] - u[0] * v[2];
    out[2] = u[0] * v[1] - u[1] * v[0];
  };
  double n1[3], n2[3], m[3];
  cross(b1, b2, n1);
  cross(b2, b3, n2);
  cross(n1, n2, m);
  const double len = std::sqrt(b2[0] * b2[0] + b2[1] * b2[1] + b2[2] * b2[2]);
  const double x = n1[0] * n2[0] + n1[1] * n2[1] + n1[2] * n2[2];
  const double y = (m[0] * b2[0] + m[1] * b2[1] + m[2] * b2[2]) / len;
  return std::atan2(y, x) * 180 / M_PI;
}

// The torsions around a ring of atoms in ring order.
std::vector<double> ringTorsions(const std::vector<const tXY*>& r)
{
  std::vector<double> t;
  const std::size_t n = r.size();
  for (std::size_t i = 0; i < n; ++i)
    t.push_back(torsion(*r[i], *r[(i + 1) % n], *r[(i + 2) % n], *r[(i + 3) % n]));
  return t;
}

std::vector<const tXY*> templateRing(const tRing& ring)
{
  std::vector<const tXY*> r;
  for (int i = 1; i <= ring.size(); ++i)
    r.push_back(ring.templateAtoms[static_cast<std::size_t>(i)]);
  return r;
}

int bondsAt(const tDrawing& d, const tXY* a)
{
  int k = 0;
  for (const tLink* b : d.Bonds)
    k += b->Atm1 == a || b->Atm2 == a ? 1 : 0;
  return k;
}

class RingFusionTest : public ModelTest
{
protected:
  CommandLayer layer{ std::make_unique<tDrawing>() };
  const tDrawing& doc() { return layer.drawing(); }

  std::vector<std::string> messages() const
  {
    std::vector<std::string> texts;
    for (const auto& m : shell.messages())
      texts.push_back(m.text);
    return texts;
  }

  // The midpoint of the first ring's bond from atom 1 to atom 2 (the upper right edge).
  void fuseOnFirstBond(int code)
  {
    const tLink* b = doc().Bonds.At(0);
    layer.BuildAt((b->Atm1->x3 + b->Atm2->x3) / 2, (b->Atm1->y3 + b->Atm2->y3) / 2, code);
  }
};

TEST_F(RingFusionTest, FusedRingsShareExactlyTwoAtomsAndOneBond)
{
  for (bool threeD : { false, true }) {
    modelDefaults().DrawMode3D = threeD;
    for (int n = 3; n <= 10; ++n) {
      CommandLayer fresh{ std::make_unique<tDrawing>() };
      fresh.BuildAt(200, 200, 154); // a six-ring
      const tLink* shared = fresh.drawing().Bonds.At(0);
      const double sx = shared->Atm1->x3, sy = shared->Atm1->y3, sz = shared->Atm1->z3;
      fresh.BuildAt((shared->Atm1->x3 + shared->Atm2->x3) / 2,
                    (shared->Atm1->y3 + shared->Atm2->y3) / 2,
                    198 + n);
      const tDrawing& d = fresh.drawing();
      ASSERT_EQ(d.Atoms.Count(), 6 + n - 2) << n;
      ASSERT_EQ(d.Bonds.Count(), 6 + n - 1) << n;
      // Only the two atoms of the shared bond have three ring bonds.
      std::set<const tXY*> fused;
      for (const tXY* a : d.Atoms) {
        if (bondsAt(d, a) == 3)
          fused.insert(a);
      }
      EXPECT_EQ(fused, (std::set<const tXY*>{ shared->Atm1, shared->Atm2 })) << n;
      // The shared atoms stay put; every new bond has the shared bond's length.
      EXPECT_EQ(shared->Atm1->x3, sx);
      EXPECT_EQ(shared->Atm1->y3, sy);
      EXPECT_EQ(shared->Atm1->z3, sz);
      for (const tLink* b : d.Bonds)
        EXPECT_NEAR(b->RLength(), shared->RLength(), 1e-9) << n << " 3D " << threeD;
      // No new atom falls on an old one.
      for (int i = 0; i < d.Atoms.Count(); ++i) {
        for (int j = i + 1; j < d.Atoms.Count(); ++j)
          EXPECT_GT(d.Atoms.At(i)->Dist3d(*d.Atoms.At(j)), 0.5 * 28) << n << ' ' << i << ' ' << j;
      }
      EXPECT_EQ(d.Groups.Count(), 1) << n; // one molecule
    }
  }
  EXPECT_TRUE(messages().empty());
}

TEST_F(RingFusionTest, FusedRingLiesAwayFromTheFirstRing)
{
  layer.BuildAt(200, 200, 154);
  fuseOnFirstBond(204);
  // The first ring's centre is (200, 200); the new atoms are all farther from it than the
  // shared ones (its circumradius, 28).
  for (int i = 6; i < doc().Atoms.Count(); ++i) {
    const tXY* a = doc().Atoms.At(i);
    EXPECT_GT(std::hypot(a->x3 - 200, a->y3 - 200), 28 + 1) << i;
  }
}

TEST_F(RingFusionTest, BenzeneFusedOntoBenzeneIsNaphthalene)
{
  layer.BuildAt(200, 200, 701);
  fuseOnFirstBond(702);
  ASSERT_EQ(doc().Atoms.Count(), 10);
  ASSERT_EQ(doc().Bonds.Count(), 11);
  int doubles = 0;
  int hydrogens = 0;
  for (const tLink* b : doc().Bonds) {
    EXPECT_TRUE(b->isAromatic());
    doubles += b->bondType() == DoubleBond ? 1 : 0;
  }
  for (const tXY* a : doc().Atoms) {
    EXPECT_GE(a->freeValence, 0);
    hydrogens += a->mult();
  }
  EXPECT_EQ(doubles, 5); // one Kekule structure of C10H8
  EXPECT_EQ(hydrogens, 8);
  EXPECT_TRUE(messages().empty());
}

TEST_F(RingFusionTest, BenzeneOnASingleBondTakesItIntoTheAromaticRing)
{
  layer.BuildAt(200, 200, 154); // cyclohexane
  fuseOnFirstBond(702);         // tetralin's aromatic ring
  int doubles = 0;
  int aromatic = 0;
  for (const tLink* b : doc().Bonds) {
    doubles += b->bondType() == DoubleBond ? 1 : 0;
    aromatic += b->isAromatic() ? 1 : 0;
  }
  EXPECT_EQ(doubles, 3);
  EXPECT_EQ(aromatic, 6);
  for (const tXY* a : doc().Atoms)
    EXPECT_GE(a->freeValence, 0);
}

TEST_F(RingFusionTest, BenzeneOnAFullBondAsksAndNoCancels)
{
  layer.BuildAt(200, 200, 701);
  fuseOnFirstBond(702); // naphthalene; bond 0 now joins two atoms with three bonds each
  const tLink* shared = doc().Bonds.At(0);
  const double mx = (shared->Atm1->x3 + shared->Atm2->x3) / 2;
  const double my = (shared->Atm1->y3 + shared->Atm2->y3) / 2;
  shell.clearMessages();
  layer.BuildAt(mx, my, 702);
  EXPECT_EQ(messages(), std::vector<std::string>{ "Exceed Valence?" });
  EXPECT_EQ(doc().Atoms.Count(), 10);
  shell.queueAnswer(MessageAnswer::Yes);
  layer.BuildAt(mx, my, 702);
  EXPECT_EQ(doc().Atoms.Count(), 14);
}

TEST_F(RingFusionTest, BranchedRingsHangOnOneBond)
{
  struct Case
  {
    int code;
    int ringSize;
    bool aromatic;
  };
  const Case cases[] = { { 304, 6, false }, { 301, 3, false }, { 704, 6, true } };
  for (const Case& c : cases) {
    CommandLayer fresh{ std::make_unique<tDrawing>() };
    fresh.BuildAt(100, 100, 501); // ethane
    const tXY* end = fresh.drawing().Atoms.At(1);
    fresh.BuildAt(end->x3, end->y3, c.code);
    const tDrawing& d = fresh.drawing();
    ASSERT_EQ(d.Atoms.Count(), 2 + c.ringSize) << c.code;
    ASSERT_EQ(d.Bonds.Count(), 1 + 1 + c.ringSize) << c.code;
    EXPECT_EQ(bondsAt(d, end), 2) << c.code;
    EXPECT_EQ(d.Groups.Count(), 1) << c.code; // the branch's own piece is dropped
    int aromatic = 0;
    for (const tLink* b : d.Bonds)
      aromatic += b->isAromatic() ? 1 : 0;
    EXPECT_EQ(aromatic, c.aromatic ? 6 : 0) << c.code;
  }
}

TEST_F(RingFusionTest, JoinedRingsContainThePickedAtom)
{
  // On the middle carbon of propane: a new ring through it (it ends with four bonds).
  layer.BuildAt(100, 100, 502);
  const tXY* middle = doc().Atoms.At(1);
  layer.BuildAt(middle->x3, middle->y3, 404);
  EXPECT_EQ(doc().Atoms.Count(), 3 + 5);
  EXPECT_EQ(doc().Bonds.Count(), 2 + 6);
  EXPECT_EQ(bondsAt(doc(), middle), 4);
  // On the end of ethane: the chain end closes into a ring that takes in its bond.
  CommandLayer ethane{ std::make_unique<tDrawing>() };
  ethane.BuildAt(100, 100, 501);
  const tXY* end = ethane.drawing().Atoms.At(1);
  ethane.BuildAt(end->x3, end->y3, 404);
  EXPECT_EQ(ethane.drawing().Atoms.Count(), 6);
  EXPECT_EQ(ethane.drawing().Bonds.Count(), 6);
  for (const tLink* b : ethane.drawing().Bonds)
    EXPECT_NEAR(b->RLength(), 28, 1e-9);
}

TEST_F(RingFusionTest, MessagesOnAnEmptyDrawing)
{
  struct Case
  {
    int code;
    const char* message;
  };
  const Case cases[] = {
    { 511, "No Atoms" },         { 545, "No Atoms" },         { 514, "No Atoms to link" },
    { 520, "No Atoms to link" }, { 536, "No Atoms to link" }, { 304, "No Atoms to link" },
    { 704, "No Atoms to link" }, { 204, "No bonds to fuse" }, { 702, "No Bonds to Fuse" },
    { 404, "No Target Atoms!" }, { 524, "Move Pointer" },
  };
  for (const Case& c : cases) {
    shell.clearMessages();
    CommandLayer empty{ std::make_unique<tDrawing>() };
    empty.BuildAt(50, 50, c.code);
    EXPECT_EQ(messages(), std::vector<std::string>{ c.message }) << c.code;
    EXPECT_EQ(empty.drawing().Atoms.Count(), 0) << c.code;
  }
}

TEST_F(RingFusionTest, ChairAndBoatTorsionsHaveTheirSignsAndEveryBondIsL)
{
  modelDefaults().DrawMode3D = true;
  for (int code : { 26, 16 }) {
    CommandLayer fresh{ std::make_unique<tDrawing>() };
    const tRing* ring = dropRing(code, 200, 200);
    ASSERT_NE(ring, nullptr);
    for (const tLink* b : ring->Bonds)
      EXPECT_NEAR(b->RLength(), 28, 1e-9) << code;
    const std::vector<double> t = ringTorsions(templateRing(*ring));
    if (code == 26) {
      // Chair: every torsion well away from zero, signs alternating around the ring.
      for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_GT(std::fabs(t[i]), 40) << i;
        EXPECT_LT(t[i] * t[(i + 1) % 6], 0) << i;
      }
    } else {
      // Boat: two opposite torsions zero, the other four in pairs of opposite sign.
      EXPECT_NEAR(t[0], 0, 1e-6);
      EXPECT_NEAR(t[3], 0, 1e-6);
      EXPECT_LT(t[1] * t[2], 0);
      EXPECT_LT(t[4] * t[5], 0);
      EXPECT_GT(t[1] * t[4], 0);
    }
  }
}

TEST_F(RingFusionTest, EveryRingShapeKeepsItsBondsAtL)
{
  modelDefaults().DrawMode3D = true;
  for (int code : { 3, 4, 5, 6, 7, 8, 9, 10, 16, 26, 18 }) {
    CommandLayer fresh{ std::make_unique<tDrawing>() };
    const tRing* ring = dropRing(code, 200, 200);
    ASSERT_NE(ring, nullptr) << code;
    for (const tLink* b : ring->Bonds)
      EXPECT_NEAR(b->RLength(), 28, 1e-9) << code;
  }
}

TEST_F(RingFusionTest, FusedChairAndBoatKeepTheSharedAtoms)
{
  modelDefaults().DrawMode3D = true;
  for (bool chair : { true, false }) {
    CommandLayer fresh{ std::make_unique<tDrawing>() };
    auto* a = new tAtm(6, 100, 100, 0);
    auto* b = new tAtm(6, 128, 100, 0);
    auto* bond = new tbond(a, b);
    bond->ssingle();
    writableDocument(fresh).adopt(a, bond);
    writableDocument(fresh).adopt(b, nullptr);
    auto* ring = new tRing(6);
    ASSERT_TRUE(ring->Fuse(*bond, 114, 120));
    if (chair)
      ring->fusechair(27);
    else
      ring->fuseboat(27);
    EXPECT_EQ(a->x3, 100);
    EXPECT_EQ(b->x3, 128);
    EXPECT_EQ(a->z3, 0);
    for (const tLink* l : ring->Bonds)
      EXPECT_NEAR(l->RLength(), 28, 1e-9) << chair;
    const std::vector<double> t = ringTorsions(templateRing(*ring));
    // A chair changes sign at every bond; a boat has two flat torsions and changes sign twice.
    int signChanges = 0;
    int flat = 0;
    for (std::size_t i = 0; i < 6; ++i) {
      signChanges += t[i] * t[(i + 1) % 6] < -1 ? 1 : 0;
      flat += std::fabs(t[i]) < 1e-6 ? 1 : 0;
    }
    EXPECT_EQ(signChanges, chair ? 6 : 2) << chair;
    EXPECT_EQ(flat, chair ? 0 : 2) << chair;
    // The ring hangs below the bond (the pointer's side) and leaves the page by the tilt.
    EXPECT_GT(ring->templateAtoms[4]->y3, 100);
    EXPECT_GT(std::fabs(ring->templateAtoms[4]->z3), 1);
  }
}

} // namespace
} // namespace trelvix
