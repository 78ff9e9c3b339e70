#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace trelvix {

class CliSession;
class tDrawing;

/// `optimize FILE.tvx -o OUT.tvx [--method M] [--seed N] [--progress]` (M: optimize, refine,
/// anneal, scramble, protons): runs the geometry
/// command on the whole document, prints the final strain energy, saves. Without a seed the
/// random numbers start from a fresh seed, as in the program. --progress writes "PASS KCAL" for
/// every pass to standard error. Returns the exit status.
int runOptimize(CliSession& session,
                const std::string& file,
                const std::string& output,
                const std::string& method,
                std::optional<std::uint64_t> seed,
                bool progress);

/// The build step `optimize` or `optimize:METHOD` on the document being built; false when step
/// is not one (or names no method).
bool optimizeStep(tDrawing& drawing, const std::string& step);

} // namespace trelvix
