// The command-line front end end to end: documents made here, the real binary run on them.
#include "cli/document_json.h"
#include "cli_runner.h"
#include "document/drawing.h"
#include "document/file_format.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/structure_atom.h"
#include "platform/scripted_shell.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/stat.h>

namespace trelvix {
namespace {

namespace fs = std::filesystem;

class CliTest : public CliRunTest
{
protected:
  CliTest() { setCurrentDrawing(&doc); }
  ~CliTest() override { setCurrentDrawing(nullptr); }

  std::string saveSample()
  {
    auto* c = new tAtm(6, 0, 0, 0);
    c->setRXYZ(10, 20, 3);
    auto* o = new tAtm(8, 0, 0, 2);
    o->setRXYZ(38, 20, 0);
    doc.Atoms.Add(c);
    doc.Atoms.Add(o);
    auto* b = new tbond(c, o);
    b->ddouble();
    doc.Bonds.Add(b);
    auto* piece = new tStructure;
    piece->Atoms.AddAtoms(&doc.Atoms);
    piece->Bonds.AddBonds(&doc.Bonds);
    doc.Groups.Add(piece);
    auto* label = new tLAtm(5, 60, "CO");
    doc.Atoms.Add(label);
    doc.Labels.Add(label);
    doc.title = "carbon monoxide";
    const std::string path = (dir / "co.tvx").string();
    EXPECT_TRUE(saveDrawing(doc, path));
    return path;
  }

