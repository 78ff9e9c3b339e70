#include "platform/binary_io.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <type_traits>
#include <unistd.h>

namespace trelvix {

namespace {

// The unsigned integer of the same width as T, whose bytes are T's bytes.
template<class T>
using Bits = std::conditional_t<
  sizeof(T) == 1,
  std::uint8_t,
  std::conditional_t<sizeof(T) == 2,
                     std::uint16_t,
                     std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>>;

// The result code of a failed open, create or rename of path. A missing file is FileNotFound
// only when its folder exists; otherwise the path itself is wrong. Anything not named here is
// reported as other, the generic failure of the operation.
IoResult fileError(int error, const std::string& path, IoResult other)
{
  switch (error) {
    case ENOENT: {
      const auto parent = std::filesystem::path(path).parent_path();
      std::error_code ec;
      if (!parent.empty() && !std::filesystem::is_directory(parent, ec))
        return IoResult::PathNotFound;
      return IoResult::FileNotFound;
    }
    case ENOTDIR: // a file stands where a folder of the path should be
      return IoResult::PathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
      return IoResult::AccessDenied;
    default:
      return other;
  }
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t n)
{
  while (n > 0) {
    const ssize_t written = ::write(fd, data, n);
    if (written < 0 && errno == EINTR)
      continue;
    if (written <= 0)
      return false;
    data += written;
    n -= static_cast<std::size_t>(written);
  }
  return true;
}

// Creates a new file beside path for the save to write to; its name goes to temp. The name is
// short and its own (".tvx-PID-N" in path's folder), so any name the folder allows saves. O_EXCL
// makes sure an existing file is never reused. Returns the descriptor, or -1 with errno set.
int createTemporary(const std::string& path, std::string& temp)
{
  static std::atomic<unsigned> counter{ 0 };
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = ".tvx-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    temp = (folder / name).string();
    // 0666 less the umask: the permissions any newly created document gets.
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST)
      return fd;
  }
  errno = EEXIST;
  return -1;
}

// The file a save to path writes: path itself, or the final target of the symbolic links it
// names (a relative link counts from the link's folder), so that the links stay links.
std::string linkTarget(const std::string& path, std::error_code& ec)
{
  namespace fs = std::filesystem;
  fs::path p(path);
  // The system's own bound on links in a row; beyond it the chain is a loop.
  for (int hop = 0; hop < 40; ++hop) {
    const fs::file_status status = fs::symlink_status(p, ec);
    if (ec == std::errc::no_such_file_or_directory) {
      ec.clear();
      return p.string();
    }
    if (ec || !fs::is_symlink(status))
      return p.string();
    const fs::path next = fs::read_symlink(p, ec);
    if (ec)
      return p.string();
    p = next.is_absolute() ? next : p.parent_path() / next;
  }
  ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
  return p.string();
}

} // namespace

BinaryReader::BinaryReader(std::vector<std::uint8_t> bytes)
  : m_bytes(std::move(bytes))
{
}

BinaryReader BinaryReader::fromFile(const std::string& path,
                                    IoResult& result,
                                    std::size_t maxBytes,
                                    Source source,
                                    std::string* reason)
{
  const auto fail = [&](IoResult code, const std::string& why) {
    result = code;
    if (reason)
      *reason = why;
    return BinaryReader();
  };
  // Without O_NONBLOCK opening a pipe waits for a writer; a regular file reads the same with it.
  // A pipe that is read is then read waiting for its data, but one without a writer reads as
  // empty at once.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    const int error = errno;
    return fail(fileError(error, path, IoResult::ReadPastEnd), std::strerror(error));
  }
  struct stat info;
  if (::fstat(fd, &info) != 0) {
    const int error = errno;
    ::close(fd);
    return fail(IoResult::ReadPastEnd, std::strerror(error));
  }
  if (source == Source::AnyFile && !S_ISREG(info.st_mode))
    static_cast<void>(::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK));
  if (S_ISDIR(info.st_mode)) { // a folder opens for reading but is not a file to load
    ::close(fd);
    return fail(IoResult::AccessDenied, std::strerror(EISDIR));
  }
  if (source == Source::RegularOnly && !S_ISREG(info.st_mode)) {
    ::close(fd);
    return fail(IoResult::AccessDenied, "not a regular file");
  }
  const auto tooLarge = [&] {
    ::close(fd);
    return fail(IoResult::TooLarge,
                "larger than the " + std::to_string(maxBytes) + " bytes such a file can hold");
  };
  if (S_ISREG(info.st_mode) && static_cast<std::uintmax_t>(info.st_size) > maxBytes)
    return tooLarge();
  std::vector<std::uint8_t> bytes;
  if (S_ISREG(info.st_mode))
    bytes.reserve(static_cast<std::size_t>(info.st_size));
  std::uint8_t buffer[65536];
  for (;;) {
    // One byte past the bound tells a file that is too long from one that fits exactly.
    const std::size_t want = std::min(sizeof buffer, maxBytes + 1 - bytes.size());
    const ssize_t got = ::read(fd, buffer, want);
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0) {
      const int error = errno;
      ::close(fd);
      return fail(error == EISDIR ? IoResult::AccessDenied : IoResult::ReadPastEnd,
                  std::strerror(error));
    }
    if (got == 0)
      break;
    bytes.insert(bytes.end(), buffer, buffer + got);
    if (bytes.size() > maxBytes)
      return tooLarge();
  }
  ::close(fd);
  result = IoResult::Ok;
  return BinaryReader(std::move(bytes));
}

