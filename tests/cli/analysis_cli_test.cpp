// The properties, frequencies and reaction commands, the real binary run end to end on documents
// built by the command line itself.
#include "cli_runner.h"

#include <QImage>
#include <QXmlStreamReader>
#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

namespace trelvix {
namespace {

using AnalysisCliTest = CliRunTest;

// CH4 + 2 O2 -> CO2 + 2 H2O: methane, two oxygens, the arrow, carbon dioxide, two waters.
const char* const combustion =
  "build -o burn.tvx 571@80,150 581@180,110 581@180,190 720@280,150 582@380,150 573@480,110 "
  "573@480,190";

TEST_F(AnalysisCliTest, PropertiesOfWater)
{
  // A lone oxygen carries two implicit hydrogens.
  ASSERT_EQ(run("build -o water.tvx atom:8@100,100"), 0) << err;
  ASSERT_EQ(run("properties water.tvx"), 0) << err;
  const auto json = nlohmann::json::parse(out);
  EXPECT_EQ(json["formula"], "H2 O");
  // 15.9994 + 2 x 1.00794 = 18.01528.
  EXPECT_NEAR(json["weight"].get<double>(), 18.01528, 1e-4);
  EXPECT_EQ(json["composition"], "H 11.2 O 88.8");
  EXPECT_EQ(json["dipole"], 0.0);
  EXPECT_EQ(json["moments"], nlohmann::json::array({ 0.0, 0.0, 0.0 }));
  EXPECT_EQ(json["strain_kcal"], 0.0);
}

TEST_F(AnalysisCliTest, EmptyOrMissingDocuments)
{
  // An arrow alone is no molecule; an atom alone is no reaction.
  ASSERT_EQ(run("build -o arrow.tvx 720@100,100"), 0) << err;
  EXPECT_EQ(run("properties arrow.tvx"), 1);
  EXPECT_EQ(err, "No Molecule\n");
  ASSERT_EQ(run("build -o atom.tvx atom:6@100,100"), 0) << err;
  EXPECT_EQ(run("reaction atom.tvx"), 1);
  EXPECT_EQ(err, "Arrow Required!\n");
  EXPECT_EQ(run("frequencies missing.tvx"), 1);
}

TEST_F(AnalysisCliTest, MethaneCombustionIsExothermicAndSpontaneous)
{
  ASSERT_EQ(run(combustion), 0) << err;
  ASSERT_EQ(run("reaction burn.tvx --T 298"), 0) << err;
  const auto json = nlohmann::json::parse(out);
  EXPECT_EQ(json["balanced"], true);
  EXPECT_EQ(json["imbalance"], "");
  EXPECT_EQ(json["verdict"], "Exothermic, Spontaneous");
  const double dH = json["dH_kcal"], dS = json["dS"], dG = json["dG_kcal"], logK = json["logK"];
  // NIST-JANAF formation enthalpies at 298.15 K: CO2 -393.51, H2O(g) -241.83, CH4 -74.87 kJ/mol:
  // -393.51 - 2 x 241.83 + 74.87 = -802.30 kJ = -191.75 kcal.
  EXPECT_NEAR(dH, (-393.51 - 2 * 241.83 + 74.87) / 4.184, 0.5);
  // The same number of gas moles on each side: ΔG = ΔH - TΔS, and log K = -ΔG / (2.303 R T).
  EXPECT_NEAR(dG, dH - 298 * dS * 0.001, 1e-3);
  EXPECT_NEAR(logK, -dG * 1000 / (std::log(10.0) * 1.98717 * 298), 1e-6);
}

TEST_F(AnalysisCliTest, AmountsUnbalanceTheReaction)
{
  ASSERT_EQ(run(combustion), 0) << err;
  // Two moles of the first oxygen and of carbon dioxide: the oxygens still balance (2 x 2 + 2
  // against 2 x 2 + 2 x 1), one carbon too many on the right.
  ASSERT_EQ(run("reaction burn.tvx --moles 1=2 --moles 3=2"), 0) << err;
  const auto json = nlohmann::json::parse(out);
  EXPECT_EQ(json["balanced"], false);
  EXPECT_EQ(json["imbalance"], "1.0C");
  EXPECT_EQ(json["verdict"], "Unbalanced");
  EXPECT_TRUE(json["dH_kcal"].is_null());
  for (const char* bad : { "--moles 9=1",
                           "--moles 1",
                           "--moles x=2",
                           "--moles 1=nan",
                           "--moles 0=1e308",
                           "--moles 0=",
                           "--moles =1",
                           "--moles 0=-1",
                           "--moles -0=1",
                           "--moles 0=1x",
                           "--T nan",
                           "--P nan" })
    EXPECT_EQ(run(std::string("reaction burn.tvx ") + bad), 2) << bad;
}

TEST_F(AnalysisCliTest, FrequenciesAndTheReportLines)
{
  ASSERT_EQ(run(combustion), 0) << err;
  ASSERT_EQ(run("frequencies burn.tvx"), 0) << err;
  const auto groups = nlohmann::json::parse(out)["groups"];
  ASSERT_EQ(groups.size(), 6u);
  // O2: one stretch. CO2: its two equal stretches merge into one level of two modes, and its
  // one bend is linear, so doubly degenerate.
  ASSERT_EQ(groups[1]["levels"].size(), 1u);
  EXPECT_EQ(groups[1]["levels"][0]["g"], 1);
  EXPECT_GT(groups[1]["levels"][0]["nu"].get<double>(), 500);
  ASSERT_EQ(groups[3]["levels"].size(), 2u);
  EXPECT_EQ(groups[3]["levels"][0]["g"], 2);
  EXPECT_EQ(groups[3]["levels"][1]["g"], 2);
  EXPECT_LT(groups[3]["levels"][1]["nu"].get<double>(), groups[3]["levels"][0]["nu"].get<double>());

  ASSERT_EQ(run("reaction burn.tvx -o report.tvx"), 0) << err;
  ASSERT_EQ(run("info report.tvx"), 0) << err;
  std::vector<std::string> labels;
  const auto json = nlohmann::json::parse(out);
  for (const auto& index : json["labels"])
    labels.push_back(json["atoms"][index.get<int>()]["symbol"]);
  ASSERT_EQ(labels.size(), 7u);
  EXPECT_EQ(labels[0], "    Summary");
  EXPECT_EQ(labels[1], "P =  1.0  T = 293K");
  EXPECT_EQ(labels[6], "reference data: 6 of 6");
}

// N2 + 3 H2 -> 2 NH3 from the Add Molecule items: -91.8 kJ and -32.7 kJ at 298.15 K (NIST-JANAF),
// spontaneous at room temperature and no longer above about 460 K; the force-field estimate
// stays reachable as it was.
const char* const ammonia = "build -o nh3.tvx 580@80,150 576@180,150 720@280,150 572@380,150";
const char* const ammoniaAmounts = " --moles 1=3 --moles 2=2";

TEST_F(AnalysisCliTest, AmmoniaSynthesisFromReferenceData)
{
  ASSERT_EQ(run(ammonia), 0) << err;
  ASSERT_EQ(run(std::string("reaction nh3.tvx --T 298.15") + ammoniaAmounts), 0) << err;
  auto json = nlohmann::json::parse(out);
  EXPECT_EQ(json["balanced"], true);
  EXPECT_NEAR(json["dH_kcal"].get<double>(), -91.8 / 4.184, 1.0);
  EXPECT_NEAR(json["dG_kcal"].get<double>(), -32.7 / 4.184, 1.0);
  EXPECT_EQ(json["verdict"], "Exothermic, Spontaneous");
  EXPECT_EQ(json["model"], "best");
  const char* const names[] = { "nitrogen", "hydrogen", "ammonia" };
  ASSERT_EQ(json["sources"].size(), 3u);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(json["sources"][k]["group"], k);
    EXPECT_EQ(json["sources"][k]["source"], "reference data");
    EXPECT_EQ(json["sources"][k]["species"], names[k]);
  }
  EXPECT_EQ(json["sources_text"], "reference data for 3 of 3 species");

