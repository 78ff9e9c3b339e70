// The edits the editor windows and their menus make on their current object.
#include "commands/command_layer.h"
#include "commands/message_capture.h"
#include "document/drawing.h"
#include "document/symbol.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/element_table.h"
#include "model/structure_atom.h"
#include "platform/shell.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <vector>

namespace trelvix {

namespace {

constexpr Colour highlightColour = 255;
constexpr std::uint16_t nextWidth = 65535; // tLink::width: the next line width in turn
constexpr double degree = std::numbers::pi / 180;
constexpr std::int8_t wedgeStyle = 2;       // a single bond drawn as a solid wedge
constexpr std::int8_t hashedWedgeStyle = 3; // and as a hatched one

enum class Target : std::uint8_t
{
  Atom,
  Bond,
  Symbol,
  Text,
  Group
};

/// How an edit runs: the object it needs and whether it is one step of a slider or scroll bar
/// (the first step of a movement takes the undo copy, and positions stay relative to where the
/// movement started).
struct EditRow
{
  EditorEdit edit;
  Target target;
  bool step = false;
};

constexpr EditRow editRows[] = {
  { EditorEdit::AtomLeftRight, Target::Atom },
  { EditorEdit::AtomReflect, Target::Atom },
  { EditorEdit::AtomHydrogens, Target::Atom },
  { EditorEdit::AtomProtons, Target::Atom },
  { EditorEdit::AtomCharge, Target::Atom },
  { EditorEdit::AtomStyle, Target::Atom },
  { EditorEdit::AtomElement, Target::Atom },
  { EditorEdit::AtomClone, Target::Atom },
  { EditorEdit::AtomDelete, Target::Atom },
  { EditorEdit::BondType, Target::Bond },
  { EditorEdit::BondPivot, Target::Bond, true },
  { EditorEdit::BondRotate, Target::Bond, true },
  { EditorEdit::BondZoom, Target::Bond, true },
  { EditorEdit::BondScrollEnd, Target::Bond },
  { EditorEdit::BondSide, Target::Bond },
  { EditorEdit::BondLine, Target::Bond },
  { EditorEdit::BondCut, Target::Bond },
  { EditorEdit::SymbolRotate, Target::Symbol, true },
  { EditorEdit::SymbolZoom, Target::Symbol, true },
  { EditorEdit::SymbolScrollEnd, Target::Symbol },
  { EditorEdit::SymbolRotateBy, Target::Symbol },
  { EditorEdit::SymbolScale, Target::Symbol },
  { EditorEdit::SymbolFlip, Target::Symbol },
  { EditorEdit::SymbolReflect, Target::Symbol },
  { EditorEdit::SymbolLine, Target::Symbol },
  { EditorEdit::SymbolStyle, Target::Symbol },
  { EditorEdit::SymbolClone, Target::Symbol },
  { EditorEdit::SymbolDelete, Target::Symbol },
  { EditorEdit::TextClone, Target::Text },
  { EditorEdit::TextDelete, Target::Text },
  { EditorEdit::GroupPivotAtom, Target::Group, true },
  { EditorEdit::GroupPivotAtomY, Target::Group, true },
  { EditorEdit::GroupPivotAtomX, Target::Group, true },
  { EditorEdit::GroupBondPivot, Target::Group, true },
  { EditorEdit::GroupRotate, Target::Group, true },
  { EditorEdit::GroupTurn, Target::Group, true },
  { EditorEdit::GroupTilt, Target::Group, true },
  { EditorEdit::GroupZoom, Target::Group, true },
  { EditorEdit::GroupSliderEnd, Target::Group },
  { EditorEdit::GroupNumber, Target::Group },
  { EditorEdit::GroupLine, Target::Group },
  { EditorEdit::GroupClone, Target::Group },
  { EditorEdit::GroupDelete, Target::Group },
  { EditorEdit::GroupFuse, Target::Group },
  { EditorEdit::GroupInvert, Target::Group },
  { EditorEdit::GroupReflect, Target::Group },
  { EditorEdit::GroupRotateBy, Target::Group },
  { EditorEdit::GroupTurnBy, Target::Group },
  { EditorEdit::GroupTiltBy, Target::Group },
  { EditorEdit::GroupScale, Target::Group },
};

const EditRow& rowOf(EditorEdit edit)
{
  return *std::find_if(
    std::begin(editRows), std::end(editRows), [edit](const EditRow& r) { return r.edit == edit; });
}

bool endsMovement(EditorEdit edit)
{
  return edit == EditorEdit::BondScrollEnd || edit == EditorEdit::GroupSliderEnd ||
         edit == EditorEdit::SymbolScrollEnd;
}

bool endsEditor(EditorEdit edit)
{
  return edit == EditorEdit::AtomDelete || edit == EditorEdit::BondCut ||
         edit == EditorEdit::TextDelete || edit == EditorEdit::GroupDelete;
}

/// Turns atoms by angle degrees about the axis from a1 to a2 (right-handed).
void turnAbout(const std::vector<tXY*>& atoms, const tXY& a1, const tXY& a2, double angle)
{
  tStructure moving;
  for (tXY* a : atoms)
    moving.Atoms.Add(a);
  moving.dihedral(a1, a2, angle);
  moving.Atoms.deleteall(); // the atoms stay the document's
}

/// The atoms reached from start through the document's bonds without crossing bond; empty when
/// the bond lies in a ring (both ends are reached), since then nothing can turn about it alone.
std::vector<tXY*> sideOf(const tDrawing& doc, const tLink& bond, tXY* start)
{
  std::vector<tXY*> side{ start };
  std::set<tXY*> seen{ start };
  for (std::size_t i = 0; i < side.size(); ++i) {
    for (tLink* b : doc.Bonds) {
      if (b == &bond)
        continue;
      tXY* next = b->partner(side[i]);
      if (next && seen.insert(next).second)
        side.push_back(next);
    }
  }
  const tXY* other = bond.partner(start);
  return seen.contains(const_cast<tXY*>(other)) ? std::vector<tXY*>{} : side;
}

} // namespace

CommandResult CommandLayer::Edit(EditorEdit edit, double value)
{
  const EditRow& row = rowOf(edit);
  const bool present = [&] {
    switch (row.target) {
      case Target::Atom:
        return m_editedAtom != nullptr;
      case Target::Bond:
        return m_editedBond != nullptr;
      case Target::Symbol:
        return m_editedSymbol != nullptr;
      case Target::Text:
        return m_editedText != nullptr;
      case Target::Group:
        return m_editedGroup != nullptr;
    }
    return false;
  }();
  if (!present) {
    CommandResult result;
    const MessageCapture capture(result);
    result.refused = m_busy;
    result.known = false;
    // Say why where the user asked for something that needs a bond or a group.
    if (!m_busy && edit == EditorEdit::BondType)
      showMessage("No Bond Selected", "", MessageIcon::Information);
    else if (!m_busy && edit == EditorEdit::GroupInvert)
      showMessage("No group selected", "", MessageIcon::Information);
    return result;
  }
  // One undo copy for a whole slider movement: taken at its first step.
  const bool snapshot = row.step ? !m_gesture : !endsMovement(edit);
  if (row.step)
    m_gesture = true;
  if (endsMovement(edit))
    m_gesture = false;
  if (edit == EditorEdit::AtomDelete || edit == EditorEdit::GroupDelete ||
      edit == EditorEdit::TextDelete)
    m_drawing->Color(false); // the undo copy keeps no highlight
  bool closes = false;
  // The side of a bond's second line is what the update would recompute: it is left out there.
  const bool update = !row.step && edit != EditorEdit::BondSide;
  CommandResult result =
    perform([&] { closes = applyEdit(edit, value); },
            { .undo = snapshot ? UndoPolicy::Step : UndoPolicy::Merged, .update = update });
  if (closes || endsEditor(edit))
    setEditorMode(EditorMode::Drawing);
  return result;
}

bool CommandLayer::applyEdit(EditorEdit edit, double value)
{
  tDrawing& doc = *m_drawing;
  const int n = static_cast<int>(std::lround(value));
  tXY* atom = m_editedAtom;
  tLink* bond = m_editedBond;
  tSymbol* symbol = m_editedSymbol;
  tLAtm* text = m_editedText;
  tStructure* group = m_editedGroup;
  switch (edit) {
    case EditorEdit::AtomLeftRight:
      atom->shiftlR();
      break;
    case EditorEdit::AtomReflect:
      atom->Revtext();
      break;
    case EditorEdit::AtomHydrogens:
      atom->ChangeH(n);
      break;
    case EditorEdit::AtomProtons:
      atom->ChangeQ(n);
      atom->ChangeH(n);
      break;
    case EditorEdit::AtomCharge:
      atom->ChangeQ(n);
      break;
    case EditorEdit::AtomStyle:
      atom->ChangeStyle(static_cast<std::uint8_t>(std::clamp(n, 0, 2)), false);
      break;
    case EditorEdit::AtomElement:
      if (atom->isatom() && n >= 1 && n <= maxElement)
        atom->Change(n, 2);
      break;
    case EditorEdit::AtomClone: {
      // Above everything else, so it is drawn in front; with its element's own hydrogens.
      double top = atom->z3;
      for (const tXY* a : doc.Atoms)
        top = std::max(top, a->z3);
      tXY* copy = doc.duplicateAtom(*atom, 0, 0, top + 5 - atom->z3);
      if (copy->isatom())
        copy->Change(copy->element, copy->style);
      m_editedAtom = copy;
      enterEditor(EditorMode::AtomEditor);
      break;
    }
    case EditorEdit::AtomDelete:
      doc.deleteAtom(atom);
      doc.checkatoms();
      return true;

    case EditorEdit::BondType: {
      // The nine pictures: single, double, triple, the three transition bonds, a wedge, a
      // hashed wedge; the ninth has no action.
      switch (n) {
        case 1:
          bond->ssingle();
          break;
        case 2:
          bond->ddouble();
          break;
        case 3:
          bond->triple();
          break;
        case 4:
          bond->hydro();
          bond->DXY();
          break;
        case 5:
          bond->reson();
          bond->DXY();
          break;
        case 6:
          bond->triplereson();
          bond->DXY();
          break;
        case 7:
          bond->setstyle(SingleBond, wedgeStyle);
          break;
        case 8:
          bond->setstyle(SingleBond, hashedWedgeStyle);
          break;
        default:
          break;
      }
      break;
    }
    case EditorEdit::BondPivot: {
      // The part on the far side of the reference atom turns about the bond.
      tXY* reference = m_bondReference ? m_bondReference : bond->Atm1;
      tXY* moving = bond->partner(reference);
      if (moving)
        turnAbout(sideOf(doc, *bond, moving), *reference, *moving, value - m_lastPivot);
      m_lastPivot = value;
      break;
    }
    case EditorEdit::BondRotate:
      bond->rotate(bond->getcenter(), value * degree);
      break;
    case EditorEdit::BondZoom:
      // At rest (0) the bond keeps its length; the ends of the bar halve or nearly double it.
      bond->Zoom(std::max(0.1, 1 + 0.01 * value));
      break;
    case EditorEdit::BondScrollEnd:
      m_lastPivot = 0;
      break;
    case EditorEdit::BondSide:
      // The second line of a multiple bond: right, centred, left in turn.
      if (bond->offsetX + bond->offsetY == 0) {
        bond->offsetX = 4;
        bond->offsetY = 1;
      } else if (bond->offsetX + bond->offsetY == 2) {
        bond->offsetY = -1;
      } else if (bond->offsetX + bond->offsetY == 5) {
        bond->offsetX = 1;
        bond->offsetY = 1;
      }
      break;
    case EditorEdit::BondLine:
      bond->hide();
      bond->width(nextWidth);
      break;
    case EditorEdit::BondCut:
      doc.deleteBond(bond);
      doc.checkatoms();
      return true;

    case EditorEdit::SymbolRotate:
      symbol->Rotate(nullptr, value);
      break;
    case EditorEdit::SymbolZoom:
      symbol->Zoom(std::max(0.05, value));
      break;
    case EditorEdit::SymbolScrollEnd:
      break; // the update after every edit makes the slid shape the reference
    case EditorEdit::SymbolRotateBy:
      symbol->Rotate(nullptr, value); // the update after it makes this shape the reference
      break;
    case EditorEdit::SymbolScale:
      symbol->Zoom(std::max(0.05, 0.01 * value));
      break;
    case EditorEdit::SymbolFlip:
      symbol->flip(1);
      break;
    case EditorEdit::SymbolReflect:
      symbol->flip(2);
      break;
    case EditorEdit::SymbolLine:
      symbol->setLineWidth(static_cast<std::uint8_t>((symbol->lineWidth() + 1) % 4));
      break;
    case EditorEdit::SymbolStyle:
      // Arrow heads come in six styles; the other symbols have one look.
      if (symbol->isArrow())
        symbol->setStyle(static_cast<std::uint8_t>((symbol->style() + 1) % 6));
      break;
    case EditorEdit::SymbolClone: {
      const double step = bondScale();
      if (tSymbol* copy = doc.duplicateSymbol(*symbol, step, step)) {
        m_editedSymbol = copy;
        enterEditor(EditorMode::SymbolEditor);
      }
      break;
    }
    case EditorEdit::SymbolDelete:
      doc.deleteSymbol(symbol);
      m_editedSymbol = nullptr;
      return doc.Symbols->empty();

    case EditorEdit::TextClone: {
      tXY* copy = doc.duplicateAtom(*text, 0, bondScale(), 0);
      m_editedText = static_cast<tLAtm*>(copy);
      enterEditor(EditorMode::TextEditor);
      break;
    }
    case EditorEdit::TextDelete:
      doc.deleteAtom(text);
      doc.checkatoms();
      return true;

    case EditorEdit::GroupPivotAtom:
    case EditorEdit::GroupPivotAtomY:
    case EditorEdit::GroupPivotAtomX:
      if (const tXY* pivot = pivotAtom()) {
        const Point centre{ pivot->screenX, pivot->screenY };
        const int axis = edit == EditorEdit::GroupPivotAtom    ? 3
                         : edit == EditorEdit::GroupPivotAtomY ? 2
                                                               : 1;
        group->Transform3d(&centre, pivot->z3, value, axis);
        group->Bonds.Update();
      }
      break;
    case EditorEdit::GroupBondPivot:
      if (const tLink* pivot = pivotBond())
        group->bondRotate(*pivot, value - m_lastPivot);
      m_lastPivot = value;
      break;
    case EditorEdit::GroupRotate:
      group->Rotate(value);
      break;
    case EditorEdit::GroupTurn:
      group->Tilt(0, value);
      break;
    case EditorEdit::GroupTilt:
      group->Tilt(value, 0);
      break;
    case EditorEdit::GroupZoom:
      group->Zoom(std::max(0.05, value));
      break;
    case EditorEdit::GroupSliderEnd:
      m_lastPivot = 0;
      doc.setn1n2();
      break;
    case EditorEdit::GroupNumber: {
      const bool numbered = std::any_of(
        group->Atoms.begin(), group->Atoms.end(), [](const tXY* a) { return a->atomNumber != 0; });
      if (numbered)
        group->Zeros();
      else
        group->AutoNumber(0, n == 0); // counting on from the drawing's numbers, or from 1
      break;
    }
    case EditorEdit::GroupLine:
      group->linewidths();
      break;
    case EditorEdit::GroupClone: {
      // The copy goes beside the group, so both are seen.
      group->frame();
      auto copy = std::unique_ptr<tStructure>(group->CloneS());
      tStructure* placed = copy.get();
      placePiece(std::move(copy),
                 [&](tStructure& piece) { piece.Add(group->BoxWidth() + bondScale(), 0); });
      if (doc.Groups.Contains(placed))
        openGroupEditor(placed);
      break;
    }
    case EditorEdit::GroupDelete: {
      const std::vector<tXY*> atoms(group->Atoms.begin(), group->Atoms.end());
      for (tXY* a : atoms)
        doc.deleteAtom(a);
      doc.checkatoms();
      return true;
    }
    case EditorEdit::GroupFuse: {
      // The group becomes a piece of its own; pieces wholly inside it are no longer needed.
      if (m_selection == group)
        m_selection = nullptr;
      const std::set<tXY*> members(group->Atoms.begin(), group->Atoms.end());
      std::vector<tStructure*> covered;
      for (tStructure* piece : doc.Groups) {
        if (piece != group && !piece->Atoms.empty() &&
            std::all_of(piece->Atoms.begin(), piece->Atoms.end(), [&](tXY* a) {
              return members.contains(a);
            }))
          covered.push_back(piece);
      }
      for (tStructure* piece : covered)
        doc.RemoveGroup(piece);
      break;
    }
    case EditorEdit::GroupInvert:
      group->invert();
      group->updatexyz();
      group->Bonds.Update();
      break;
    case EditorEdit::GroupReflect:
      group->Reflect(std::clamp(n, 1, 3));
      break;
    case EditorEdit::GroupRotateBy:
      group->rotate3d(3, value);
      break;
    case EditorEdit::GroupTurnBy:
      group->Tilt(0, value);
      break;
    case EditorEdit::GroupTiltBy:
      group->Tilt(value, 0);
      break;
    case EditorEdit::GroupScale:
      group->Zoom(std::max(0.05, 0.01 * value));
      break;
  }
  // What the editor works on shows in the highlight colour.
  if (m_mode == EditorMode::GroupEditor && m_editedGroup)
    m_editedGroup->color(highlightColour);
  else if (m_mode == EditorMode::BondEditor && m_editedBond)
    m_editedBond->color(highlightColour);
  return false;
}

CommandResult CommandLayer::EditFont(const FontRecord& font)
{
  tXY* atom = m_mode == EditorMode::AtomEditor   ? m_editedAtom
              : m_mode == EditorMode::TextEditor ? m_editedText
                                                 : nullptr;
  tStructure* group = m_mode == EditorMode::GroupEditor ? m_editedGroup : nullptr;
  if (!atom && !group) {
    CommandResult result;
    result.refused = m_busy;
    result.known = false;
    return result;
  }
  return perform([&] {
    if (atom)
      atom->SetFont(font);
    else
      group->ChangeFont(font);
  });
}

const FontRecord* CommandLayer::editedFont() const
{
  if (m_mode == EditorMode::AtomEditor && m_editedAtom)
    return &m_editedAtom->font;
  if (m_mode == EditorMode::TextEditor && m_editedText)
    return &m_editedText->font;
  if (m_mode == EditorMode::GroupEditor && m_editedGroup && !m_editedGroup->Atoms.empty())
    return &m_editedGroup->Atoms.At(0)->font;
  return nullptr;
}

} // namespace trelvix
