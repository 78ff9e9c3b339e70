#pragma once

#include <QWidget>

namespace trelvix {

class CommandLayer;

/// The atom editor: the 103 element cells coloured by group, the label text line and "Done".
/// Opened on an atom (edit mode) or by Add Atom and Branch Atom (add-atom mode).
/// Every change goes through the command layer; closing the window goes back to drawing.
class TPeriodicTable : public QWidget
{
  Q_OBJECT

public:
  TPeriodicTable(CommandLayer& layer, QWidget* parent = nullptr);

  /// Shows the table on the layer's edited atom: its label text, the window beside it.
  void openOnAtom();
  /// Shows the table for placing atoms (add-atom mode): a cell arms the element.
  void openForPlacement();

signals:
  /// The editor closed (its Done, its close box, or its object deleted): back to drawing.
  void closed();

private:
  CommandLayer& m_layer;
};

} // namespace trelvix
