// The editors' side of the command layer: picking objects, opening the editors, dragging and
// the edits the editor windows make.
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/symbol.h"
#include "model/link.h"
#include "model/structure_atom.h"

namespace trelvix {

tXY* CommandLayer::pivotAtom() const
{
  return m_editedGroup && m_editedGroup->Atoms.Count() > 0 ? m_editedGroup->Atoms.At(0) : nullptr;
}

tLink* CommandLayer::pivotBond() const
{
  return m_editedGroup && m_editedGroup->Bonds.Count() > 0 ? m_editedGroup->Bonds.At(0) : nullptr;
}

CommandResult CommandLayer::rightClick(double, double, PointerKeys)
{
  return {};
}

CommandResult CommandLayer::selectRectangle(double, double, double, double)
{
  return {};
}

CommandResult CommandLayer::openGroupEditor(tStructure*)
{
  return {};
}

void CommandLayer::openAtomPlacement(AtomPlacement placement)
{
  m_placement = placement;
}

CommandResult CommandLayer::placeArmedAtom(double, double)
{
  return {};
}

CommandResult CommandLayer::chooseElement(int)
{
  return {};
}

CommandResult CommandLayer::SetAtomText(const std::string&)
{
  return {};
}

CommandResult CommandLayer::startDrag(double, double)
{
  return {};
}

CommandResult CommandLayer::dragTo(double, double)
{
  return {};
}

CommandResult CommandLayer::endDrag(double, double)
{
  return {};
}

CommandResult CommandLayer::Edit(EditorEdit, double)
{
  return {};
}

CommandResult CommandLayer::EditFont(const FontRecord&)
{
  return {};
}

const FontRecord* CommandLayer::editedFont() const
{
  return nullptr;
}

} // namespace trelvix
