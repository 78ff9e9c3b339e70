#include "document/commands.h"

#include "document/drawing.h"
#include "document/undo.h"
#include "platform/checked.h"
#include "platform/shell.h"

namespace trelvix {

CommandLayer::CommandLayer(std::unique_ptr<tDrawing> drawing)
  : m_drawing(std::move(drawing))
{
  setCurrentDrawing(m_drawing.get());
}

CommandLayer::~CommandLayer()
{
  if (CurrentDrawing == m_drawing.get() || CurrentDrawing == m_undo.get())
    setCurrentDrawing(nullptr);
}

void CommandLayer::restoreFromUndo()
{
  if (!m_undo)
    return;
  m_drawing = std::move(m_undo);
  setCurrentDrawing(m_drawing.get());
}

void CommandLayer::perform(const std::function<void()>& edit)
{
  undoSnapshot(*m_drawing, m_undo);
  try {
    edit();
  } catch (const OverflowError&) {
    // The document may be half changed: the copy taken just before is the document again.
    restoreFromUndo();
    m_undo = m_drawing->clone();
    showMessage("Arithmetic overflow", "", MessageIcon::Error);
  }
  m_drawing->update();
  currentShell().requestRepaint();
}

void CommandLayer::BuildAt(double x, double y, int code)
{
  perform([&] { buildProcedure(code, x, y); });
}

void CommandLayer::AddProtons2D()
{
  perform([&] { m_drawing->Protonate(); });
}

void CommandLayer::AddProtons3D()
{
  perform([&] { m_drawing->protonate3d(); });
}

void CommandLayer::RemoveProtons()
{
  perform([&] { m_drawing->Deprotonate(); });
}

void CommandLayer::AddAtom(int z, double x, double y)
{
  perform([&] { addLoneAtom(z, x, y); });
}

void CommandLayer::BranchAtom(int z, double x, double y)
{
  perform([&] { linkElementAt(z, x, y); });
}

bool CommandLayer::Undo()
{
  if (!m_undo)
    return false;
  std::swap(m_drawing, m_undo);
  setCurrentDrawing(m_drawing.get());
  currentShell().requestRepaint();
  return true;
}

} // namespace trelvix
