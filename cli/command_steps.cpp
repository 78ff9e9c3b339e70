// The build steps of the command line, read by hand (any length, no recursion) and performed
// through the command layer as the main window performs its commands.
#include "cli/command_steps.h"

#include "cli/optimize_command.h"
#include "commands/command_layer.h"
#include "document/code_table.h"
#include "document/drawing.h"
#include "exchange/molecule_import.h"
#include "mechanics/stop_tool.h"
#include "model/defaults.h"
#include "model/element_table.h"
#include "platform/shell.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace trelvix {

namespace {

/// A whole unsigned number of at most five digits (codes, elements).
std::optional<int> smallNumber(std::string_view text)
{
  if (text.empty() || text.size() > 5)
    return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    return std::nullopt;
  return value;
}

/// A coordinate: an optional minus, digits, and optionally a point and more digits.
std::optional<double> coordinate(std::string_view text)
{
  std::string_view digits = text;
  if (!digits.empty() && digits.front() == '-')
    digits.remove_prefix(1);
  const std::size_t point = digits.find('.');
  const std::string_view whole = digits.substr(0, point);
  const std::string_view fraction =
    point == std::string_view::npos ? std::string_view("0") : digits.substr(point + 1);
  const auto allDigits = [](std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if (!allDigits(whole) || !allDigits(fraction))
    return std::nullopt;
  // A number beyond any double is no point of the page.
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

/// "WHAT@X,Y" split at the last '@'.
struct AtPoint
{
  std::string_view what;
  double x = 0;
  double y = 0;
};

std::optional<AtPoint> atPoint(std::string_view step)
{
  const std::size_t at = step.rfind('@');
  if (at == std::string_view::npos)
    return std::nullopt;
  const std::string_view point = step.substr(at + 1);
  const std::size_t comma = point.find(',');
  if (comma == std::string_view::npos)
    return std::nullopt;
  const std::optional<double> x = coordinate(point.substr(0, comma));
  const std::optional<double> y = coordinate(point.substr(comma + 1));
  if (!x || !y)
    return std::nullopt;
  return AtPoint{ step.substr(0, at), *x, *y };
}

bool startsWith(std::string_view text, std::string_view prefix)
{
  return text.substr(0, prefix.size()) == prefix;
}

bool isKeyName(std::string_view key)
{
  if (key == "Delete")
    return true;
  return key.size() == 1 &&
         (std::isdigit(static_cast<unsigned char>(key[0])) ||
          std::isupper(static_cast<unsigned char>(key[0])) || key[0] == '+' || key[0] == '-');
}

/// One step performed; nullopt when it cannot be read.
std::optional<CommandResult> performStep(CommandLayer& layer, const std::string& step)
{
  if (step == "protons2d")
    return layer.AddProtons2D();
  if (step == "protons3d")
    return layer.AddProtons3D();
  if (step == "noprotons")
    return layer.RemoveProtons();
  if (const std::optional<OptimiseCommand> command = optimizeStepCommand(step)) {
    StopTool stop;
    return layer.Optimize(*command, stop);
  }
  for (const std::string_view prefix : { "title:", "author:", "notes:" }) {
    if (!startsWith(step, prefix))
      continue;
    const tDrawing& d = layer.drawing();
    std::string title = d.title, author = d.author, notes = d.notes;
    std::string& field = prefix == "title:" ? title : prefix == "author:" ? author : notes;
    field = step.substr(prefix.size());
    return layer.SetComments(title, author, notes);
  }

  const std::optional<AtPoint> p = atPoint(step);
  if (!p)
    return std::nullopt;
  const std::string_view what = p->what;
  if (const std::optional<int> code = smallNumber(what)) {
    if (!isBuildCode(*code))
      return std::nullopt;
    return layer.BuildAt(p->x, p->y, *code);
  }
  for (const std::string_view prefix : { "atom:", "branch:" }) {
    if (!startsWith(what, prefix))
      continue;
    const std::optional<int> z = smallNumber(what.substr(prefix.size()));
    if (!z || *z < 1 || *z > maxElement)
      return std::nullopt;
    return prefix == "atom:" ? layer.AddAtom(*z, p->x, p->y) : layer.BranchAtom(*z, p->x, p->y);
  }
  if (startsWith(what, "key:")) {
    const std::string_view key = what.substr(4);
    if (!isKeyName(key))
      return std::nullopt;
    CommandResult result = layer.KeyUp(key, p->x, p->y);
    if (!result.known)
      return std::nullopt;
    // A key with no atom or bond to act on did nothing: the step failed.
    if (result.acted() && !result.changed) {
      result.message = "Nothing under the pointer for key " + std::string(key);
      showMessage(result.message);
    }
    return result;
  }
  if (startsWith(what, "smiles:")) {
    const std::string_view smiles = what.substr(7);
    return layer.Place([&] {
      ImportOptions options;
      options.embed3D = modelDefaults().DrawMode3D;
      return placeSmiles(smiles, p->x, p->y, options);
    });
  }
  for (const auto& [prefix, code] : { std::pair<std::string_view, int>{ "label:", 607 },
                                      std::pair<std::string_view, int>{ "formula:", 608 } }) {
    if (startsWith(what, prefix))
      return layer.AddText(code, std::string(what.substr(prefix.size())), p->x, p->y);
  }
  return std::nullopt;
}

} // namespace

StepsOutcome runBuildSteps(CommandLayer& layer, const std::vector<std::string>& steps)
{
  for (const std::string& step : steps) {
    const std::optional<CommandResult> result = performStep(layer, step);
    if (!result)
      return { StepsOutcome::Status::Unreadable, step };
    // A step that showed a message could not act, unless the message was a question answered
    // Yes (it then went on).
    if (!result->acted())
      return { StepsOutcome::Status::Failed, step };
  }
  return {};
}

} // namespace trelvix
