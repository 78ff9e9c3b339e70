#include "app/document_picture.h"

#include "document/drawing.h"
#include "document/file_format.h"
#include "platform/qt/image_canvas.h"
#include "platform/scripted_shell.h"

namespace trelvix {

namespace {

/// While a picture is read or drawn, messages are kept rather than shown and the picture's canvas
/// is the main canvas, so labels measure their text in the picture's own fonts. The shell in
/// force before comes back afterwards.
class PictureShellScope : public ScriptedShell
{
public:
  explicit PictureShellScope(Canvas* target = nullptr)
    : m_target(target)
    , m_previous(currentShell())
  {
    setCurrentShell(this);
  }
  ~PictureShellScope() override { setCurrentShell(&m_previous); }
  PictureShellScope(const PictureShellScope&) = delete;
  PictureShellScope& operator=(const PictureShellScope&) = delete;

  Canvas& mainCanvas() override { return m_target ? *m_target : ScriptedShell::mainCanvas(); }

private:
  Canvas* m_target;
  Shell& m_previous;
};

// Room left around a drawing that has to be shrunk, in pixels on each side.
constexpr int pictureMargin = 8;

} // namespace

PreviewDocument readPreviewDocument(const std::string& path)
{
  const PictureShellScope scope;
  PreviewDocument preview;
  preview.drawing = loadDrawing(path);
  if (!scope.messages().empty())
    preview.message = scope.messages().back().text;
  return preview;
}

QImage centredPicture(tDrawing& drawing, int width, int height)
{
  ImageCanvas canvas(width, height);
  if (drawing.Atoms.Count() > 0) {
    drawing.FitToFrame(Rect{ 0, 0, width - 2 * pictureMargin, height - 2 * pictureMargin });
    drawing.Moveto(width / 2, height / 2); // (159, 119) in the 318 × 238 preview
    const PictureShellScope scope(&canvas);
    drawing.print(canvas);
  }
  return canvas.image().copy();
}

} // namespace trelvix
