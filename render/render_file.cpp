// Drawing a document into an image or a picture file: the render command, the window's
// pictures, previews and the tests.
#include "render/render_file.h"

#include "document/drawing.h"
#include "model/atom.h"
#include "model/atom_host.h"
#include "model/defaults.h"
#include "platform/binary_io.h"
#include "platform/checked.h"
#include "platform/qt/image_canvas.h"
#include "platform/qt/svg_canvas.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <span>

namespace trelvix {

namespace {

// Room a frame keeps beyond the letters of an atom's symbol, drawing pixels.
constexpr int symbolRoom = 2;

// The largest PNG made, in pixels (a gigabyte of image memory): beyond it --dpi asks too much.
constexpr qint64 largestImagePixels = qint64(1) << 28;

std::span<const std::uint8_t> bytesOf(const QByteArray& data)
{
  return { reinterpret_cast<const std::uint8_t*>(data.constData()),
           static_cast<std::size_t>(data.size()) };
}

/// The box of a text atom's characters: a label's text hangs from its point, a formula's first
/// character is centred on it and the rest run forwards or backwards by its direction, with
/// superscripts up to most of a line above and subscripts below.
Rect textBox(QtCanvas& probe, const tXY& atom)
{
  const std::string text(atom.symbol.str());
  probe.setFont(atom.font);
  const TextExtent extent = probe.textExtent(text);
  const int x = atom.px();
  const int y = atom.py();
  if (atom.textFlag == tLAtm::labelKind)
    return Rect{ x, y, x + extent.width, y + extent.height };
  const int half = probe.textExtent(text.substr(0, 1)).width / 2;
  const int left = atom.textDirection < 0 ? x - half - extent.width : x - half;
  return Rect{ left, y - extent.height, left + extent.width + 2 * half, y + extent.height };
}

/// What a frame holds: the drawing's atoms and symbols widened to the text of its labels and
/// formulas and to the balls or spheres its view draws, and apart from it the symbols its atoms
/// are written with (an NH2 reaches well past its nitrogen).
struct FrameParts
{
  Rect inner;
  std::optional<Rect> symbols;
};

void widen(Rect& box, const Rect& by)
{
  box.left = std::min(box.left, by.left);
  box.top = std::min(box.top, by.top);
  box.right = std::max(box.right, by.right);
  box.bottom = std::max(box.bottom, by.bottom);
}

FrameParts frameParts(tDrawing& drawing)
{
  drawing.frame();
  FrameParts parts{ drawing.frameRect, std::nullopt };
  // The atoms ask the copy, not the document being edited, which bonds they have.
  const AtomHostScope host(&drawing);
  ImageCanvas probe(1, 1);
  const std::uint8_t figureStyle = tDrawing::figureStyleOfView(drawing.viewMode);
  for (tXY* a : drawing.Atoms) {
    if (a->isatom()) {
      // A sphere or ball reaches its radius beyond the atom's centre.
      if (const int r = a->figureRadius(figureStyle); r > 0)
        widen(parts.inner, Rect{ a->screenX - r, a->screenY - r, a->screenX + r, a->screenY + r });
      if (Rect symbol = a->labelBox(probe); symbol != Rect{}) {
        // Subscript counts and raised charges stand a third of a letter below and above it.
        const int shifted = (symbol.bottom - symbol.top) / 3;
        symbol.top -= shifted;
        symbol.bottom += shifted;
        if (parts.symbols)
          widen(*parts.symbols, symbol);
        else
          parts.symbols = symbol;
      }
    }
    if (a->textFlag == tLAtm::labelKind || a->textFlag == tFormula::formulaKind)
      widen(parts.inner, textBox(probe, *a));
  }
  return parts;
}

QByteArray svgOf(tDrawing& drawing, int width, int height, const PictureOptions& options)
{
  SvgCanvas canvas(width,
                   height,
                   drawing.title,
                   drawingPixelsPerInch,
                   { .printScale = options.scale, .white = !options.transparent });
  drawing.print(canvas);
  if (!canvas.finish())
    return {};
  return canvas.svg();
}

Picture pngOf(tDrawing& drawing, int width, int height, const PictureOptions& options)
{
  const double scale = options.scale * options.dpi / drawingPixelsPerInch;
  const qint64 w = std::max<qint64>(std::llround(width * scale), 1);
  const qint64 h = std::max<qint64>(std::llround(height * scale), 1);
  if (w * h > largestImagePixels)
    return { {}, "The picture is too large" };
  QImage image(static_cast<int>(w), static_cast<int>(h), QImage::Format_ARGB32_Premultiplied);
  if (image.isNull())
    return { {}, "The picture is too large" };
  image.fill(options.transparent ? Qt::transparent : Qt::white);
  QPainter painter(&image);
  painter.scale(scale, scale);
  QtCanvas canvas(painter);
  canvas.setAntialiased(true);
  drawing.print(canvas);
  painter.end();
  // Dots per metre: dpi / 0.0254 m.
  const int dotsPerMetre = static_cast<int>(std::lround(options.dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG"))
    return { {}, "Cannot draw the picture" };
  return { data, {} };
}

QByteArray pdfOf(tDrawing& drawing, int width, int height, double scale)
{
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    // One device unit per drawing pixel, on a page just the picture's size.
    writer.setResolution(drawingPixelsPerInch);
    writer.setTitle(QtCanvas::qText(drawing.title));
    writer.setCreator(QStringLiteral("Trelvix3D"));
    constexpr double millimetresPerPixel = 25.4 / drawingPixelsPerInch;
    const QPageSize size(
      QSizeF(width * scale * millimetresPerPixel, height * scale * millimetresPerPixel),
      QPageSize::Millimeter,
      QString(),
      QPageSize::ExactMatch);
    if (!writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF())))
      return {};
    QPainter painter;
    if (!painter.begin(&writer))
      return {};
    painter.scale(scale, scale);
    QtCanvas canvas(painter);
    canvas.setAntialiased(true);
    drawing.print(canvas);
    if (!painter.end())
      return {};
  }
  return data;
}

} // namespace