  tDrawing doc;
};

TEST_F(CliTest, InfoPrintsTheDocumentAsJson)
{
  const std::string path = saveSample();
  ASSERT_EQ(run("info '" + path + "'"), 0) << err;
  const auto json = nlohmann::json::parse(out);
  EXPECT_EQ(json["version"], 120);
  EXPECT_EQ(json["file_name"], "co.tvx");
  EXPECT_EQ(json["title"], "carbon monoxide");
  EXPECT_EQ(json["bond_length"], 28);
  ASSERT_EQ(json["atoms"].size(), 3u);
  EXPECT_EQ(json["atoms"][0]["kind"], 0);
  EXPECT_EQ(json["atoms"][0]["symbol"], "C");
  EXPECT_EQ(json["atoms"][0]["x"], 10.0);
  EXPECT_EQ(json["atoms"][0]["z"], 3.0);
  EXPECT_EQ(json["atoms"][1]["element"], 8);
  EXPECT_EQ(json["atoms"][2]["kind"], 1);
  ASSERT_EQ(json["bonds"].size(), 1u);
  EXPECT_EQ(json["bonds"][0]["a"], 0);
  EXPECT_EQ(json["bonds"][0]["b"], 1);
  EXPECT_EQ(json["bonds"][0]["type"], 4);
  EXPECT_EQ(json["bonds"][0]["offset"].size(), 2u);
  ASSERT_EQ(json["groups"].size(), 1u);
  EXPECT_EQ(json["groups"][0]["kind"], 100);
  EXPECT_EQ(json["groups"][0]["atoms"], nlohmann::json::array({ 0, 1 }));
  EXPECT_EQ(json["labels"], nlohmann::json::array({ 2 }));
  EXPECT_EQ(json["symbols"].size(), 0u);
}

TEST_F(CliTest, ScaleOptionAndDefaultsFileRescaleOnLoad)
{
  const std::string path = saveSample();
  ASSERT_EQ(run("--scale 56 info '" + path + "'"), 0) << err;
  auto json = nlohmann::json::parse(out);
  // Twice the scale: the two atoms, 28 apart, end 56 apart.
  EXPECT_DOUBLE_EQ(json["atoms"][1]["x"].get<double>() - json["atoms"][0]["x"].get<double>(), 56.0);
  EXPECT_EQ(json["bond_length"], 56);

  std::vector<char> record(502, 0);
  record[3] = 14; // a scale of 14 in the defaults file
  std::ofstream(dir / "config" / "trelvix3d98.cfg", std::ios::binary)
    .write(record.data(), static_cast<std::streamsize>(record.size()));
  ASSERT_EQ(run("info '" + path + "'"), 0) << err;
  json = nlohmann::json::parse(out);
  EXPECT_EQ(json["bond_length"], 14);
}

TEST_F(CliTest, ErrorsGiveTheProgramsMessageAndStatus)
{
  EXPECT_EQ(run("info missing.tvx"), 1);
  EXPECT_EQ(err, "I/O Error  2: missing.tvx: No such file or directory\n");
  std::ofstream(dir / "bad.tvx") << "not a document";
  EXPECT_EQ(run("info '" + (dir / "bad.tvx").string() + "'"), 1);
  EXPECT_EQ(err,
            "Invalid file format: " + (dir / "bad.tvx").string() +
              ": shorter than a document's header\n");
  EXPECT_EQ(run("info"), 2);
  EXPECT_EQ(run("--scale 0 info x.tvx"), 2);
}

TEST_F(CliTest, FileErrorsSayWhichFileAndWhy)
{
  const std::string path = saveSample();
  fs::create_directory(dir / "folder");
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
  const struct
  {
    std::string arguments;
    std::string message;
  } cases[] = {
    { "info folder", "I/O Error  5: folder: Is a directory\n" },
    { "build --in co.tvx -o nofolder/a.tvx",
      "Path not found: nofolder/a.tvx: No such file or directory\n" },
    { "build --in co.tvx -o folder", "Invalid FileName: folder: Is a directory\n" },
    // A pipe is never replaced by the saved file.
    { "build --in co.tvx -o pipe", "Invalid FileName: pipe: not a regular file\n" },
    // An endless input is read no further than the longest document: 41 484 241 bytes.
    { "info /dev/zero",
      "Invalid file format: /dev/zero: larger than the 41484241 bytes such a file can hold\n" },
  };
  for (const auto& c : cases) {
    EXPECT_EQ(run(c.arguments), 1) << c.arguments;
    EXPECT_EQ(err, c.message);
  }
  EXPECT_TRUE(fs::is_fifo(dir / "pipe"));
}

TEST_F(CliTest, ScalesOutsideTheWorkingRangeAreRefused)
{
  const std::string path = saveSample();
  EXPECT_EQ(run("--scale 1000 info co.tvx"), 0) << err;
  for (const char* scale : { "3", "1001", "22884", "65536" }) {
    EXPECT_EQ(run(std::string("--scale ") + scale + " info co.tvx"), 2) << scale;
    EXPECT_NE(err.find("--scale"), std::string::npos) << err;
  }
  // A sound file whose depths pass 16 bits at the scale asked for: the scale is to blame.
  doc.Atoms.At(0)->setRXYZ(10, 20, 1000);
  doc.Atoms.At(1)->setRXYZ(38, 20, -1000);
  ASSERT_TRUE(saveDrawing(doc, (dir / "deep.tvx").string()));
  EXPECT_EQ(run("--scale 1000 info deep.tvx"), 1);
  EXPECT_EQ(err,
            "Arithmetic overflow: deep.tvx: the document does not fit the drawing at a bond "
            "length of 1000 pixels\n");
}

TEST_F(CliTest, OnlyARegularDefaultsFileOfOneRecordIsRead)
{
  const std::string path = saveSample();
  const fs::path config = dir / "config" / "trelvix3d98.cfg";
  const auto writeRecord = [&](std::size_t size, std::uint16_t scale) {
    std::vector<char> record(size, 0);
    record[3] = static_cast<char>(scale & 0xFF);
    record[4] = static_cast<char>(scale >> 8);
    std::ofstream(config, std::ios::binary)
      .write(record.data(), static_cast<std::streamsize>(record.size()));
  };
  const struct
  {
    std::size_t size;
    std::uint16_t scale;
    int bondLength;
  } cases[] = {
    { 502, 35, 35 },    // a record: read
    { 503, 35, 28 },    // one byte more is no record: reset values
    { 501, 35, 28 },    // one byte short
    { 502, 60000, 28 }, // a damaged scale is not used, and documents still load
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.size) + " " + std::to_string(c.scale));
    writeRecord(c.size, c.scale);
    ASSERT_EQ(run("info co.tvx"), 0) << err;
    EXPECT_EQ(nlohmann::json::parse(out)["bond_length"], c.bondLength);
  }
  // A pipe where the file belongs is not waited on.
  fs::remove(config);
  ASSERT_EQ(::mkfifo(config.c_str(), 0600), 0);
  ASSERT_EQ(run("info co.tvx"), 0) << err;
  EXPECT_EQ(nlohmann::json::parse(out)["bond_length"], 28);
}

TEST_F(CliTest, BuildWithoutStepsCopiesTheDocument)
{
  const std::string path = saveSample();
  const std::string copy = (dir / "copy.tvx").string();
  ASSERT_EQ(run("build --in '" + path + "' -o '" + copy + "'"), 0) << err;
  ASSERT_EQ(run("info '" + copy + "'"), 0) << err;
  const auto json = nlohmann::json::parse(out);
  EXPECT_EQ(json["file_name"], "copy.tvx");
  EXPECT_EQ(json["atoms"].size(), 3u);
  EXPECT_EQ(json["title"], "carbon monoxide");
}

