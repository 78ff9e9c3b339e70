#include "document/molecules.h"
#include "document_fixture.h"

#include <cmath>

namespace trelvix {
namespace {

using MoleculeTest = DocumentTest;

double bl(double r1, double r2, int t, double L)
{
  return (r1 + r2 - 0.01) * L * (1.71 - 0.09 * t) * 0.42165626581210996;
}

TEST_F(MoleculeTest, CarbonDioxideIsSymmetricAboutTheClick)
{
  modelDefaults().BondScalePixels = 35;
  ASSERT_TRUE(addMolecule(582, 100, 100));
  ASSERT_EQ(doc.Groups.Count(), 1);
  const tStructure* co2 = doc.Groups.At(0);
  ASSERT_EQ(co2->Atoms.Count(), 3);
  const double d = bl(static_cast<double>(0.77f), static_cast<double>(0.66f), 4, 35);
  EXPECT_EQ(co2->Atoms.At(0)->element, 6);
  EXPECT_EQ(co2->Atoms.At(0)->x3, 100.0);
  EXPECT_NEAR(co2->Atoms.At(1)->x3, 100 - d, 1e-9);
  EXPECT_NEAR(co2->Atoms.At(2)->x3, 100 + d, 1e-9);
  EXPECT_EQ(co2->Atoms.At(1)->y3, 100.0);
  for (const tLink* b : co2->Bonds)
    EXPECT_EQ(b->bondType(), 4);
  EXPECT_EQ(co2->Atoms.At(0)->freeValence, 0);
}

TEST_F(MoleculeTest, DiatomicsLieLevelAtTheirIdealLength)
{
  struct Case
  {
    int code;
    int a, b, type;
  };
  const Case cases[] = { { 576, 1, 1, 2 }, { 577, 17, 17, 2 }, { 580, 7, 7, 6 }, { 590, 7, 8, 4 } };
  for (const Case& c : cases) {
    ASSERT_TRUE(addMolecule(c.code, 200, 50)) << c.code;
    const tStructure* m = doc.Groups.At(doc.Groups.Count() - 1);
    ASSERT_EQ(m->Atoms.Count(), 2);
    const tXY* a = m->Atoms.At(0);
    const tXY* b = m->Atoms.At(1);
    EXPECT_EQ(a->element, c.a);
    EXPECT_EQ(b->element, c.b);
    EXPECT_EQ(a->y3, b->y3);
    EXPECT_NEAR((a->x3 + b->x3) / 2, 200, 1e-9) << c.code;
    EXPECT_EQ(m->Bonds.At(0)->bondType(), c.type);
    EXPECT_NEAR(m->Bonds.At(0)->RLength(), m->Bonds.At(0)->RAB(), 1e-6) << c.code;
  }
  ASSERT_TRUE(addMolecule(589, 0, 0)); // CO: no hydrogen on the carbon
  EXPECT_EQ(doc.Groups.At(doc.Groups.Count() - 1)->Atoms.At(0)->mult(), 0);
}

TEST_F(MoleculeTest, MethaneIsATetrahedronWithOneHydrogenDown)
{
  ASSERT_TRUE(addMolecule(571, 50, 50));
  const tStructure* ch4 = doc.Groups.At(0);
  ASSERT_EQ(ch4->Atoms.Count(), 5);
  const tXY* c = ch4->Atoms.At(0);
  const double d = bl(static_cast<double>(0.29f), static_cast<double>(0.77f), 2, 28);
  EXPECT_NEAR(ch4->Atoms.At(1)->y3, 50 + d, 1e-9); // straight down on the page
  for (int i = 1; i <= 4; ++i)
    EXPECT_NEAR(ch4->Atoms.At(i)->Dist3d(*c), d, 1e-9);
  // Every H-C-H angle is the tetrahedral one: cosine -1/3.
  for (int i = 1; i <= 4; ++i) {
    for (int j = i + 1; j <= 4; ++j) {
      const tXY* a = ch4->Atoms.At(i);
      const tXY* b = ch4->Atoms.At(j);
      const double dot = (a->x3 - c->x3) * (b->x3 - c->x3) + (a->y3 - c->y3) * (b->y3 - c->y3) +
                         (a->z3 - c->z3) * (b->z3 - c->z3);
      EXPECT_NEAR(dot / (d * d), -1.0 / 3, 1e-9) << i << j;
    }
  }
  EXPECT_EQ(c->mult(), 0);
}

TEST_F(MoleculeTest, WaterAndAmmoniaTakeTheirBondAngles)
{
  ASSERT_TRUE(addMolecule(573, 0, 0));
  const tStructure* water = doc.Groups.At(0);
  const tXY* o = water->Atoms.At(0);
  const tXY* h1 = water->Atoms.At(1);
  const tXY* h2 = water->Atoms.At(2);
  const double dot = (h1->x3 - o->x3) * (h2->x3 - o->x3) + (h1->y3 - o->y3) * (h2->y3 - o->y3);
  EXPECT_NEAR(dot / (h1->Dist3d(*o) * h2->Dist3d(*o)), std::cos(104.51 * M_PI / 180), 1e-9);

  ASSERT_TRUE(addMolecule(572, 300, 0));
  const tStructure* nh3 = doc.Groups.At(1);
  const tXY* n = nh3->Atoms.At(0);
  const tXY* a = nh3->Atoms.At(1);
  const tXY* b = nh3->Atoms.At(2);
  const double nd = (a->x3 - n->x3) * (b->x3 - n->x3) + (a->y3 - n->y3) * (b->y3 - n->y3) +
                    (a->z3 - n->z3) * (b->z3 - n->z3);
  EXPECT_NEAR(nd / (a->Dist3d(*n) * b->Dist3d(*n)), std::cos(106.7 * M_PI / 180), 1e-9);
  EXPECT_FALSE(addMolecule(600, 0, 0));
}

} // namespace
} // namespace trelvix
