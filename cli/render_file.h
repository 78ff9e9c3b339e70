#pragma once

#include <filesystem>

class QImage;

namespace trelvix {

class tDrawing;

enum class RenderFormat
{
  Png,
  Svg
};

/// Draws the document as the main window shows it on a white page of width × height pixels and
/// writes it as a PNG or SVG file. Needs a QGuiApplication (for fonts). False when the file
/// cannot be written.
bool renderFile(tDrawing& drawing,
                const std::filesystem::path& path,
                RenderFormat format,
                int width,
                int height);

} // namespace trelvix
