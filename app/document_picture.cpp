#include "app/document_picture.h"

#include "document/drawing.h"
#include "document/file_format.h"
#include "platform/scripted_shell.h"
#include "render/render_file.h"

namespace trelvix {

namespace {

/// While a document is read for a look, its messages are kept rather than shown; the shell in
/// force before comes back afterwards.
class QuietShellScope : public ScriptedShell
{
public:
  QuietShellScope()
    : m_previous(currentShell())
  {
    setCurrentShell(this);
  }
  ~QuietShellScope() override { setCurrentShell(&m_previous); }
  QuietShellScope(const QuietShellScope&) = delete;
  QuietShellScope& operator=(const QuietShellScope&) = delete;

private:
  Shell& m_previous;
};

// Room left around a drawing that has to be shrunk, in pixels on each side.
constexpr int pictureMargin = 8;

} // namespace

PreviewDocument readPreviewDocument(const std::string& path)
{
  const QuietShellScope scope;
  PreviewDocument preview;
  preview.drawing = loadDrawing(path);
  if (!scope.messages().empty())
    preview.message = scope.messages().back().text;
  return preview;
}

QImage centredPicture(tDrawing& drawing, int width, int height)
{
  if (drawing.Atoms.Count() > 0) {
    drawing.FitToFrame(Rect{ 0, 0, width - 2 * pictureMargin, height - 2 * pictureMargin });
    drawing.Moveto(width / 2, height / 2); // (159, 119) in the 318 × 238 preview
  }
  return renderImage(drawing, width, height);
}

} // namespace trelvix
