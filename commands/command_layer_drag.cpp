// Dragging the current object of an editor with the pointer. While the pointer moves only what
// moves is erased and drawn again on the window's picture (the rest is repainted at release).
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/symbol.h"
#include "document/undo.h"
#include "model/bond.h"
#include "model/structure_atom.h"
#include "platform/checked.h"
#include "platform/shell.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace trelvix {

namespace {

constexpr Colour highlightColour = 255;

/// The bonds of the document with an end among atoms.
std::vector<tLink*> bondsOf(const tDrawing& doc, const std::vector<tXY*>& atoms)
{
  std::vector<tLink*> found;
  for (tLink* b : doc.Bonds) {
    for (const tXY* a : atoms) {
      if (b->Atm1 == a || b->Atm2 == a) {
        found.push_back(b);
        break;
      }
    }
  }
  return found;
}

/// Erases atoms and their bonds, moves the atoms by (dx, dy) and draws them again, highlighted.
void moveAtoms(const tDrawing& doc, const std::vector<tXY*>& atoms, double dx, double dy)
{
  const std::vector<tLink*> bonds = bondsOf(doc, atoms);
  for (tLink* b : bonds)
    b->hide();
  for (tXY* a : atoms)
    a->hide();
  for (tXY* a : atoms)
    a->Move(dx, dy, 0);
  for (tLink* b : bonds) {
    b->update();
    b->color(highlightColour);
    b->show();
  }
  for (tXY* a : atoms)
    a->showcolor(highlightColour);
}

} // namespace

CommandResult CommandLayer::startDrag(double x, double y)
{
  if (blocked())
    return refused();
  const bool held = (m_mode == EditorMode::AtomEditor && m_editedAtom) ||
                    (m_mode == EditorMode::BondEditor && m_editedBond) ||
                    (m_mode == EditorMode::GroupEditor && m_editedGroup) ||
                    (m_mode == EditorMode::SymbolEditor && m_editedSymbol) ||
                    (m_mode == EditorMode::TextEditor && m_editedText);
  if (!held)
    return {};
  DragState drag{ x, y, nullptr };
  if (m_mode == EditorMode::SymbolEditor) {
    // The point nearest the press (in city-block distance) is dragged alone, unless the
    // symbol's centre is at least as near: then the whole symbol moves.
    const Point c = m_editedSymbol->center();
    double best = std::fabs(c.x - x) + std::fabs(c.y - y);
    for (tXY* p : m_editedSymbol->Atoms) {
      const double d = std::fabs(p->x3 - x) + std::fabs(p->y3 - y);
      if (d < best) {
        best = d;
        drag.handle = p;
      }
    }
  }
  // Undo puts the object back where the drag found it.
  const bool undoBefore = canUndo(), redoBefore = canRedo(), resetBefore = m_resetEnabled;
  recordStep();
  undoStateMayHaveChanged(resetBefore, undoBefore, redoBefore);
  const bool savedBefore = m_drawing->savedFlag != 0;
  m_drawing->savedFlag = 0;
  m_drag = drag;
  currentShell().captureMouse();
  notifyEdited(false, savedBefore);
  CommandResult result;
  result.changed = true;
  return result;
}

CommandResult CommandLayer::dragTo(double x, double y)
{
  if (!m_drag)
    return {};
  const double dx = x - m_drag->lastX;
  const double dy = y - m_drag->lastY;
  m_drag->lastX = x;
  m_drag->lastY = y;
  CommandResult result;
  try {
    tDrawing& doc = *m_drawing;
    switch (m_mode) {
      case EditorMode::AtomEditor:
        moveAtoms(doc, { m_editedAtom }, dx, dy);
        break;
      case EditorMode::TextEditor:
        m_editedText->hide();
        m_editedText->Move(dx, dy, 0);
        m_editedText->showcolor(highlightColour);
        break;
      case EditorMode::BondEditor:
        moveAtoms(doc, { m_editedBond->Atm1, m_editedBond->Atm2 }, dx, dy);
        break;
      case EditorMode::GroupEditor:
        moveAtoms(
          doc, std::vector<tXY*>(m_editedGroup->Atoms.begin(), m_editedGroup->Atoms.end()), dx, dy);
        break;
      case EditorMode::SymbolEditor:
        m_editedSymbol->Hide();
        if (m_drag->handle)
          m_drag->handle->Move(dx, dy, 0);
        else
          m_editedSymbol->Move(dx, dy, 0);
        m_editedSymbol->Bonds.Update();
        m_editedSymbol->Highlight(true);
        break;
      default:
        return {};
    }
  } catch (const OverflowError& e) {
    // The pointer went beyond what a position can hold: the drag ends where it started.
    m_drag.reset();
    currentShell().releaseMouse();
    Undo();
    showMessage(e.what(), "", MessageIcon::Error);
    result.message = e.what();
    return result;
  }
  currentShell().present();
  result.changed = true;
  return result;
}

CommandResult CommandLayer::endDrag(double x, double y)
{
  if (!m_drag)
    return {};
  CommandResult result = dragTo(x, y);
  if (!m_drag)
    return result; // the last step failed and was undone
  m_drag.reset();
  currentShell().releaseMouse();
  m_drawing->update();
  m_drawing->setn1n2();
  forgetMissingObjects();
  currentShell().requestRepaint();
  notifyEdited(false, false);
  result.changed = true;
  return result;
}

} // namespace trelvix
