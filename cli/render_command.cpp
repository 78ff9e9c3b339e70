#include "cli/render_command.h"

#include "cli/cli_session.h"
#include "document/drawing.h"
#include "platform/qt/render_file.h"

#include <QGuiApplication>
#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <regex>
#include <sys/stat.h>
#include <unistd.h>

namespace trelvix {

namespace {

constexpr int userError = 1;
constexpr int usageError = 2;
// PNG resolutions: from a thumbnail to a photo-setter's.
constexpr int minimumDpi = 10;
constexpr int maximumDpi = 1200;

bool endsWith(const std::string& text, const std::string& suffix)
{
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

int runRender(CliSession& session, const RenderRequest& request)
{
  PictureOptions options;
  // A size names a page: given alone it draws that page.
  options.page = request.page || !request.size.empty();
  if (!request.size.empty()) {
    static const std::regex pattern(R"(^(\d{1,5})x(\d{1,5})$)");
    std::smatch m;
    if (!std::regex_match(request.size, m, pattern)) {
      std::cerr << "--size takes WIDTHxHEIGHT in pixels, such as 800x600\n";
      return usageError;
    }
    options.pageWidth = std::atoi(m[1].str().c_str());
    options.pageHeight = std::atoi(m[2].str().c_str());
    if (options.pageWidth < 1 || options.pageHeight < 1 || options.pageWidth > 20000 ||
        options.pageHeight > 20000) {
      std::cerr << "--size must lie between 1x1 and 20000x20000\n";
      return usageError;
    }
  }
  const std::optional<int> view = request.view;
  if (view && !((*view >= 0 && *view <= 19) || (*view >= 100 && *view <= 119))) {
    std::cerr << "--view takes a view code 0..19 or 100..119\n";
    return usageError;
  }
  const std::string& output = request.output;
  if (endsWith(output, ".png") || endsWith(output, ".PNG"))
    options.format = RenderFormat::Png;
  else if (endsWith(output, ".svg") || endsWith(output, ".SVG"))
    options.format = RenderFormat::Svg;
  else if (endsWith(output, ".pdf") || endsWith(output, ".PDF"))
    options.format = RenderFormat::Pdf;
  else {
    std::cerr << "The output must end in .png, .svg or .pdf\n";
    return usageError;
  }
  const bool png = options.format == RenderFormat::Png;
  if ((request.dpi || request.transparent) && !png) {
    std::cerr << "--dpi and --transparent are for PNG output\n";
    return usageError;
  }
  if (request.dpi) {
    if (*request.dpi < minimumDpi || *request.dpi > maximumDpi) {
      std::cerr << "--dpi must lie between " << minimumDpi << " and " << maximumDpi << '\n';
      return usageError;
    }
    options.dpi = *request.dpi;
  }
  options.transparent = request.transparent;

  std::unique_ptr<tDrawing> drawing = session.load(request.file);
  if (!drawing)
    return userError;
  if (view)
    drawing->viewMode = static_cast<std::uint8_t>(*view);

  prepareOffscreenQt();
  int argc = 1;
  char name[] = "trelvix3d-cli";
  char* argv[] = { name, nullptr };
  QGuiApplication app(argc, argv);

  const std::string failure = writePicture(*drawing, output, options);
  session.flushMessages();
  if (!failure.empty()) {
    std::cerr << failure << '\n';
    return userError;
  }
  return 0;
}

void prepareOffscreenQt()
{
  // Fonts need a GUI application; no display is needed for drawing into an image or a file.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Without a session (a batch job, a container) Qt would pick a runtime folder itself and warn
  // about it on every run; a private folder of this user's in the temporary folder does quietly.
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    const std::string runtime = "/tmp/trelvix3d-runtime-" + std::to_string(getuid());
    if (mkdir(runtime.c_str(), 0700) == 0 || errno == EEXIST)
      setenv("XDG_RUNTIME_DIR", runtime.c_str(), 0);
  }
}

} // namespace trelvix
