// Drawing a document into an image or a file: the render command, previews and the tests.
#include "platform/qt/render_file.h"

#include "document/drawing.h"
#include "platform/binary_io.h"
#include "platform/checked.h"
#include "platform/qt/image_canvas.h"
#include "platform/qt/svg_canvas.h"

#include <cerrno>
#include <cstring>
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
