#include "platform/binary_io.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trelvix {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// Each test works in a fresh, empty folder of its own, removed afterwards.
class BinaryFile : public ::testing::Test
{
protected:
  BinaryFile()
  {
    std::string pattern = (fs::temp_directory_path() / "trelvix-io-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
      throw std::runtime_error("cannot create a temporary folder");
    m_dir = pattern;
  }
  ~BinaryFile() override
  {
    std::error_code ec;
    fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_dir, ec);
  }

  std::string at(const fs::path& relative) const { return (m_dir / relative).string(); }

  static void write(const fs::path& p, const Bytes& bytes)
  {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << p;
  }

  static Bytes read(const fs::path& p)
  {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }

  /// The names in the test folder, sorted.
  std::vector<std::string> entries() const
  {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(m_dir))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path m_dir;
};

// Room for every file these tests read whole.
constexpr std::size_t anySize = std::size_t{ 1 } << 20;

// Permission checks mean nothing to root, who may read and write anything.
bool runningAsRoot()
{
  return ::geteuid() == 0;
}

TEST_F(BinaryFile, OpenErrorsCarryTheirNumbers)
{
  write(m_dir / "plain.bin", Bytes{ 1 });
  fs::create_directory(m_dir / "folder");
  const struct
  {
    const char* path;
    int code;
  } cases[] = {
    { "missing.tvx", 2 },     // FileNotFound
    { "nofolder/a.tvx", 3 },  // PathNotFound
    { "plain.bin/a.tvx", 3 }, // a file where a folder should be
    { "folder", 5 },          // AccessDenied: a folder is not a file
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    IoResult result = IoResult::Ok;
    const BinaryReader in = BinaryReader::fromFile(at(c.path), result, anySize);
    EXPECT_EQ(static_cast<int>(result), c.code);
    EXPECT_EQ(in.size(), 0u);
  }
}

TEST_F(BinaryFile, AnUnreadableFileIsAccessDenied)
{
  if (runningAsRoot())
    GTEST_SKIP() << "root reads any file";
  write(m_dir / "secret.bin", Bytes{ 1 });
  fs::permissions(m_dir / "secret.bin", fs::perms::none);
  IoResult result = IoResult::Ok;
  BinaryReader::fromFile(at("secret.bin"), result, anySize);
  EXPECT_EQ(result, IoResult::AccessDenied);
}

TEST_F(BinaryFile, ReadsTheWholeFile)
{
  // Larger than any single read, with a pattern that shows a lost or repeated block.
  Bytes big(200000);
  for (std::size_t i = 0; i < big.size(); ++i)
    big[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
  const struct
  {
    const char* name;
    Bytes bytes;
  } cases[] = { { "empty.bin", {} }, { "three.bin", { 1, 2, 3 } }, { "big.bin", big } };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    write(m_dir / c.name, c.bytes);
    IoResult result = IoResult::WriteFailed;
    BinaryReader in = BinaryReader::fromFile(at(c.name), result, anySize);
    EXPECT_EQ(result, IoResult::Ok);
    EXPECT_TRUE(in.ok());
    ASSERT_EQ(in.size(), c.bytes.size());
    Bytes back(c.bytes.size());
    EXPECT_TRUE(in.bytes(back.data(), back.size()));
    EXPECT_EQ(back, c.bytes);
  }
}

TEST_F(BinaryFile, SaveCreatesOrReplacesTheFileWhole)
{
  const fs::path target = m_dir / "doc.tvx";
  EXPECT_EQ(saveFile(target.string(), Bytes{ 1, 2, 3 }), IoResult::Ok);
  EXPECT_EQ(read(target), (Bytes{ 1, 2, 3 }));
  EXPECT_EQ(saveFile(target.string(), Bytes{ 4 }), IoResult::Ok); // shorter: no old tail
  EXPECT_EQ(read(target), Bytes{ 4 });
  EXPECT_EQ(saveFile(target.string(), Bytes{}), IoResult::Ok);
  EXPECT_EQ(fs::file_size(target), 0u);
  EXPECT_EQ(entries(), std::vector<std::string>{ "doc.tvx" }); // no temporary file left
}

TEST_F(BinaryFile, SaveKeepsTheReplacedFilesPermissions)
{
  const fs::path target = m_dir / "doc.tvx";
  write(target, Bytes{ 9 });
  const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(target, mode);
  ASSERT_EQ(saveFile(target.string(), Bytes{ 1 }), IoResult::Ok);
  EXPECT_EQ(fs::status(target).permissions(), mode);

  // A new document gets 0666 less the umask, not the private mode of a temporary file.
  const mode_t mask = ::umask(022);
  const fs::path fresh = m_dir / "new.tvx";
  const IoResult saved = saveFile(fresh.string(), Bytes{ 1 });
  ::umask(mask);
  ASSERT_EQ(saved, IoResult::Ok);
  EXPECT_EQ(fs::status(fresh).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
              fs::perms::others_read);
}

