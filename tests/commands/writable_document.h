#pragma once

#include "commands/command_layer.h"
#include "document/drawing.h"

namespace trelvix {

/// The layer's document, writable, for a test that sets up a state no command makes (raw atoms,
/// a saved flag, the current document after another layer let it go) or hands the document to a
/// function that writes into it (the file writer numbers what it writes). The front ends have
/// only the read-only drawing(): they change the document through commands.
inline tDrawing& writableDocument(const CommandLayer& layer)
{
  return const_cast<tDrawing&>(layer.drawing());
}

} // namespace trelvix
