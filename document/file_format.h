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
/// The longest file the program writes: maxCount atoms (346-byte records and their 18-byte
/// coordinates), bonds (23 bytes), groups (a 53-byte section with two count words and a
/// 126-byte solute record) and symbols (a kind word and a section), every atom and bond named
/// (two bytes) by the one piece that holds it; the seven count words and the view, flag and
/// bond-length fields. About 42 MB: a longer file is refused before it is held in memory.
inline constexpr std::size_t maxFileSize = headerSize + 7 * 2 + maxCount * (346 + coordinateSize) +
                                           maxCount * 23 + maxCount * (53 + 2 * 2 + soluteSize) +
                                           maxCount * (2 + 53 + 2 * 2) + 2 * (maxCount + maxCount) +
                                           1 + 1 + 2;
} // namespace tvx

/// Reads a document from the bytes of a file. Shows "end of file" when a file of a version above
/// 106 ends before its fragment flag (the document holds what was complete; reason, when given,
/// says the file ends early), and "Invalid file format" (returning nullptr) for a file shorter
/// than its header, of a version above the program's own (another format's text) or whose
/// references point outside their lists. The drawing is
/// rescaled to the current bond-length scale and marked saved; its file name is left to the
/// caller. A sound file whose rescaled drawing overflows the drawing's 16-bit fields shows
/// "Arithmetic overflow" instead, with reason (when given) saying so in plain words.
std::unique_ptr<tDrawing> readDrawing(std::vector<std::uint8_t> bytes,
                                      std::string* reason = nullptr);

/// The load procedure: reads the file at path; on an open failure shows "I/O Error " with the
/// code in width 2 and returns nullptr; a file longer than tvx::maxFileSize shows "Invalid file
/// format" unread. The drawing's file name is the name without folders. reason, when given,
/// receives why a file could not be read, in plain words ("No such file or directory"), or why
/// the document read is incomplete, and stays empty otherwise. A pipe without a writer reads
/// as an empty file, at once.
std::unique_ptr<tDrawing> loadDrawing(const std::string& path, std::string* reason = nullptr);

/// The bytes of the document file of drawing; sets its saved flag and reduces its view mode
/// modulo 100. Returns no bytes (with the message shown) when the drawing is more than the
/// format holds.
std::vector<std::uint8_t> writeDrawing(tDrawing& drawing);

/// Saves drawing to path. A drawing without atoms writes nothing. Returns true when written;
/// on failure shows "Path not found" (a folder of the path is missing), "Cannot write the file"
/// (the write itself failed: a full disk), "Invalid FileName" (any other refusal: a read-only
/// file, a folder) or why the drawing cannot be stored, and leaves the old
/// file, the drawing's name and its saved flag as they were. Saving through a symbolic link
/// writes its target and keeps the link; a device or pipe is never replaced. reason, when given,
/// receives why the file could not be written, in plain words.
bool saveDrawing(tDrawing& drawing, const std::string& path, std::string* reason = nullptr);

/// The file name without its folders, at most 79 characters.
std::string bareFileName(const std::string& path);

} // namespace trelvix
