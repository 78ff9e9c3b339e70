// The editors' side of the command layer: picking objects, opening the editors, the rubber band
// and the atom placements of the atom editor.
#include "commands/command_layer.h"
#include "commands/message_capture.h"
#include "document/drawing.h"
#include "document/editor_operations.h"
#include "document/placing_procedures.h"
#include "document/symbol.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/structure_atom.h"
#include "platform/shell.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace trelvix {

namespace {

constexpr Colour highlightColour = 255;
constexpr int firstElementCode = 801;
constexpr int lastElementCode = 903;
constexpr int elementCodeBase = 800;

bool isText(const tXY* atom)
{
  return atom->textFlag == tLAtm::labelKind || atom->textFlag == tFormula::formulaKind;
}

bool isSymbolPoint(const tXY* atom)
{
  return atom->textFlag == tSXY::symbolPointKind;
}

/// The chemical bond whose midpoint lies nearest (x, y), within one bond length, and of its
/// two atoms the one nearer the point (the second on a tie); a null bond when none is so near.
struct BondPick
{
  tLink* bond = nullptr;
  tXY* reference = nullptr;
};

BondPick pickBond(double x, double y)
{
  tLink* bond = bondUnder(x, y);
  if (!bond)
    return {};
  const double mx = (bond->Atm1->x3 + bond->Atm2->x3) / 2 - x;
  const double my = (bond->Atm1->y3 + bond->Atm2->y3) / 2 - y;
  const double reach = bondScale();
  if (mx * mx + my * my > reach * reach)
    return {};
  const auto squared = [&](const tXY* a) {
    return (a->x3 - x) * (a->x3 - x) + (a->y3 - y) * (a->y3 - y);
  };
  tXY* nearer = squared(bond->Atm1) < squared(bond->Atm2) ? bond->Atm1 : bond->Atm2;
  return { bond, nearer };
}

} // namespace

tXY* CommandLayer::pivotAtom() const
{
  return m_editedGroup && !m_editedGroup->Atoms.empty() ? m_editedGroup->Atoms.At(0) : nullptr;
}

tLink* CommandLayer::pivotBond() const
{
  return m_editedGroup && !m_editedGroup->Bonds.empty() ? m_editedGroup->Bonds.At(0) : nullptr;
}

void CommandLayer::enterEditor(EditorMode mode)
{
  m_drawing->Color(false);
  if (mode == EditorMode::AtomEditor && m_editedAtom)
    m_editedAtom->Color(highlightColour);
  else if (mode == EditorMode::BondEditor && m_editedBond)
    m_editedBond->color(highlightColour);
  else if (mode == EditorMode::SymbolEditor && m_editedSymbol)
    m_editedSymbol->color(tSymbol::highlightColour);
  else if (mode == EditorMode::TextEditor && m_editedText)
    m_editedText->Color(highlightColour);
  else if (mode == EditorMode::GroupEditor && m_editedGroup)
    m_editedGroup->color(highlightColour);
  m_gesture = false;
  m_lastPivot = 0;
  m_mode = mode;
  syncEditorState();
  currentShell().requestRepaint();
  tell([](CommandObserver& o) { o.modeChanged(); });
}

CommandResult CommandLayer::rightClick(double x, double y, PointerKeys keys)
{
  if (blocked())
    return refused();
  CommandResult result;
  const EditorMode mode = m_mode;
  tXY* hit = m_drawing->GetAtom(x, y);
  const auto openBond = [&] {
    const BondPick pick = pickBond(x, y);
    if (!pick.bond)
      return false;
    m_editedBond = pick.bond;
    m_bondReference = pick.reference;
    enterEditor(EditorMode::BondEditor);
    return true;
  };
  const auto openGroupAt = [&] {
    tStructure* piece = m_drawing->GetGroup(x, y);
    if (!piece || piece->Atoms.empty())
      return false;
    const Rect saved = piece->frameRect;
    piece->frame();
    const Rect box = piece->frameRect;
    piece->frameRect = saved;
    tStructure* group = enclosedGroup(box.left, box.top, box.right, box.bottom, true);
    return group && openGroupEditor(group).changed;
  };

  switch (mode) {
    case EditorMode::Drawing:
      if (keys == PointerKeys::Shift) {
        result.changed = openBond();
      } else if (keys == PointerKeys::Ctrl) {
        result.changed = openGroupAt();
      } else if (keys == PointerKeys::None && hit) {
        if (isSymbolPoint(hit)) {
          m_editedSymbol = m_drawing->GetSymbol(x, y);
          if (m_editedSymbol)
            enterEditor(EditorMode::SymbolEditor);
        } else if (isText(hit)) {
          m_editedText = static_cast<tLAtm*>(hit);
          enterEditor(EditorMode::TextEditor);
        } else {
          m_editedAtom = hit;
          enterEditor(EditorMode::AtomEditor);
          // The pointer goes onto the atom it opened, ready to drag it.
          currentShell().setCursorPos({ hit->screenX, hit->screenY });
        }
        result.changed = m_mode != EditorMode::Drawing;
      }
      break;
    case EditorMode::AtomEditor:
      if (hit && hit->isatom()) {
        m_editedAtom = hit;
        enterEditor(mode);
        result.changed = true;
      }
      break;
    case EditorMode::BondEditor:
      result.changed = openBond();
      break;
    case EditorMode::GroupEditor:
      result.changed = openGroupAt();
      break;
    case EditorMode::SymbolEditor:
      m_editedSymbol = m_drawing->GetSymbol(x, y);
      if (m_editedSymbol)
        enterEditor(mode);
      else
        setEditorMode(EditorMode::Drawing); // no symbol there: the editor closes
      result.changed = true;
      break;
    case EditorMode::TextEditor:
      if (hit && isText(hit)) {
        m_editedText = static_cast<tLAtm*>(hit);
        enterEditor(mode);
        result.changed = true;
      }
      break;
    default:
      break;
  }
  return result;
}

