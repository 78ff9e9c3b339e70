#pragma once

#include <QByteArray>
#include <QImage>
#include <filesystem>
#include <memory>
#include <string>

namespace trelvix {

class tDrawing;

enum class RenderFormat
{
  Png,
  Svg
};

/// Draws the document as the main window shows it on a white image of width × height pixels
/// (previews, clipboard pictures). Needs a QGuiApplication (for fonts). An arithmetic overflow
/// while drawing (an atom far off the page) gives a null image.
QImage renderImage(tDrawing& drawing, int width, int height);

/// The document's frame (the box around its atoms and symbols, with a margin of half a bond)
/// drawn on its own: an image on white of that size in pixels, and an SVG of the same picture
/// whose printed size takes 0.254 mm per drawing pixel (100 × 50 pixels are 25.4 mm × 12.7 mm).
/// Empty when the document cannot be drawn (an arithmetic overflow) or has nothing in it.
/// A copy of the document moved so that its frame with the margin starts at the origin, and the
/// size of that frame in pixels; no drawing when the document has nothing in it. Throws
/// OverflowError when the move overflows.
struct FramedCopy
{
  std::unique_ptr<tDrawing> drawing;
  int width = 0;
  int height = 0;
};
FramedCopy framedCopy(const tDrawing& drawing);

struct FramePictures
{
  QImage image;
  QByteArray svg;
};
FramePictures renderFrame(const tDrawing& drawing);

/// Draws the document as renderImage does and writes it as a PNG or SVG file, whole or not at
/// all: the picture is made in memory and the file replaced only after a checked write. Returns
/// an empty text on success, else what went wrong ("Arithmetic overflow", "Cannot write …").
std::string renderFile(tDrawing& drawing,
                       const std::filesystem::path& path,
                       RenderFormat format,
                       int width,
                       int height);

} // namespace trelvix
