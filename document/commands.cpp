#include "document/commands.h"

#include "document/drawing.h"
#include "document/undo.h"
#include "model/bond.h"
#include "model/structure_atom.h"
#include "platform/checked.h"
#include "platform/shell.h"

#include <algorithm>

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
  m_link1 = m_link2 = nullptr;
}

void CommandLayer::perform(const std::function<void()>& edit, bool keepLinkAtoms)
{
  // Atoms held by Link Atoms are forgotten by any other edit, which may delete them.
  if (!keepLinkAtoms)
    m_link1 = m_link2 = nullptr;
  m_text = nullptr;
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
  perform(
    [&] {
      if (code == 524)
        linkAtoms(x, y);
      else if (code == 607 || code == 608)
        m_text = addTextAtom(code, x, y);
      else
        buildProcedure(code, x, y);
    },
    code == 524);
}

namespace {

bool areBonded(const tDrawing& drawing, const tXY* a, const tXY* b)
{
  return std::any_of(drawing.Bonds.begin(), drawing.Bonds.end(), [&](const tLink* bond) {
    return (bond->Atm1 == a && bond->Atm2 == b) || (bond->Atm1 == b && bond->Atm2 == a);
  });
}

} // namespace

void CommandLayer::linkAtoms(double x, double y)
{
  // Only element atoms are linked: a label or a symbol point counts as no atom.
  tXY* hit = m_drawing->GetAtom(x, y);
  if (hit && !hit->isatom())
    hit = nullptr;
  (m_link1 ? m_link2 : m_link1) = hit;
  if (m_link1 && m_link2 && areBonded(*m_drawing, m_link1, m_link2)) {
    // A second bond between the same two atoms would corrupt the molecule (a bond's type says
    // how many it is): the press does nothing.
    m_link1 = m_link2 = nullptr;
  } else if (m_link1 && m_link2 && m_link1 != m_link2) {
    auto* bond = new tbond(m_link1, m_link2);
    bond->ssingle();
    m_drawing->Bonds.Add(bond);
    // The two atoms are one molecule now: the bond joins the first atom's piece, and the second
    // atom's piece, when another, merges into it.
    tStructure* first = m_drawing->getowner(m_link1);
    tStructure* second = m_drawing->getowner(m_link2);
    if (first && second && first != second) {
      first->Atoms.AddAtoms(&second->Atoms);
      first->Bonds.AddBonds(&second->Bonds);
      m_drawing->RemoveGroup(second);
    }
    if (tStructure* owner = first ? first : second)
      owner->Bonds.Add(bond);
    m_link1 = m_link2 = nullptr;
  } else if (m_link1 == m_link2) {
    showMessage("Move Pointer", "", MessageIcon::Information);
    m_link2 = nullptr;
  }
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
  m_link1 = m_link2 = nullptr;
  m_text = nullptr;
  currentShell().requestRepaint();
  return true;
}

void CommandLayer::Reset()
{
  PendingBuildCode = 0;
  m_link1 = m_link2 = nullptr;
}

} // namespace trelvix