TEST_F(BinaryFile, SavingIntoAMissingFolderIsPathNotFound)
{
  EXPECT_EQ(saveFile(at("nofolder/doc.tvx"), Bytes{ 1 }), IoResult::PathNotFound);
  EXPECT_TRUE(entries().empty());
}

TEST_F(BinaryFile, SavingOverAFolderFailsAndLeavesItAsItWas)
{
  fs::create_directory(m_dir / "taken");
  write(m_dir / "taken" / "inside", Bytes{ 5 });
  EXPECT_EQ(saveFile(at("taken"), Bytes{ 1 }), IoResult::AccessDenied);
  EXPECT_TRUE(fs::is_directory(m_dir / "taken"));
  EXPECT_EQ(read(m_dir / "taken" / "inside"), Bytes{ 5 });
  EXPECT_EQ(entries(), std::vector<std::string>{ "taken" });
}

// Limits the size of files this process may write, so that writing the temporary file fails
// part way (EFBIG) the way a full disk would; restores the limit and the signal on exit.
class FileSizeLimit
{
public:
  explicit FileSizeLimit(rlim_t bytes)
  {
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit limit = m_old;
    limit.rlim_cur = bytes;
    m_set = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~FileSizeLimit()
  {
    ::setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
  }
  bool set() const { return m_set; }

private:
  rlimit m_old{};
  void (*m_oldHandler)(int) = nullptr;
  bool m_set = false;
};

TEST_F(BinaryFile, AFailedWriteLeavesTheOldFileAndNoTemporary)
{
  const fs::path target = m_dir / "doc.tvx";
  write(target, Bytes{ 9, 9, 9 });
  IoResult result = IoResult::Ok;
  {
    const FileSizeLimit limit(16);
    ASSERT_TRUE(limit.set());
    result = saveFile(target.string(), Bytes(1000, 1));
  }
  EXPECT_EQ(result, IoResult::WriteFailed);
  EXPECT_EQ(static_cast<int>(result), 101);
  EXPECT_EQ(read(target), (Bytes{ 9, 9, 9 }));
  EXPECT_EQ(entries(), std::vector<std::string>{ "doc.tvx" });
}

TEST_F(BinaryFile, SavingIntoAReadOnlyFolderIsAccessDenied)
{
  if (runningAsRoot())
    GTEST_SKIP() << "root writes into any folder";
  const fs::path target = m_dir / "doc.tvx";
  write(target, Bytes{ 9 });
  fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(saveFile(target.string(), Bytes{ 1 }), IoResult::AccessDenied);
  fs::permissions(m_dir, fs::perms::owner_all);
  EXPECT_EQ(read(target), Bytes{ 9 });
  EXPECT_EQ(entries(), std::vector<std::string>{ "doc.tvx" });
}

TEST_F(BinaryFile, ReadingStopsAtTheBoundWithTooLarge)
{
  write(m_dir / "four.bin", Bytes{ 1, 2, 3, 4 });
  const struct
  {
    std::string path;
    std::size_t bound;
    IoResult result;
    std::size_t size;
  } cases[] = {
    { at("four.bin"), 4, IoResult::Ok, 4 },       // exactly the bound
    { at("four.bin"), 3, IoResult::TooLarge, 0 }, // one byte over
    { "/dev/zero", 1000, IoResult::TooLarge, 0 }, // endless: ends after 1001 bytes
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path + " " + std::to_string(c.bound));
    IoResult result = IoResult::Ok;
    std::string reason;
    const BinaryReader in =
      BinaryReader::fromFile(c.path, result, c.bound, BinaryReader::Source::AnyFile, &reason);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(in.size(), c.size);
    if (c.result == IoResult::TooLarge) {
      EXPECT_EQ(reason,
                "larger than the " + std::to_string(c.bound) + " bytes such a file can hold");
    }
  }
}

TEST_F(BinaryFile, RegularOnlyRefusesPipesAndDevicesWithoutWaiting)
{
  // Nobody writes to the pipe: opening it without O_NONBLOCK would wait for ever.
  ASSERT_EQ(::mkfifo(at("pipe").c_str(), 0600), 0);
  for (const std::string& path : { at("pipe"), std::string("/dev/zero") }) {
    SCOPED_TRACE(path);
    IoResult result = IoResult::Ok;
    std::string reason;
    BinaryReader::fromFile(path, result, 502, BinaryReader::Source::RegularOnly, &reason);
    EXPECT_EQ(result, IoResult::AccessDenied);
    EXPECT_EQ(reason, "not a regular file");
  }
}

TEST_F(BinaryFile, AMissingFileGivesTheSystemsReason)
{
  IoResult result = IoResult::Ok;
  std::string reason;
  BinaryReader::fromFile(
    at("missing.tvx"), result, anySize, BinaryReader::Source::AnyFile, &reason);
  EXPECT_EQ(reason, "No such file or directory");
  EXPECT_EQ(saveFile(at("nofolder/doc.tvx"), Bytes{ 1 }, &reason), IoResult::PathNotFound);
  EXPECT_EQ(reason, "No such file or directory");
}

