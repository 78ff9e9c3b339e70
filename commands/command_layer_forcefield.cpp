// Optimize with the force fields a library above the core brings: the layer runs the optimiser
// it was given as one long edit and keeps a refusal from costing the user anything.
#include "commands/command_layer.h"
#include "commands/message_capture.h"
#include "document/drawing.h"
#include "document/editor_operations.h"
#include "document/hydrogen_writing.h"
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
  if (blocked())
    return refused();
  if (!m_forceFieldOptimiser)
    return unknownCommand();
  CommandResult result;
  m_pending = 0;
  tell([](CommandObserver& o) { o.modeChanged(); });
  // A refusal has left the document as it was: it makes no step and leaves the saved flag.
  ForceFieldRun outcome;
  result = performChecked(
    [&] {
      tStructure& target = measuredObject();
      outcome = m_forceFieldOptimiser(target, choice, stop, progress);
      if (outcome.failure.empty())
        orientHydrogenLabels(target);
      return outcome.failure.empty();
    },
    { .longRun = true });
  if (run)
    *run = outcome;
  if (outcome.failure.empty())
    return result;
  const MessageCapture capture(result);
  showMessage(outcome.failure, "", MessageIcon::Error);
  return result;
}

} // namespace trelvix
