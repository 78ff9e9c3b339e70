#pragma once

#include "platform/qt/qt_canvas.h"

#include <QPainter>
#include <QSvgGenerator>
#include <filesystem>
#include <string_view>

namespace trelvix {

/// A canvas that writes an SVG file: one drawing-surface pixel is one SVG user unit, and the
/// surface starts white. NotXor figures are drawn normally (SVG has no raster operations).
class SvgCanvas : public QtCanvas
{
public:
  /// Starts the SVG document at path, width × height pixels, with the given title (UTF-8).
  SvgCanvas(const std::filesystem::path& path, int width, int height, std::string_view title);
  /// Finishes the document if finish() was not called.
  ~SvgCanvas() override;

  /// Whether the file could be opened for writing.
  bool isOpen() const { return m_open; }
  /// Ends painting and completes the file; true when the file was written (again true on later
  /// calls). Drawing afterwards does nothing.
  bool finish();

private:
  QSvgGenerator m_generator;
  QPainter m_painter;
  bool m_open = false;
  bool m_written = false;
};

} // namespace trelvix
