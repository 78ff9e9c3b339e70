#include "document/defaults_file.h"

#include "model/defaults.h"
#include "platform/binary_io.h"
#include "platform/record_bytes.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

namespace trelvix {

namespace {

constexpr std::size_t offUndoChoice = 2;
constexpr std::size_t offScale = 3;
constexpr std::size_t offLineWidth = 5;
constexpr std::size_t offFont = 6;
constexpr std::size_t offSpareWord = 56;
constexpr std::size_t offJumpX = 58;
constexpr std::size_t offJumpY = 60;
constexpr std::size_t offSpareByte = 62;
// The first byte of the reserved word at 63: 1 when the 2D styles colour by element.
constexpr std::size_t offColourChoice = 63;
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
  d.ElementColours = r[offColourChoice] == 1;
}

DefaultsRecord loadDefaults(const std::string& path)
{
  std::error_code ec;
  DefaultsRecord record = resetDefaultsRecord(std::filesystem::current_path(ec).string());
  if (const std::optional<DefaultsRecord> read = readDefaultsRecord(path))
    record = *read;
  applyDefaults(record);
  return record;
}

// ---- Writing the file and starting from it

namespace {

std::string writeFailure(IoResult result)
{
  switch (result) {
    case IoResult::PathNotFound:
      return "the folder does not exist";
    case IoResult::AccessDenied:
      return "permission denied";
    default:
      return "the file could not be written";
  }
}

} // namespace

DefaultsWriteResult saveDefaults(const std::string& path, const DefaultsRecord& record)
{
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code ec;
  if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) {
    std::filesystem::create_directories(folder, ec);
    if (ec)
      return { false, "the folder " + folder.string() + " cannot be made (" + ec.message() + ")" };
  }
  const IoResult result = saveFile(path, record);
  if (result != IoResult::Ok)
    return { false, writeFailure(result) };
  return {};
}

DefaultsRecord resetDefaultsRecord(const std::string& homeDirectory, int logicalDpi)
{
  DefaultsRecord r = resetDefaultsRecord(homeDirectory);
  // MulDiv(10, dpi, 72): a 10-point cell, rounded to the nearest pixel.
  const int height = (10 * logicalDpi + 36) / 72;
  putField(r, offFont, static_cast<std::int16_t>(std::clamp(height, 1, 32767)));
  return r;
}

std::optional<DefaultsRecord> readDefaultsRecord(const std::string& path)
{
  // Only a regular file of exactly one record is read: a pipe would wait for its writer, a
  // device or a longer file is no defaults record.
  IoResult result = IoResult::Ok;
  BinaryReader in =
    BinaryReader::fromFile(path, result, defaultsRecordSize, BinaryReader::Source::RegularOnly);
  DefaultsRecord record{};
  if (result != IoResult::Ok || in.size() != defaultsRecordSize ||
      !in.bytes(record.data(), record.size()))
    return std::nullopt;
  return record;
}

void storeDefaults(DefaultsRecord& r)
{
  const ModelDefaults& d = modelDefaults();
  putField(r, offScale, d.BondScalePixels);
  r[offLineWidth] = d.LineWidth;
  const auto font = d.font.pack();
  std::copy(font.begin(), font.end(), r.begin() + offFont);
  putField(r, offJumpX, d.JumpX);
  putField(r, offJumpY, d.JumpY);
}

StartDefaults startDefaults(const std::string& path,
                            const std::string& homeDirectory,
                            int logicalDpi)
{
  StartDefaults start;
  if (const auto record = readDefaultsRecord(path)) {
    start.record = *record;
  } else {
    start.record = resetDefaultsRecord(homeDirectory, logicalDpi);
    start.reset = true;
    start.written = saveDefaults(path, start.record);
  }
  applyDefaults(start.record);
  return start;
}

bool oneLevelUndo(const DefaultsRecord& record)
{
  return record[offUndoChoice] == 1;
}

void setOneLevelUndo(DefaultsRecord& record, bool on)
{
  record[offUndoChoice] = on ? 1 : 0;
}

void setElementColours(DefaultsRecord& record, bool on)
{
  record[offColourChoice] = on ? 1 : 0;
  modelDefaults().ElementColours = on;
}

} // namespace trelvix
