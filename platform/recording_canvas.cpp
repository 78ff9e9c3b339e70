#include "platform/recording_canvas.h"

#include <cstdlib>

namespace trelvix {

int RecordingCanvas::cellHeight(const FontRecord& font)
{
  return font.height == 0 ? 13 : std::abs(static_cast<int>(font.height));
}

int RecordingCanvas::cellWidth(const FontRecord& font)
{
  return cellHeight(font) * 3 / 5;
}

CanvasOp RecordingCanvas::stateOp(CanvasOp::Kind kind) const
{
  CanvasOp op;
  op.kind = kind;
  op.pen = pen();
  op.brush = brush();
  op.font = font();
  op.textColour = textColour();
  op.align = textAlign();
  op.rasterMode = rasterMode();
  return op;
}

void RecordingCanvas::line(Point from, Point to)
{
  CanvasOp op = stateOp(CanvasOp::Kind::Line);
  op.points = { from, to };
  m_ops.push_back(std::move(op));
}

void RecordingCanvas::polyline(std::span<const Point> points)
{
  CanvasOp op = stateOp(CanvasOp::Kind::Polyline);
  op.points.assign(points.begin(), points.end());
  m_ops.push_back(std::move(op));
}

void RecordingCanvas::polygon(std::span<const Point> points)
{
  CanvasOp op = stateOp(CanvasOp::Kind::Polygon);
  op.points.assign(points.begin(), points.end());
  m_ops.push_back(std::move(op));
}

void RecordingCanvas::ellipse(const Rect& box)
{
  CanvasOp op = stateOp(CanvasOp::Kind::Ellipse);
  op.rect = box;
  m_ops.push_back(std::move(op));
}

void RecordingCanvas::fillRect(const Rect& rect)
{
  CanvasOp op = stateOp(CanvasOp::Kind::FillRect);
  op.rect = rect;
  m_ops.push_back(std::move(op));
}

void RecordingCanvas::text(Point at, std::string_view text)
{
  CanvasOp op = stateOp(CanvasOp::Kind::Text);
  op.points = { at };
  op.text = std::string(text);
  m_ops.push_back(std::move(op));
}

void RecordingCanvas::fillSurface(Colour colour)
{
  CanvasOp op = stateOp(CanvasOp::Kind::FillSurface);
  op.colour = colour;
  m_ops.push_back(std::move(op));
}

TextExtent RecordingCanvas::textExtent(std::string_view text) const
{
  return TextExtent{ static_cast<std::int32_t>(text.size()) * cellWidth(font()),
                     cellHeight(font()) };
}

} // namespace trelvix
