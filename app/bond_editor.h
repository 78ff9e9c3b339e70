#pragma once

#include "app/tool_window.h"

#include <cstdint>

class QButtonGroup;
class QLabel;
class QScrollBar;

namespace trelvix {

class CommandLayer;
enum class EditorEdit : std::uint8_t;

/// The bond editor: the nine bond-type pictures, the Pivot/Rotate/Zoom scroll bar, "Line",
/// "Cut", "<|>", "Done" and the bond's length and strain.
/// Every change goes through the command layer; closing the window goes back to drawing.
class TBondEditor : public ToolWindow
{
  Q_OBJECT

public:
  TBondEditor(CommandLayer& layer, QWidget* parent = nullptr);

  /// Shows the editor on the layer's edited bond.
  void open();

  /// Shows the edited bond's length (Ångström) and strain energy (kcal/mol) in the two labels;
  /// the window does so after each of its own edits, the main window after it changes the bond.
  void showBondValues();

private:
  /// An edit on the edited bond, then the labels shown anew.
  void edit(EditorEdit edit, double value = 0);
  /// The scroll bar dragged (or stepped) to position, as the radio group says.
  void scrollTo(int position);
  void cut();
  void finish();

  CommandLayer& m_layer;
  QScrollBar* m_scrollBar;
  QButtonGroup* m_scrollFunction;
  QLabel* m_length;
  QLabel* m_strain;
};

} // namespace trelvix
