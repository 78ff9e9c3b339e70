// Drawing a document into an image or a file: the render command, previews and the tests.
#include "platform/qt/render_file.h"

#include "document/drawing.h"
#include "model/defaults.h"
#include "platform/binary_io.h"
#include "platform/checked.h"
#include "platform/qt/image_canvas.h"
#include "platform/qt/svg_canvas.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <span>

namespace trelvix {

namespace {

std::span<const std::uint8_t> bytesOf(const QByteArray& data)
{
  return { reinterpret_cast<const std::uint8_t*>(data.constData()),
           static_cast<std::size_t>(data.size()) };
}

// The picture's bytes, or the message that says why there are none.
struct Picture
{
  QByteArray bytes;
  std::string message;
};

Picture draw(tDrawing& drawing, RenderFormat format, int width, int height)
{
  try {
    if (format == RenderFormat::Png) {
      ImageCanvas canvas(width, height);
      drawing.print(canvas);
      return { canvas.png(), {} };
    }
    SvgCanvas canvas(width, height, drawing.title);
    drawing.print(canvas);
    if (!canvas.finish())
      return { {}, "Cannot draw the picture" };
    return { canvas.svg(), {} };
  } catch (const OverflowError& e) {
    return { {}, e.what() };
  }
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

FramedCopy framedCopy(const tDrawing& drawing)
{
  FramedCopy framed;
  if (drawing.Atoms.empty())
    return framed;
  framed.drawing = drawing.clone();
  tDrawing& copy = *framed.drawing;
  copy.frame();
  const Rect box = copy.frameRect;
  // The frame runs through the outermost atoms' centres: a margin of half a bond keeps their
  // symbols and the arrow heads whole.
  const int margin = static_cast<int>(bondScale() / 2);
  framed.width = box.right - box.left + 2 * margin;
  framed.height = box.bottom - box.top + 2 * margin;
  copy.Move(margin - box.left, margin - box.top, 0);
  return framed;
}

FramePictures renderFrame(const tDrawing& drawing)
{
  // 0.254 mm per drawing pixel is 100 pixels to the inch.
  constexpr int framePixelsPerInch = 100;
  try {
    const FramedCopy framed = framedCopy(drawing);
    if (!framed.drawing)
      return {};
    ImageCanvas image(framed.width, framed.height);
    framed.drawing->print(image);
    SvgCanvas svg(framed.width, framed.height, framed.drawing->title, framePixelsPerInch);
    framed.drawing->print(svg);
    if (!svg.finish())
      return {};
    return { image.image().copy(), svg.svg() };
  } catch (const OverflowError&) {
    return {};
  }
}

std::string renderFile(tDrawing& drawing,
                       const std::filesystem::path& path,
                       RenderFormat format,
                       int width,
                       int height)
{
  const Picture picture = draw(drawing, format, width, height);
  if (!picture.message.empty())
    return picture.message;
  if (picture.bytes.isEmpty())
    return "Cannot draw the picture";
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
