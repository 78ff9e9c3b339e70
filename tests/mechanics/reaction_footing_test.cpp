// The best-source analysis of drawn reactions on one footing: every source on the formation
// basis, liquids and solids from their tables, the van der Waals fluid model only with solute
// parameters, no verdict where no source serves, and ΔG = ΔH − T ΔS at any pressure.
#include "../document/document_fixture.h"
#include "document/arrows.h"
#include "document/molecules.h"
#include "mechanics/reaction.h"
#include "mechanics/reaction_curve.h"
#include "mechanics/thermochemistry.h"
#include "model/atom.h"
#include "thermo/group_additivity.h"
#include "thermo/molecule_thermo.h"

#include <algorithm>
#include <cmath>

namespace trelvix {
namespace {

constexpr double kcalPerKJ = 1 / 4.184;
constexpr double T = 298.15;

/// Molecules of the Add Molecule menu (hydrogens drawn) placed left or right of an arrow at
/// x = 0 whose head points right, then analysed with the best sources.
class ReactionFootingTest : public DocumentTest
{
protected:
  ReactionFootingTest() { doc.AddSymbol(new tArrow(0, black, 0, 1)); }

  struct Term
  {
    int code;     ///< the Add Molecule code, or 0 for a lone atom of element z
    double moles; ///< negative: a reactant
    int phase = tbasefragment::Gas;
    int z = 0;
  };

  tStructure* place(const Term& t)
  {
    x_ += 80;
    const double x = t.moles < 0 ? -x_ : x_;
    tStructure* s = nullptr;
    if (t.code) {
      EXPECT_TRUE(addMolecule(t.code, x, 200));
      s = doc.Groups.At(doc.Groups.Count() - 1);
    } else {
      tAtm* a = atom(t.z, x, 200);
      a->freeValence = 0; // the bare atom, no implicit hydrogens
      s = piece({ a });
    }
    s->amount = std::fabs(t.moles);
    s->setstate(static_cast<std::uint8_t>(t.phase));
    return s;
  }

  ReactionResult analyse(const std::vector<Term>& terms, double atTemperature = T, double P = 1.0)
  {
    for (const Term& t : terms)
      place(t);
    thermo_ = std::make_unique<ReactionThermo>(doc);
    prepareThermochemistry(*thermo_);
    findBetterSources(*thermo_);
    return analyseReaction(arrow(), *thermo_, atTemperature, P);
  }

  const tArrow& arrow() const { return *reactionArrow(doc); }

