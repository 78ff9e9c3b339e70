#include "../document/document_fixture.h"
#include "document/arrows.h"
#include "mechanics/reaction.h"

#include <cmath>

namespace trelvix {
namespace {

constexpr double R = 1.98717;
constexpr double T = 300;

/// H2 + Cl2 -> 2 HCl across an arrow from (-30, 0) to (30, 0) whose head points right. The
/// species' formation energies are set by hand; their partition functions have no levels, so
/// every difference comes from the formation energies and the gas terms.
class ReactionTest : public DocumentTest
{
protected:
  ReactionTest()
    : arrow(0, black, 0, 1)
  {
    pointArrow(+1);
    h2 = molecule(1, 1, -120);
    cl2 = molecule(17, 17, -60);
    hcl = molecule(1, 17, 90);
    hcl->amount = 2;
  }

  void pointArrow(int direction)
  {
    arrow.Atoms.At(0)->setRXYZ(30.0 * direction, 0, 0);
    arrow.Atoms.At(1)->setRXYZ(-30.0 * direction, 0, 0);
    arrow.update();
  }

  tStructure* molecule(int z1, int z2, double x)
  {
    tAtm* a = atom(z1, x - 10, 0);
    tAtm* b = atom(z2, x + 10, 0);
    bond(a, b);
    return piece({ a, b });
  }

  ReactionSpecies& speciesOf(ReactionThermo& thermo, const tStructure* s)
  {
    for (ReactionSpecies& sp : thermo.species()) {
      if (sp.structure == s)
        return sp;
    }
    throw std::logic_error("no such species");
  }

  ReactionThermo thermoWithEnergies()
  {
    ReactionThermo thermo(doc);
    speciesOf(thermo, h2).formationEnergy = 1000;
    speciesOf(thermo, cl2).formationEnergy = 2000;
    speciesOf(thermo, hcl).formationEnergy = -5000;
    return thermo;
  }

