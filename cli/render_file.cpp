#include "cli/render_file.h"

#include "document/drawing.h"
#include "platform/qt/image_canvas.h"
#include "platform/qt/svg_canvas.h"
#include "platform/scripted_shell.h"

namespace trelvix {

namespace {

/// While a document draws into a file, the file's canvas is the main canvas, as the back buffer
/// is in the window: labels and formulas measure their characters in the font they are drawn
/// in. Drawing shows no messages; the shell in force before comes back afterwards.
class TargetCanvasScope : public ScriptedShell
{
public:
  explicit TargetCanvasScope(Canvas& target)
    : m_target(target)
    , m_previous(currentShell())
  {
    setCurrentShell(this);
  }
  ~TargetCanvasScope() override { setCurrentShell(&m_previous); }
  TargetCanvasScope(const TargetCanvasScope&) = delete;
  TargetCanvasScope& operator=(const TargetCanvasScope&) = delete;

  Canvas& mainCanvas() override { return m_target; }

private:
  Canvas& m_target;
  Shell& m_previous;
};

void drawOn(tDrawing& drawing, Canvas& canvas)
{
  const TargetCanvasScope scope(canvas);
  drawing.print(canvas);
}

} // namespace

bool renderFile(tDrawing& drawing,
                const std::filesystem::path& path,
                RenderFormat format,
                int width,
                int height)
{
  if (format == RenderFormat::Png) {
    ImageCanvas canvas(width, height);
    drawOn(drawing, canvas);
    return canvas.savePng(path);
  }
  SvgCanvas canvas(path, width, height, drawing.title);
  if (!canvas.isOpen())
    return false;
  drawOn(drawing, canvas);
  return canvas.finish();
}

} // namespace trelvix
