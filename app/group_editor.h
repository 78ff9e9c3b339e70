#pragma once

#include <QWidget>

namespace trelvix {

class CommandLayer;

/// The group editor: three sliders that rotate, turn, tilt, pivot or zoom the layer's edited
/// group while dragged and snap back on release, and the buttons that number, restyle, clone,
/// delete and fuse it.
/// Every change goes through the command layer; closing the window goes back to drawing.
class TGroupEditor : public QWidget
{
  Q_OBJECT

public:
  TGroupEditor(CommandLayer& layer, QWidget* parent = nullptr);

  /// Shows the editor on the layer's edited group.
  void open();

signals:
  /// The editor closed (its Done, its close box, or its object deleted): back to drawing.
  void closed();

private:
  CommandLayer& m_layer;
};

} // namespace trelvix
