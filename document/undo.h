#pragma once

#include <memory>

namespace trelvix {

class tDrawing;

/// Takes the one-level undo copy before an edit: undo becomes an independent copy of drawing
/// (any older copy is freed); drawing loses its highlight colours, its saved flag and its
/// computed-state flags.
void undoSnapshot(tDrawing& drawing, std::unique_ptr<tDrawing>& undo);

} // namespace trelvix
