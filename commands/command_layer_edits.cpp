// The edits the editor windows and their menus make on their current object.
#include "commands/command_layer.h"
#include "commands/message_capture.h"
#include "document/drawing.h"
#include "document/editor_operations.h"
#include "document/hydrogen_writing.h"
#include "document/symbol.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/element_table.h"
#include "model/structure_atom.h"
#include "platform/shell.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <vector>

namespace trelvix {

namespace {

constexpr Colour highlightColour = 255;
constexpr std::uint16_t nextWidth = 65535; // tLink::width: the next line width in turn
constexpr double degree = std::numbers::pi / 180;
constexpr std::int8_t wedgeStyle = 2;       // a single bond drawn as a solid wedge
constexpr std::int8_t hashedWedgeStyle = 3; // and as a hatched one

/// The object an edit needs.
enum class Target : std::uint8_t
{
  Atom,
  Bond,
  Symbol,
  Text,
  Group
};

/// How an edit runs, as flags; an edit without any takes its undo copy and is followed by the
/// update that makes the new positions the reference.
enum EditPolicy : unsigned
{
  Plain = 0,
  /// One step of a slider or scroll bar: the first step takes the undo copy, and positions stay
  /// relative to where the movement started (no update after it).
  MovementStep = 1,
  /// The slider or scroll bar released: the movement ends, with no undo copy of its own.
  MovementEnd = 2,
  /// Back to drawing afterwards: the editor's object is gone.
  EditorEnd = 4,
  /// The highlight goes before the undo copy, so the copy keeps none.
  UnhighlightedCopy = 8,
  /// No update after it: the update would recompute what the edit sets (a bond's side).
  KeepsLayout = 16,
  /// It deletes its object: nothing is highlighted again after it.
  DeletesObject = 32
};

/// Turns atoms by angle degrees about the axis from a1 to a2 (right-handed).
void turnAbout(const std::vector<tXY*>& atoms, const tXY& a1, const tXY& a2, double angle)
{
  tStructure moving;
  for (tXY* a : atoms)
    moving.Atoms.Add(a);
  moving.dihedral(a1, a2, angle);
  moving.Atoms.deleteall(); // the atoms stay the document's
}

/// The bond type of the bond editor's pictures: single, double, triple, the three transition
/// bonds, a wedge, a hashed wedge; the ninth picture has no action.
void setBondPicture(tLink& bond, int picture)
{
  switch (picture) {
    case 1:
      bond.ssingle();
      break;
    case 2:
      bond.ddouble();
      break;
    case 3:
      bond.triple();
      break;
    case 4:
      bond.hydro();
      bond.DXY();
      break;
    case 5:
      bond.reson();
      bond.DXY();
      break;
    case 6:
      bond.triplereson();
      bond.DXY();
      break;
    case 7:
      bond.setstyle(SingleBond, wedgeStyle);
      break;
    case 8:
      bond.setstyle(SingleBond, hashedWedgeStyle);
      break;
    default:
      break;
  }
}

} // namespace

/// One edit as its handler sees it: the layer with its current objects and the value passed.
struct CommandLayer::EditCall
{
  CommandLayer& layer;
  double value;
  /// Set by a handler whose editor closes only at times (the last symbol deleted).
  bool closes = false;

  tDrawing& doc() const { return *layer.m_drawing; }
  /// The value as a whole number (a count, a picture, an element).
  int number() const { return static_cast<int>(std::lround(value)); }
  tXY& atom() const { return *layer.m_editedAtom; }
  tLink& bond() const { return *layer.m_editedBond; }
  tSymbol& symbol() const { return *layer.m_editedSymbol; }
  tLAtm& text() const { return *layer.m_editedText; }
  tStructure& group() const { return *layer.m_editedGroup; }

  /// The group turned by value degrees through its pivot atom about axis (3 the view axis,
  /// 2 the vertical, 1 the horizontal).
  void turnAboutPivotAtom(int axis) const
  {
    if (const tXY* pivot = layer.pivotAtom()) {
      const Point centre{ pivot->screenX, pivot->screenY };
      group().Transform3d(&centre, pivot->z3, value, axis);
      group().Bonds.Update();
    }
  }
};

/// One editor edit: the object it needs, how it runs, what it does, and what it says when its
/// object is missing (where the user asked for something that needs one).
struct CommandLayer::EditRow
{
  EditorEdit edit;
  Target target;
  unsigned policy; ///< EditPolicy flags
  void (*apply)(EditCall& call);
  const char* missingMessage = nullptr;

