// The animation as a state of the layer: the frames turn the model from where it stood when the
// animation started, and stopping puts every atom back, so that the document and its undo
// history end as they began.
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "model/atom.h"
#include "platform/shell.h"

#include <exception>

namespace trelvix {

CommandResult CommandLayer::StartAnimation()
{
  if (m_busy || m_animation)
    return unknownCommand();
  tDrawing& d = *m_drawing;
  // The positions as they are become the reference the frames turn from.
  d.update();
  AnimationStart start;
  start.positions.reserve(static_cast<std::size_t>(d.Atoms.Count()));
  for (tXY* a : d.Atoms)
    start.positions.push_back({ a, a->x3, a->y3, a->z3 });
  d.getcg(start.centreX, start.centreY, start.centreZ);
  m_animation = std::move(start);
  return {};
}

CommandResult CommandLayer::AnimationFrame(double angle, int axis)
{
  if (!m_animation)
    return unknownCommand();
  tDrawing& d = *m_drawing;
  CommandResult result;
  try {
    d.Transform3d(nullptr, 0, angle, axis);
    double cx = 0, cy = 0, cz = 0;
    d.getcg(cx, cy, cz);
    d.shift(m_animation->centreX - cx, m_animation->centreY - cy, m_animation->centreZ - cz);
    d.Bonds.Update();
    d.setn1n2();
    result.changed = true;
  } catch (const std::exception&) {
    // A frame the model cannot turn ends the motion where it began.
    putAnimationBack();
  }
  currentShell().requestRepaint();
  tell([](CommandObserver& o) { o.documentChanged(); });
  return result;
}

CommandResult CommandLayer::StopAnimation()
{
  if (!m_animation)
    return unknownCommand();
  putAnimationBack();
  currentShell().requestRepaint();
  tell([](CommandObserver& o) { o.documentChanged(); });
  CommandResult result;
  result.changed = true;
  return result;
}

void CommandLayer::putAnimationBack()
{
  tDrawing& d = *m_drawing;
  for (const AtomPosition& p : m_animation->positions) {
    p.atom->x3 = p.x;
    p.atom->y3 = p.y;
    p.atom->z3 = p.z;
    p.atom->update3d();
  }
  m_animation.reset();
  d.update();
  d.Bonds.Update();
  d.setn1n2();
}

} // namespace trelvix
