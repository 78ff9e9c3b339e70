#pragma once

#include "cli/thermo_command.h"

#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace trelvix {

class CliSession;

/// The options of the properties, frequencies and reaction commands.
struct AnalysisOptions
{
  CLI::App* properties = nullptr;
  CLI::App* frequencies = nullptr;
  CLI::App* reaction = nullptr;
  std::string file;
  double T = 293;
  double P = 1.0;
  std::vector<std::string> moles; ///< GROUP=N, GROUP the 0-based position in the groups
  /// When given, the reaction command saves the document here with its report written under it.
  std::string reportOutput;
  /// "best": each species from the best source that knows it; "estimate": the force field alone.
  std::string model = "best";
  std::vector<std::string> phases; ///< GROUP=gas|liquid|solid
  ThermoOptions thermo;
  /// frequencies: "levels" (the classic vibrational levels) or "normal-modes".
  std::string method = "levels";
  /// frequencies --method normal-modes: mmff94, uff, auto or classic.
  std::string forceField = "mmff94";
  /// frequencies --method normal-modes: the spectrum written here (.svg, .png or .csv).
  std::string spectrum;
};

/// Adds the three commands and thermo to app; their options land in options.
void addAnalysisCommands(CLI::App& app, AnalysisOptions& options);
/// Runs whichever of them was given; nullopt when none was.
std::optional<int> runAnalysisCommand(CliSession& session, const AnalysisOptions& options);

} // namespace trelvix
