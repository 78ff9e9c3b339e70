// The convert command end to end, and the SMILES info prints for each structure.
#include "cli_runner.h"

#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace trelvix {
namespace {

namespace fs = std::filesystem;

class ConvertCli : public CliRunTest
{
protected:
  void write(const std::string& name, const std::string& text)
  {
    std::ofstream(dir / name, std::ios::binary) << text;
  }

  /// Element atoms and the chemical bonds between them, from info's JSON of a document.
  std::pair<int, int> moleculeCounts(const std::string& tvx)
  {
    EXPECT_EQ(run("info '" + tvx + "'"), 0) << err;
    const auto json = nlohmann::json::parse(out);
    int atoms = 0;
    for (const auto& a : json["atoms"])
      atoms += a["kind"] == 0 ? 1 : 0;
    int bonds = 0;
    for (const auto& b : json["bonds"]) {
      const bool chemical = json["atoms"][b["a"].get<int>()]["kind"] == 0 &&
                            json["atoms"][b["b"].get<int>()]["kind"] == 0 && b["type"] != 1;
      bonds += chemical ? 1 : 0;
    }
    return { atoms, bonds };
  }
};

TEST_F(ConvertCli, ExamplesThroughSdfKeepTheirAtomsAndBonds)
{
  int converted = 0;
  for (const auto& entry : fs::directory_iterator(TRELVIX_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".tvx")
      continue;
    const std::string name = entry.path().stem().string();
    ASSERT_EQ(run("convert '" + entry.path().string() + "' " + name + ".sdf"), 0) << err;
    ASSERT_EQ(run("convert " + name + ".sdf " + name + ".tvx"), 0) << err;
    EXPECT_EQ(moleculeCounts((dir / (name + ".tvx")).string()),
              moleculeCounts(entry.path().string()))
      << name;
    ++converted;
  }
  EXPECT_GE(converted, 5);
}

// A 3D molfile converted to XYZ and to an SDF keeps its atoms where the file has them, to the
// digits written: a carbon at (10, 0, 0) Å stays there, not only its bond lengths.
TEST_F(ConvertCli, AThreeDimensionalFileConvertedKeepsItsCoordinates)
{
  write("ethanol.mol",
        "ethanol\n  handmade          3D\n\n"
        "  3  2  0  0  0  0  0  0  0  0999 V2000\n"
        "   10.0000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
        "   11.5200    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
        "   12.0300    1.3450    0.5000 O   0  0  0  0  0  0  0  0  0  0  0  0\n"
        "  1  2  1  0\n  2  3  1  0\nM  END\n");
  ASSERT_EQ(run("convert ethanol.mol ethanol.xyz"), 0) << err;
  std::ifstream xyz(dir / "ethanol.xyz");
  std::string count, title, element;
  std::getline(xyz, count);
  std::getline(xyz, title);
  const double expected[3][3] = { { 10, 0, 0 }, { 11.52, 0, 0 }, { 12.03, 1.345, 0.5 } };
  for (const auto& atom : expected) {
    double x = 0, y = 0, z = 0;
    ASSERT_TRUE(xyz >> element >> x >> y >> z);
    EXPECT_NEAR(x, atom[0], 0.001);
    EXPECT_NEAR(y, atom[1], 0.001);
    EXPECT_NEAR(z, atom[2], 0.001);
  }
  ASSERT_EQ(run("convert ethanol.mol ethanol.sdf"), 0) << err;
  std::ifstream sdf(dir / "ethanol.sdf");
  std::string lineText;
  for (int i = 0; i < 4; ++i)
    std::getline(sdf, lineText);
  for (const auto& atom : expected) {
    double x = 0, y = 0, z = 0;
    ASSERT_TRUE(sdf >> x >> y >> z >> element);
    std::getline(sdf, lineText);
    EXPECT_NEAR(x, atom[0], 0.001);
    EXPECT_NEAR(y, atom[1], 0.001);
    EXPECT_NEAR(z, atom[2], 0.001);
  }
}

TEST_F(ConvertCli, StandardStreamsTakeTheFormatOption)
{
  write("in.smi", "OCC ethanol\n");
  ASSERT_EQ(run("convert in.smi - --format smi"), 0) << err;
  EXPECT_EQ(out, "CCO ethanol\n");
  ASSERT_EQ(run("convert - out.mol --format smi < in.smi"), 0) << err;
  EXPECT_TRUE(fs::exists(dir / "out.mol"));
  ASSERT_EQ(run("convert - - --format xyz < /dev/null"), 1);
  EXPECT_EQ(err, "standard input: line 1: no atoms\n");
  EXPECT_EQ(run("convert in.smi -"), 2);
  EXPECT_EQ(run("convert in.smi out.sdf --format cml"), 2);
}

TEST_F(ConvertCli, MalformedInputsGiveTheirMessageAndStatusOne)
{
  write("bad.smi", "C1CC\n");
  write("bad.xyz", "4\nwater\nO 0 0 0.1173\nH 0 0.7572 -0.4692\nH 0 -0.7572 -0.4692\n");
  write("cut.mol",
        "cut\n  handmade\n\n  2  1  0  0  0  0  0  0  0  0999 V2000\n"
        "    0.0000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n");
  const std::pair<const char*, const char*> cases[] = {
    { "bad.smi", "bad.smi: line 1: not a valid SMILES: \"C1CC\"\n" },
    { "bad.xyz", "bad.xyz: line 6: expected 4 atoms, found 3\n" },
    { "cut.mol", "cut.mol: line " },
  };
  for (const auto& [file, message] : cases) {
    EXPECT_EQ(run(std::string("convert ") + file + " out.tvx"), 1) << file;
    EXPECT_EQ(err.rfind(message, 0), 0u) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << "one line: " << err;
    EXPECT_FALSE(fs::exists(dir / "out.tvx"));
  }
}

TEST_F(ConvertCli, LibrariesConvertRecordByRecordKeepingNamesAndDataItems)
{
  const std::string methane =
    "  1  0  0  0  0  0  0  0  0  0999 V2000\n"
    "    0.0000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "M  END\n";
  write("two.sdf",
        "first\n  handmade\n\n" + methane + "> <ID>\n1\n\n$$$$\n" + "second\n  handmade\n\n" +
          methane + "> <ID>\n2\n\n> <NOTE>\nline one\nline two\n\n$$$$\n");
  ASSERT_EQ(run("convert two.sdf - --format sdf"), 0) << err;
  EXPECT_EQ(out.rfind("first\n", 0), 0u) << out;
  EXPECT_NE(out.find("M  END\n> <ID>\n1\n\n$$$$\nsecond\n"), std::string::npos) << out;
  EXPECT_NE(out.find("> <ID>\n2\n\n> <NOTE>\nline one\nline two\n\n$$$$\n"), std::string::npos)
    << out;
  ASSERT_EQ(run("convert two.sdf - --format smi"), 0) << err;
  EXPECT_EQ(out, "C first\nC second\n");
  // A fault names its line in the whole file.
  write("three.smi", "CCO ethanol\n\n# a comment\nC1CC broken\n");
  EXPECT_EQ(run("convert three.smi out.sdf"), 1);
  EXPECT_EQ(err, "three.smi: line 4: not a valid SMILES: \"C1CC\"\n");
  EXPECT_FALSE(fs::exists(dir / "out.sdf"));
}

TEST_F(ConvertCli, InfoGivesEachStructuresSmilesAndScaleFollowsTheCommand)
{
  write("two.smi", "c1ccccc1O\n[NH4+]\n");
  ASSERT_EQ(run("convert two.smi two.tvx --scale 40"), 0) << err;
  ASSERT_EQ(run("info two.tvx --scale 40"), 0) << err;
  const auto json = nlohmann::json::parse(out);
  ASSERT_EQ(json["groups"].size(), 2u);
  EXPECT_EQ(json["groups"][0]["smiles"], "Oc1ccccc1");
  EXPECT_EQ(json["groups"][1]["smiles"], "[NH4+]");
  EXPECT_EQ(json["bond_length"], 40);
}

} // namespace
} // namespace trelvix
