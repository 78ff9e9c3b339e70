#pragma once

#include "app/menu_table.h"

#include <QList>
#include <QStackedWidget>
#include <map>

class QAction;
class QMenu;
class QMenuBar;

namespace trelvix {

/// The eight menu bars of the main window, built once from the menu table and the core's
/// build-code table, stacked so that exactly one shows at a time. Every item reports its command
/// and tag through `triggered`.
/// A caption as it reads: "&" marks the access key and "&&" stands for "&".
QString withoutAccessKeys(QString text);

class MenuBars : public QStackedWidget
{
  Q_OBJECT

public:
  explicit MenuBars(QWidget* parent = nullptr);

  void showBar(MenuBarId id);
  MenuBarId current() const { return static_cast<MenuBarId>(currentIndex()); }
  QMenuBar* bar(MenuBarId id) const;

  /// Every item with this command and tag, in all bars.
  QList<QAction*> actions(Command command, int tag = 0) const;
  /// The first item with this command and tag in bar, or nullptr.
  QAction* action(MenuBarId bar, Command command, int tag = 0) const;
  /// The item with caption (as in the table) in the menu at path of bar, or nullptr.
  QAction* find(MenuBarId bar, const QString& path, const QString& caption) const;
  /// The items of every display style (three per style: drawing, animation and optimise bars).
  QList<QAction*> styleActions() const;
  /// The File menu's "Open Recent" submenu, which the window fills.
  QMenu* recentMenu() const { return m_recent; }

signals:
  void triggered(Command command, int tag);

private:
  QMenu* menuAt(MenuBarId bar, const QString& path);
  QAction* addItem(MenuBarId bar,
                   const QString& path,
                   const QString& caption,
                   Command command,
                   int tag,
                   bool separatorBefore);
  void addBuildCodes(MenuBarId bar, const QString& path);
  void addStyles(MenuBarId bar, const QString& path, bool separatorBefore);

  std::map<std::pair<int, QString>, QMenu*> m_menus;
  std::multimap<std::pair<int, int>, QAction*> m_actions; // (command, tag) -> items
  /// Which rows of the build-code table have their item (a code may stand in two menus).
  std::map<std::size_t, bool> m_buildCodePlaced;
  QMenu* m_recent = nullptr;
};

} // namespace trelvix
