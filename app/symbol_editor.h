#pragma once

#include <QWidget>

namespace trelvix {

class CommandLayer;

/// The symbol editor: the Rotate/Zoom scroll bar and the buttons that flip, reflect, restyle,
/// clone and delete the layer's edited symbol.
/// Every change goes through the command layer; closing the window goes back to drawing.
class TSymbolEditor : public QWidget
{
  Q_OBJECT

public:
  TSymbolEditor(CommandLayer& layer, QWidget* parent = nullptr);

  /// Shows the editor on the layer's edited symbol.
  void open();

signals:
  /// The editor closed (its Done, its close box, or its object deleted): back to drawing.
  void closed();

private:
  CommandLayer& m_layer;
};

} // namespace trelvix
