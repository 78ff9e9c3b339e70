#pragma once

#include "platform/canvas.h"

namespace trelvix {

/// The colour balls and spheres of element z are drawn in (0xBBGGRR); light grey 0xBFBFBF for
/// every element without a colour of its own, and for numbers outside the table.
Colour elementColour(int z);

/// The colour element z is written and its bonds drawn in on a white page when the 2D styles
/// colour by element: black for hydrogen and carbon, else elementColour darkened until it reads
/// on white (a light yellow sulfur becomes an ochre).
Colour elementInk(int z);

} // namespace trelvix
