// The optimize command and build step: the geometry commands run headless on the whole document.
#include "cli/optimize_command.h"

#include "cli/cli_session.h"
#include "cli/interrupt.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "forcefields/force_field_optimiser.h"
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

struct ForceFieldName
{
  const char* name;
  ForceFieldChoice choice;
};

constexpr ForceFieldName forceFields[] = {
  { "mmff94", ForceFieldChoice::MMFF94 },
  { "uff", ForceFieldChoice::UFF },
  { "auto", ForceFieldChoice::Automatic },
};

const ForceFieldName* findForceField(const std::string& name)
{
  for (const ForceFieldName& f : forceFields) {
    if (name == f.name)
      return &f;
  }
  return nullptr;
}

// After the run: nothing saved on Ctrl+C without saveOnStop; else the document written.
int finish(CliSession& session, CommandLayer& layer, const std::string& output, bool saveOnStop)
{
  if (InterruptScope::interrupted() && !saveOnStop) {
    std::cerr << "Stopped: nothing saved (--save-on-stop keeps the geometry reached)\n";
    return 1;
  }
  return session.save(layer, output) ? 0 : 1;
}

int runForceField(CliSession& session,
                  std::unique_ptr<tDrawing> drawing,
                  const ForceFieldName& field,
                  const std::string& output,
                  bool progress,
                  bool saveOnStop)
{
  ForceFieldProgress report;
  if (progress) {
    report = [](const ForceFieldRun& soFar) {
      char line[64];
      std::snprintf(line,
                    sizeof line,
                    "%d %.4f %s\n",
                    soFar.iterations,
                    soFar.energy,
                    soFar.forceField.c_str());
      std::cerr << line;
    };
  }
  CommandLayer layer(std::move(drawing));
  layer.setUndoCopies(false);
  layer.setForceFieldOptimiser(optimizeWithForceField);
  StopTool stop;
  const InterruptScope interrupt;
  ForceFieldRun run;
  const CommandResult result = layer.OptimizeWith(field.choice, stop, report, &run);
  session.flushMessages();
  if (!result.message.empty())
    return 1; // refused (the message names the atom) or an overflow: nothing is written
  if (run.protonsAdded)
    std::cerr << "Hydrogens were added in 3D before the optimisation\n";
  if (!run.converged && !InterruptScope::interrupted())
    std::cerr << "Not converged after " << run.iterations << " iterations\n";
  char line[96];
  std::snprintf(line, sizeof line, "%s %.4f kcal/mol", run.forceField.c_str(), run.energy);
  std::cout << line << '\n';
  return finish(session, layer, output, saveOnStop);
}

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
                bool saveOnStop,
                const std::string& forceField)
{
  const Method* m = findMethod(method);
  if (!m) {
    std::cerr << "Unknown method: " << method << '\n';
    return 2;
  }
  const ForceFieldName* field = findForceField(forceField);
  if (!field && forceField != "classic") {
    std::cerr << "Unknown force field: " << forceField << '\n';
    return 2;
  }
  std::unique_ptr<tDrawing> drawing = session.load(file);
  if (!drawing)
    return 1;
  if (field)
    return runForceField(session, std::move(drawing), *field, output, progress, saveOnStop);
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
  layer.ShowEnergy(8, 2);
  std::cout << layer.drawing().energyText.str() << '\n';
  return session.save(layer, output) ? 0 : 1;
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
