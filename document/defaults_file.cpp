#include "document/defaults_file.h"

#include "model/defaults.h"
#include "platform/binary_io.h"
#include "platform/record_bytes.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace trelvix {

namespace {

constexpr std::size_t offScale = 3;
constexpr std::size_t offLineWidth = 5;
constexpr std::size_t offFont = 6;
constexpr std::size_t offSpareWord = 56;
constexpr std::size_t offJumpX = 58;
constexpr std::size_t offJumpY = 60;
constexpr std::size_t offSpareByte = 62;
constexpr std::size_t offHome = 67;
constexpr std::size_t offSecondDirectory = 212;
constexpr std::size_t directorySize = 145;

constexpr std::uint16_t resetScale = 28;
constexpr std::uint8_t resetLineWidth = 1;

std::string environment(const char* name)
{
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

void putDirectory(DefaultsRecord& r, std::size_t at, const std::string& path)
{
  std::memcpy(r.data() + at, path.data(), std::min(path.size(), directorySize - 1));
}

} // namespace

std::string defaultsFolder()
{
  if (const std::string dir = environment("TRELVIX3D_CONFIG_DIR"); !dir.empty())
    return dir;
  if (const std::string xdg = environment("XDG_CONFIG_HOME"); !xdg.empty())
    return xdg + "/trelvix3d";
  return environment("HOME") + "/.config/trelvix3d";
}

std::string defaultsPath()
{
  return defaultsFolder() + "/trelvix3d98.cfg";
}

DefaultsRecord resetDefaultsRecord(const std::string& homeDirectory)
{
  DefaultsRecord r{};
  putField(r, offScale, resetScale);
  r[offLineWidth] = resetLineWidth;
  const auto font = defaultFontRecord().pack();
  std::copy(font.begin(), font.end(), r.begin() + offFont);
  putField(r, offSpareWord, std::uint16_t{ 100 });
  putField(r, offJumpX, std::int16_t{ 16 });
  putField(r, offJumpY, std::int16_t{ 16 });
  r[offSpareByte] = 13;
  putDirectory(r, offHome, homeDirectory);
  putDirectory(r, offSecondDirectory, homeDirectory);
  return r;
}

void applyDefaults(const DefaultsRecord& r)
{
  ModelDefaults& d = modelDefaults();
  const auto scale = getField<std::uint16_t>(r, offScale);
  d.BondScalePixels = scale < minBondScale || scale > maxBondScale ? resetScale : scale;
  d.LineWidth = r[offLineWidth] > 3 ? resetLineWidth : r[offLineWidth];
  std::array<std::uint8_t, FontRecord::packedSize> font;
  std::copy_n(r.begin() + offFont, font.size(), font.begin());
  d.font = FontRecord::unpack(font);
  d.JumpX = getField<std::int16_t>(r, offJumpX);
  d.JumpY = getField<std::int16_t>(r, offJumpY);
}

DefaultsRecord loadDefaults(const std::string& path)
{
  std::error_code ec;
  DefaultsRecord record = resetDefaultsRecord(std::filesystem::current_path(ec).string());
  IoResult result = IoResult::Ok;
  // Only a regular file of exactly one record is read: a pipe would wait for its writer, a
  // device or a longer file is no defaults record.
  BinaryReader in =
    BinaryReader::fromFile(path, result, defaultsRecordSize, BinaryReader::Source::RegularOnly);
  if (result == IoResult::Ok && in.size() == defaultsRecordSize)
    in.bytes(record.data(), record.size());
  applyDefaults(record);
  return record;
}

} // namespace trelvix
