#pragma once

#include <QByteArray>
#include <QImage>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace trelvix {

class tDrawing;

enum class RenderFormat
{
  Png,
  Svg,
  Pdf
};

/// Draws the document as the main window shows it on a white image of width × height pixels
/// (previews, clipboard pictures). Needs a QGuiApplication (for fonts). An arithmetic overflow
/// while drawing (an atom far off the page) gives a null image.
QImage renderImage(tDrawing& drawing, int width, int height);

/// A copy of the document moved so that its frame with the margin starts at the origin, and the
/// size of that frame in pixels; no drawing when the document has no atoms. The frame is the box
/// around its atoms and symbols widened to the text of its labels and formulas; the margin is
/// half a bond unless margin gives it in drawing pixels, and the letters of the atoms' symbols
/// (an NH2 reaching past its nitrogen) always keep a little room inside. Throws OverflowError when
/// the move overflows.
struct FramedCopy
{
  std::unique_ptr<tDrawing> drawing;
  int width = 0;
  int height = 0;
};
FramedCopy framedCopy(const tDrawing& drawing, std::optional<int> margin = std::nullopt);

/// The document's frame (see framedCopy) drawn on its own: an image on white of that size in
/// pixels, and an SVG of the same picture whose printed size takes 0.254 mm per drawing pixel
/// (100 × 50 pixels are 25.4 mm × 12.7 mm). Empty when the document cannot be drawn (an
/// arithmetic overflow) or has nothing in it.
struct FramePictures
{
  QImage image;
  QByteArray svg;
};
FramePictures renderFrame(const tDrawing& drawing);

/// A drawing pixel is 0.254 mm on paper and in the files: 100 to the inch.
constexpr int drawingPixelsPerInch = 100;

/// How an exported picture is made.
struct PictureOptions
{
  RenderFormat format = RenderFormat::Png;
  /// The window's page of pageWidth × pageHeight drawing pixels instead of the document's frame.
  bool page = false;
  int pageWidth = 640;
  int pageHeight = 480;
  /// PNG: image pixels per inch, also written as the image's resolution; at
  /// drawingPixelsPerInch one image pixel is one drawing pixel, 300 gives three times as many.
  int dpi = drawingPixelsPerInch;
  /// PNG and SVG: a transparent background instead of white.
  bool transparent = false;
  /// Every length of the picture times this: more pixels in a PNG, a larger page in SVG and PDF.
  double scale = 1.0;
  /// The free border around a framed picture, in drawing pixels; none: half a bond.
  std::optional<int> margin = std::nullopt;
};

/// The bytes of a picture file, or the message that says why there are none.
struct Picture
{
  QByteArray bytes;
  std::string message;
};

/// The document as a picture file for publication: PNG and PDF antialiased, PDF and SVG as
/// vectors whose page is the picture's size at 0.254 mm per drawing pixel. The document itself is
/// not touched (a copy is drawn). "Nothing to draw" for a framed picture of a document without
/// atoms; the overflow's message when the picture cannot be drawn.
Picture makePicture(const tDrawing& drawing, const PictureOptions& options);

/// makePicture written to path, whole or not at all: the file is replaced only after a checked
/// write. Returns an empty text on success, else what went wrong ("Arithmetic overflow", "Cannot
/// write …").
std::string writePicture(const tDrawing& drawing,
                         const std::filesystem::path& path,
                         const PictureOptions& options);

} // namespace trelvix