  tArrow arrow;
  tStructure* h2 = nullptr;
  tStructure* cl2 = nullptr;
  tStructure* hcl = nullptr;
};

TEST_F(ReactionTest, BalanceNeedsElementsAndMassesToAgree)
{
  ReactionThermo thermo(doc);
  EXPECT_TRUE(checkbalance(arrow, thermo));
  EXPECT_EQ(imbalanceText(arrow, thermo), "");

  hcl->amount = 1; // H2 + Cl2 -> HCl: one H and one Cl missing on the right
  EXPECT_FALSE(checkbalance(arrow, thermo));
  EXPECT_EQ(imbalanceText(arrow, thermo), "-1.0H -1.0Cl ");

  hcl->amount = 3;
  EXPECT_EQ(imbalanceText(arrow, thermo), "1.0H 1.0Cl ");
}

TEST_F(ReactionTest, ImplicitHydrogensCountInTheImbalance)
{
  // A lone carbon carries four implicit hydrogens: CH4 on the left, nothing else.
  tAtm* c = atom(6, -200, 0);
  piece({ c });
  ReactionThermo thermo(doc);
  EXPECT_FALSE(checkbalance(arrow, thermo));
  EXPECT_EQ(imbalanceText(arrow, thermo), "-4.0H -1.0C ");
}

TEST_F(ReactionTest, ImplicitHydrogensBalanceLikeDrawnOnes)
{
  // Methane drawn as a bare carbon on the left, with its four hydrogens on the right.
  piece({ atom(6, -200, 0) });
  tAtm* c = atom(6, 200, 0);
  std::vector<tXY*> methane{ c };
  for (int k = 0; k < 4; ++k) {
    tAtm* h = atom(1, 200 + 10.0 * k, 20);
    bond(c, h);
    methane.push_back(h);
  }
  auto* drawn = new tStructure;
  for (tXY* a : methane)
    drawn->Atoms.Add(a);
  doc.Groups.Add(drawn);
  ReactionThermo thermo(doc);
  EXPECT_TRUE(checkbalance(arrow, thermo));
  EXPECT_EQ(imbalanceText(arrow, thermo), "");
}

TEST_F(ReactionTest, AnAtomOnTheLineCountsLeftInTheElementSums)
{
  tAtm* c = atom(6, 0, 50);
  c->freeValence = 0;
  piece({ c });
  ReactionThermo thermo(doc);
  EXPECT_EQ(imbalanceText(arrow, thermo), "-1.0C ");
}

TEST_F(ReactionTest, DeltasAreProductsMinusReactantsAndFlipWithTheArrow)
{
  ReactionThermo thermo = thermoWithEnergies();
  // Two moles of gas on each side: the 3RT gas energies cancel and so do the RT terms of ΔH.
  EXPECT_NEAR(deltaE(arrow, thermo, T, 1.0), -13000, 1e-6);
  EXPECT_NEAR(deltaH(arrow, thermo, T, 1.0), -13000, 1e-6);
  const double dS = deltaS(arrow, thermo, T, 1.0);
  EXPECT_NEAR(deltaA(arrow, thermo, T, 1.0), -13000 - T * dS, 1e-6);

  pointArrow(-1);
  EXPECT_NEAR(deltaE(arrow, thermo, T, 1.0), 13000, 1e-6);
  EXPECT_NEAR(deltaH(arrow, thermo, T, 1.0), 13000, 1e-6);
  EXPECT_NEAR(deltaS(arrow, thermo, T, 1.0), -dS, 1e-9);
}

TEST_F(ReactionTest, GasMolesChangingAddTheirRTTerms)
{
  // 2 HCl -> H2 + Cl2 read with one mole of HCl: one mole of gas becomes two.
  ReactionThermo thermo = thermoWithEnergies();
  hcl->amount = 1;
  pointArrow(-1);
  // ΔE = (1000 + 2000 + 2 x 3RT) - (-5000 + 3RT); ΔH adds RT x (2 - 1).
  const double dE = 8000 + 3 * R * T;
  EXPECT_NEAR(deltaE(arrow, thermo, T, 1.0), dE, 1e-6);
  EXPECT_NEAR(deltaH(arrow, thermo, T, 1.0), dE + R * T, 1e-6);
  // ΔG at 2 atm: ΔH - TΔS at P' = 2.00001, plus RT ln P' for the extra mole.
  const double P = 2.0, shifted = P + 1e-05;
  const double expected = deltaH(arrow, thermo, T, shifted) -
                          T * deltaS(arrow, thermo, T, shifted) + R * T * std::log(shifted);
  EXPECT_NEAR(deltaG(arrow, thermo, T, P), expected, 1e-6);
  // A pressure of zero stays finite through the shift.
  EXPECT_TRUE(std::isfinite(deltaG(arrow, thermo, T, 0)));
}

TEST_F(ReactionTest, ASpeciesOnTheLineCountsOnlyInTheGasTerms)
{
  tAtm* x = atom(18, 0, 80); // argon, centred exactly on the arrow's x
  tStructure* argon = piece({ x });
  ReactionThermo plain = thermoWithEnergies();
  speciesOf(plain, argon).formationEnergy = 1e6;
  EXPECT_NEAR(deltaE(arrow, plain, T, 1.0), -13000, 1e-6);
  // ΔH counts it left (-RT); ΔG's pressure term counts it right.
  EXPECT_NEAR(deltaH(arrow, plain, T, 1.0), -13000 - R * T, 1e-6);
}

TEST(ReactionVerdict, FollowsTheSignsOfDeltaHAndDeltaG)
{
  struct Case
  {
    double dH, dG;
    const char* text;
  };
  const Case cases[] = {
    { 5000, 2000, "Endothermic, Non-spontaneous" },
    { -5000, 2000, "Exothermic, Non-spontaneous" },
    { 5000, -2000, "Endothermic, Spontaneous" },
    { -5000, -2000, "Exothermic, Spontaneous" },
    { 0.0005, -2000, "" }, // within 0.001 of zero: the tool keeps its text
    { -5000, 0, "" },
  };
  for (const Case& c : cases)
    EXPECT_EQ(verdictText(c.dH, c.dG), c.text) << c.dH << " " << c.dG;
}

TEST(ReactionVerdict, LogKIsUndefinedAtZeroKelvin)
{
  // -ΔG / (ln 10 R T) for ΔG = -7020 cal at 298 K: 7020 / (2.302585093 x 1.98717 x 298) = 7020 /
  // 1363.5 = 5.1484.
  EXPECT_NEAR(*logK(-7020, 298), 5.1484, 1e-4);
  EXPECT_FALSE(logK(-7020, 0).has_value());
}

TEST_F(ReactionTest, AnalysisTextsUseTheToolsFormats)
{
  ReactionThermo thermo = thermoWithEnergies();
  ReactionResult r = analyseReaction(arrow, thermo, T, 1.0);
  EXPECT_TRUE(r.balanced);
  EXPECT_EQ(r.status, "Balanced");
  EXPECT_EQ(r.dHText, "     -13.0"); // |ΔH| of 10000 cal or more: one decimal
  EXPECT_NEAR(r.dG, r.dH - T * r.dS, 1e-6);

  hcl->amount = 1;
  speciesOf(thermo, hcl).formationEnergy = -1000;
  r = analyseReaction(arrow, thermo, 0, 1.0);
  EXPECT_FALSE(r.balanced);
  EXPECT_EQ(r.status, "Unbalanced");
  EXPECT_EQ(r.message, "-1.0H -1.0Cl ");
  EXPECT_EQ(r.logKText, "undefined");
}

TEST_F(ReactionTest, ABranchPieceInsideAMoleculeIsNoSpeciesOfItsOwn)
{
  // The HCl piece's hydrogen also forms a piece of its own, as a branch grown onto it would.
  piece({ hcl->Atoms.At(0) });
  // A second piece of exactly H2's atoms: only the earlier one counts.
  piece({ h2->Atoms.At(0), h2->Atoms.At(1) });
  ReactionThermo thermo(doc);
  ASSERT_EQ(thermo.species().size(), 3u);
  EXPECT_EQ(thermo.species()[0].structure, h2);
  EXPECT_EQ(thermo.species()[2].structure, hcl);
  EXPECT_TRUE(checkbalance(arrow, thermo));
}

TEST_F(ReactionTest, SymbolsAreNoSpecies)
{
  auto* symbol = new tArrow(0, black, 0, 1);
  doc.AddSymbol(symbol);
  ReactionThermo thermo(doc);
  EXPECT_EQ(thermo.species().size(), 3u);
  EXPECT_EQ(reactionArrow(doc), symbol);
}

} // namespace
} // namespace trelvix
