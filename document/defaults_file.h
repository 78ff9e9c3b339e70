#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace trelvix {

/// The defaults file "trelvix3d98.cfg": one 502-byte record of the user's settings.
inline constexpr std::size_t defaultsRecordSize = 502;
using DefaultsRecord = std::array<std::uint8_t, defaultsRecordSize>;

/// The folder of the defaults file: $TRELVIX3D_CONFIG_DIR, else $XDG_CONFIG_HOME/trelvix3d, else
/// ~/.config/trelvix3d.
std::string defaultsFolder();
std::string defaultsPath();

/// The record at reset: scale 28, line width 1, the default font, nudge 16 x 16, home folder.
DefaultsRecord resetDefaultsRecord(const std::string& homeDirectory);

/// Reads the defaults file into the model's defaults. Only a regular file of exactly one record
/// is read; anything else (missing, short, long, a pipe or a device) gives the reset values. A
/// scale outside minBondScale..maxBondScale or a line width above 3 (a damaged file) falls back to
/// the reset value.
/// Returns the record in force.
DefaultsRecord loadDefaults(const std::string& path);

/// Applies a record to the model's defaults.
void applyDefaults(const DefaultsRecord& record);

// ---- Writing the file and starting from it

/// A write of the defaults file: ok, or the reason it failed ("permission denied"; the file's
/// path is for the caller to name).
struct DefaultsWriteResult
{
  bool ok = true;
  std::string reason;
};

/// Writes the whole record to path, creating the folder first. The record goes to a temporary
/// file beside path that is renamed over it only when complete, so a failed write leaves the
/// previous file as it was.
DefaultsWriteResult saveDefaults(const std::string& path, const DefaultsRecord& record);

/// The reset record with the default font's cell height for a screen of logicalDpi dots per
/// inch (a 10-point cell: 10 x dpi / 72, rounded).
DefaultsRecord resetDefaultsRecord(const std::string& homeDirectory, int logicalDpi);

/// The record of the file at path, when it is a regular file holding a whole record.
std::optional<DefaultsRecord> readDefaultsRecord(const std::string& path);

/// Copies the model's defaults (scale, line width, font, nudge) into record; every other byte,
/// the reserved fields among them, stays as it was.
void storeDefaults(DefaultsRecord& record);

/// Undo as the classic one-level item that takes turns undoing and redoing, instead of the
/// history of many steps (kept in the record's reserved byte 2; 0, the history, at reset).
bool oneLevelUndo(const DefaultsRecord& record);
void setOneLevelUndo(DefaultsRecord& record, bool on);
/// Whether the 2D styles colour element symbols and bonds by element, in the record (the first
/// byte of the reserved word at 63; 0, black as always, at reset) and in force.
void setElementColours(DefaultsRecord& record, bool on);

/// The defaults at program start.
struct StartDefaults
{
  DefaultsRecord record{};
  /// The file was missing, short or unreadable and the reset record took its place.
  bool reset = false;
  /// The write of the reset record (ok when nothing had to be written).
  DefaultsWriteResult written;
};

/// Loads the defaults file at path into the model's defaults. A missing, short or unreadable
/// file gives the reset record (home folder homeDirectory, font for logicalDpi), which is applied
/// and written back at once; when that write fails the reset values stay in force.
StartDefaults startDefaults(const std::string& path,
                            const std::string& homeDirectory,
                            int logicalDpi);

} // namespace trelvix
