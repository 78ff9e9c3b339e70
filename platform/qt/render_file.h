#pragma once

#include <QImage>
#include <filesystem>
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

/// Draws the document as renderImage does and writes it as a PNG or SVG file, whole or not at
/// all: the picture is made in memory and the file replaced only after a checked write. Returns
/// an empty text on success, else what went wrong ("Arithmetic overflow", "Cannot write …").
std::string renderFile(tDrawing& drawing,
                       const std::filesystem::path& path,
                       RenderFormat format,
                       int width,
                       int height);

} // namespace trelvix