  std::unique_ptr<ReactionThermo> thermo_;
  double x_ = 0;
};

constexpr int CH4 = 571, H2O = 573, CO2 = 582, O2 = 581, N2 = 580, H2 = 576, NH3 = 572;

// CH4 -> C(g) + 4 H(g): NIST-JANAF ΔfH°(298.15): CH4 -74.87, C(g) 716.68, H(g) 218.00 kJ/mol,
// ΔH = 716.68 + 4 x 218.00 + 74.87 = 1663.6 kJ = 397.6 kcal.
TEST_F(ReactionFootingTest, AtomisationOfMethaneWithin2PercentWithItsVerdict)
{
  const ReactionResult r =
    analyse({ { CH4, -1 }, { 0, 1, tbasefragment::Gas, 6 }, { 0, 4, tbasefragment::Gas, 1 } });
  ASSERT_TRUE(r.balanced);
  EXPECT_TRUE(r.noData.empty()) << r.noData;
  EXPECT_NEAR(r.dH / 1000, 1663.6 * kcalPerKJ, 0.02 * 1663.6 * kcalPerKJ);
  EXPECT_EQ(r.message, "Endothermic, Non-spontaneous");
}

// The force-field estimate of a lone atom on the formation basis is the gaseous atom's own
// formation enthalpy: with the table's carbon atom taken away, the estimate gives the same ΔH.
TEST_F(ReactionFootingTest, TheEstimateOfALoneAtomIsItsFormationEnthalpy)
{
  analyse({ { CH4, -1 }, { 0, 1, tbasefragment::Gas, 6 }, { 0, 4, tbasefragment::Gas, 1 } });
  const double withTable = deltaH(arrow(), *thermo_, T, 1.0);
  ReactionSpecies& carbon = thermo_->species()[1];
  carbon.referenceThermo.reset();
  EXPECT_EQ(carbon.sourceAt(T), ThermoSource::Estimate);
  EXPECT_NEAR(deltaH(arrow(), *thermo_, T, 1.0), withTable, 1.0);
  // The sources line says which species used which source and how.
  EXPECT_EQ(sourcesText(*thermo_, T), "reference data for 2, estimate for 1 of 3 species");
  EXPECT_NE(speciesSourceText(carbon, T).find("formation enthalpy through the gaseous atoms"),
            std::string::npos);
}

// Each species of the Add Molecule menu that the table knows, estimated by the force field
// instead, lands near its table formation enthalpy where the force field's bonds are good: the
// estimate is on the formation basis, not on the separated atoms' (NIST-JANAF: CH4 -17.9,
// H2O -57.8, NH3 -11.0, H2 0, N2 0 kcal/mol).
TEST_F(ReactionFootingTest, TheEstimateIsOnTheFormationBasis)
{
  struct Case
  {
    int code;
    double dHf; // kcal/mol
  };
  const Case cases[] = { { CH4, -17.9 }, { H2O, -57.8 }, { NH3, -11.0 }, { H2, 0 }, { N2, 0 } };
  for (const Case& c : cases)
    place({ c.code, 1 });
  ReactionThermo thermo(doc);
  prepareThermochemistry(thermo);
  findBetterSources(thermo);
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    SCOPED_TRACE(cases[k].code);
    const ReactionSpecies& sp = thermo.species()[k];
    ASSERT_TRUE(sp.estimateThermo) << sp.estimateRefusal;
    EXPECT_NEAR(sp.estimateThermo->enthalpy(T) / 1000, cases[k].dHf, 3.0);
  }
}

// CH4 + 2 O2 -> CO2 + 2 H2O(l): -890.3 kJ/mol (NIST-JANAF, water liquid -285.83 kJ/mol).
TEST_F(ReactionFootingTest, MethaneCombustionWithLiquidWater)
{
  const ReactionResult r =
    analyse({ { CH4, -1 }, { O2, -2 }, { CO2, 1 }, { H2O, 2, tbasefragment::Liquid } });
  ASSERT_TRUE(r.noData.empty()) << r.noData;
  EXPECT_NEAR(r.dH / 1000, -890.0 * kcalPerKJ, 2.0 * kcalPerKJ);
  EXPECT_EQ(r.message, "Exothermic, Spontaneous");
  EXPECT_EQ(thermo_->species()[3].sourceAt(T), ThermoSource::ReferenceData);
  EXPECT_EQ(speciesSourceText(thermo_->species()[3], T),
            "water (liquid): reference data, NASA-Glenn");
}

// H2O(g) -> H2O(l): -241.83 - (-285.83) = -44.0 kJ/mol; ΔS = 69.95 - 188.84 J/K.
TEST_F(ReactionFootingTest, CondensationOfWater)
{
  const ReactionResult r = analyse({ { H2O, -1 }, { H2O, 1, tbasefragment::Liquid } });
  ASSERT_TRUE(r.noData.empty()) << r.noData;
  EXPECT_NEAR(r.dH / 1000, -44.0 * kcalPerKJ, 0.5 * kcalPerKJ);
  EXPECT_NEAR(r.dS * 4.184, 69.95 - 188.84, 0.5);
  EXPECT_EQ(r.message, "Exothermic, Spontaneous");
}

// A species in a phase no source serves, without solute parameters: no numbers, no verdict, the
// species named (ice is held only up to 273.15 K).
struct NoDataCase
{
  int code;
  int phase;
  const char* message;
};

class NoDataReaction
  : public ReactionFootingTest
  , public ::testing::WithParamInterface<NoDataCase>
{};

TEST_P(NoDataReaction, GivesNoNumbersAndNoVerdict)
{
  const NoDataCase& c = GetParam();
  const ReactionResult r = analyse({ { c.code, -1 }, { c.code, 1, c.phase } });
  EXPECT_TRUE(r.balanced);
  EXPECT_EQ(r.noData, c.message);
  EXPECT_EQ(r.message, c.message);
  EXPECT_TRUE(std::isnan(r.dH));
  EXPECT_TRUE(std::isnan(r.dG));
  EXPECT_TRUE(std::isnan(deltaS(arrow(), *thermo_, T, 1.0)));
}

INSTANTIATE_TEST_SUITE_P(
  Phases,
  NoDataReaction,
  ::testing::Values(
    NoDataCase{ CH4, tbasefragment::Liquid, "no data for methane as a liquid" },
    NoDataCase{ NH3, tbasefragment::Solid, "no data for ammonia as a solid" },
    NoDataCase{ H2O, tbasefragment::Solid, "no data for water as a solid at 298 K" }));

// With solute parameters the van der Waals fluid model serves a liquid the tables lack, on top
// of its gas's reference data: the change is the model's c − a/V − R T and R ln((V − b)/22.413)
// − R, and the sources line names the model.
TEST_F(ReactionFootingTest, TheFluidModelServesOnlyWithSoluteParameters)
{
  place({ CH4, -1 });
  tStructure* liquid = place({ CH4, 1, tbasefragment::Liquid });
  // a = 2.253 L² atm/mol², b = 0.04278 L/mol (methane's van der Waals constants), c = 0.
  liquid->solute = { 2.253, 2.253, 2.253, 0.04278, 0.04278, 0.04278, 0, 0, 1, 1, 1, 1, 1 };
  ReactionThermo thermo(doc);
  prepareThermochemistry(thermo);
  findBetterSources(thermo);
  const ReactionSpecies& sp = thermo.species()[1];
  ASSERT_EQ(sp.sourceAt(T), ThermoSource::FluidModel);
  const VdwParms v = liquid->GetVdwParms(T, 1.0);
  const double R = tPF::R;
  EXPECT_NEAR(deltaH(arrow(), thermo, T, 1.0), -v.a / v.V - R * T, 1e-6);
  // The gas loses its R ln(P / 1 bar) at 1 atm; the liquid has none.
  EXPECT_NEAR(deltaS(arrow(), thermo, T, 1.0),
              R * std::log((v.V - v.b) / 22.413) - R +
                1.9872036 * std::log((1.0 + 1e-05) * 1.01325),
              1e-6);
  EXPECT_EQ(speciesSourceText(sp, T),
            "methane (liquid): van der Waals fluid model from its solute parameters, on its "
            "gas's best source");
}

// N2 + 3 H2 -> 2 NH3 at 10 atm: the printed ΔS carries −Δn R ln(P / 1 bar), Δn = −2, and
// ΔG = ΔH − T ΔS holds with it.
TEST_F(ReactionFootingTest, DeltaSAndDeltaGAgreeAt10Atmospheres)
{
  analyse({ { N2, -1 }, { H2, -3 }, { NH3, 2 } });
  const double atOneBar = deltaS(arrow(), *thermo_, T, 1.0 / 1.01325 - 1e-05);
  const double dS = deltaS(arrow(), *thermo_, T, 10.0);
  const double dH = deltaH(arrow(), *thermo_, T, 10.0);
  const double dG = deltaG(arrow(), *thermo_, T, 10.0);
  EXPECT_NEAR(dS, atOneBar + 2 * 1.9872036 * std::log((10.0 + 1e-05) * 1.01325), 1e-9);
  EXPECT_NEAR(dG, dH - T * dS, 1e-6);
  // The pressure moves ΔG by Δn R T ln(P / 1 bar) from its standard value.
  const double dG1 = deltaG(arrow(), *thermo_, T, 1.0 / 1.01325 - 1e-05);
  EXPECT_NEAR(dG - dG1, -2 * 1.9872036 * T * std::log((10.0 + 1e-05) * 1.01325), 1e-6);
}

// Each path of the analysis is consistent in itself: dΔH/dT = ΔCp and T dΔS/dT = ΔCp to 0.1 %,
// for a reaction through reference gases, the condensed table (liquid water), group additivity
// (ethanol's groups standing in for one gas), the force-field estimate with statistical
// mechanics (a lone carbon atom without its table entry) and the fluid model (liquid carbon
// atoms with solute parameters).
TEST_F(ReactionFootingTest, EveryPathObeysTheThermodynamicIdentity)
{
  for (const Term& t : std::vector<Term>{ { CH4, -1 },
                                          { O2, -2 },
                                          { CO2, 1 },
                                          { H2O, 1, tbasefragment::Liquid },
                                          { H2O, 1 },
                                          { 0, 1, tbasefragment::Gas, 6 },
                                          { 0, 1, tbasefragment::Liquid, 6 } })
    place(t);
  doc.Groups.At(6)->solute = {
    2.253, 2.253, 2.253, 0.04278, 0.04278, 0.04278, 0, 0, 1, 1, 1, 1, 1
  };
  ReactionThermo thermo(doc);
  prepareThermochemistry(thermo);
  findBetterSources(thermo);
  std::vector<ReactionSpecies>& species = thermo.species();
  species[4].referenceThermo.reset();
  species[4].groupThermo = groupAdditivity(*graphFromSmiles("CCO"));
  species[5].referenceThermo.reset();
  const std::vector<ThermoSource> expected{
    ThermoSource::ReferenceData, ThermoSource::ReferenceData,   ThermoSource::ReferenceData,
    ThermoSource::ReferenceData, ThermoSource::GroupAdditivity, ThermoSource::Estimate,
    ThermoSource::FluidModel
  };
  for (std::size_t k = 0; k < species.size(); ++k)
    EXPECT_EQ(species[k].sourceAt(T), expected[k]) << k;
  for (double t : { 300.0, 350.0, 370.0 }) {
    SCOPED_TRACE(t);
    constexpr double h = 0.01;
    const double cp = deltaCp(arrow(), thermo, t);
    ASSERT_TRUE(std::isfinite(cp));
    const double dH =
      (deltaH(arrow(), thermo, t + h, 1.0) - deltaH(arrow(), thermo, t - h, 1.0)) / (2 * h);
    const double dS =
      t * (deltaS(arrow(), thermo, t + h, 1.0) - deltaS(arrow(), thermo, t - h, 1.0)) / (2 * h);
    EXPECT_NEAR(dH, cp, 1e-3 * std::fabs(cp));
    EXPECT_NEAR(dS, cp, 1e-3 * std::fabs(cp));
  }
}

// N2 + 3 H2 -> 2 NH3: ΔG°(T) from NIST-JANAF crosses zero near 460 K (ΔH° -91.8 kJ, ΔS° -198.1
// J/K give 463 K at constant ΔH and ΔS); the curve's data name it.
TEST_F(ReactionFootingTest, AmmoniaSynthesisTurnsNear460KOnItsCurve)
{
  analyse({ { N2, -1 }, { H2, -3 }, { NH3, 2 } });
  const ReactionCurve curve = reactionCurve(arrow(), *thermo_, 1.0 / 1.01325 - 1e-05);
  ASSERT_TRUE(curve.signChangeT);
  EXPECT_NEAR(*curve.signChangeT, 460, 15);
  EXPECT_EQ(curve.summary,
            "spontaneous below " + std::to_string(std::lround(*curve.signChangeT)) + " K");
  ASSERT_EQ(curve.points.size(), 181u);
  EXPECT_EQ(curve.points.front().T, 200);
  EXPECT_EQ(curve.points.back().T, 2000);
  // log K = −ΔG / (2.303 R T), the tool's constants rounded at the seventh figure.
  for (const CurvePoint& p : curve.points)
    EXPECT_NEAR(p.logK, -p.dG / (std::log(10.0) * 1.98717 * p.T), 1e-7 * (1 + std::fabs(p.logK)));
  const std::string csv = curveCsv(curve);
  EXPECT_EQ(csv.substr(0, csv.find('\n')), "T_K,dG_kcal,logK");
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 182);
}

// A curve stops where a species' data stop: liquid water's table ends at 600 K.
TEST_F(ReactionFootingTest, TheCurveCoversWhatTheDataCover)
{
  analyse({ { H2O, -1 }, { H2O, 1, tbasefragment::Liquid } });
  const ReactionCurve curve = reactionCurve(arrow(), *thermo_, 1.0);
  ASSERT_FALSE(curve.points.empty());
  EXPECT_EQ(curve.points.front().T, 280);
  EXPECT_EQ(curve.points.back().T, 600);
  // Water boils near 373 K at 1 atm; the tables' condensation turns there within a few kelvin.
  ASSERT_TRUE(curve.signChangeT);
  EXPECT_NEAR(*curve.signChangeT, 373, 5);
  EXPECT_EQ(curve.summary.substr(0, 19), "spontaneous below 3");
}

} // namespace
} // namespace trelvix
