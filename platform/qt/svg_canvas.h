#pragma once

#include "platform/qt/qt_canvas.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QSvgGenerator>
#include <string_view>

namespace trelvix {

/// How an SVG document's page is laid out.
struct SvgPage
{
  double printScale = 1.0; ///< the printed size times this (the drawing is scaled alike)
  bool white = true;       ///< a white background; else transparent
};

/// A canvas that makes an SVG document in memory: one drawing-surface pixel is one SVG user unit,
/// and the surface starts white. NotXor figures are drawn normally (SVG has no raster operations).
class SvgCanvas : public QtCanvas
{
public:
  /// Starts the SVG document, width × height pixels, with the given title (UTF-8). Its printed
  /// size takes dotsPerInch drawing pixels to the inch (96: a drawing pixel is a CSS pixel).
  SvgCanvas(int width, int height, std::string_view title, int dotsPerInch = 96, SvgPage page = {});
  /// Finishes the document if finish() was not called.
  ~SvgCanvas() override;

  /// Ends painting and completes the document; true when it was completed (again true on later
  /// calls). Drawing afterwards does nothing.
  bool finish();
  /// The document's text; complete after finish().
  const QByteArray& svg() const { return m_data; }

private:
  QByteArray m_data;
  QBuffer m_buffer;
  QSvgGenerator m_generator;
  QPainter m_painter;
  bool m_written = false;
};

} // namespace trelvix
