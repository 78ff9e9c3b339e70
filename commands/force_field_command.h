#pragma once

// The force fields a library above the core brings (MMFF94, UFF), as the command layer sees
// them: a choice, what a run did, and the callable the program, the CLI and the tests give the
// layer at start-up. The layer itself knows nothing of how they are computed.
#include <cstdint>
#include <functional>
#include <string>

namespace trelvix {

class StopTool;
class tStructure;

/// A force field beside the program's own (the classic one).
enum class ForceFieldChoice : std::uint8_t
{
  MMFF94,
  UFF,
  /// MMFF94, or UFF for the whole structure when MMFF94 cannot type one of its atoms.
  Automatic
};

struct ForceFieldRun;

/// Called after every chunk of iterations with the run so far (force field, iterations, energy).
using ForceFieldProgress = std::function<void(const ForceFieldRun& soFar)>;

/// What one optimisation with a force field did.
struct ForceFieldRun
{
  /// Why nothing was changed, in the user's words (naming the atom a force field cannot type);
  /// empty when the optimisation ran.
  std::string failure;
  /// "MMFF94" or "UFF": the force field that ran.
  std::string forceField;
  /// The final energy, kcal/mol.
  double energy = 0;
  int iterations = 0;
  /// The gradient fell below the tolerance (not stopped, not at the iteration limit).
  bool converged = false;
  /// The structure had implicit hydrogens: they were added in 3D first, in the same undo step.
  bool protonsAdded = false;
};

/// Optimises target (the whole document, or the group the group editor shows) with the chosen
/// force field, showing the energy in the stop tool and stopping when its flag is set. On a
/// failure the document is left unchanged.
using ForceFieldOptimiser = std::function<ForceFieldRun(tStructure& target,
                                                        ForceFieldChoice choice,
                                                        StopTool& stop,
                                                        const ForceFieldProgress& progress)>;

} // namespace trelvix
