// The view commands: turning the model with the pointer (an edit, undone in one step per drag),
// and zooming, panning and fitting the view (no edit: the document's coordinates stay).
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/editor_operations.h"
#include "document/hydrogen_writing.h"
#include "model/atom.h"
#include "model/rotation.h"
#include "platform/shell.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace trelvix {

namespace {

/// Room left free around a fitted drawing on each side, surface pixels.
constexpr double fitMargin = 24;
/// Half a bond length around each atom: its label and sphere lie inside.
constexpr double atomReach = 14;
/// A fitted view enlarges a small drawing at most this much.
constexpr double fitMaxScale = 2.0;

CommandResult viewChanged()
{
  currentShell().requestRepaint();
  CommandResult result;
  result.changed = true;
  return result;
}

} // namespace

CommandResult CommandLayer::TurnView(double aboutX, double aboutY, double aboutZ, bool firstStep)
{
  if (blocked())
    return refused();
  return perform(
    [&] {
      tDrawing& d = *m_drawing;
      const Vector3 centre = d.Atoms.GetCG();
      const double toRadians = std::numbers::pi / 180.0;
      const Matrix3 turn[] = { axisRotation(1, aboutX * toRadians),
                               axisRotation(2, aboutY * toRadians),
                               axisRotation(3, aboutZ * toRadians) };
      for (tXY* a : d.Atoms) {
        if (!a->isatom())
          continue;
        Vector3 v{ a->x3 - centre[0], a->y3 - centre[1], a->z3 - centre[2] };
        for (const Matrix3& m : turn)
          v = m * v;
        a->x3 = v[0] + centre[0];
        a->y3 = v[1] + centre[1];
        a->z3 = v[2] + centre[2];
        a->update3d();
      }
      // The offsets of double bonds follow the turned model.
      d.setn1n2();
      // An OH or SH turned to the other side of its atom is written the other way round.
      orientHydrogenLabels(d);
    },
    { .keepLinkAtoms = true, .undo = firstStep ? UndoPolicy::Step : UndoPolicy::Merged });
}

CommandResult CommandLayer::ZoomView(double factor, double x, double y)
{
  if (blocked() || !(factor > 0) || !std::isfinite(factor))
    return refused();
  const double scale =
    std::clamp(m_view.scale * factor, ViewTransform::minScale, ViewTransform::maxScale);
  // The drawing point under (x, y) before the zoom lands on (x, y) after it.
  const double px = m_view.drawingX(x);
  const double py = m_view.drawingY(y);
  m_view.scale = scale;
  m_view.offsetX = x - px * scale;
  m_view.offsetY = y - py * scale;
  return viewChanged();
}

CommandResult CommandLayer::PanView(double dx, double dy)
{
  if (blocked())
    return refused();
  m_view.offsetX += dx;
  m_view.offsetY += dy;
  return viewChanged();
}

std::optional<DrawnExtent> CommandLayer::drawnExtent() const
{
  if (m_drawing->Atoms.empty())
    return std::nullopt;
  DrawnExtent extent{ std::numeric_limits<double>::max(),
                      std::numeric_limits<double>::max(),
                      std::numeric_limits<double>::lowest(),
                      std::numeric_limits<double>::lowest() };
  for (const tXY* a : m_drawing->Atoms) {
    extent.left = std::min(extent.left, a->x3 - atomReach);
    extent.right = std::max(extent.right, a->x3 + atomReach);
    extent.top = std::min(extent.top, a->y3 - atomReach);
    extent.bottom = std::max(extent.bottom, a->y3 + atomReach);
  }
  return extent;
}

CommandResult CommandLayer::FitView(double width, double height)
{
  if (blocked())
    return refused();
  const std::optional<DrawnExtent> extent = drawnExtent();
  if (!extent) {
    ResetView();
    return viewChanged();
  }
  const double roomX = std::max(1.0, width - 2 * fitMargin);
  const double roomY = std::max(1.0, height - 2 * fitMargin);
  const double scale = std::clamp(std::min({ roomX / (extent->right - extent->left),
                                             roomY / (extent->bottom - extent->top),
                                             fitMaxScale }),
                                  ViewTransform::minScale,
                                  ViewTransform::maxScale);
  m_view.scale = scale;
  m_view.offsetX = width / 2 - (extent->left + extent->right) / 2 * scale;
  m_view.offsetY = height / 2 - (extent->top + extent->bottom) / 2 * scale;
  return viewChanged();
}

void CommandLayer::ResetView()
{
  m_view = ViewTransform{};
  currentShell().requestRepaint();
}

} // namespace trelvix
