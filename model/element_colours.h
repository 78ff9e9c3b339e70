#pragma once

#include "platform/canvas.h"

namespace trelvix {

/// The colour balls and spheres of element z are drawn in (0xBBGGRR); light grey 0xBFBFBF for
/// every element without a colour of its own, and for numbers outside the table.
Colour elementColour(int z);

} // namespace trelvix
