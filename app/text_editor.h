#pragma once

#include "app/tool_window.h"

class QLineEdit;
class QPushButton;

namespace trelvix {

class CommandLayer;

/// The text editor: the text line of a label or formula with "Done", "Font", "Clone" and
/// "Delete".
/// Every change goes through the command layer; closing the window goes back to drawing.
class TTextEditor : public ToolWindow
{
  Q_OBJECT

public:
  TTextEditor(CommandLayer& layer, QWidget* parent = nullptr);

  /// Shows the editor on the layer's edited text: "Text Editor" for a label, "Formula Formula"
  /// for a formula, its text in the line. Nothing without an edited text.
  void open();

  /// The text line.
  QLineEdit* edit1() const { return m_edit1; }
  /// The button with caption ("Done", "Font", "Clone", "Delete"), or nullptr.
  QPushButton* button(const QString& caption) const;

signals:
  /// "Font" on a text: the main window runs the font dialog on the text's font (EditFont).
  void fontRequested();

private:
  void showText();
  void typed(const QString& text);
  void done();
  void font();
  void clone();
  void remove();

  CommandLayer& m_layer;
  QLineEdit* m_edit1 = nullptr;
};

} // namespace trelvix
