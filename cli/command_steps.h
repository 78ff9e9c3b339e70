#pragma once

#include <string>
#include <vector>

namespace trelvix {

class CommandLayer;

/// Performs the build steps of the command line on the document of layer, as the main window
/// would: `CODE@X,Y` (a left press with build code CODE armed), `atom:Z@X,Y` and `branch:Z@X,Y`
/// (the atom editor adding or branching element Z), `key:K@X,Y` (key K released over the point),
/// `label:TEXT@X,Y` and `formula:TEXT@X,Y` (a label or formula typed at the point),
/// `protons2d`, `protons3d`, `noprotons`, `optimize[:METHOD]`, `title:TEXT`, `author:TEXT`,
/// `notes:TEXT`. Returns the first step it cannot read, or an empty string when all were read.
std::string runBuildSteps(CommandLayer& layer,
                          const std::vector<std::string>& steps,
                          bool& messageShown);

} // namespace trelvix