bool BinaryReader::bytes(void* out, std::size_t n)
{
  if (!ok() || n > remaining()) {
    m_result = IoResult::ReadPastEnd;
    return false;
  }
  if (n > 0)
    std::memcpy(out, m_bytes.data() + m_position, n);
  m_position += n;
  return true;
}

bool BinaryReader::skip(std::size_t n)
{
  if (!ok() || n > remaining()) {
    m_result = IoResult::ReadPastEnd;
    return false;
  }
  m_position += n;
  return true;
}

namespace {

// One little-endian value of T, or zero (and the reader failed) when it is not all there.
template<class T>
T readLittle(BinaryReader& in)
{
  std::uint8_t raw[sizeof(T)] = {};
  if (!in.bytes(raw, sizeof raw))
    return T{};
  Bits<T> bits = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i)
    bits = static_cast<Bits<T>>(bits | (static_cast<Bits<T>>(raw[i]) << (8 * i)));
  return std::bit_cast<T>(bits);
}

template<class T>
void writeLittle(BinaryWriter& out, T v)
{
  const auto bits = std::bit_cast<Bits<T>>(v);
  std::uint8_t raw[sizeof(T)];
  for (std::size_t i = 0; i < sizeof(T); ++i)
    raw[i] = static_cast<std::uint8_t>(bits >> (8 * i));
  out.bytes(raw, sizeof raw);
}

} // namespace

std::uint8_t BinaryReader::u8()
{
  return readLittle<std::uint8_t>(*this);
}

std::int8_t BinaryReader::i8()
{
  return readLittle<std::int8_t>(*this);
}

std::uint16_t BinaryReader::u16()
{
  return readLittle<std::uint16_t>(*this);
}

std::int16_t BinaryReader::i16()
{
  return readLittle<std::int16_t>(*this);
}

std::uint32_t BinaryReader::u32()
{
  return readLittle<std::uint32_t>(*this);
}

std::int32_t BinaryReader::i32()
{
  return readLittle<std::int32_t>(*this);
}

float BinaryReader::f32()
{
  return readLittle<float>(*this);
}

double BinaryReader::f64()
{
  return readLittle<double>(*this);
}

double BinaryReader::real48()
{
  Real48Bytes raw{};
  if (!bytes(raw.data(), raw.size()))
    return 0;
  return decodeReal48(raw);
}

void BinaryWriter::bytes(const void* data, std::size_t n)
{
  if (n == 0)
    return;
  const auto* p = static_cast<const std::uint8_t*>(data);
  m_bytes.insert(m_bytes.end(), p, p + n);
}

void BinaryWriter::zeros(std::size_t n)
{
  m_bytes.insert(m_bytes.end(), n, 0);
}

void BinaryWriter::u8(std::uint8_t v)
{
  writeLittle(*this, v);
}

void BinaryWriter::i8(std::int8_t v)
{
  writeLittle(*this, v);
}

void BinaryWriter::u16(std::uint16_t v)
{
  writeLittle(*this, v);
}

void BinaryWriter::i16(std::int16_t v)
{
  writeLittle(*this, v);
}

void BinaryWriter::u32(std::uint32_t v)
{
  writeLittle(*this, v);
}

void BinaryWriter::i32(std::int32_t v)
{
  writeLittle(*this, v);
}

void BinaryWriter::f32(float v)
{
  writeLittle(*this, v);
}

void BinaryWriter::f64(double v)
{
  writeLittle(*this, v);
}

void BinaryWriter::real48(double v)
{
  const auto encoded = encodeReal48(v);
  if (!encoded) {
    if (ok()) // the first error is the one reported
      m_result = IoResult::FloatOverflow;
    zeros(std::tuple_size_v<Real48Bytes>);
    return;
  }
  bytes(encoded->data(), encoded->size());
}

IoResult saveFile(const std::string& path, std::span<const std::uint8_t> data, std::string* reason)
{
  const auto fail = [&](IoResult code, const std::string& why) {
    if (reason)
      *reason = why;
    return code;
  };
  std::error_code ec;
  const std::string target = linkTarget(path, ec);
  if (ec)
    return fail(fileError(ec.value(), path, IoResult::WriteFailed), ec.message());
  struct stat old;
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode))
    return fail(IoResult::AccessDenied, std::strerror(EISDIR));
  // Renaming over a device or a pipe would put a plain file in its place.
  if (exists && !S_ISREG(old.st_mode))
    return fail(IoResult::AccessDenied, "not a regular file");
  // A file its owner made read-only stays as it is, even for a user whom the system would let
  // write it (root).
  if (exists && (::access(target.c_str(), W_OK) != 0 || (old.st_mode & 0222) == 0))
    return fail(IoResult::AccessDenied, std::strerror(EACCES));
  std::string temp;
  const int fd = createTemporary(target, temp);
  if (fd < 0) {
    const int error = errno;
    return fail(fileError(error, target, IoResult::WriteFailed), std::strerror(error));
  }
  // A document saved over keeps its permissions; a failure here only costs that courtesy.
  if (exists)
    static_cast<void>(::fchmod(fd, old.st_mode & 07777));
  int error = 0;
  if (!writeAll(fd, data.data(), data.size()))
    error = errno != 0 ? errno : EIO;
  if (::close(fd) != 0 && error == 0)
    error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    return fail(IoResult::WriteFailed, std::strerror(error));
  }
  if (std::rename(temp.c_str(), target.c_str()) != 0) {
    error = errno;
    ::unlink(temp.c_str());
    return fail(fileError(error, target, IoResult::WriteFailed), std::strerror(error));
  }
  return IoResult::Ok;
}

} // namespace trelvix
