#pragma once

#include <nlohmann/json.hpp>

namespace trelvix {

class tDrawing;

/// The document as the `info` command prints it: header texts, every atom, bond, group, symbol
/// and label, with coordinates in drawing units and 0-based positions in the document's lists.
nlohmann::ordered_json documentJson(const tDrawing& drawing);

} // namespace trelvix