  ASSERT_EQ(run(std::string("reaction nh3.tvx --T 480") + ammoniaAmounts), 0) << err;
  EXPECT_EQ(nlohmann::json::parse(out)["verdict"], "Exothermic, Non-spontaneous");
  ASSERT_EQ(run(std::string("reaction nh3.tvx --T 440") + ammoniaAmounts), 0) << err;
  EXPECT_EQ(nlohmann::json::parse(out)["verdict"], "Exothermic, Spontaneous");

  ASSERT_EQ(run(std::string("reaction nh3.tvx --T 298.15 --model estimate") + ammoniaAmounts), 0)
    << err;
  json = nlohmann::json::parse(out);
  EXPECT_EQ(json["model"], "estimate");
  EXPECT_EQ(json["sources"][2]["source"], "estimate");
  EXPECT_TRUE(json["sources"][2]["species"].is_null()); // the estimate looks nothing up
  EXPECT_EQ(json["sources_text"], "estimate for 3 of 3 species");
  EXPECT_EQ(run("reaction nh3.tvx --model guess"), 2);
}

TEST_F(AnalysisCliTest, ASpeciesNoSourceKnowsGivesNoVerdictAndSaysWhy)
{
  // Arsine (a lone arsenic with its three implicit hydrogens) is neither in the table nor within
  // the group tables, and the force field leaves implicit hydrogens out; nitrogen is in the
  // table. Its force-field numbers would stand on the separated atoms' zero: no verdict.
  ASSERT_EQ(run("build -o arsine.tvx atom:33@80,150 720@200,150 580@320,150"), 0) << err;
  ASSERT_EQ(run("reaction arsine.tvx"), 0) << err;
  const auto json = nlohmann::json::parse(out);
  EXPECT_EQ(json["sources"][0]["source"], "no data");
  EXPECT_TRUE(json["sources"][0]["species"].is_null());
  EXPECT_EQ(json["sources"][1]["source"], "reference data");
  EXPECT_EQ(json["sources_text"], "reference data for 1, no data for 1 of 2 species");
  const std::string why =
    "no data for AsH3 as a gas: the force-field estimate needs its hydrogens drawn";
  EXPECT_EQ(json["no_data"], why);
  EXPECT_EQ(json["sources"][0]["how"], why);
  EXPECT_TRUE(json["dH_kcal"].is_null());
  // The classic estimate alone still serves it.
  ASSERT_EQ(run("reaction arsine.tvx --model estimate"), 0) << err;
  EXPECT_EQ(nlohmann::json::parse(out)["sources"][0]["source"], "estimate");
}

TEST_F(AnalysisCliTest, NormalModesOfWaterAndTheirSpectrum)
{
  ASSERT_EQ(run("build --3d -o water.tvx smiles:O@200,200"), 0) << err;
  // MMFF94 needs the hydrogens as atoms: refused before Optimize adds them.
  EXPECT_EQ(run("frequencies water.tvx --method normal-modes"), 1);
  EXPECT_NE(err.find("add protons in 3D"), std::string::npos) << err;
  ASSERT_EQ(run("optimize water.tvx -o opt.tvx --ff mmff94"), 0) << err;
  ASSERT_EQ(run("frequencies opt.tvx --method normal-modes --spectrum ir.svg"), 0) << err;
  const auto group = nlohmann::json::parse(out)["groups"][0];
  EXPECT_EQ(group["force_field"], "MMFF94");
  EXPECT_EQ(group["minimum"], true);
  ASSERT_EQ(group["modes"].size(), 3u); // 3N - 6
  // The bend below the two stretches (gas-phase water: 1595, 3657 and 3756 cm-1; Shimanouchi,
  // Tables of Molecular Vibrational Frequencies, NSRDS-NBS 39, 1972), each within 10 %.
  const double experiment[] = { 1595, 3657, 3756 };
  for (std::size_t k = 0; k < 3; ++k) {
    const auto& mode = group["modes"][k];
    EXPECT_NEAR(mode["wavenumber"].get<double>(), experiment[k], 0.1 * experiment[k]);
    EXPECT_GT(mode["intensity"].get<double>(), 0);
    EXPECT_EQ(mode["displacement"].size(), 3u);
  }
  std::ifstream svgFile(dir / "ir.svg");
  std::stringstream svg;
  svg << svgFile.rdbuf();
  QXmlStreamReader reader(QByteArray::fromStdString(svg.str()));
  while (!reader.atEnd())
    reader.readNext();
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  EXPECT_NE(svg.str().find("<svg"), std::string::npos);

  ASSERT_EQ(run("frequencies opt.tvx --method normal-modes --spectrum ir.png"), 0) << err;
  EXPECT_FALSE(QImage(QString::fromStdString((dir / "ir.png").string())).isNull());
  ASSERT_EQ(run("frequencies opt.tvx --method normal-modes --ff uff --spectrum ir.csv"), 0) << err;
  std::ifstream csv(dir / "ir.csv");
  std::string header, first;
  std::getline(csv, header);
  std::getline(csv, first);
  EXPECT_EQ(header, "wavenumber_cm-1,absorbance_km_mol-1_cm");
  EXPECT_EQ(first.rfind("400.0,", 0), 0u) << first;
  EXPECT_EQ(run("frequencies opt.tvx --method normal-modes --spectrum ir.bmp"), 2);
}

} // namespace
} // namespace trelvix
