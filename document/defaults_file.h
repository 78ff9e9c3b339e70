#pragma once

#include <array>
#include <cstdint>
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

} // namespace trelvix
