#pragma once

#include <QWidget>

namespace trelvix {

class CommandLayer;

/// The text editor: the text line of a label or formula with "Done", "Font", "Clone" and
/// "Delete".
/// Every change goes through the command layer; closing the window goes back to drawing.
class TTextEditor : public QWidget
{
  Q_OBJECT

public:
  TTextEditor(CommandLayer& layer, QWidget* parent = nullptr);

  /// Shows the editor on the layer's edited text.
  void open();

signals:
  /// The editor closed (its Done, its close box, or its object deleted): back to drawing.
  void closed();

private:
  CommandLayer& m_layer;
};

} // namespace trelvix
