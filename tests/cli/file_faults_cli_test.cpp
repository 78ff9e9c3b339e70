// What the command line does with inputs and outputs that are not what they should be: each
// gives its message in plain words and exit status 1, never a hang, a crash or a silent success.
#include "cli_runner.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace trelvix {
namespace {

namespace fs = std::filesystem;

const std::string header = "x\n  handmade\n\n";
const std::string carbon =
  "    0.0000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n";

class FileFaultsCli : public CliRunTest
{
protected:
  void write(const std::string& name, const std::string& text)
  {
    std::ofstream(dir / name, std::ios::binary) << text;
  }

  /// The exit status of the CLI with its standard output on a full disk.
  int runToFullDisk(const std::string& arguments)
  {
    const std::string command = "cd '" + dir.string() + "' && TRELVIX3D_CONFIG_DIR=config '" +
                                TRELVIX_CLI_PATH + "' " + arguments + " >/dev/full 2>err";
    const int status = std::system(command.c_str());
    err = slurp(dir / "err");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
};

TEST_F(FileFaultsCli, MalformedInputsNameTheFileTheLineAndTheFault)
{
  const struct
  {
    const char* file;
    std::string text;
    const char* message;
  } cases[] = {
    { "past.mol",
      header + "  2  1  0  0  0  0  0  0  0  0999 V2000\n" + carbon + carbon +
        "  1  3  1  0\nM  END\n",
      "past.mol: line 7: bond 1 names atom 3, but the record has 2 atoms\n" },
    { "charge.mol",
      header + "  2  1  0  0  0  0  0  0  0  0999 V2000\n" + carbon + carbon +
        "  1  2  1  0\nM  CHG  1   5  -1\nM  END\n",
      "charge.mol: line 8: \"M  CHG\" names atom 5, but the record has 2 atoms\n" },
    { "negative.mol",
      header + " -2  1  0  0  0  0  0  0  0  0999 V2000\n" + carbon + "M  END\n",
      "negative.mol: line 4: Cannot convert ' -2' to unsigned int\n" },
    { "huge.mol",
      header + "999  1  0  0  0  0  0  0  0  0999 V2000\n" + carbon + "M  END\n",
      "huge.mol: line 6: Atom line too short: 'M  END'\n" },
    { "nan.mol",
      header + "  1  0  0  0  0  0  0  0  0  0999 V2000\n" +
        "       nan    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\nM  END\n",
      "nan.mol: line 5: Cannot process coordinates\n" },
    { "huge.xyz", "99999999999999999999\nx\n", "huge.xyz: line 1: expected the number of atoms\n" },
    { "nan.xyz",
      "1\nx\nC nan 0 0\n",
      "nan.xyz: line 3: expected an element and three coordinates\n" },
    { "accent.smi",
      "CC\xC3\xA9"
      "CCCC\n",
      "accent.smi: line 1: not a valid SMILES: character 3 (byte 0xC3) is not one SMILES holds\n" },
    { "nul.smi",
      std::string("CC\0CCCC\n", 8),
      "nul.smi: line 1: not a valid SMILES: character 3 (byte 0x00) is not one SMILES holds\n" },
    { "valence.smi",
      "C(C)(C)(C)(C)C\n",
      "valence.smi: line 1: SMILES \"C(C)(C)(C)(C)C\": atom 1: more bonds than its valence "
      "allows\n" },
    // A molfile where a document is expected is refused, not read as an empty document.
    { "mol.tvx",
      header + std::string(600, ' '),
      "Invalid file format: mol.tvx: not a Trelvix3D document\n" },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    write(c.file, c.text);
    EXPECT_EQ(run(std::string("convert ") + c.file + " out.tvx"), 1);
    EXPECT_EQ(err, c.message);
    EXPECT_FALSE(fs::exists(dir / "out.tvx"));
  }
}

TEST_F(FileFaultsCli, FoldersPipesAndDevicesAreRefusedAtOnce)
{
  fs::create_directory(dir / "folder.mol");
  ASSERT_EQ(::mkfifo((dir / "pipe.sdf").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo((dir / "pipe.tvx").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir / "zero.xyz");
  const std::pair<const char*, const char*> cases[] = {
    { "convert folder.mol out.tvx", "folder.mol: Is a directory\n" },
    { "convert pipe.sdf out.tvx", "pipe.sdf: not a regular file\n" },
    { "convert zero.xyz out.tvx", "zero.xyz: not a regular file\n" },
    // Nobody writes to the pipe: it reads as an empty file, at once.
    { "info pipe.tvx", "Invalid file format: pipe.tvx: the file is empty\n" },
    { "convert - out.tvx --format smi < /dev/zero",
      "standard input: longer than the 64 MiB the program reads of a SMILES file\n" },
  };
  for (const auto& [arguments, message] : cases) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(run(arguments), 1);
    EXPECT_EQ(err, message);
  }
}

TEST_F(FileFaultsCli, ADocumentCutShortIsNoInput)
{
  write("co.smi", "C=O\n");
  ASSERT_EQ(run("convert co.smi co.tvx"), 0) << err;
  const std::string whole = slurp(dir / "co.tvx");
  // Cut in its solute data, then in its coordinates.
  write("cut.tvx", whole.substr(0, whole.size() - 20));
  EXPECT_EQ(run("convert cut.tvx out.mol"), 1);
  EXPECT_EQ(err, "end of file: cut.tvx: the file ends before its last section\n");
  write("cut.tvx", whole.substr(0, whole.size() - 150));
  EXPECT_EQ(run("convert cut.tvx out.mol"), 1);
  EXPECT_EQ(err, "end of file: cut.tvx: the file ends before its last section\n");
  EXPECT_EQ(run("convert - out.mol --format tvx < cut.tvx"), 1);
  EXPECT_EQ(err, "end of file: standard input: the file ends before its last section\n");
  EXPECT_FALSE(fs::exists(dir / "out.mol"));
}

TEST_F(FileFaultsCli, EveryCommandWritingToAFullDiskSaysSoAndExitsOne)
{
  write("co.smi", "C=O\n");
  ASSERT_EQ(run("convert co.smi co.tvx"), 0) << err;
  const char* commands[] = {
    "info co.tvx",
    "properties co.tvx",
    "frequencies co.tvx",
    "optimize co.tvx -o optimised.tvx",
    "convert co.tvx - --format sdf",
    "convert co.tvx - --format tvx",
  };
  for (const char* arguments : commands) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(runToFullDisk(arguments), 1);
    EXPECT_EQ(err, "Cannot write to standard output: No space left on device\n");
  }
}

TEST_F(FileFaultsCli, SavingSaysWhyItCannot)
{
  write("co.smi", "C=O\n");
  write("kept.tvx", "old");
  ::chmod((dir / "kept.tvx").c_str(), 0444);
  const std::pair<const char*, const char*> cases[] = {
    { "convert co.smi nofolder/out.tvx",
      "Path not found: nofolder/out.tvx: No such file or directory\n" },
    { "convert co.smi nofolder/out.sdf",
      "nofolder/out.sdf: cannot write the file: No such file or directory\n" },
    { "convert co.smi kept.tvx", "Invalid FileName: kept.tvx: Permission denied\n" },
  };
  for (const auto& [arguments, message] : cases) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(run(arguments), 1);
    EXPECT_EQ(err, message);
  }
  EXPECT_EQ(slurp(dir / "kept.tvx"), "old");
  // The longest names a folder holds save, their temporary files named apart.
  const std::string longName = std::string(246, 'n') + ".tvx";
  EXPECT_EQ(run("convert co.smi " + longName), 0) << err;
  EXPECT_TRUE(fs::exists(dir / longName));
}

TEST_F(FileFaultsCli, HydrogenProtonsHydridesAndIonsRoundTrip)
{
  const std::pair<const char*, const char*> cases[] = {
    { "[H][H]", "[H][H]\n" },           { "[H+]", "[H+]\n" }, { "[H-]", "[H-]\n" },
    { "[Na+].[Cl-]", "[Cl-].[Na+]\n" }, { "[He]", "[He]\n" },
  };
  for (const auto& [smiles, written] : cases) {
    SCOPED_TRACE(smiles);
    write("in.smi", std::string(smiles) + "\n");
    ASSERT_EQ(run("convert in.smi in.tvx"), 0) << err;
    ASSERT_EQ(run("convert in.tvx - --format smi"), 0) << err;
    EXPECT_EQ(out, written);
    // As a build step too.
    EXPECT_EQ(run(std::string("build -o step.tvx 'smiles:") + smiles + "@100,100'"), 0) << err;
  }
}

TEST_F(FileFaultsCli, AKeyEditBeyondTheSixteenBitCountsIsRefusedNotAborted)
{
  // 32 770 carbons 4 Å apart, in rows of 182: more atoms than a 16-bit count holds.
  std::string xyz = "32770\nmany\n";
  for (int i = 0; i < 32770; ++i)
    xyz += "C " + std::to_string((i % 182) * 4) + " " + std::to_string((i / 182) * 4) + " 0\n";
  write("many.xyz", xyz);
  ASSERT_EQ(run("convert many.xyz many.tvx"), 0) << err;
  EXPECT_EQ(run("build --in many.tvx -o edited.tvx key:U@56,56"), 1);
  EXPECT_EQ(err, "Arithmetic overflow\nThe step key:U@56,56 could not act\n");
  EXPECT_FALSE(fs::exists(dir / "edited.tvx"));
}

} // namespace
} // namespace trelvix
