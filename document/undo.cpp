#include "document/undo.h"

#include "document/drawing.h"

namespace trelvix {

void undoSnapshot(tDrawing& drawing, std::unique_ptr<tDrawing>& undo)
{
  undo.reset();
  undo = drawing.clone();
  undo->update();
  drawing.Color(black);
  drawing.savedFlag = 0;
  drawing.stateFlags[0] = 0;
  drawing.stateFlags[1] = 0;
}

} // namespace trelvix
