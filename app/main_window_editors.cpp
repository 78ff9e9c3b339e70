// The items of the editors' menu bars that are one edit of the editor's object through the
// command layer.
#include "app/main_window.h"
#include "commands/command_layer.h"
#include "mechanics/optimiser.h"

#include <algorithm>
#include <iterator>

namespace trelvix {

namespace {

/// The menu items that are one edit of the editor's object, the item's tag its value.
struct EditItem
{
  Command command;
  EditorEdit edit;
};

constexpr EditItem editItems[] = {
  { Command::AtomLeftRight, EditorEdit::AtomLeftRight },
  { Command::AtomReflect, EditorEdit::AtomReflect },
  { Command::AtomHydrogens, EditorEdit::AtomHydrogens },
  { Command::AtomProtons, EditorEdit::AtomProtons },
  { Command::AtomCharge, EditorEdit::AtomCharge },
  { Command::AtomStyle, EditorEdit::AtomStyle },
  { Command::AtomClone, EditorEdit::AtomClone },
  { Command::AtomDelete, EditorEdit::AtomDelete },
  { Command::GroupInvert, EditorEdit::GroupInvert },
  { Command::GroupReflect, EditorEdit::GroupReflect },
  { Command::GroupRotate, EditorEdit::GroupRotateBy },
  { Command::GroupTurn, EditorEdit::GroupTurnBy },
  { Command::GroupTilt, EditorEdit::GroupTiltBy },
  { Command::GroupZoom, EditorEdit::GroupScale },
  { Command::BondType, EditorEdit::BondType },
  { Command::SymbolResize, EditorEdit::SymbolScale },
  { Command::SymbolRotate, EditorEdit::SymbolRotateBy },
};

} // namespace

void TTrelvix3D::performEditorCommand(Command command, int tag)
{
  const auto* item = std::find_if(std::begin(editItems),
                                  std::end(editItems),
                                  [command](const EditItem& i) { return i.command == command; });
  if (item != std::end(editItems)) {
    m_layer->Edit(item->edit, tag);
    // An edit that deleted the editor's object has gone back to drawing.
    if (m_layer->editorMode() == EditorMode::Drawing)
      backToDrawing();
    else
      showModeEditor();
  }
}

void TTrelvix3D::changeEditedFont()
{
  const FontRecord* current = m_layer->editedFont();
  if (!current)
    return;
  FontRecord font = *current;
  if (chooseFont(font))
    m_layer->EditFont(font);
}

} // namespace trelvix
