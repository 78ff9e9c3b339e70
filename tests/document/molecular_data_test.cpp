#include "document/molecular_data.h"
#include "document_fixture.h"
#include "model/atom.h"

#include <vector>

namespace trelvix {
namespace {

using MolecularDataTest = DocumentTest;

std::vector<int> elementsOf(const std::vector<ElementCount>& entries)
{
  std::vector<int> z;
  for (const ElementCount& e : entries)
    z.push_back(e.element);
  return z;
}

TEST_F(MolecularDataTest, MethanolFormulaWeightAndComposition)
{
  tAtm* c = atom(6, 0, 0);
  tAtm* o = atom(8, 28, 0);
  bond(c, o);
  // Three implicit hydrogens on carbon, one on oxygen.
  EXPECT_EQ(hydrogenCount(doc), 4);
  EXPECT_EQ(formulaText(doc), "C H4 O ");
  // 12.01115 + 15.9994 + 4 x 1.00794 = 32.04231.
  EXPECT_EQ(formulaWeightText(doc), "    32.042");
  // C 12.01115 / 32.04231 = 37.49 %, H 4.03176 / 32.04231 = 12.58 %, O 15.9994 / 32.04231 =
  // 49.93 %.
  EXPECT_EQ(compositionText(doc), "C 37.5 H 12.6 O 49.9 ");
}

TEST_F(MolecularDataTest, LeadingElementsTakeTheirPlaceOnlyWhenEnoughEntriesPrecede)
{
  // Atoms Cl, O, N, C are met as Cl, C, N, O (first atom, then last to second).
  atom(17, 0, 0);
  atom(8, 30, 0);
  atom(7, 60, 0);
  atom(6, 90, 0);
  EXPECT_EQ(elementsOf(formulaElements(doc)), (std::vector<int>{ 6, 7, 8, 17 }));
}

TEST_F(MolecularDataTest, ALeadingElementWithTooFewEntriesBeforeItIsAppended)
{
  // Met as Br, O, C: oxygen's place 2 is beyond the one entry there, so it follows bromine;
  // carbon, met last, goes to the front.
  atom(35, 0, 0);
  atom(6, 60, 0);
  atom(8, 30, 0);
  EXPECT_EQ(elementsOf(formulaElements(doc)), (std::vector<int>{ 6, 35, 8 }));
}

TEST_F(MolecularDataTest, HydrogenCountRule)
{
  tAtm* c = atom(6, 0, 0);
  tAtm* h = atom(1, 28, 0);
  bond(c, h);
  tAtm* ge = atom(32, 100, 0); // germanium's open valence is no hydrogen
  ge->freeValence = 8;
  tAtm* fe = atom(26, 150, 0); // nor is a transition metal's
  fe->freeValence = 4;
  // One explicit hydrogen and three implicit ones on carbon.
  EXPECT_EQ(hydrogenCount(doc), 4);
  EXPECT_EQ(formulaText(doc), "C H4 Fe Ge ");
}

TEST_F(MolecularDataTest, WithoutCarbonTheHydrogensLead)
{
  atom(8, 0, 0); // water: oxygen with two implicit hydrogens
  EXPECT_EQ(formulaText(doc), "H2 O ");
  // 2 x 1.00794 / 18.01528 = 11.19 %, 15.9994 / 18.01528 = 88.81 %.
  EXPECT_EQ(compositionText(doc), "H 11.2 O 88.8 ");
}

TEST_F(MolecularDataTest, NoHydrogensNoHydrogenEntry)
{
  tAtm* c = atom(6, 0, 0);
  for (int k = 0; k < 4; ++k)
    bond(c, atom(17, 28.0 * (k + 1), 0));
  EXPECT_EQ(formulaText(doc), "C Cl4 ");
}

TEST(MolecularDataTexts, CommandFormats)
{
  EXPECT_EQ(dipoleText(0), "0.00D");
  EXPECT_EQ(dipoleText(1.856, 6), "  1.86D");
  EXPECT_EQ(principalMomentsMessage({ 3.2, 3.26, 5.5 }), "     3amu-Å²      3amu-Å²      6amu-Å²");
  EXPECT_EQ(momentsText({ 3.2, 3.26, 5.5 }, 1, " "), "   3.2    3.3    5.5");
  EXPECT_EQ(strainMessage(12345.6), "12.346 Kcal");
  EXPECT_EQ(strainText(-500, 6), "-0.500");
}

} // namespace
} // namespace trelvix