  bool has(EditPolicy flag) const { return (policy & flag) != 0; }
};

const CommandLayer::EditRow& CommandLayer::editRow(EditorEdit edit)
{
  // The handlers are written here, inside the layer, so that they reach its current objects.
  static constexpr EditRow rows[] = {
    { EditorEdit::AtomLeftRight, Target::Atom, Plain, [](EditCall& c) { c.atom().shiftlR(); } },
    { EditorEdit::AtomReflect, Target::Atom, Plain, [](EditCall& c) { c.atom().Revtext(); } },
    { EditorEdit::AtomHydrogens,
      Target::Atom,
      Plain,
      [](EditCall& c) { c.atom().ChangeH(c.number()); } },
    { EditorEdit::AtomProtons,
      Target::Atom,
      Plain,
      [](EditCall& c) {
        c.atom().ChangeQ(c.number());
        c.atom().ChangeH(c.number());
      } },
    { EditorEdit::AtomCharge,
      Target::Atom,
      Plain,
      [](EditCall& c) { c.atom().ChangeQ(c.number()); } },
    { EditorEdit::AtomStyle,
      Target::Atom,
      Plain,
      [](EditCall& c) {
        c.atom().ChangeStyle(static_cast<std::uint8_t>(std::clamp(c.number(), 0, 2)), false);
      } },
    { EditorEdit::AtomElement,
      Target::Atom,
      Plain,
      [](EditCall& c) {
        if (c.atom().isatom() && c.number() >= 1 && c.number() <= maxElement)
          c.atom().Change(c.number(), 2);
      } },
    { EditorEdit::AtomClone,
      Target::Atom,
      Plain,
      [](EditCall& c) {
        // Above everything else, so it is drawn in front; with its element's own hydrogens.
        tXY& atom = c.atom();
        double top = atom.z3;
        for (const tXY* a : c.doc().Atoms)
          top = std::max(top, a->z3);
        tXY* copy = c.doc().duplicateAtom(atom, 0, 0, top + 5 - atom.z3);
        if (copy->isatom())
          copy->Change(copy->element, copy->style);
        c.layer.m_editedAtom = copy;
        c.layer.enterEditor(EditorMode::AtomEditor);
      } },
    { EditorEdit::AtomDelete,
      Target::Atom,
      EditorEnd | UnhighlightedCopy | DeletesObject,
      [](EditCall& c) {
        c.doc().deleteAtom(&c.atom());
        c.doc().checkatoms();
      } },

    { EditorEdit::BondType,
      Target::Bond,
      Plain,
      [](EditCall& c) { setBondPicture(c.bond(), c.number()); },
      "No Bond Selected" },
    { EditorEdit::BondPivot,
      Target::Bond,
      MovementStep,
      [](EditCall& c) {
        // The part on the far side of the reference atom turns about the bond.
        tLink& bond = c.bond();
        tXY* reference = c.layer.m_bondReference ? c.layer.m_bondReference : bond.Atm1;
        tXY* moving = bond.partner(reference);
        if (moving)
          turnAbout(
            sideOf(c.doc(), bond, moving), *reference, *moving, c.value - c.layer.m_lastPivot);
        c.layer.m_lastPivot = c.value;
      } },
    { EditorEdit::BondRotate,
      Target::Bond,
      MovementStep,
      [](EditCall& c) { c.bond().rotate(c.bond().getcenter(), c.value * degree); } },
    { EditorEdit::BondZoom,
      Target::Bond,
      MovementStep,
      [](EditCall& c) {
        // At rest (0) the bond keeps its length; the ends of the bar halve or nearly double it.
        c.bond().Zoom(std::max(0.1, 1 + 0.01 * c.value));
      } },
    { EditorEdit::BondScrollEnd,
      Target::Bond,
      MovementEnd,
      [](EditCall& c) { c.layer.m_lastPivot = 0; } },
    { EditorEdit::BondSide,
      Target::Bond,
      KeepsLayout,
      [](EditCall& c) { cycleBondSide(c.bond()); } },
    { EditorEdit::BondLine,
      Target::Bond,
      Plain,
      [](EditCall& c) {
        c.bond().hide();
        c.bond().width(nextWidth);
      } },
    { EditorEdit::BondCut,
      Target::Bond,
      EditorEnd | DeletesObject,
      [](EditCall& c) {
        c.doc().deleteBond(&c.bond());
        c.doc().checkatoms();
      } },

    { EditorEdit::SymbolRotate,
      Target::Symbol,
      MovementStep,
      [](EditCall& c) { c.symbol().Rotate(nullptr, c.value); } },
    { EditorEdit::SymbolZoom,
      Target::Symbol,
      MovementStep,
      [](EditCall& c) { c.symbol().Zoom(std::max(0.05, c.value)); } },
    // The update after every edit makes the slid shape the reference.
    { EditorEdit::SymbolScrollEnd, Target::Symbol, MovementEnd, [](EditCall&) {} },
    { EditorEdit::SymbolRotateBy,
      Target::Symbol,
      Plain,
      [](EditCall& c) { c.symbol().Rotate(nullptr, c.value); } },
    { EditorEdit::SymbolScale,
      Target::Symbol,
      Plain,
      [](EditCall& c) { c.symbol().Zoom(std::max(0.05, 0.01 * c.value)); } },
    { EditorEdit::SymbolFlip, Target::Symbol, Plain, [](EditCall& c) { c.symbol().flip(1); } },
    { EditorEdit::SymbolReflect, Target::Symbol, Plain, [](EditCall& c) { c.symbol().flip(2); } },
    { EditorEdit::SymbolLine,
      Target::Symbol,
      Plain,
      [](EditCall& c) {
        c.symbol().setLineWidth(static_cast<std::uint8_t>((c.symbol().lineWidth() + 1) % 4));
      } },
    { EditorEdit::SymbolStyle,
      Target::Symbol,
      Plain,
      [](EditCall& c) {
        // Arrow heads come in six styles; the other symbols have one look.
        if (c.symbol().isArrow())
          c.symbol().setStyle(static_cast<std::uint8_t>((c.symbol().style() + 1) % 6));
      } },
    { EditorEdit::SymbolClone,
      Target::Symbol,
      Plain,
      [](EditCall& c) {
        const double step = bondScale();
        if (tSymbol* copy = c.doc().duplicateSymbol(c.symbol(), step, step)) {
          c.layer.m_editedSymbol = copy;
          c.layer.enterEditor(EditorMode::SymbolEditor);
        }
      } },
    { EditorEdit::SymbolDelete,
      Target::Symbol,
      DeletesObject,
      [](EditCall& c) {
        c.doc().deleteSymbol(&c.symbol());
        c.layer.m_editedSymbol = nullptr;
        c.closes = c.doc().Symbols->empty();
      } },

    { EditorEdit::TextClone,
      Target::Text,
      Plain,
      [](EditCall& c) {
        tXY* copy = c.doc().duplicateAtom(c.text(), 0, bondScale(), 0);
        c.layer.m_editedText = static_cast<tLAtm*>(copy);
        c.layer.enterEditor(EditorMode::TextEditor);
      } },
    { EditorEdit::TextDelete,
      Target::Text,
      EditorEnd | UnhighlightedCopy | DeletesObject,
      [](EditCall& c) {
        c.doc().deleteAtom(&c.text());
        c.doc().checkatoms();
      } },

    { EditorEdit::GroupPivotAtom,
      Target::Group,
      MovementStep,
      [](EditCall& c) { c.turnAboutPivotAtom(3); } },
    { EditorEdit::GroupPivotAtomY,
      Target::Group,
      MovementStep,
      [](EditCall& c) { c.turnAboutPivotAtom(2); } },
    { EditorEdit::GroupPivotAtomX,
      Target::Group,
      MovementStep,
      [](EditCall& c) { c.turnAboutPivotAtom(1); } },
    { EditorEdit::GroupBondPivot,
      Target::Group,
      MovementStep,
      [](EditCall& c) {
        if (const tLink* pivot = c.layer.pivotBond())
          c.group().bondRotate(*pivot, c.value - c.layer.m_lastPivot);
        c.layer.m_lastPivot = c.value;
      } },
    { EditorEdit::GroupRotate,
      Target::Group,
      MovementStep,
      [](EditCall& c) { c.group().Rotate(c.value); } },
    { EditorEdit::GroupTurn,
      Target::Group,
      MovementStep,
      [](EditCall& c) { c.group().Tilt(0, c.value); } },
    { EditorEdit::GroupTilt,
      Target::Group,
      MovementStep,
      [](EditCall& c) { c.group().Tilt(c.value, 0); } },
    { EditorEdit::GroupZoom,
      Target::Group,
      MovementStep,
      [](EditCall& c) { c.group().Zoom(std::max(0.05, c.value)); } },
    { EditorEdit::GroupSliderEnd,
      Target::Group,
      MovementEnd,
      [](EditCall& c) {
        c.layer.m_lastPivot = 0;
        c.doc().setn1n2();
        orientHydrogenLabels(c.group());
      } },
    { EditorEdit::GroupNumber,
      Target::Group,
      Plain,
      [](EditCall& c) {
        tStructure& group = c.group();
        const bool numbered = std::any_of(
          group.Atoms.begin(), group.Atoms.end(), [](const tXY* a) { return a->atomNumber != 0; });
        if (numbered)
          group.Zeros();
        else
          group.AutoNumber(0, c.number() == 0); // counting on from the drawing's numbers, or from 1
      } },
    { EditorEdit::GroupLine, Target::Group, Plain, [](EditCall& c) { c.group().linewidths(); } },
    { EditorEdit::GroupClone,
      Target::Group,
      Plain,
      [](EditCall& c) {
        // The copy goes beside the group, so both are seen.
        tStructure& group = c.group();
        group.frame();
        auto copy = std::unique_ptr<tStructure>(group.CloneS());
        tStructure* placed = copy.get();
        placePiece(std::move(copy),
                   [&](tStructure& piece) { piece.Add(group.BoxWidth() + bondScale(), 0); });
        if (c.doc().Groups.Contains(placed))
          c.layer.openGroupEditor(placed);
      } },
    { EditorEdit::GroupDelete,
      Target::Group,
      EditorEnd | UnhighlightedCopy | DeletesObject,
      [](EditCall& c) {
        const std::vector<tXY*> atoms(c.group().Atoms.begin(), c.group().Atoms.end());
        for (tXY* a : atoms)
          c.doc().deleteAtom(a);
        c.doc().checkatoms();
      } },
    { EditorEdit::GroupFuse,
      Target::Group,
      Plain,
      [](EditCall& c) {
        // The group becomes a piece of its own; pieces wholly inside it are no longer needed.
        if (c.layer.m_selection == &c.group())
          c.layer.m_selection = nullptr;
        for (tStructure* piece : piecesCoveredBy(c.doc(), c.group()))
          c.doc().RemoveGroup(piece);
      } },
    { EditorEdit::GroupInvert,
      Target::Group,
      Plain,
      [](EditCall& c) {
        c.group().invert();
        c.group().updatexyz();
        c.group().Bonds.Update();
        orientHydrogenLabels(c.group());
      },
      "No group selected" },
    { EditorEdit::GroupReflect,
      Target::Group,
      Plain,
      [](EditCall& c) {
        c.group().Reflect(std::clamp(c.number(), 1, 3));
        orientHydrogenLabels(c.group());
      } },
    { EditorEdit::GroupRotateBy,
      Target::Group,
      Plain,
      [](EditCall& c) {
        c.group().rotate3d(3, c.value);
        orientHydrogenLabels(c.group());
      } },
    { EditorEdit::GroupTurnBy,
      Target::Group,
      Plain,
      [](EditCall& c) {
        c.group().Tilt(0, c.value);
        orientHydrogenLabels(c.group());
      } },
    { EditorEdit::GroupTiltBy,
      Target::Group,
      Plain,
      [](EditCall& c) {
        c.group().Tilt(c.value, 0);
        orientHydrogenLabels(c.group());
      } },
    { EditorEdit::GroupScale,
      Target::Group,
      Plain,
      [](EditCall& c) { c.group().Zoom(std::max(0.05, 0.01 * c.value)); } },
  };
  // One row per edit, in the order of EditorEdit, so that the edit is its row's index.
  static_assert(std::size(rows) == static_cast<std::size_t>(EditorEdit::GroupScale) + 1);
  static_assert([] {
    for (std::size_t i = 0; i < std::size(rows); ++i) {
      if (rows[i].edit != static_cast<EditorEdit>(i))
        return false;
    }
    return true;
  }());
  return rows[static_cast<std::size_t>(edit)];
}

CommandResult CommandLayer::Edit(EditorEdit edit, double value)
{
  const EditRow& row = editRow(edit);
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
    result.refused = blocked();
    result.known = false;
    if (!blocked() && row.missingMessage)
      showMessage(row.missingMessage, "", MessageIcon::Information);
    return result;
  }
  // One undo copy for a whole slider movement: taken at its first step.
  const bool step = row.has(MovementStep);
  const bool snapshot = step ? !m_gesture : !row.has(MovementEnd);
  if (step)
    m_gesture = true;
  if (row.has(MovementEnd))
    m_gesture = false;
  if (row.has(UnhighlightedCopy))
    m_drawing->Color(false);
  EditCall call{ *this, value };
  CommandResult result = perform(
    [&] {
      row.apply(call);
      if (row.has(DeletesObject))
        return;
      // What the editor works on shows in the highlight colour.
      if (m_mode == EditorMode::GroupEditor && m_editedGroup)
        m_editedGroup->color(highlightColour);
      else if (m_mode == EditorMode::BondEditor && m_editedBond)
        m_editedBond->color(highlightColour);
    },
    { .undo = snapshot ? UndoPolicy::Step : UndoPolicy::Merged,
      .update = !step && !row.has(KeepsLayout) });
  if (call.closes || row.has(EditorEnd))
    setEditorMode(EditorMode::Drawing);
  return result;
}

CommandResult CommandLayer::EditFont(const FontRecord& font)
{
  tXY* atom = m_mode == EditorMode::AtomEditor   ? m_editedAtom
              : m_mode == EditorMode::TextEditor ? m_editedText
                                                 : nullptr;
  tStructure* group = m_mode == EditorMode::GroupEditor ? m_editedGroup : nullptr;
  if (!atom && !group) {
    CommandResult result;
    result.refused = blocked();
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
