#include "cli/render_file.h"

#include "document/drawing.h"
#include "platform/qt/image_canvas.h"
#include "platform/qt/svg_canvas.h"

namespace trelvix {

bool renderFile(tDrawing& drawing,
                const std::filesystem::path& path,
                RenderFormat format,
                int width,
                int height)
{
  if (format == RenderFormat::Png) {
    ImageCanvas canvas(width, height);
    drawing.print(canvas);
    return canvas.savePng(path);
  }
  SvgCanvas canvas(path, width, height, drawing.title);
  if (!canvas.isOpen())
    return false;
  drawing.print(canvas);
  return canvas.finish();
}

} // namespace trelvix
