#pragma once

#include <memory>

namespace trelvix {

class tDrawing;

/// Takes the undo copy before an edit: an independent, updated copy of drawing; drawing loses
/// its highlight colours, its saved flag and its computed-state flags.
std::unique_ptr<tDrawing> undoSnapshot(tDrawing& drawing);

} // namespace trelvix