tStructure* CommandLayer::enclosedGroup(double x1, double y1, double x2, double y2, bool inclusive)
{
  const BandGroup band =
    encloseGroup(*m_drawing, x1, y1, x2, y2, inclusive ? BandEdges::Included : BandEdges::Excluded);
  // A group made for the band replaces the one made before; the document keeps it only if Fuse
  // says so.
  if (band.made) {
    dropSelection();
    m_selection = band.group;
  }
  return band.group;
}

void CommandLayer::dropSelection()
{
  if (!m_selection)
    return;
  tStructure* selection = std::exchange(m_selection, nullptr);
  if (m_editedGroup == selection)
    m_editedGroup = nullptr;
  // The atoms and bonds belong to the document: only the selection's lists go.
  selection->Atoms.deleteall();
  selection->Bonds.deleteall();
  m_drawing->RemoveGroup(selection);
  syncEditorState();
}

CommandResult CommandLayer::selectRectangle(double x1, double y1, double x2, double y2)
{
  if (blocked())
    return refused();
  // Only a rectangle drawn from top-left to bottom-right selects.
  if (!(x2 > x1 && y2 > y1) || m_drawing->Atoms.NAtoms() == 0)
    return {};
  tStructure* group = enclosedGroup(x1, y1, x2, y2, false);
  return group ? openGroupEditor(group) : CommandResult{};
}

CommandResult CommandLayer::openGroupEditor(tStructure* group)
{
  if (blocked())
    return refused();
  if (!group || !m_drawing->Groups.Contains(group))
    return unknownCommand();
  CommandResult result;
  if (m_selection && m_selection != group)
    dropSelection();
  m_editedGroup = group;
  group->view3d = 0;
  group->GetLigands();
  // The group is edited in the plain normal view; its own view comes back on Done.
  if (m_savedView < 0) {
    m_savedView = m_drawing->viewMode;
    m_drawing->viewMode = 0;
  }
  enterEditor(EditorMode::GroupEditor);
  result.changed = true;
  return result;
}

void CommandLayer::openAtomPlacement(AtomPlacement placement)
{
  if (blocked())
    return;
  m_placement = placement;
  m_pending = 0;
  m_editedAtom = nullptr;
  enterEditor(EditorMode::AddAtom);
}

CommandResult CommandLayer::placeArmedAtom(double x, double y)
{
  if (m_pending < firstElementCode || m_pending > lastElementCode) {
    CommandResult result;
    result.refused = blocked();
    return result;
  }
  const int z = m_pending - elementCodeBase;
  return m_placement == AtomPlacement::Add ? AddAtom(z, x, y) : BranchAtom(z, x, y);
}

CommandResult CommandLayer::chooseElement(int z)
{
  if (blocked())
    return refused();
  if (z < 1 || z > lastElementCode - elementCodeBase)
    return unknownCommand();
  CommandResult result;
  m_pending = static_cast<std::uint16_t>(elementCodeBase + z);
  tell([](CommandObserver& o) { o.modeChanged(); });
  if (m_mode == EditorMode::AtomEditor && m_editedAtom && m_editedAtom->isatom())
    return Edit(EditorEdit::AtomElement, z);
  return result;
}

CommandResult CommandLayer::SetAtomText(const std::string& text)
{
  if (!m_editedAtom)
    return unknownCommand();
  tXY* atom = m_editedAtom;
  return perform([&] { atom->SetSymbol(std::string_view(text).substr(0, 64)); },
                 { .keepLinkAtoms = true, .undo = UndoPolicy::Untracked });
}

} // namespace trelvix
