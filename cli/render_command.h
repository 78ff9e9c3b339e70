#pragma once

#include <optional>
#include <string>

namespace trelvix {

class CliSession;

/// `render FILE.tvx -o OUT.png|OUT.svg [--view CODE] [--size WxH]`: draws the document as the
/// main window would, on a white page of the given size (default 640 x 480). Returns the exit
/// status.
int runRender(CliSession& session,
              const std::string& file,
              const std::string& output,
              std::optional<int> view,
              const std::string& size);

} // namespace trelvix
