// The optimize command and build step: the geometry commands run headless on the whole document.
#include "cli/optimize_command.h"

#include "cli/cli_session.h"
#include "document/drawing.h"
#include "mechanics/optimiser.h"
#include "mechanics/stop_tool.h"
#include "platform/checked.h"
#include "platform/shell.h"

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

// Runs the command; false (the document as far as it got, the message shown) on an arithmetic
// overflow.
bool optimise(tDrawing& drawing, OptimiseCommand command, const OptimiseProgress& progress)
{
  StopTool stop;
  try {
    optimizeGeometry(drawing, command, stop, progress);
  } catch (const OverflowError& e) {
    showMessage(e.what());
    return false;
  }
  return true;
}

} // namespace

int runOptimize(CliSession& session,
                const std::string& file,
                const std::string& output,
                const std::string& method,
                std::optional<std::uint64_t> seed,
                bool progress)
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
  const bool done = optimise(*drawing, m->command, report);
  session.flushMessages();
  if (!done)
    return 1; // nothing is written over the output
  drawing->showenergy(8, 2);
  std::cout << drawing->energyText.str() << '\n';
  return session.save(*drawing, output) ? 0 : 1;
}

bool optimizeStep(tDrawing& drawing, const std::string& step)
{
  const std::string prefix = "optimize";
  if (step.rfind(prefix, 0) != 0)
    return false;
  std::string name = step.substr(prefix.size());
  if (name.empty())
    name = prefix;
  else if (name.front() == ':')
    name.erase(0, 1);
  else
    return false;
  const Method* m = findMethod(name);
  if (!m)
    return false;
  optimise(drawing, m->command, {});
  return true;
}

} // namespace trelvix
