// What the front ends ask for to show the document: its repaint, the partial charges the dipole
// moment reads, and the strain-energy message under the drawing.
#include "commands/command_layer.h"
#include "document/drawing.h"

#include <algorithm>

namespace trelvix {

void CommandLayer::Repaint()
{
  m_drawing->Repaint();
}

void CommandLayer::Print(Canvas& canvas)
{
  m_drawing->print(canvas);
}

CommandResult CommandLayer::ComputeCharges(const tStructure& object)
{
  if (blocked())
    return refused();
  const auto& groups = m_drawing->Groups;
  const auto group = std::find(groups.begin(), groups.end(), &object);
  tStructure* target = &object == m_drawing.get() ? m_drawing.get()
                       : group != groups.end()    ? *group
                                                  : nullptr;
  if (!target)
    return unknownCommand();
  // Derived from the positions like the drawing itself: the saved flag and the history stay.
  target->GetCharges();
  tell([](CommandObserver& o) { o.documentChanged(); });
  CommandResult result;
  result.changed = true;
  return result;
}

CommandResult CommandLayer::ShowEnergy(int width, int decimals)
{
  return perform([&] { m_drawing->showenergy(width, decimals); },
                 { .undo = UndoPolicy::Untracked, .update = false });
}

} // namespace trelvix
