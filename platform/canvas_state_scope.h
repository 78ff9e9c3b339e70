#pragma once

#include "platform/canvas.h"

namespace trelvix {

/// Keeps the drawing state of a canvas (pen, brush, font, text colour and alignment, raster mode)
/// and gives it back when the scope ends, so a drawing step leaves the canvas as it found it.
class CanvasStateScope
{
public:
  explicit CanvasStateScope(Canvas& canvas)
    : m_canvas(canvas)
    , m_pen(canvas.pen())
    , m_brush(canvas.brush())
    , m_font(canvas.font())
    , m_textColour(canvas.textColour())
    , m_align(canvas.textAlign())
    , m_mode(canvas.rasterMode())
  {
  }
  ~CanvasStateScope()
  {
    m_canvas.setPen(m_pen);
    m_canvas.setBrush(m_brush);
    m_canvas.setFont(m_font);
    m_canvas.setTextColour(m_textColour);
    m_canvas.setTextAlign(m_align);
    m_canvas.setRasterMode(m_mode);
  }
  CanvasStateScope(const CanvasStateScope&) = delete;
  CanvasStateScope& operator=(const CanvasStateScope&) = delete;

private:
  Canvas& m_canvas;
  Pen m_pen;
  Brush m_brush;
  FontRecord m_font;
  Colour m_textColour;
  TextAlign m_align;
  RasterMode m_mode;
};

} // namespace trelvix
