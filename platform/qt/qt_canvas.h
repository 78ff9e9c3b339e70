#pragma once

#include "platform/canvas.h"

#include <QFont>
#include <QPoint>
#include <QString>

class QFontMetrics;
class QPainter;

namespace trelvix {

/// A canvas that draws through a QPainter, reading the canvas state at every call the way a
/// device context reads its selected objects:
/// - the pen: Solid, Dash, Dot, DashDot, DashDotDot in a device context's dash patterns (18-6,
///   3-3, 9-6-3-6, 9-3-3-3-3-3 pixels), which only pens of width 0 or 1 have (wider pens draw
///   solid); Clear draws no outline; width 0 is a cosmetic one-pixel pen. One-pixel pens leave out
///   a line's end point (flat caps); wider pens have round caps and joins;
/// - the brush: Solid fills, Clear does not;
/// - colours 0x00BBGGRR, the high byte ignored;
/// - text in the font made by qFontFromRecord and the text colour, on a transparent background,
///   placed by the text alignment (see textOrigin);
/// - the raster mode NotXor on line, polyline, polygon and ellipse: each pixel becomes
///   NOT (pen XOR pixel), so drawing a figure twice restores the image. fillRect and text always
///   copy, as they do on a device context. Raster operations need a raster paint device (a
///   QImage); on others (an SVG generator) NotXor figures are drawn normally.
///
/// Antialiasing is off by default, for exact device-context pixels: the model draws on the main
/// canvas incrementally, erases a figure by drawing it again in the background colour, and drags
/// rubber bands in NotXor, all of which leave fringes when edges are blended. A one-shot export,
/// where nothing is erased, may turn it on for smoother spheres and text; NotXor figures are never
/// antialiased.
class QtCanvas : public Canvas
{
public:
  /// Draws through painter, which stays the caller's and must be active while the canvas draws.
  explicit QtCanvas(QPainter& painter);
  ~QtCanvas() override;

  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  void line(Point from, Point to) override;
  void polyline(std::span<const Point> points) override;
  void polygon(std::span<const Point> points) override;
  void ellipse(const Rect& box) override;
  void fillRect(const Rect& rect) override;
  void text(Point at, std::string_view text) override;
  /// Width (horizontal advance) and height (ascent + descent) of text, in pixels, in the current
  /// font on the painter's device.
  TextExtent textExtent(std::string_view text) const override;
  /// Fills the paint device's whole area with colour (in device pixels, whatever the painter's
  /// transform).
  void fillSurface(Colour colour) override;
  /// On an image, in Copy mode, without antialiasing or scaling: blits the sphere's cached
  /// picture (SpherePictures), the same pixels as the four discs at a fraction of the cost.
  /// Otherwise (a vector file, NotXor, smooth drawing, a scaled painter, a sphere too small or too
  /// large to cache) draws the four discs.
  void shadedSphere(Point centre, int r, Colour colour) override;

  /// Where text drawn at the anchor starts: the left end of its baseline. Horizontally the anchor
  /// is the text's left edge, middle (half the width, rounded down) or right edge; vertically its
  /// top (the baseline an ascent below), its baseline, or its bottom (the baseline a descent
  /// above).
  QPoint textOrigin(Point at, std::string_view text) const;

  bool antialiased() const { return m_antialiased; }
  /// Whether figures and text are antialiased from now on (NotXor figures never are).
  void setAntialiased(bool on) { m_antialiased = on; }

  /// Text as the canvas draws it: UTF-8 when the bytes are valid UTF-8, else Latin-1 (the 8-bit
  /// texts of documents); characters XML cannot hold (controls, U+FFFE, U+FFFF) become U+FFFD.
  static QString qText(std::string_view text);

protected:
  /// For canvases that own their device and painter: they attach the painter once it is active.
  QtCanvas() = default;
  void setPainter(QPainter* painter) { m_painter = painter; }
  QPainter* painter() const { return m_painter; }

private:
  bool active() const;
  /// Whether a picture blitted on the device lands pixel for pixel as drawing would.
  bool blitsPictures() const;
  /// Selects pen, brush, raster mode and hints for a pen-and-brush figure.
  void prepareFigure();
  const QFont& currentFont() const;
  QFontMetrics metrics() const;

  QPainter* m_painter = nullptr;
  bool m_antialiased = false;
  // The font of the last record asked for, so that text and extents do not rebuild it each time.
  mutable bool m_fontValid = false;
  mutable FontRecord m_fontRecord;
  mutable bool m_fontAntialiased = false;
  mutable QFont m_font;
};

} // namespace trelvix
