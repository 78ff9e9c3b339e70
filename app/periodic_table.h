#pragma once

#include "app/tool_window.h"

#include <vector>

class QLineEdit;
class QPushButton;

namespace trelvix {

class CommandLayer;
class telement;

/// The atom editor: the 103 element cells coloured by group, the label text line and "Done".
/// Opened on an atom (edit mode) or by Add Atom and Branch Atom (add-atom mode).
/// Every change goes through the command layer; closing the window goes back to drawing.
class TPeriodicTable : public ToolWindow
{
  Q_OBJECT

public:
  TPeriodicTable(CommandLayer& layer, QWidget* parent = nullptr);

  /// How the table was opened: to add a lone atom, to branch from an atom, or on an atom.
  enum class Opening
  {
    Add,
    Branch,
    Edit
  };

  /// Shows the table on the layer's edited atom: its label text, the window beside it. Nothing
  /// without an edited atom.
  void openOnAtom();
  /// Shows the table for placing atoms (add-atom mode): a cell arms the element.
  void openForPlacement();

  Opening opening() const { return m_opening; }
  /// The cells of elements 1 to 103, in element order.
  const std::vector<telement*>& cells() const { return m_cells; }
  /// The label text line across the top.
  QLineEdit* edit1() const { return m_edit1; }
  QPushButton* doneButton() const { return m_done; }

  /// Rows and columns of the cell grid.
  static constexpr int gridColumns = 18;
  static constexpr int gridRows = 10;

private:
  void createCells();
  /// Places the cells for the opening (branching shifts them by their vertical shift), "Done"
  /// below the seventh row, and sizes the grid to them.
  void arrange(Opening opening);
  void cellClicked(int z);
  void showAtomText();
  /// Moves the window 25 pixels right of the edited atom, its top at the atom's height, and the
  /// mouse cursor onto the atom.
  void placeBesideAtom();
  void done();

  CommandLayer& m_layer;
  Opening m_opening = Opening::Add;
  std::vector<telement*> m_cells;
  QWidget* m_grid = nullptr;
  QLineEdit* m_edit1 = nullptr;
  QPushButton* m_done = nullptr;
  /// The side of a square cell plus the gap between cells, pixels.
  int m_pitch = 0;
};

} // namespace trelvix