TEST_F(CliTest, BuildStepsPlacePiecesAsTheWindowWould)
{
  const std::string out = (dir / "built.tvx").string();
  ASSERT_EQ(run("build -o '" + out + "' 154@100,100 701@300,100 720@200,250 'title:Two rings'"), 0)
    << err;
  ASSERT_EQ(run("info '" + out + "'"), 0) << err;
  const auto json = nlohmann::json::parse(this->out);
  EXPECT_EQ(json["title"], "Two rings");
  EXPECT_EQ(json["groups"].size(), 2u);
  ASSERT_EQ(json["symbols"].size(), 1u);
  EXPECT_EQ(json["symbols"][0]["kind"], 102);
  int elementAtoms = 0;
  for (const auto& a : json["atoms"])
    elementAtoms += a["kind"] == 0 ? 1 : 0;
  EXPECT_EQ(elementAtoms, 12);
}

TEST_F(CliTest, AtomAndProtonSteps)
{
  const std::string out = (dir / "methanol.tvx").string();
  ASSERT_EQ(run("build --3d -o '" + out + "' atom:6@100,100 branch:8@110,100 protons3d"), 0) << err;
  ASSERT_EQ(run("info '" + out + "'"), 0) << err;
  const auto json = nlohmann::json::parse(this->out);
  int carbons = 0, oxygens = 0, hydrogens = 0;
  for (const auto& a : json["atoms"]) {
    carbons += a["element"] == 6 ? 1 : 0;
    oxygens += a["element"] == 8 ? 1 : 0;
    hydrogens += a["element"] == 1 ? 1 : 0;
  }
  EXPECT_EQ(carbons, 1);
  EXPECT_EQ(oxygens, 1);
  EXPECT_EQ(hydrogens, 4);                                  // CH3OH
  EXPECT_EQ(run("build -o '" + out + "' atom:104@0,0"), 2); // no element 104
}

TEST_F(CliTest, KeyAndLabelSteps)
{
  // Ethane: carbons at (100, 100) and (124.2..., 114), the bond's midpoint near (112, 107).
  const std::string out = (dir / "keyed.tvx").string();
  ASSERT_EQ(run("build -o '" + out + "' 501@100,100 key:O@100,100 key:2@112,107 key:+@100,100 " +
                "'label:Oxo ethane@40,40' 524@100,100 524@100,100"),
            1)
    << err; // the second Link Atoms press on the same atom: "Move Pointer"
  EXPECT_EQ(err, "Move Pointer\nThe step 524@100,100 could not act\n");
  ASSERT_EQ(run("build -o '" + out + "' 501@100,100 key:O@100,100 key:2@112,107 key:+@100,100 " +
                "'label:Oxo ethane@40,40'"),
            0)
    << err;
  ASSERT_EQ(run("info '" + out + "'"), 0) << err;
  const auto json = nlohmann::json::parse(this->out);
  EXPECT_EQ(json["atoms"][0]["element"], 8);
  EXPECT_EQ(json["atoms"][0]["charge"], 1);
  EXPECT_EQ(json["bonds"][0]["type"], 4);
  ASSERT_EQ(json["labels"].size(), 1u);
  EXPECT_EQ(json["atoms"][2]["kind"], 1);
  EXPECT_EQ(run("build -o '" + out + "' 501@100,100 key:W@100,100"), 2); // no such key
  // A key with nothing under the pointer is a step that could not act.
  EXPECT_EQ(run("build -o '" + out + "' 501@100,100 key:Delete@900,900"), 1);
  EXPECT_EQ(err,
            "Nothing under the pointer for key Delete\n"
            "The step key:Delete@900,900 could not act\n");
}

