#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace trelvix {

class tDrawing;

/// Layout constants of the document file.
namespace tvx {
inline constexpr std::size_t headerSize = 568;
inline constexpr std::size_t titleSize = 96;
inline constexpr std::size_t authorSize = 96;
inline constexpr std::size_t notesSize = 320;
inline constexpr std::size_t coordinateSize = 18;
inline constexpr std::size_t soluteSize = 126;
/// Files up to this version have no coordinate, view, solute or bond-length sections.
inline constexpr std::uint16_t lastShortVersion = 106;
/// The most objects of one kind a file can hold (counts and positions are 16-bit words).
inline constexpr std::size_t maxCount = 65535;
} // namespace tvx

/// Reads a document from the bytes of a file. Shows "end of file" when a file of a version above
/// 106 ends before its fragment flag, and "Invalid file format" (returning nullptr) for a file
/// shorter than its header or one whose references point outside their lists. The drawing is
/// rescaled to the current bond-length scale and marked saved; its file name is left to the
/// caller.
std::unique_ptr<tDrawing> readDrawing(std::vector<std::uint8_t> bytes);

/// The load procedure: reads the file at path; on an open failure shows "I/O Error " with the
/// code in width 2 and returns nullptr. The drawing's file name is the name without folders.
std::unique_ptr<tDrawing> loadDrawing(const std::string& path);

/// The bytes of the document file of drawing; sets its saved flag and reduces its view mode
/// modulo 100. Returns no bytes (with the message shown) when the drawing is more than the
/// format holds.
std::vector<std::uint8_t> writeDrawing(tDrawing& drawing);

/// Saves drawing to path. A drawing without atoms writes nothing. Returns true when written;
/// on failure shows "Invalid FileName" (or why the drawing cannot be stored), leaves the old
/// file, the drawing's name and its saved flag as they were.
bool saveDrawing(tDrawing& drawing, const std::string& path);

/// The file name without its folders, at most 79 characters.
std::string bareFileName(const std::string& path);

} // namespace trelvix
