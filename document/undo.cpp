#include "document/undo.h"

#include "document/drawing.h"

namespace trelvix {

std::unique_ptr<tDrawing> undoSnapshot(tDrawing& drawing)
{
  std::unique_ptr<tDrawing> undo = drawing.clone();
  undo->update();
  drawing.Color(black);
  drawing.savedFlag = 0;
  drawing.stateFlags[0] = 0;
  drawing.stateFlags[1] = 0;
  return undo;
}

} // namespace trelvix