TEST_F(CliTest, BuildStepsThatCannotActOrReadFail)
{
  const std::string out = (dir / "never.tvx").string();
  EXPECT_EQ(run("build -o '" + out + "' 511@0,0"), 1);
  EXPECT_EQ(err, "No Atoms\nThe step 511@0,0 could not act\n");
  EXPECT_FALSE(fs::exists(out));
  EXPECT_EQ(run("build -o '" + out + "' 154@1,1 sideways"), 2);
  EXPECT_FALSE(fs::exists(out));
  // Codes no menu arms are no build steps, nor are malformed points.
  for (const char* step : { "0@1,1", "999@1,1", "65535@1,1", "154@1,", "154@--1,1", "154@1.,1" }) {
    EXPECT_EQ(run("build -o '" + out + "' " + step), 2) << step;
    EXPECT_EQ(err, std::string("Unknown build step: ") + step + "\n");
  }
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(CliTest, StepsOfAnyLengthAreReadWithoutRecursion)
{
  // Long texts and numbers once overflowed the stack of the step reader.
  const std::string out = (dir / "long.tvx").string();
  const std::string longText(40000, 'W');
  EXPECT_EQ(run("build -o '" + out + "' 'label:" + longText + "@40,40'"), 0) << err;
  EXPECT_EQ(run("build -o '" + out + "' " + std::string(40000, '1') + "@40,40"), 2);
  EXPECT_EQ(run("build -o '" + out + "' 154@" + std::string(40000, '1') + ",40"), 2);
  // Far off the page but a number: the program's own overflow message.
  EXPECT_EQ(run("build -o '" + out + "' 154@1" + std::string(12, '0') + ",40"), 1);
  EXPECT_EQ(err,
            "Arithmetic overflow\nThe step 154@1" + std::string(12, '0') + ",40 could not act\n");
}

TEST_F(CliTest, AQuestionAnsweredYesLetsTheBuildGoOn)
{
  // A benzene fused onto a bond of a branched chain whose atoms have no room for the ring's
  // double bonds asks "Exceed Valence?": No stops the build, --yes answers Yes and it goes on.
  const std::string steps = "510@100,100 511@124.25,114 702@136,107";
  const std::string out = (dir / "fused.tvx").string();
  EXPECT_EQ(run("build -o '" + out + "' " + steps), 1);
  EXPECT_EQ(err, "Exceed Valence?\nThe step 702@136,107 could not act\n");
  EXPECT_FALSE(fs::exists(out));
  EXPECT_EQ(run("build --yes -o '" + out + "' " + steps), 0) << err;
  EXPECT_EQ(err, "Exceed Valence?\n");
  EXPECT_TRUE(fs::exists(out));
}

TEST_F(CliTest, RenderWritesPngAndSvg)
{
  const std::string path = saveSample();
  const std::string png = (dir / "co.png").string();
  ASSERT_EQ(run("render '" + path + "' -o '" + png + "' --view 10 --size 200x100"), 0) << err;
  const std::string image = slurp(png);
  ASSERT_GE(image.size(), 24u);
  EXPECT_EQ(image.substr(1, 3), "PNG");
  // The width and height words of the PNG header: 200 x 100.
  EXPECT_EQ(static_cast<unsigned char>(image[19]), 200);
  EXPECT_EQ(static_cast<unsigned char>(image[23]), 100);

  const std::string svg = (dir / "co.svg").string();
  ASSERT_EQ(run("render '" + path + "' -o '" + svg + "' --view 110"), 0) << err;
  const std::string text = slurp(svg);
  EXPECT_NE(text.find("<svg"), std::string::npos);
  EXPECT_NE(text.find("</svg>"), std::string::npos);

  EXPECT_EQ(run("render '" + path + "' -o '" + png + "' --view 20"), 2);
  EXPECT_EQ(run("render '" + path + "' -o '" + (dir / "co.gif").string() + "'"), 2);
  EXPECT_EQ(run("render '" + path + "' -o '" + png + "' --size 0x5"), 2);
}

TEST_F(CliTest, SmilesStepPlacesAMoleculeOrSaysWhyNot)
{
  const std::string out = (dir / "acid.tvx").string();
  ASSERT_EQ(run("build -o '" + out + "' 'smiles:CC(=O)O@100,100'"), 0) << err;
  ASSERT_EQ(run("info '" + out + "'"), 0) << err;
  const auto json = nlohmann::json::parse(this->out);
  EXPECT_EQ(json["atoms"].size(), 4u); // C, C, O, O: the hydrogens stay implicit
  ASSERT_EQ(json["groups"].size(), 1u);
  EXPECT_EQ(json["groups"][0]["smiles"], "CC(=O)O");
  const std::string bad = (dir / "bad.tvx").string();
  EXPECT_EQ(run("build -o '" + bad + "' 'smiles:C1CC@100,100'"), 1);
  EXPECT_EQ(err, "not a valid SMILES: \"C1CC\"\nThe step smiles:C1CC@100,100 could not act\n");
  EXPECT_FALSE(fs::exists(bad));
}

} // namespace
} // namespace trelvix
