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

bool endsWith(const std::string& text, const std::string& suffix)
{
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

int runRender(CliSession& session,
              const std::string& file,
              const std::string& output,
              std::optional<int> view,
              const std::string& size)
{
  int width = 640;
  int height = 480;
  if (!size.empty()) {
    static const std::regex pattern(R"(^(\d{1,5})x(\d{1,5})$)");
    std::smatch m;
    if (!std::regex_match(size, m, pattern)) {
      std::cerr << "--size takes WIDTHxHEIGHT in pixels, such as 800x600\n";
      return usageError;
    }
    width = std::atoi(m[1].str().c_str());
    height = std::atoi(m[2].str().c_str());
    if (width < 1 || height < 1 || width > 20000 || height > 20000) {
      std::cerr << "--size must lie between 1x1 and 20000x20000\n";
      return usageError;
    }
  }
  if (view && !((*view >= 0 && *view <= 19) || (*view >= 100 && *view <= 119))) {
    std::cerr << "--view takes a view code 0..19 or 100..119\n";
    return usageError;
  }
  const bool png = endsWith(output, ".png") || endsWith(output, ".PNG");
  const bool svg = endsWith(output, ".svg") || endsWith(output, ".SVG");
  if (!png && !svg) {
    std::cerr << "The output must end in .png or .svg\n";
    return usageError;
  }

  std::unique_ptr<tDrawing> drawing = session.load(file);
  if (!drawing)
    return userError;
  if (view)
    drawing->viewMode = static_cast<std::uint8_t>(*view);

  // Fonts need a GUI application; no display is needed for drawing into an image or a file.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Without a session (a batch job, a container) Qt would pick a runtime folder itself and warn
  // about it on every run; a private folder of this user's in the temporary folder does quietly.
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    const std::string runtime = "/tmp/trelvix3d-runtime-" + std::to_string(getuid());
    if (mkdir(runtime.c_str(), 0700) == 0 || errno == EEXIST)
      setenv("XDG_RUNTIME_DIR", runtime.c_str(), 0);
  }
  int argc = 1;
  char name[] = "trelvix3d-cli";
  char* argv[] = { name, nullptr };
  QGuiApplication app(argc, argv);

  const std::string failure =
    renderFile(*drawing, output, png ? RenderFormat::Png : RenderFormat::Svg, width, height);
  session.flushMessages();
  if (!failure.empty()) {
    std::cerr << failure << '\n';
    return userError;
  }
  return 0;
}

} // namespace trelvix
