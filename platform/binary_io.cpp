#include "platform/binary_io.h"

#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace trelvix {

namespace {

// The open error of path as the load and save messages number it.
IoResult openError(int error, const std::string& path)
{
  switch (error) {
    case ENOENT: {
      const auto parent = std::filesystem::path(path).parent_path();
      std::error_code ec;
      if (!parent.empty() && !std::filesystem::is_directory(parent, ec))
        return IoResult::PathNotFound;
      return IoResult::FileNotFound;
    }
    case ENOTDIR:
      return IoResult::PathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
      return IoResult::AccessDenied;
    default:
      return IoResult::WriteFailed;
  }
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t n)
{
  while (n > 0) {
    const ssize_t written = ::write(fd, data, n);
    if (written < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    data += written;
    n -= static_cast<std::size_t>(written);
  }
  return true;
}

} // namespace

BinaryReader::BinaryReader(std::vector<std::uint8_t> bytes)
  : m_bytes(std::move(bytes))
{
}

BinaryReader BinaryReader::fromFile(const std::string& path, IoResult& result)
{
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    result = openError(errno, path);
    return {};
  }
  struct stat info;
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    result = IoResult::AccessDenied;
    return {};
  }
  std::vector<std::uint8_t> bytes;
  std::uint8_t buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR)
        continue;
      ::close(fd);
      result = errno == EISDIR ? IoResult::AccessDenied : IoResult::ReadPastEnd;
      return {};
    }
    if (got == 0)
      break;
    bytes.insert(bytes.end(), buffer, buffer + got);
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

template<class T>
T readLittle(BinaryReader& in)
{
  std::uint8_t raw[sizeof(T)] = {};
  using U = std::make_unsigned_t<
    std::conditional_t<std::is_integral_v<T>,
                       T,
                       std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>>;
  if (!in.bytes(raw, sizeof raw))
    return T{};
  U value = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i)
    value |= static_cast<U>(static_cast<U>(raw[i]) << (8 * i));
  return std::bit_cast<T>(value);
}

template<class T>
void writeLittle(BinaryWriter& out, T v)
{
  using U = std::make_unsigned_t<
    std::conditional_t<std::is_integral_v<T>,
                       T,
                       std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>>;
  const U value = std::bit_cast<U>(v);
  std::uint8_t raw[sizeof(T)];
  for (std::size_t i = 0; i < sizeof(T); ++i)
    raw[i] = static_cast<std::uint8_t>(value >> (8 * i));
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
    if (ok())
      m_result = IoResult::FloatOverflow;
    zeros(6);
    return;
  }
  bytes(encoded->data(), encoded->size());
}

IoResult saveFile(const std::string& path, std::span<const std::uint8_t> data)
{
  std::string temp = path + ".tmp-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0)
    return openError(errno, path);
  const bool written = writeAll(fd, data.data(), data.size());
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    ::unlink(temp.c_str());
    return IoResult::WriteFailed;
  }
  // The temporary file is private to its creator; the document gets ordinary permissions.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(temp.c_str(), 0666 & ~mask);
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    const IoResult result = openError(errno, path);
    ::unlink(temp.c_str());
    return result;
  }
  return IoResult::Ok;
}

} // namespace trelvix