TEST_F(BinaryFile, SavingThroughALinkWritesItsTargetAndKeepsTheLink)
{
  fs::create_directory(m_dir / "real");
  write(m_dir / "real" / "doc.tvx", Bytes{ 9 });
  // A relative link in one folder, and a link to that link: the chain is followed to its end.
  fs::create_symlink("real/doc.tvx", m_dir / "link.tvx");
  fs::create_symlink(m_dir / "link.tvx", m_dir / "second.tvx");
  ASSERT_EQ(saveFile(at("second.tvx"), Bytes{ 1, 2 }), IoResult::Ok);
  EXPECT_TRUE(fs::is_symlink(m_dir / "link.tvx"));
  EXPECT_TRUE(fs::is_symlink(m_dir / "second.tvx"));
  EXPECT_EQ(read(m_dir / "real" / "doc.tvx"), (Bytes{ 1, 2 }));
  EXPECT_EQ(entries(), (std::vector<std::string>{ "link.tvx", "real", "second.tvx" }));
  // A link to a file not there yet creates the file it names.
  fs::create_symlink("real/new.tvx", m_dir / "ahead.tvx");
  ASSERT_EQ(saveFile(at("ahead.tvx"), Bytes{ 3 }), IoResult::Ok);
  EXPECT_TRUE(fs::is_symlink(m_dir / "ahead.tvx"));
  EXPECT_EQ(read(m_dir / "real" / "new.tvx"), Bytes{ 3 });
}

TEST_F(BinaryFile, APipeOrALinkToOneIsNeverReplaced)
{
  ASSERT_EQ(::mkfifo(at("pipe").c_str(), 0600), 0);
  fs::create_symlink("pipe", m_dir / "to-pipe");
  for (const char* name : { "pipe", "to-pipe" }) {
    SCOPED_TRACE(name);
    std::string reason;
    EXPECT_EQ(saveFile(at(name), Bytes{ 1 }, &reason), IoResult::AccessDenied);
    EXPECT_EQ(reason, "not a regular file");
    EXPECT_TRUE(fs::is_fifo(m_dir / "pipe"));
  }
  EXPECT_EQ(entries(), (std::vector<std::string>{ "pipe", "to-pipe" }));
}

TEST_F(BinaryFile, ANameAsLongAsTheFolderAllowsSaves)
{
  // 255 bytes is the longest name Linux file systems hold; the temporary file beside it has a
  // short name of its own.
  for (const std::size_t length : { std::size_t{ 250 }, std::size_t{ 255 } }) {
    const std::string name = std::string(length - 4, 'a') + ".tvx";
    SCOPED_TRACE(length);
    ASSERT_EQ(saveFile(at(name), Bytes{ 7 }), IoResult::Ok);
    EXPECT_EQ(read(m_dir / name), Bytes{ 7 });
    ASSERT_EQ(saveFile(at(name), Bytes{ 8 }), IoResult::Ok);
    EXPECT_EQ(read(m_dir / name), Bytes{ 8 });
  }
  EXPECT_EQ(entries().size(), 2u);
}

TEST_F(BinaryFile, AReadOnlyFileIsNotReplaced)
{
  const fs::path target = m_dir / "kept.tvx";
  write(target, Bytes{ 9 });
  fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
  std::string reason;
  // Even root, whom the system lets write it, keeps a file its owner made read-only.
  EXPECT_EQ(saveFile(target.string(), Bytes{ 1 }, &reason), IoResult::AccessDenied);
  EXPECT_EQ(reason, "Permission denied");
  EXPECT_EQ(read(target), Bytes{ 9 });
  EXPECT_EQ(entries(), std::vector<std::string>{ "kept.tvx" });
}

TEST_F(BinaryFile, APipeWithoutAWriterReadsAsEmptyAtOnce)
{
  ASSERT_EQ(::mkfifo(at("pipe").c_str(), 0600), 0);
  IoResult result = IoResult::TooLarge;
  const BinaryReader in =
    BinaryReader::fromFile(at("pipe"), result, anySize, BinaryReader::Source::AnyFile);
  EXPECT_EQ(result, IoResult::Ok);
  EXPECT_EQ(in.size(), 0u);
}

TEST_F(BinaryFile, ALoopOfLinksIsRefused)
{
  fs::create_symlink("b", m_dir / "a");
  fs::create_symlink("a", m_dir / "b");
  std::string reason;
  EXPECT_NE(saveFile(at("a"), Bytes{ 1 }, &reason), IoResult::Ok);
  EXPECT_FALSE(reason.empty());
  EXPECT_TRUE(fs::is_symlink(m_dir / "a"));
}

} // namespace
} // namespace trelvix
