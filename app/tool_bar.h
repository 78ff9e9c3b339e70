#pragma once

#include "app/menu_table.h"

#include <QToolBar>

class QComboBox;

namespace trelvix {

class MenuBars;

/// The main window's tool bar: pictures for the drawing bar's most used items (the rings 3 to 8,
/// benzene, a chain, the reaction arrow, Reset, Undo, Redo and Optimize), the atoms C, N, O and S,
/// and a list of the display styles. A picture of a menu item is enabled and checked as the item
/// is; every press comes out as the menus' triggered.
class ToolBar : public QToolBar
{
  Q_OBJECT

public:
  ToolBar(MenuBars& menus, QWidget* parent = nullptr);

  /// Shows the style with this view code (without the stereo offset) in the list.
  void showStyle(int code);

signals:
  void triggered(Command command, int tag);

private:
  QComboBox* m_styles = nullptr;
};

} // namespace trelvix
