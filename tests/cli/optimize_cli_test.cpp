// The optimize command and build step of the command line, the real binary run end to end.
#include "cli_runner.h"
#include "document/drawing.h"
#include "document/file_format.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/element_table.h"
#include "model/structure_atom.h"
#include "platform/scripted_shell.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace trelvix {
namespace {

namespace fs = std::filesystem;

class OptimizeCliTest : public CliRunTest
{
protected:
  ~OptimizeCliTest() override { setCurrentDrawing(nullptr); }
};

TEST_F(OptimizeCliTest, TwoCarbonsEndAtTheIdealLength)
{
  {
    tDrawing doc;
    setCurrentDrawing(&doc);
    auto* a = new tAtm(6, 10, 10, 0);
    auto* b = new tAtm(6, 50, 10, 0);
    doc.Atoms.Add(a);
    doc.Atoms.Add(b);
    auto* link = new tbond(a, b);
    link->ssingle();
    doc.Bonds.Add(link);
    ASSERT_TRUE(saveDrawing(doc, (dir / "cc.tvx").string()));
    setCurrentDrawing(nullptr);
  }
  ASSERT_EQ(run("optimize cc.tvx -o done.tvx --seed 1"), 0) << err;
  EXPECT_EQ(out, "Strain Energy =     0.00 Kcal\n");
  std::unique_ptr<tDrawing> done = loadDrawing((dir / "done.tvx").string());
  ASSERT_TRUE(done);
  setCurrentDrawing(done.get());
  // (1.71 - 0.09 x 2) x (2 x r(C) - 0.01) x 28 x 0.4217807583618035 drawing units.
  const double ideal = 1.53 * (2 * elementData(6).covalentRadius - 0.01) * 28 * 0.4217807583618035;
  EXPECT_NEAR(done->Atoms.At(0)->Dist3d(*done->Atoms.At(1)), ideal, 1e-6);
}

TEST_F(OptimizeCliTest, ProgressLinesAndSeededRepeats)
{
  ASSERT_EQ(run("build --3d -o chair.tvx 161@200,200 protons3d"), 0) << err;
  ASSERT_EQ(run("optimize chair.tvx -o a.tvx --method anneal --seed 4 --progress"), 0) << err;
  const std::string first = out;
  EXPECT_TRUE(std::regex_match(first, std::regex("Strain Energy = +-?[0-9]+\\.[0-9]{2} Kcal\n")))
    << first;
  std::istringstream lines(err);
  std::string line;
  int passes = 0;
  while (std::getline(lines, line)) {
    ++passes;
    EXPECT_TRUE(std::regex_match(line, std::regex(std::to_string(passes) + " -?[0-9]+\\.[0-9]{2}")))
      << line;
  }
  EXPECT_GT(passes, 0);
  // The same seed gives the same run, byte for byte.
  ASSERT_EQ(run("optimize chair.tvx -o b.tvx --method anneal --seed 4"), 0) << err;
  EXPECT_EQ(out, first);
  EXPECT_EQ(err, "");
  EXPECT_EQ(slurp(dir / "a.tvx"), slurp(dir / "b.tvx"));
}

TEST_F(OptimizeCliTest, BuildStepAndBadUsage)
{
  EXPECT_EQ(run("build -o dec.tvx 509@100,200 protons3d optimize optimize:protons"), 0) << err;
  EXPECT_TRUE(fs::exists(dir / "dec.tvx"));
  EXPECT_EQ(run("build -o x.tvx 509@100,200 optimize:sideways"), 2);
  EXPECT_EQ(run("optimize dec.tvx -o y.tvx --method sideways"), 2);
  EXPECT_EQ(run("optimize missing.tvx -o y.tvx"), 1);
  EXPECT_FALSE(fs::exists(dir / "y.tvx"));
}

TEST_F(OptimizeCliTest, SeedsAreWholeNumbersThatFitSixtyFourBits)
{
  ASSERT_EQ(run("build -o dec.tvx 509@100,200"), 0) << err;
  EXPECT_EQ(run("optimize dec.tvx -o y.tvx --seed 18446744073709551615"), 0) << err;
  // Neither wrapped nor cut: -1 and 2^64 would both become 2^64 - 1.
  for (const char* seed : { "-1", "18446744073709551616", "1.5", "", "+3", " 7", "0x10" }) {
    EXPECT_EQ(run(std::string("optimize dec.tvx -o z.tvx --seed '") + seed + "'"), 2) << seed;
    EXPECT_NE(err.find("--seed"), std::string::npos) << err;
  }
  EXPECT_FALSE(fs::exists(dir / "z.tvx"));
}

TEST_F(OptimizeCliTest, TwoAtomsOnOneSpotEndTheRunWithTheEnergyInPowersOfTen)
{
  // Two carbons on one spot: no force can part them, and their pair energy (about 1e61 cal/mol)
  // is beyond any geometry. Every method ends at once and says so whole, with its unit (Optimize
  // Protons has no hydrogen to move here and does nothing).
  ASSERT_EQ(run("build -o spot.tvx atom:6@100,100 atom:6@100,100"), 0) << err;
  for (const char* method : { "optimize", "refine", "anneal", "scramble" }) {
    ASSERT_EQ(
      run(std::string("optimize spot.tvx -o done.tvx --progress --seed 1 --method ") + method), 0)
      << err;
    EXPECT_TRUE(
      std::regex_match(out, std::regex("Strain Energy = [1-9]\\.[0-9]{2}E\\+[0-9]{2} Kcal\n")))
      << method << ": " << out;
    EXPECT_EQ(err, "") << method; // not one pass
  }
}

TEST_F(OptimizeCliTest, CtrlCEndsTheRunAndSavesOnlyWhenAsked)
{
  // Three hundred six-rings: a run of many passes. Ctrl+C (SIGINT) is sent once the first pass
  // has been reported, so the run is surely under way.
  std::string steps;
  for (int i = 0; i < 300; ++i)
    steps +=
      " 154@" + std::to_string(100 + i % 20 * 120) + "," + std::to_string(100 + i / 20 * 120);
  ASSERT_EQ(run("build -o rings.tvx" + steps), 0) << err;
  const auto interrupted = [&](const std::string& options) {
    const std::string command = "cd '" + dir.string() +
                                "' && rm -f err && (TRELVIX3D_CONFIG_DIR=config '" +
                                TRELVIX_CLI_PATH + "' optimize rings.tvx -o out.tvx --method " +
                                "scramble --seed 3 --progress " + options +
                                " >out 2>err & pid=$!; while [ ! -s err ]; do sleep 0.02; done;" +
                                " kill -INT $pid; wait $pid)";
    const int status = std::system(command.c_str());
    err = slurp(dir / "err");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  EXPECT_EQ(interrupted(""), 1);
  EXPECT_NE(err.find("Stopped: nothing saved"), std::string::npos) << err;
  EXPECT_FALSE(std::filesystem::exists(dir / "out.tvx"));
  EXPECT_EQ(interrupted("--save-on-stop"), 0) << err;
  EXPECT_TRUE(std::filesystem::exists(dir / "out.tvx"));
}

TEST_F(OptimizeCliTest, ForceFieldsNameThemselvesAndTheirEnergy)
{
  ASSERT_EQ(run("build --3d -o ethanol.tvx smiles:CCO@200,200"), 0) << err;
  ASSERT_EQ(run("optimize ethanol.tvx -o mmff.tvx --ff mmff94 --progress"), 0) << err;
  EXPECT_TRUE(std::regex_match(out, std::regex("MMFF94 -?[0-9]+\\.[0-9]{4} kcal/mol\n"))) << out;
  // Progress lines "ITERATIONS KCAL FIELD", the first after one chunk of at most 50 iterations
  // (fewer when the run converges within it), then the note that hydrogens were added.
  EXPECT_TRUE(
    std::regex_search(err, std::regex("^([1-9]|[1-4][0-9]|50) -?[0-9]+\\.[0-9]{4} MMFF94\n")))
    << err;
  EXPECT_NE(err.find("Hydrogens were added in 3D before the optimisation"), std::string::npos);

  // Selenium has no MMFF94 type: refused with the atom named, nothing written; auto takes UFF.
  ASSERT_EQ(run("build --3d -o se.tvx smiles:C[Se]C@200,200"), 0) << err;
  EXPECT_EQ(run("optimize se.tvx -o refused.tvx --ff mmff94"), 1);
  EXPECT_NE(err.find("atom 2 (Se)"), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(dir / "refused.tvx"));
  ASSERT_EQ(run("optimize se.tvx -o uff.tvx --ff auto"), 0) << err;
  EXPECT_EQ(out.rfind("UFF ", 0), 0u) << out;
  EXPECT_EQ(run("optimize se.tvx -o x.tvx --ff charmm"), 2);
}

} // namespace
} // namespace trelvix
