#include "../document/document_fixture.h"
#include "document/arrows.h"
#include "document/report.h"
#include "mechanics/force_field.h"
#include "mechanics/reaction.h"
#include "mechanics/thermochemistry.h"
#include "model/atom.h"

#include <cmath>

namespace trelvix {
namespace {

class ThermochemistryTest : public DocumentTest
{
protected:
  // A diatomic of two elements, at the ideal length of its bond, as a piece of the document.
  tStructure* diatomic(int z1, int z2, double x)
  {
    tAtm* a = atom(z1, x, 0);
    tAtm* b = atom(z2, x + 28, 0);
    bond(a, b);
    tStructure* s = piece({ a, b });
    const ForceField field(*s);
    b->setRXYZ(x + field.stretches().front().r0, 0, 0);
    return s;
  }
};

TEST_F(ThermochemistryTest, ADiatomicHasOneStretchLevelAndItsBondEnergy)
{
  tStructure* hcl = diatomic(1, 17, 0);
  ReactionThermo thermo(doc);
  prepareThermochemistry(thermo);
  ASSERT_EQ(thermo.species().size(), 1u);
  const ReactionSpecies& sp = thermo.species().front();

  const ForceField field(*hcl);
  const tstretch& s = field.stretches().front();
  // At its ideal length the Morse energy is 0: the formation energy is -D.
  EXPECT_NEAR(sp.formationEnergy, -s.D, 1e-6);
  // nu = 1302.9 sqrt((1 / m_H + 1 / m_Cl) k), k = 6.947e-06 x 10 D.
  const double G = 1 / 1.00794 + 1 / 35.4527;
  ASSERT_EQ(sp.pf->levels().size(), 1u);
  EXPECT_EQ(sp.pf->levels()[0].g, 1);
  EXPECT_EQ(sp.pf->levels()[0].w, 1.0);
  EXPECT_NEAR(sp.pf->levels()[0].nu, 1302.9 * std::sqrt(G * 6.947e-06 * 10 * s.D), 1e-3);
}

TEST_F(ThermochemistryTest, TheReportPrintsTheAnalysedReaction)
{
  diatomic(1, 1, -150);
  diatomic(17, 17, -90);
  tStructure* hcl = diatomic(1, 17, 80);
  hcl->amount = 2;
  auto* arrow = new tArrow(0, black, 0, 1); // head to the right, centred on the origin
  doc.AddSymbol(arrow);

  ReactionThermo thermo(doc);
  prepareThermochemistry(thermo);
  const double dH = deltaH(*arrow, thermo, 298, 1.0);
  char expected[64];
  std::snprintf(expected, sizeof expected, "deltaH = %8.1f Kcal", dH / 1000);

  installReactionReport(ThermoModel::Estimate);
  doc.CreateReport(298, 1.0);
  ASSERT_TRUE(doc.hasReport());
  EXPECT_EQ(doc.reportLines[3]->symbol.str(), expected);
  EXPECT_EQ(doc.reportLines[6], nullptr); // the estimate names no sources
  setReactionDeltasSource(nullptr);
}

TEST_F(ThermochemistryTest, TheBestSourcesReportHydrogenChlorideFromReferenceData)
{
  diatomic(1, 1, -150);
  diatomic(17, 17, -90);
  tStructure* hcl = diatomic(1, 17, 80);
  hcl->amount = 2;
  doc.AddSymbol(new tArrow(0, black, 0, 1));

  installReactionReport(ThermoModel::Best);
  doc.CreateReport(298, 1.0);
  ASSERT_TRUE(doc.hasReport());
  // H2 + Cl2 -> 2 HCl: 2 x -92.31 kJ (the table's HCl) is -44.1 kcal.
  EXPECT_EQ(doc.reportLines[3]->symbol.str(), "deltaH =    -44.1 Kcal");
  ASSERT_NE(doc.reportLines[6], nullptr);
  EXPECT_EQ(doc.reportLines[6]->symbol.str(), "reference data: 3 of 3");
  EXPECT_EQ(doc.reportLines[7], nullptr);
  EXPECT_EQ(doc.reportLines[6]->py() - doc.reportLines[5]->py(),
            doc.reportLines[5]->py() - doc.reportLines[4]->py());
  setReactionDeltasSource(nullptr);
}

} // namespace
} // namespace trelvix
