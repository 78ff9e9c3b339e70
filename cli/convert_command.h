#pragma once

#include <string>

namespace trelvix {

class CliSession;

/// `convert IN OUT [--format F]`: reads IN and writes OUT, each in the format its extension
/// names (.tvx, .mol, .sdf, .smi, .xyz, .pdb), "-" standing for standard input or output.
/// --format gives the format of each side whose name does not tell it ("-", an unknown
/// extension); when both names tell theirs, it overrides the output's. Returns the exit status:
/// 1 when the input cannot be read or the output written (with the message), 2 when a format
/// cannot be told.
int runConvert(CliSession& session,
               const std::string& input,
               const std::string& output,
               const std::string& format);

} // namespace trelvix
