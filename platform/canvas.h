#pragma once

#include "platform/font_record.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace trelvix {

/// A colour with red in the low byte: 0x00BBGGRR.
using Colour = std::uint32_t;
inline constexpr Colour black = 0x000000;
inline constexpr Colour white = 0xFFFFFF;

/// Drawing-surface coordinates in pixels, y growing downwards.
struct Point
{
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const Point&) const = default;
};

/// A rectangle by its edges; right and bottom are exclusive, as for a device context.
struct Rect
{
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  bool operator==(const Rect&) const = default;
};

struct TextExtent
{
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const TextExtent&) const = default;
};

enum class PenStyle : std::uint8_t
{
  Solid,
  Dash,
  Dot,
  DashDot,
  DashDotDot,
  Clear
};

enum class BrushStyle : std::uint8_t
{
  Solid,
  Clear
};

/// Copy draws normally; NotXor combines the pen with the screen so that drawing the same figure
/// twice restores the image (the rubber band).
enum class RasterMode : std::uint8_t
{
  Copy,
  NotXor
};

enum class HAlign : std::uint8_t
{
  Left,
  Center,
  Right
};

enum class VAlign : std::uint8_t
{
  Top,
  Baseline,
  Bottom
};

struct Pen
{
  PenStyle style = PenStyle::Solid;
  int width = 1;
  Colour colour = black;
  bool operator==(const Pen&) const = default;
};

struct Brush
{
  BrushStyle style = BrushStyle::Solid;
  Colour colour = white;
  bool operator==(const Brush&) const = default;
};

struct TextAlign
{
  HAlign horizontal = HAlign::Left;
  VAlign vertical = VAlign::Top;
  bool operator==(const TextAlign&) const = default;
};

/// A device context: the drawing state (pen, brush, font, text colour and alignment, raster mode)
/// and the primitives every figure of the model is built from. The state is kept here; backends
/// read it when they draw.
class Canvas
{
public:
  virtual ~Canvas();

  const Pen& pen() const { return m_pen; }
  void setPen(const Pen& pen) { m_pen = pen; }
  const Brush& brush() const { return m_brush; }
  void setBrush(const Brush& brush) { m_brush = brush; }
  const FontRecord& font() const { return m_font; }
  void setFont(const FontRecord& font) { m_font = font; }
  Colour textColour() const { return m_textColour; }
  void setTextColour(Colour colour) { m_textColour = colour; }
  TextAlign textAlign() const { return m_textAlign; }
  void setTextAlign(TextAlign align) { m_textAlign = align; }
  RasterMode rasterMode() const { return m_rasterMode; }
  void setRasterMode(RasterMode mode) { m_rasterMode = mode; }

  /// A line with the pen; the end point itself is not drawn.
  virtual void line(Point from, Point to) = 0;
  virtual void polyline(std::span<const Point> points) = 0;
  /// A closed polygon: outlined with the pen, filled with the brush.
  virtual void polygon(std::span<const Point> points) = 0;
  /// The ellipse inscribed in box: outlined with the pen, filled with the brush.
  virtual void ellipse(const Rect& box) = 0;
  /// Fills the rectangle with the brush, no outline.
  virtual void fillRect(const Rect& rect) = 0;
  /// Draws text in the font and text colour, placed at the point by the text alignment, with a
  /// transparent background.
  virtual void text(Point at, std::string_view text) = 0;
  /// Width and height of text in the current font, in pixels.
  virtual TextExtent textExtent(std::string_view text) const = 0;
  /// Fills the whole drawing surface with colour, whatever the pen, brush and raster mode: the
  /// blank page a full redraw starts from.
  virtual void fillSurface(Colour colour) = 0;

  /// A shaded sphere of radius r pixels centred on centre in colour: the four discs of
  /// drawShadedDiscs (platform/shaded_sphere.h), drawn here as four ellipses. A backend may put
  /// the same pixels on its surface another way (a cached picture per colour and radius); pen and
  /// brush are left as they were either way.
  virtual void shadedSphere(Point centre, int r, Colour colour);

private:
  Pen m_pen;
  Brush m_brush;
  FontRecord m_font = defaultFontRecord();
  Colour m_textColour = black;
  TextAlign m_textAlign;
  RasterMode m_rasterMode = RasterMode::Copy;
};

} // namespace trelvix