QImage renderImage(tDrawing& drawing, int width, int height)
{
  ImageCanvas canvas(width, height);
  try {
    drawing.print(canvas);
  } catch (const OverflowError&) {
    return {};
  }
  return canvas.image().copy();
}

FramedCopy framedCopy(const tDrawing& drawing, std::optional<int> margin)
{
  FramedCopy framed;
  if (drawing.Atoms.empty())
    return framed;
  framed.drawing = drawing.clone();
  tDrawing& copy = *framed.drawing;
  const FrameParts parts = frameParts(copy);
  // The frame runs through the outermost atoms' centres: a margin of half a bond keeps their
  // symbols and the arrow heads whole. A symbol reaching further (an NH2, a long label) keeps a
  // little room of its own, so no margin ever cuts a letter.
  const int border = std::max(margin.value_or(static_cast<int>(bondScale() / 2)), 0);
  Rect box{ parts.inner.left - border,
            parts.inner.top - border,
            parts.inner.right + border,
            parts.inner.bottom + border };
  if (parts.symbols) {
    widen(box,
          Rect{ parts.symbols->left - symbolRoom,
                parts.symbols->top - symbolRoom,
                parts.symbols->right + symbolRoom,
                parts.symbols->bottom + symbolRoom });
  }
  framed.width = box.right - box.left;
  framed.height = box.bottom - box.top;
  copy.Move(-box.left, -box.top, 0);
  return framed;
}

FramePictures renderFrame(const tDrawing& drawing)
{
  try {
    const FramedCopy framed = framedCopy(drawing);
    if (!framed.drawing)
      return {};
    ImageCanvas image(framed.width, framed.height);
    framed.drawing->print(image);
    QByteArray svg = svgOf(*framed.drawing, framed.width, framed.height, PictureOptions{});
    if (svg.isEmpty())
      return {};
    return { image.image().copy(), std::move(svg) };
  } catch (const OverflowError&) {
    return {};
  }
}

Picture makePicture(const tDrawing& drawing, const PictureOptions& options)
{
  try {
    FramedCopy picture;
    if (options.page) {
      picture = { drawing.clone(), options.pageWidth, options.pageHeight };
    } else {
      picture = framedCopy(drawing, options.margin);
      if (!picture.drawing)
        return { {}, "Nothing to draw" };
    }
    tDrawing& copy = *picture.drawing;
    if (options.format == RenderFormat::Png)
      return pngOf(copy, picture.width, picture.height, options);
    QByteArray bytes = options.format == RenderFormat::Svg
                         ? svgOf(copy, picture.width, picture.height, options)
                         : pdfOf(copy, picture.width, picture.height, options.scale);
    if (bytes.isEmpty())
      return { {}, "Cannot draw the picture" };
    return { std::move(bytes), {} };
  } catch (const OverflowError& e) {
    return { {}, e.what() };
  }
}

std::string writePicture(const tDrawing& drawing,
                         const std::filesystem::path& path,
                         const PictureOptions& options)
{
  const Picture picture = makePicture(drawing, options);
  if (!picture.message.empty())
    return picture.message;
  errno = 0;
  if (saveFile(path.string(), bytesOf(picture.bytes)) != IoResult::Ok) {
    const int reason = errno;
    std::string message = "Cannot write " + path.string();
    if (reason != 0)
      message += ": " + std::string(std::strerror(reason));
    return message;
  }
  return {};
}

} // namespace trelvix
