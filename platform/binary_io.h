#pragma once

#include "platform/real48.h"
#include "platform/short_string.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace trelvix {

/// Result codes of file input and output; the load and save messages print the number
/// ("I/O Error  2" for a missing file).
enum class IoResult : int
{
  Ok = 0,
  FileNotFound = 2,
  PathNotFound = 3,
  AccessDenied = 5,
  ReadPastEnd = 100,
  WriteFailed = 101,
  FloatOverflow = 205, ///< a real too large for the 6-byte format
  TooLarge = 8,        ///< more bytes than the file's format can hold (the system's "not enough
                       ///< memory" code: holding them is what is refused)
};

/// Reads little-endian values from bytes held in memory. Every read is bounds-checked: a read
/// past the end sets ReadPastEnd, returns zero and consumes nothing, and every later read fails
/// too, so a loader may read a whole item and test ok() once.
class BinaryReader
{
public:
  BinaryReader() = default;
  explicit BinaryReader(std::vector<std::uint8_t> bytes);

  /// How fromFile treats what is not a regular file.
  enum class Source : std::uint8_t
  {
    AnyFile,    ///< pipes and devices are read (a pipe without a writer reads as empty)
    RegularOnly ///< anything but a regular file is AccessDenied; opening never waits
  };

  /// Reads the whole file, at most maxBytes of it: a longer or endless one (/dev/zero) is refused
  /// with TooLarge after maxBytes + 1 bytes, a folder with AccessDenied. On failure the reader is
  /// empty, result is the error and reason (when given) says why in plain words.
  static BinaryReader fromFile(const std::string& path,
                               IoResult& result,
                               std::size_t maxBytes,
                               Source source = Source::AnyFile,
                               std::string* reason = nullptr);

  bool ok() const { return m_result == IoResult::Ok; }
  IoResult result() const { return m_result; }
  std::size_t position() const { return m_position; }
  std::size_t size() const { return m_bytes.size(); }
  std::size_t remaining() const { return m_bytes.size() - m_position; }

  /// Copies n raw bytes into out; false (out untouched) when fewer remain or a read failed.
  bool bytes(void* out, std::size_t n);
  bool skip(std::size_t n);

  std::uint8_t u8();
  std::int8_t i8();
  std::uint16_t u16();
  std::int16_t i16();
  std::uint32_t u32();
  std::int32_t i32();
  float f32();
  double f64();
  double real48();

  template<std::size_t N>
  ShortString<N> shortString()
  {
    ShortString<N> s;
    std::uint8_t raw[N + 1] = {};
    if (bytes(raw, N + 1)) {
      s.length = raw[0];
      for (std::size_t i = 0; i < N; ++i)
        s.chars[i] = static_cast<char>(raw[i + 1]);
    }
    return s;
  }

private:
  std::vector<std::uint8_t> m_bytes;
  std::size_t m_position = 0;
  IoResult m_result = IoResult::Ok;
};

/// Collects little-endian values in memory; saveFile puts them on disk. A real that the 6-byte
/// format cannot hold sets FloatOverflow (and writes six zero bytes so offsets stay right).
class BinaryWriter
{
public:
  bool ok() const { return m_result == IoResult::Ok; }
  IoResult result() const { return m_result; }
  const std::vector<std::uint8_t>& data() const { return m_bytes; }
  std::size_t size() const { return m_bytes.size(); }

  void bytes(const void* data, std::size_t n);
  void zeros(std::size_t n);
  void u8(std::uint8_t v);
  void i8(std::int8_t v);
  void u16(std::uint16_t v);
  void i16(std::int16_t v);
  void u32(std::uint32_t v);
  void i32(std::int32_t v);
  void f32(float v);
  void f64(double v);
  void real48(double v);

  template<std::size_t N>
  void shortString(const ShortString<N>& s)
  {
    u8(s.length);
    bytes(s.chars.data(), N);
  }

private:
  std::vector<std::uint8_t> m_bytes;
  IoResult m_result = IoResult::Ok;
};

/// Writes data to a temporary file beside path and renames it over path only when the whole
/// write succeeded, so a failed save leaves the previous file as it was. A symbolic link is
/// followed: its final target is written and the link kept. A target that exists but is not a
/// regular file (a device, a pipe, a folder), or one without write permission, is never
/// replaced: AccessDenied.
/// On failure reason (when given) says why in plain words.
IoResult saveFile(const std::string& path,
                  std::span<const std::uint8_t> data,
                  std::string* reason = nullptr);

} // namespace trelvix
