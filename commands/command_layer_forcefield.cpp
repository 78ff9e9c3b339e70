// Optimize with the force fields a library above the core brings: the layer runs the optimiser
// it was given as one long edit and keeps a refusal from costing the user anything.
#include "commands/command_layer.h"
#include "commands/message_capture.h"
#include "document/drawing.h"
#include "platform/shell.h"

namespace trelvix {

void CommandLayer::setForceFieldOptimiser(ForceFieldOptimiser optimiser)
{
  m_forceFieldOptimiser = std::move(optimiser);
}

CommandResult CommandLayer::OptimizeWith(ForceFieldChoice choice,
                                         StopTool& stop,
                                         const ForceFieldProgress& progress,
                                         ForceFieldRun* run)
{
  if (m_busy)
    return refused();
  CommandResult result;
  if (!m_forceFieldOptimiser) {
    result.known = false;
    return result;
  }
  m_pending = 0;
  tell([](CommandObserver& o) { o.modeChanged(); });
  // A refusal has left the document as it was: the undo copy, Undo and the saved flag are put
  // back as they were.
  std::unique_ptr<tDrawing> undoBefore = std::move(m_undo);
  const bool undoEnabledBefore = m_undoEnabled;
  const int undoTagBefore = m_undoTag;
  const std::uint8_t savedBefore = m_drawing->savedFlag;
  ForceFieldRun outcome;
  result =
    perform([&] { outcome = m_forceFieldOptimiser(measuredObject(), choice, stop, progress); },
            { .enableUndo = false, .longRun = true });
  if (run)
    *run = outcome;
  if (outcome.failure.empty()) {
    if (result.message.empty())
      enableUndo();
    return result;
  }
  m_undo = std::move(undoBefore);
  m_undoEnabled = undoEnabledBefore;
  m_undoTag = undoTagBefore;
  m_drawing->savedFlag = savedBefore;
  if (savedBefore)
    tell([](CommandObserver& o) { o.savedChanged(true); });
  result.changed = false;
  const MessageCapture capture(result);
  showMessage(outcome.failure, "", MessageIcon::Error);
  return result;
}

} // namespace trelvix
