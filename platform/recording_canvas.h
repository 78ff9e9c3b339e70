#pragma once

#include "platform/canvas.h"

#include <string>
#include <vector>

namespace trelvix {

/// One drawing call as the recording canvas kept it, with the state it was drawn in.
struct CanvasOp
{
  enum class Kind
  {
    Line,
    Polyline,
    Polygon,
    Ellipse,
    FillRect,
    Text,
    FillSurface
  };

  Kind kind = Kind::Line;
  std::vector<Point> points; ///< Line: from, to; Polyline and Polygon: the points; Text: the anchor
  Rect rect;                 ///< Ellipse: the box; FillRect: the rectangle
  Colour colour = black;     ///< FillSurface: the colour
  std::string text;
  Pen pen;
  Brush brush;
  FontRecord font;
  Colour textColour = black;
  TextAlign align;
  RasterMode rasterMode = RasterMode::Copy;
};

/// A canvas that draws nothing and keeps every call, for tests and headless runs. A shaded sphere
/// is kept as the four ellipses it is made of.
///
/// Its text metric is fixed so that layout is testable without fonts: a character cell is
/// h pixels high and h * 3 / 5 pixels wide (integer division), where h is the magnitude of the
/// font's height, or 13 when the height is 0. textExtent of n characters is (n * width, h).
class RecordingCanvas : public Canvas
{
public:
  void line(Point from, Point to) override;
  void polyline(std::span<const Point> points) override;
  void polygon(std::span<const Point> points) override;
  void ellipse(const Rect& box) override;
  void fillRect(const Rect& rect) override;
  void text(Point at, std::string_view text) override;
  TextExtent textExtent(std::string_view text) const override;
  void fillSurface(Colour colour) override;

  const std::vector<CanvasOp>& ops() const { return m_ops; }
  void clear() { m_ops.clear(); }

  static int cellHeight(const FontRecord& font);
  static int cellWidth(const FontRecord& font);

private:
  CanvasOp stateOp(CanvasOp::Kind kind) const;
  std::vector<CanvasOp> m_ops;
};

} // namespace trelvix
