#pragma once

#include "app/tool_window.h"

#include <cstdint>

class QButtonGroup;
class QPushButton;
class QScrollBar;

namespace trelvix {

class CommandLayer;
enum class EditorEdit : std::uint8_t;

/// The symbol editor: the Rotate/Zoom scroll bar and the buttons that flip, reflect, restyle,
/// clone and delete the layer's edited symbol.
/// Every change goes through the command layer; closing the window goes back to drawing.
class TSymbolEditor : public ToolWindow
{
  Q_OBJECT

public:
  TSymbolEditor(CommandLayer& layer, QWidget* parent = nullptr);

  /// What the scroll bar does.
  enum class ScrollFunction
  {
    Rotate,
    Zoom
  };

  /// Shows the editor on the layer's edited symbol, the scroll bar in its middle; hides it when
  /// there is none.
  void open();

  /// The factor Zoom scales the symbol by at scroll bar position p (-180..180).
  static double zoomFactor(int position);

  QScrollBar* scrollBar() const { return m_scroll; }
  /// The radio buttons "Rotate" and "Zoom", ids in ScrollFunction order.
  QButtonGroup* functions() const { return m_functions; }
  /// The button with caption ("OK", "Flip", "Line", "Style", "Clone", "Delete", "Reflect"), or
  /// nullptr.
  QPushButton* button(const QString& caption) const;

private:
  /// The bar back to its middle without an edit: each function, each symbol and the shape
  /// each button leaves start from there.
  void centreScrollBar();
  void scrolled(int position);
  void edit(EditorEdit edit);
  /// Hides the editor and goes back to drawing.
  void finish();

  CommandLayer& m_layer;
  QScrollBar* m_scroll = nullptr;
  QButtonGroup* m_functions = nullptr;
};

} // namespace trelvix
