#pragma once

#include <QWidget>

namespace trelvix {

class CommandLayer;

/// The bond editor: the nine bond-type pictures, the Pivot/Rotate/Zoom scroll bar, "Line",
/// "Cut", "<|>", "Done" and the bond's length and strain.
/// Every change goes through the command layer; closing the window goes back to drawing.
class TBondEditor : public QWidget
{
  Q_OBJECT

public:
  TBondEditor(CommandLayer& layer, QWidget* parent = nullptr);

  /// Shows the editor on the layer's edited bond.
  void open();

signals:
  /// The editor closed (its Done, its close box, or its object deleted): back to drawing.
  void closed();

private:
  CommandLayer& m_layer;
};

} // namespace trelvix
