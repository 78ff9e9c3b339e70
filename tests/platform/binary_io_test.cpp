#include "platform/binary_io.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace trelvix {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class TempDir : public ::testing::Test
{
protected:
  TempDir()
  {
    dir = fs::temp_directory_path() /
          ("trelvix-io-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  ~TempDir() override { fs::remove_all(dir); }

  static void write(const fs::path& p, const Bytes& bytes)
  {
    std::ofstream(p, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  }

  static Bytes read(const fs::path& p)
  {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }

  std::size_t entries() const
  {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
  }

  fs::path dir;
};

TEST(BinaryReader, ReadsLittleEndianFields)
{
  BinaryReader in(Bytes{ 0xFE,                                         // i8 -2
                         0x34, 0x12,                                   // u16 0x1234
                         0xFF, 0xFF,                                   // i16 -1
                         0x78, 0x56, 0x34, 0x12,                       // u32
                         0xFE, 0xFF, 0xFF, 0xFF,                       // i32 -2
                         0x00, 0x00, 0xC0, 0x3F,                       // f32 1.5
                         0,    0,    0,    0,    0,  0,    0xF8, 0xBF, // f64 -1.5
                         0x85, 0,    0,    0,    0,  0x60,             // 6-byte 28
                         3,    'a',  'b',  'c',  'x' });
  EXPECT_EQ(in.i8(), -2);
  EXPECT_EQ(in.u16(), 0x1234);
  EXPECT_EQ(in.i16(), -1);
  EXPECT_EQ(in.u32(), 0x12345678u);
  EXPECT_EQ(in.i32(), -2);
  EXPECT_EQ(in.f32(), 1.5f);
  EXPECT_EQ(in.f64(), -1.5);
  EXPECT_EQ(in.real48(), 28.0);
  const auto s = in.shortString<4>();
  EXPECT_EQ(s.str(), "abc");
  EXPECT_EQ(s.chars[3], 'x'); // the tail past the length is kept
  EXPECT_TRUE(in.ok());
  EXPECT_EQ(in.remaining(), 0u);
}

TEST(BinaryReader, ReadingPastTheEndFailsAndStaysFailed)
{
  BinaryReader in(Bytes{ 1, 2, 3 });
  EXPECT_EQ(in.u16(), 0x0201);
  EXPECT_EQ(in.u16(), 0); // one byte left: nothing consumed
  EXPECT_EQ(in.result(), IoResult::ReadPastEnd);
  EXPECT_EQ(static_cast<int>(in.result()), 100);
  EXPECT_EQ(in.position(), 2u);
  EXPECT_EQ(in.u8(), 0); // the byte that is there is not read any more
  std::uint8_t out[2] = { 9, 9 };
  EXPECT_FALSE(in.bytes(out, 1));
  EXPECT_EQ(out[0], 9);
}

TEST(BinaryWriter, WritesWhatTheReaderReads)
{
  BinaryWriter out;
  out.i8(-2);
  out.u16(0x1234);
  out.i32(-70000);
  out.f64(0.1);
  out.real48(-0.375);
  out.shortString(ShortString<3>("hello"));
  EXPECT_TRUE(out.ok());
  EXPECT_EQ(out.size(), 1u + 2 + 4 + 8 + 6 + 4);
  BinaryReader in(out.data());
  EXPECT_EQ(in.i8(), -2);
  EXPECT_EQ(in.u16(), 0x1234);
  EXPECT_EQ(in.i32(), -70000);
  EXPECT_EQ(in.f64(), 0.1);
  EXPECT_EQ(in.real48(), -0.375);
  EXPECT_EQ(in.shortString<3>().str(), "hel");
}

TEST(BinaryWriter, ARealOutOfRangeIsAnErrorNotGarbage)
{
  BinaryWriter out;
  out.real48(1e300);
  out.u8(7);
  EXPECT_EQ(out.result(), IoResult::FloatOverflow);
  EXPECT_EQ(out.data(), (Bytes{ 0, 0, 0, 0, 0, 0, 7 }));
}

using FileTest = TempDir;

TEST_F(FileTest, OpenErrorsCarryTheirCodes)
{
  IoResult result = IoResult::Ok;
  BinaryReader::fromFile((dir / "missing.tvx").string(), result);
  EXPECT_EQ(static_cast<int>(result), 2);
  BinaryReader::fromFile((dir / "nofolder" / "a.tvx").string(), result);
  EXPECT_EQ(static_cast<int>(result), 3);
  BinaryReader::fromFile(dir.string(), result);
  EXPECT_EQ(static_cast<int>(result), 5);

  write(dir / "a.bin", Bytes{ 1, 2, 3 });
  BinaryReader in = BinaryReader::fromFile((dir / "a.bin").string(), result);
  EXPECT_EQ(result, IoResult::Ok);
  EXPECT_EQ(in.size(), 3u);
  EXPECT_EQ(in.u8(), 1);
}

TEST_F(FileTest, SaveReplacesTheFileWhole)
{
  const fs::path target = dir / "doc.tvx";
  write(target, Bytes{ 9, 9, 9, 9 });
  EXPECT_EQ(saveFile(target.string(), Bytes{ 1, 2 }), IoResult::Ok);
  EXPECT_EQ(read(target), (Bytes{ 1, 2 }));
  EXPECT_EQ(entries(), 1u); // no temporary file left beside it
}

TEST_F(FileTest, AFailedSaveLeavesTheOldFileAndNoLeftovers)
{
  EXPECT_EQ(saveFile((dir / "nofolder" / "doc.tvx").string(), Bytes{ 1 }), IoResult::PathNotFound);
  const fs::path folder = dir / "taken";
  fs::create_directory(folder);
  write(folder / "inside", Bytes{ 5 });
  EXPECT_NE(saveFile(folder.string(), Bytes{ 1 }), IoResult::Ok);
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(read(folder / "inside"), Bytes{ 5 });
  EXPECT_EQ(entries(), 1u);
}

} // namespace
} // namespace trelvix
