#pragma once

#include <string>
#include <vector>

namespace trelvix {

class CommandLayer;
class StopTool;

/// How a run of build steps ended.
struct StepsOutcome
{
  enum class Status
  {
    Done,       ///< every step acted
    Unreadable, ///< a step is not a build step, or names a code, element or key the program lacks
    Failed      ///< a step could not act; the program's message says why
  };
  Status status = Status::Done;
  /// The step that was unreadable or failed.
  std::string step;
};

/// Performs the build steps of the command line on the document of layer, as the main window
/// would: `CODE@X,Y` (a left press with build code CODE armed), `atom:Z@X,Y` and `branch:Z@X,Y`
/// (the atom editor adding or branching element Z), `key:K@X,Y` (key K released over the point),
/// `label:TEXT@X,Y` and `formula:TEXT@X,Y` (a label or formula typed at the point),
/// `smiles:TEXT@X,Y` (a molecule from SMILES placed at the point, 2D or, in 3D draw mode,
/// embedded in 3D), `protons2d`, `protons3d`, `noprotons`, `optimize[:METHOD]`, `title:TEXT`,
/// `author:TEXT`, `notes:TEXT`. Stops at the first step that is unreadable or fails.
StepsOutcome runBuildSteps(CommandLayer& layer, const std::vector<std::string>& steps);

} // namespace trelvix
