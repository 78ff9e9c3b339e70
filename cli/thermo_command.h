#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace trelvix {

class CliSession;
class tDrawing;
class tStructure;

/// The options of the thermo command.
struct ThermoOptions
{
  CLI::App* command = nullptr;
  std::string file;
  /// The temperatures to report, kelvin; 298.15 K when none is given.
  std::vector<double> temperatures;
  std::vector<std::string> phases; ///< GROUP=gas|liquid|solid
};

/// Adds the thermo command to app: per structure its formula, identity, source and standard
/// functions at each temperature, as JSON.
void addThermoCommand(CLI::App& app, ThermoOptions& options);
/// Runs it on the loaded document; the exit status.
int runThermoCommand(tDrawing& drawing, const ThermoOptions& options);

/// How a phase is given to a group: directly, or through the command layer.
using PhaseSetter = std::function<void(tStructure& group, std::uint8_t phase)>;

/// "GROUP=gas|liquid|solid" into the phase of the group at that position, given by set (gas
/// keeps a gas state the group has); false (message printed) when it names no group or phase.
bool applyPhase(const tDrawing& drawing, const std::string& item, const PhaseSetter& set);

} // namespace trelvix
