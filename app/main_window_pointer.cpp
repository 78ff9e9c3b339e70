// The pointer and the keys on the drawing surface: presses place what is armed or start a drag
// in an editor, the left drag in drawing mode is a rubber band that selects a group, right
// clicks open the editor of the object under the pointer, and keys edit what lies under it or
// move the drawing.
#include "app/animator.h"
#include "app/bond_editor.h"
#include "app/drawing_surface.h"
#include "app/group_editor.h"
#include "app/main_window.h"
#include "app/periodic_table.h"
#include "app/status_line.h"
#include "app/symbol_editor.h"
#include "app/text_editor.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "model/defaults.h"
#include "model/structure_atom.h"

#include <array>
#include <cmath>
#include <string>

namespace trelvix {

namespace {

/// Positions of 32768 or more are no rectangle corners.
constexpr int cornerLimit = 32768;
constexpr Colour rubberBandColour = 0x777777;
constexpr int bigJump = 32;
/// Degrees the model turns per surface pixel of a turning drag: 180 pixels, a quarter turn.
constexpr double degreesPerPixel = 0.5;
/// The zoom of one wheel notch (120 eighths of a degree).
constexpr double zoomPerNotch = 1.2;
constexpr double eighthsPerNotch = 120.0;

PointerKeys pointerKeys(Qt::KeyboardModifiers keys)
{
  keys &= Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  if (keys == Qt::NoModifier)
    return PointerKeys::None;
  if (keys == Qt::ShiftModifier)
    return PointerKeys::Shift;
  if (keys == Qt::ControlModifier)
    return PointerKeys::Ctrl;
  return PointerKeys::Other;
}

/// The name the core's key edits know a key by; empty for keys they do not use.
std::string keyName(int key)
{
  if (key == Qt::Key_Delete)
    return "Delete";
  if (key == Qt::Key_Plus)
    return "+";
  if (key == Qt::Key_Minus)
    return "-";
  if (key >= Qt::Key_0 && key <= Qt::Key_9)
    return std::string(1, static_cast<char>('0' + (key - Qt::Key_0)));
  if (key >= Qt::Key_A && key <= Qt::Key_Z)
    return std::string(1, static_cast<char>('A' + (key - Qt::Key_A)));
  return {};
}

/// The move of the arrow keys and Page Up/Down, by (dx, dy) pixels; none for other keys.
struct Jump
{
  int key;
  int dx;
  int dy;
  bool shiftIsBig; ///< Shift makes the step 32 pixels
};

bool jumpOf(int key, bool shift, int& dx, int& dy)
{
  const ModelDefaults& d = modelDefaults();
  const std::array<Jump, 6> jumps{ {
    { Qt::Key_Left, -d.JumpX, 0, true },
    { Qt::Key_Right, d.JumpX, 0, true },
    { Qt::Key_Up, 0, -d.JumpY, true },
    { Qt::Key_Down, 0, d.JumpY, true },
    { Qt::Key_PageUp, 0, -bigJump, false },
    { Qt::Key_PageDown, 0, bigJump, false },
  } };
  for (const Jump& j : jumps) {
    if (j.key != key)
      continue;
    const bool big = shift && j.shiftIsBig;
    dx = big ? (j.dx < 0 ? -bigJump : j.dx > 0 ? bigJump : 0) : j.dx;
    dy = big ? (j.dy < 0 ? -bigJump : j.dy > 0 ? bigJump : 0) : j.dy;
    return true;
  }
  return false;
}

} // namespace

bool TTrelvix3D::rubberBandShown() const
{
  return m_dragEnd.x() > m_dragStart.x() && m_dragEnd.y() > m_dragStart.y();
}

void TTrelvix3D::drawRubberBand()
{
  Canvas& canvas = m_surface->canvas();
  const RasterMode mode = canvas.rasterMode();
  const Pen pen = canvas.pen();
  canvas.setRasterMode(RasterMode::NotXor);
  canvas.setPen({ PenStyle::Solid, 1, rubberBandColour });
  const Point a{ m_dragStart.x(), m_dragStart.y() };
  const Point b{ m_dragEnd.x(), m_dragEnd.y() };
  const std::array<Point, 5> corners{ a, Point{ b.x, a.y }, b, Point{ a.x, b.y }, a };
  canvas.polyline(corners);
  canvas.setRasterMode(mode);
  canvas.setPen(pen);
  m_surface->update();
}

bool TTrelvix3D::startGesture(QPointF surface, Qt::MouseButton button, Qt::KeyboardModifiers keys)
{
  const bool alt = keys.testFlag(Qt::AltModifier);
  if (button == Qt::MiddleButton || (button == Qt::LeftButton && alt))
    m_gesture = keys.testFlag(Qt::ShiftModifier) ? Gesture::TurnAboutZ : Gesture::Turn;
  else if (button == Qt::LeftButton && m_surface->spaceHeld())
    m_gesture = Gesture::Pan;
  else
    return false;
  m_gestureLast = surface;
  m_gestureFirstStep = true;
  return true;
}

void TTrelvix3D::pointerPressed(QPointF point, Qt::MouseButton button, Qt::KeyboardModifiers keys)
{
  if (m_layer->busy() || m_animator->running())
    return;
  // A gesture turns or moves the view and nothing else: no build, no rubber band, no editor.
  if (m_gesture != Gesture::None || startGesture(m_surface->toSurface(point), button, keys))
    return;
  const QPoint at = point.toPoint();
  m_dragStart = at;
  m_dragEnd = at + QPoint(1, 1);
  if (button != Qt::LeftButton)
    return;
  switch (m_layer->editorMode()) {
    case EditorMode::Drawing:
      m_dragFlag = true;
      m_dragStart = m_dragEnd = at;
      m_layer->pressAt(point.x(), point.y());
      // A label or formula just placed opens in the text editor, ready for its text.
      if (const tLAtm* placed = m_layer->textToEdit()) {
        m_layer->rightClick(placed->x3, placed->y3, PointerKeys::None);
        showModeEditor();
      }
      break;
    case EditorMode::AtomEditor:
    case EditorMode::BondEditor:
    case EditorMode::GroupEditor:
    case EditorMode::SymbolEditor:
    case EditorMode::TextEditor:
      m_layer->startDrag(point.x(), point.y());
      break;
    case EditorMode::Measurement:
      measurePress(point);
      break;
    default:
      break;
  }
}

void TTrelvix3D::pointerMoved(QPointF point, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys)
{
  if (!m_layer->busy())
    m_status->showUnderPointer(m_layer->drawing().GetAtom(point.x(), point.y()));
  if (m_gesture != Gesture::None) {
    if (m_layer->busy() || m_animator->running())
      return;
    const QPointF surface = m_surface->toSurface(point);
    const QPointF step = surface - m_gestureLast;
    m_gestureLast = surface;
    if (step.isNull())
      return;
    switch (m_gesture) {
      case Gesture::Turn:
        // Rightwards brings the near side right (about y), downwards brings it down (about x).
        m_layer->TurnView(
          step.y() * degreesPerPixel, -step.x() * degreesPerPixel, 0, m_gestureFirstStep);
        m_gestureFirstStep = false;
        break;
      case Gesture::TurnAboutZ:
        m_layer->TurnView(0, 0, step.x() * degreesPerPixel, m_gestureFirstStep);
        m_gestureFirstStep = false;
        break;
      default:
        m_layer->PanView(step.x(), step.y());
        viewChanged();
        break;
    }
    return;
  }
  // Only a drag with the left button alone and no keys held acts.
  if (buttons != Qt::LeftButton || pointerKeys(keys) != PointerKeys::None || m_layer->busy())
    return;
  const QPoint at = point.toPoint();
  if (m_layer->editorMode() != EditorMode::Drawing) {
    m_layer->dragTo(point.x(), point.y());
    // The drag draws only what moves; a full redraw follows so that no antialiased fringe of
    // what was erased stays behind.
    if (m_layer->dragging())
      scheduleRepaint();
    return;
  }
  if (!m_dragFlag || at.x() < 1 || at.y() < 1)
    return;
  if (rubberBandShown())
    drawRubberBand(); // erased
  if (at.x() < cornerLimit && at.y() < cornerLimit)
    m_dragEnd = at;
  if (rubberBandShown())
    drawRubberBand();
}

void TTrelvix3D::pointerReleased(QPointF point, Qt::MouseButton button, Qt::KeyboardModifiers keys)
{
  if (m_gesture != Gesture::None) {
    // The gesture ends with the button that drives it; the right button meanwhile does nothing.
    if (button == Qt::MiddleButton || button == Qt::LeftButton)
      m_gesture = Gesture::None;
    scheduleRepaint();
    return;
  }
  if (m_layer->busy() || m_animator->running())
    return;
  const QPoint at = point.toPoint();
  const EditorMode mode = m_layer->editorMode();
  if (button == Qt::LeftButton) {
    switch (mode) {
      case EditorMode::Drawing:
        if (pointerKeys(keys) != PointerKeys::None)
          break;
        if (rubberBandShown()) {
          drawRubberBand(); // erased
          // A rectangle drawn leftwards or upwards selects nothing and leaves the band armed.
          m_dragFlag = false;
          m_layer->selectRectangle(m_dragStart.x(), m_dragStart.y(), m_dragEnd.x(), m_dragEnd.y());
          showModeEditor();
        }
        break;
      case EditorMode::AddAtom:
        m_layer->placeArmedAtom(point.x(), point.y());
        break;
      default:
        m_layer->endDrag(point.x(), point.y());
        if (mode == EditorMode::BondEditor)
          m_bondEditor->showBondValues(); // the dragged bond's new length
        break;
    }
  } else if (button == Qt::RightButton) {
    m_layer->rightClick(point.x(), point.y(), pointerKeys(keys));
    if (m_layer->editorMode() != mode || mode != EditorMode::Drawing)
      showModeEditor();
  }
  m_dragEnd = at;
  // What a measurement press drew stays in view until the next redraw; repainting at its
  // release would wipe the value before it could be read.
  if (mode != EditorMode::Measurement)
    scheduleRepaint();
}

void TTrelvix3D::wheelTurned(QPointF surface, int degrees, Qt::KeyboardModifiers)
{
  if (m_layer->busy() || m_animator->running())
    return;
  m_layer->ZoomView(std::pow(zoomPerNotch, degrees / eighthsPerNotch), surface.x(), surface.y());
  viewChanged();
}

void TTrelvix3D::scrollBarMoved(double dx, double dy)
{
  if (m_animator->running())
    return;
  m_layer->PanView(dx, dy);
  viewChanged();
}

void TTrelvix3D::fitToWindow()
{
  if (m_animator->running())
    return;
  m_layer->FitView(m_surface->width(), m_surface->height());
  viewChanged();
}

void TTrelvix3D::viewChanged()
{
  m_surface->syncView();
  repaintDocument();
}

void TTrelvix3D::showModeEditor()
{
  switch (m_layer->editorMode()) {
    case EditorMode::Drawing:
      backToDrawing();
      break;
    case EditorMode::AtomEditor:
      showMenuBar(MenuBarId::AtomEditorMenu);
      m_periodicTable->openOnAtom();
      break;
    case EditorMode::BondEditor:
      showMenuBar(MenuBarId::BondEditorMenu);
      m_bondEditor->open();
      break;
    case EditorMode::GroupEditor:
      showMenuBar(MenuBarId::GroupEditorMenu);
      m_groupEditor->open();
      break;
    case EditorMode::SymbolEditor:
      showMenuBar(MenuBarId::SymbolEditorMenu);
      m_symbolEditor->open();
      break;
    case EditorMode::TextEditor:
      showMenuBar(MenuBarId::TextEditorMenu);
      m_textEditor->open();
      break;
    case EditorMode::AddAtom:
      m_periodicTable->openForPlacement();
      break;
    default:
      break;
  }
}

void TTrelvix3D::keyReleased(int key, Qt::KeyboardModifiers keys)
{
  if (m_layer->busy() || m_animator->running())
    return;
  // Escape takes back a molecule armed by Add from SMILES.
  if (key == Qt::Key_Escape && m_layer->placementArmed()) {
    m_layer->Reset();
    return;
  }
  if (key == Qt::Key_Home) {
    fitToWindow();
    return;
  }
  int dx = 0, dy = 0;
  if (jumpOf(key, keys.testFlag(Qt::ShiftModifier), dx, dy)) {
    // With the group editor open only its group moves.
    m_layer->Nudge(dx, dy);
    return;
  }
  if (m_groupEditor->isVisible()) {
    // Delete removes the selection (the group the rectangle or Ctrl + right click chose), as
    // one undo step.
    if (key == Qt::Key_Delete && m_layer->editedGroup()) {
      m_layer->Edit(EditorEdit::GroupDelete);
      showModeEditor();
    }
    return;
  }
  const std::string name = keyName(key);
  if (name.empty())
    return;
  // The object under the pointer: where it was last seen over the surface (mouse tracking
  // follows it there), never left of or above the surface's first pixel.
  const QPointF pointer = m_surface->lastPointer();
  m_layer->KeyUp(name, std::max(1.0, pointer.x()), std::max(1.0, pointer.y()));
}

} // namespace trelvix
