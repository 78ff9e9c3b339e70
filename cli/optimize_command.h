#pragma once

#include "mechanics/optimiser.h"

#include <cstdint>
#include <optional>
#include <string>

namespace trelvix {

class CliSession;

/// `optimize FILE.tvx -o OUT.tvx [--method M] [--seed N] [--progress]` (M: optimize, refine,
/// anneal, scramble, protons): runs the geometry command on the whole document through the
/// command layer, prints the final strain energy, saves. Without a seed the random numbers start
/// from a fresh seed, as in the program. --progress writes "PASS KCAL" for every pass to
/// standard error. Ctrl+C ends the run after the current atom: nothing is saved (exit 1), or with
/// saveOnStop the geometry reached so far (exit 0). forceField "classic" (the default) is the
/// program's own; "mmff94", "uff" or "auto" minimise with that force field instead (the method
/// is then not used), print "FIELD ENERGY kcal/mol" and with --progress "ITERATIONS KCAL FIELD"
/// for every chunk of iterations. Returns the exit status.
int runOptimize(CliSession& session,
                const std::string& file,
                const std::string& output,
                const std::string& method,
                std::optional<std::uint64_t> seed,
                bool progress,
                bool saveOnStop = false,
                const std::string& forceField = "classic");

/// The geometry command of the build step `optimize` or `optimize:METHOD`; nullopt when step is
/// not one (or names no method).
std::optional<OptimiseCommand> optimizeStepCommand(const std::string& step);

} // namespace trelvix
