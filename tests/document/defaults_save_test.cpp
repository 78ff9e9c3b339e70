#include "document/defaults_file.h"
#include "model/defaults.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace trelvix {
namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<std::uint8_t>;

Bytes fileBytes(const fs::path& path)
{
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const fs::path& path, const Bytes& bytes)
{
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

std::string textAt(const Bytes& bytes, std::size_t at)
{
  return std::string(reinterpret_cast<const char*>(bytes.data() + at));
}

int u16At(const Bytes& bytes, std::size_t at)
{
  return bytes[at] | bytes[at + 1] << 8;
}

class DefaultsSaveTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    std::string pattern = (fs::temp_directory_path() / "trelvix-defaults-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override { fs::remove_all(dir); }

  ModelDefaultsScope scope;
  fs::path dir;
};

// The reset record as the file holds it, for a screen of 96 dots per inch.
void expectResetRecord(const Bytes& file)
{
  ASSERT_EQ(file.size(), 502u);
  EXPECT_EQ(u16At(file, 0), 0);
  EXPECT_EQ(file[2], 0);
  EXPECT_EQ(u16At(file, 3), 28);
  EXPECT_EQ(file[5], 1);
  EXPECT_EQ(u16At(file, 6), 13); // font height: 10 * 96 / 72 = 13.3
  EXPECT_EQ(u16At(file, 6 + 8), 400);
  EXPECT_EQ(textAt(file, 6 + 18), "MS Sans Serif");
  EXPECT_EQ(u16At(file, 56), 100);
  EXPECT_EQ(u16At(file, 58), 16);
  EXPECT_EQ(u16At(file, 60), 16);
  EXPECT_EQ(file[62], 13);
  EXPECT_EQ(textAt(file, 67), "/home/chemist");
  EXPECT_EQ(textAt(file, 212), "/home/chemist");
  EXPECT_EQ(file[357], 0);
}

TEST_F(DefaultsSaveTest, FirstStartCreatesTheFolderAndWritesTheResetRecord)
{
  const fs::path path = dir / "config" / "trelvix3d" / "trelvix3d98.cfg";
  modelDefaults().BondScalePixels = 42;

  const StartDefaults start = startDefaults(path.string(), "/home/chemist", 96);

  EXPECT_TRUE(start.reset);
  EXPECT_TRUE(start.written.ok) << start.written.reason;
  expectResetRecord(fileBytes(path));
  EXPECT_EQ(modelDefaults().BondScalePixels, 28);
  EXPECT_EQ(modelDefaults().font.height, 13);
}

TEST_F(DefaultsSaveTest, ShortOrMisplacedFilesAreReplacedByTheResetRecord)
{
  const fs::path path = dir / "trelvix3d98.cfg";
  for (const std::size_t size : { std::size_t{ 0 }, std::size_t{ 1 }, std::size_t{ 501 } }) {
    SCOPED_TRACE(size);
    writeBytes(path, Bytes(size, 0x2A));
    const StartDefaults start = startDefaults(path.string(), "/home/chemist", 96);
    EXPECT_TRUE(start.reset);
    expectResetRecord(fileBytes(path));
  }
}

TEST_F(DefaultsSaveTest, FontHeightFollowsTheScreen)
{
  struct Case
  {
    int dpi;
    int height;
  };
  // 10 * dpi / 72 rounded: 13.3, 16.7, 26.7, 20.0
  for (const Case c : { Case{ 96, 13 }, Case{ 120, 17 }, Case{ 192, 27 }, Case{ 144, 20 } }) {
    SCOPED_TRACE(c.dpi);
    const DefaultsRecord r = resetDefaultsRecord("/home/chemist", c.dpi);
    EXPECT_EQ(r[6] | r[7] << 8, c.height);
  }
}

TEST_F(DefaultsSaveTest, ReservedBytesSurviveALoadAndASave)
{
  const fs::path path = dir / "trelvix3d98.cfg";
  Bytes file(502, 0);
  for (std::size_t i = 0; i < file.size(); ++i)
    file[i] = static_cast<std::uint8_t>(0x40 + i % 61);
  file[3] = 42; // scale 42
  file[4] = 0;
  file[5] = 2;  // line width 2
  file[58] = 8; // nudge 8 x 6
  file[59] = 0;
  file[60] = 6;
  file[61] = 0;
  writeBytes(path, file);

  StartDefaults start = startDefaults(path.string(), "/home/chemist", 96);
  ASSERT_FALSE(start.reset);
  EXPECT_EQ(modelDefaults().BondScalePixels, 42);
  EXPECT_EQ(modelDefaults().LineWidth, 2);
  EXPECT_EQ(modelDefaults().JumpX, 8);
  EXPECT_EQ(modelDefaults().JumpY, 6);

  modelDefaults().BondScalePixels = 56;
  storeDefaults(start.record);
  ASSERT_TRUE(saveDefaults(path.string(), start.record).ok);

  Bytes expected = file;
  expected[3] = 56;
  EXPECT_EQ(fileBytes(path), expected);
}

TEST_F(DefaultsSaveTest, AFailedWriteSaysWhyAndKeepsTheDefaultsInForce)
{
  // A regular file where the folder should be: the folder cannot be made.
  writeBytes(dir / "blocked", Bytes{ 1 });
  const DefaultsWriteResult noFolder =
    saveDefaults((dir / "blocked" / "trelvix3d98.cfg").string(), DefaultsRecord{});
  EXPECT_FALSE(noFolder.ok);
  EXPECT_NE(noFolder.reason.find("blocked"), std::string::npos) << noFolder.reason;

  // A folder where the file should be: nothing to read, and the reset record cannot replace it.
  const fs::path path = dir / "trelvix3d98.cfg";
  fs::create_directory(path);
  modelDefaults().BondScalePixels = 42;
  const StartDefaults start = startDefaults(path.string(), "/home/chemist", 96);
  EXPECT_TRUE(start.reset);
  EXPECT_FALSE(start.written.ok);
  EXPECT_FALSE(start.written.reason.empty());
  EXPECT_EQ(modelDefaults().BondScalePixels, 28);
  EXPECT_TRUE(fs::is_directory(path));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2)
    << "no temporary file is left behind";
}

} // namespace
} // namespace trelvix
