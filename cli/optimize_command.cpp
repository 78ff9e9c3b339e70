// The optimize command and build step: the geometry commands run headless on the whole document.
#include "cli/optimize_command.h"

#include "cli/cli_session.h"
#include "cli/interrupt.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "mechanics/stop_tool.h"

#include <cstdio>
#include <iostream>
#include <random>

namespace trelvix {

namespace {

struct Method
{
  const char* name;
  OptimiseCommand command;
};

constexpr Method methods[] = {
  { "optimize", OptimiseCommand::OptimizeGeometry },
  { "refine", OptimiseCommand::RefineGeometry },
  { "anneal", OptimiseCommand::AnnealGeometry },
  { "scramble", OptimiseCommand::ScrambleAndOptimize },
  { "protons", OptimiseCommand::OptimizeProtons },
};

const Method* findMethod(const std::string& name)
{
  for (const Method& m : methods) {
    if (name == m.name)
      return &m;
  }
  return nullptr;
}

} // namespace

int runOptimize(CliSession& session,
                const std::string& file,
                const std::string& output,
                const std::string& method,
                std::optional<std::uint64_t> seed,
                bool progress,
                bool saveOnStop)
{
  const Method* m = findMethod(method);
  if (!m) {
    std::cerr << "Unknown method: " << method << '\n';
    return 2;
  }
  std::unique_ptr<tDrawing> drawing = session.load(file);
  if (!drawing)
    return 1;
  session.shell().seedRandom(seed ? *seed : std::random_device{}());
  OptimiseProgress report;
  if (progress) {
    report = [](int pass, double energy) {
      char line[64];
      std::snprintf(line, sizeof line, "%d %.2f\n", pass, energy * 0.001);
      std::cerr << line;
    };
  }
  CommandLayer layer(std::move(drawing));
  layer.setUndoCopies(false);
  StopTool stop;
  const InterruptScope interrupt;
  const CommandResult result = layer.Optimize(m->command, stop, report);
  session.flushMessages();
  if (!result.message.empty())
    return 1; // an overflow: nothing is written over the output
  if (InterruptScope::interrupted() && !saveOnStop) {
    std::cerr << "Stopped: nothing saved (--save-on-stop keeps the geometry reached)\n";
    return 1;
  }
  layer.drawing().showenergy(8, 2);
  std::cout << layer.drawing().energyText.str() << '\n';
  return session.save(layer.drawing(), output) ? 0 : 1;
}

std::optional<OptimiseCommand> optimizeStepCommand(const std::string& step)
{
  const std::string prefix = "optimize";
  if (step.rfind(prefix, 0) != 0)
    return std::nullopt;
  std::string name = step.substr(prefix.size());
  if (name.empty())
    name = prefix;
  else if (name.front() == ':')
    name.erase(0, 1);
  else
    return std::nullopt;
  const Method* m = findMethod(name);
  if (!m)
    return std::nullopt;
  return m->command;
}

} // namespace trelvix
