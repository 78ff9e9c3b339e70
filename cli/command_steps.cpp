#include "cli/command_steps.h"

#include "cli/optimize_command.h"
#include "document/commands.h"
#include "document/drawing.h"
#include "model/atom.h"
#include "platform/scripted_shell.h"

#include <algorithm>
#include <cstdlib>
#include <regex>

namespace trelvix {

namespace {

// The longest text each comment field holds (the file keeps them zero-terminated).
constexpr std::size_t titleLength = 95;
constexpr std::size_t notesLength = 319;

bool commentStep(tDrawing& d, const std::string& step)
{
  struct Field
  {
    const char* prefix;
    std::string tDrawing::*text;
    std::size_t length;
  };
  static const Field fields[] = { { "title:", &tDrawing::title, titleLength },
                                  { "author:", &tDrawing::author, titleLength },
                                  { "notes:", &tDrawing::notes, notesLength } };
  for (const Field& f : fields) {
    const std::string prefix = f.prefix;
    if (step.rfind(prefix, 0) == 0) {
      d.*f.text = step.substr(prefix.size(), f.length);
      d.savedFlag = 0;
      return true;
    }
  }
  return false;
}

} // namespace

std::string runBuildSteps(CommandLayer& layer,
                          const std::vector<std::string>& steps,
                          bool& messageShown)
{
  static const std::regex press(R"(^(\d+)@(-?\d+(?:\.\d+)?),(-?\d+(?:\.\d+)?)$)");
  static const std::regex atomStep(R"(^(atom|branch):(\d+)@(-?\d+(?:\.\d+)?),(-?\d+(?:\.\d+)?)$)");
  static const std::regex keyStep(
    R"(^key:(Delete|[0-9A-Z+-])@(-?\d+(?:\.\d+)?),(-?\d+(?:\.\d+)?)$)");
  static const std::regex textStep(R"(^(label|formula):(.*)@(-?\d+(?:\.\d+)?),(-?\d+(?:\.\d+)?)$)");
  auto& shell = dynamic_cast<ScriptedShell&>(currentShell());
  messageShown = false;
  for (const std::string& step : steps) {
    const std::size_t before = shell.messages().size();
    std::smatch m;
    if (std::regex_match(step, m, press)) {
      const long code = std::strtol(m[1].str().c_str(), nullptr, 10);
      if (code > 65535)
        return step;
      layer.BuildAt(std::strtod(m[2].str().c_str(), nullptr),
                    std::strtod(m[3].str().c_str(), nullptr),
                    static_cast<int>(code));
    } else if (std::regex_match(step, m, atomStep)) {
      const long z = std::strtol(m[2].str().c_str(), nullptr, 10);
      if (z < 1 || z > 103)
        return step;
      const double x = std::strtod(m[3].str().c_str(), nullptr);
      const double y = std::strtod(m[4].str().c_str(), nullptr);
      if (m[1] == "atom")
        layer.AddAtom(static_cast<int>(z), x, y);
      else
        layer.BranchAtom(static_cast<int>(z), x, y);
    } else if (std::regex_match(step, m, keyStep)) {
      if (!layer.KeyUp(m[1].str(),
                       std::strtod(m[2].str().c_str(), nullptr),
                       std::strtod(m[3].str().c_str(), nullptr)))
        return step;
    } else if (std::regex_match(step, m, textStep)) {
      // The label command, then the text typed into the text editor.
      layer.BuildAt(std::strtod(m[3].str().c_str(), nullptr),
                    std::strtod(m[4].str().c_str(), nullptr),
                    m[1] == "label" ? 607 : 608);
      if (tLAtm* text = layer.textToEdit())
        text->SetSymbol(m[2].str());
    } else if (step == "protons2d") {
      layer.AddProtons2D();
    } else if (step == "protons3d") {
      layer.AddProtons3D();
    } else if (step == "noprotons") {
      layer.RemoveProtons();
    } else if (optimizeStep(layer.drawing(), step)) {
      // the geometry command ran on the document being built
    } else if (!commentStep(layer.drawing(), step)) {
      return step;
    }
    // A step that showed a message could not act, unless the message was a question answered
    // Yes (it then went on).
    const auto& shown = shell.messages();
    const bool refused = std::any_of(
      shown.begin() + static_cast<std::ptrdiff_t>(before),
      shown.end(),
      [](const ScriptedShell::Message& message) { return message.answer != MessageAnswer::Yes; });
    if (refused) {
      messageShown = true;
      return {};
    }
  }
  return {};
}

} // namespace trelvix
