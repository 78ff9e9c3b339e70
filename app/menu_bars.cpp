#include "app/menu_bars.h"

#include "document/code_table.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace trelvix {

QString withoutAccessKeys(QString text)
{
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  return text;
}

namespace {

constexpr char separator = '/';

bool underPath(const QString& itemPath, const QString& path)
{
  return itemPath == path || itemPath.startsWith(path + QLatin1Char(separator));
}

} // namespace

MenuBars::MenuBars(QWidget* parent)
  : QStackedWidget(parent)
{
  for (int i = 0; i < menuBarCount; ++i) {
    auto* bar = new QMenuBar(this);
    // The bars swap inside the window; a desktop's global menu would show only one of them.
    bar->setNativeMenuBar(false);
    addWidget(bar);
  }
  for (const MenuEntry& e : menuEntries()) {
    const QString path = QString::fromUtf8(e.path);
    switch (e.command) {
      case Command::BuildCodes:
        addBuildCodes(e.bar, path);
        break;
      case Command::Styles:
        addStyles(e.bar, path, e.separatorBefore);
        break;
      case Command::RecentDocuments:
        m_recent = menuAt(e.bar, path + QLatin1Char(separator) + QString::fromUtf8(e.caption));
        break;
      default: {
        QAction* item =
          addItem(e.bar, path, QString::fromUtf8(e.caption), e.command, e.tag, e.separatorBefore);
        if (e.shortcut)
          item->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(e.shortcut)));
        item->setCheckable(e.checkable);
      }
    }
  }
  // Build codes whose menu the table above has no row for still get a menu of their own.
  const auto codes = buildCodeItems();
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (codes[i].menuPath && !m_buildCodePlaced[i])
      addBuildCodes(MenuBarId::MainMenu1, QString::fromUtf8(codes[i].menuPath));
  }
  auto* speeds = new QActionGroup(this);
  for (QAction* speed :
       actions(Command::Speed, 0) + actions(Command::Speed, 1) + actions(Command::Speed, 2))
    speeds->addAction(speed);
  showBar(MenuBarId::MainMenu1);
}

QMenuBar* MenuBars::bar(MenuBarId id) const
{
  return static_cast<QMenuBar*>(widget(static_cast<int>(id)));
}

void MenuBars::showBar(MenuBarId id)
{
  setCurrentIndex(static_cast<int>(id));
  // Only the shown bar's shortcuts work: hidden bars' actions are disabled as a whole.
  for (int i = 0; i < count(); ++i)
    widget(i)->setEnabled(i == currentIndex());
}

QMenu* MenuBars::menuAt(MenuBarId barId, const QString& path)
{
  const auto key = std::make_pair(static_cast<int>(barId), path);
  if (auto it = m_menus.find(key); it != m_menus.end())
    return it->second;
  const int cut = path.lastIndexOf(QLatin1Char(separator));
  QMenu* menu = nullptr;
  if (cut < 0)
    menu = bar(barId)->addMenu(path);
  else
    menu = menuAt(barId, path.left(cut))->addMenu(path.mid(cut + 1));
  m_menus[key] = menu;
  return menu;
}

QAction* MenuBars::addItem(MenuBarId barId,
                           const QString& path,
                           const QString& caption,
                           Command command,
                           int tag,
                           bool separatorBefore)
{
  QAction* item = nullptr;
  if (path.isEmpty()) {
    item = bar(barId)->addAction(caption);
  } else {
    QMenu* menu = menuAt(barId, path);
    if (separatorBefore && !menu->isEmpty())
      menu->addSeparator();
    item = menu->addAction(caption);
  }
  item->setData(tag);
  m_actions.emplace(std::make_pair(static_cast<int>(command), tag), item);
  connect(item, &QAction::triggered, this, [this, command, tag] { emit triggered(command, tag); });
  return item;
}

void MenuBars::addBuildCodes(MenuBarId barId, const QString& path)
{
  const auto codes = buildCodeItems();
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const BuildCodeItem& code = codes[i];
    if (!code.menuPath || !code.caption)
      continue; // a code no menu item arms
    const QString itemPath = QString::fromUtf8(code.menuPath);
    if (m_buildCodePlaced[i] || !underPath(itemPath, path))
      continue;
    m_buildCodePlaced[i] = true;
    addItem(barId,
            itemPath,
            QString::fromUtf8(code.caption),
            Command::BuildCode,
            code.code,
            code.separatorBefore);
  }
}

void MenuBars::addStyles(MenuBarId barId, const QString& path, bool separatorBefore)
{
  // One style is in force: the items of one bar show as a radio group.
  auto* group = new QActionGroup(this);
  for (const StyleItem& style : styleItems()) {
    QAction* item = addItem(
      barId, path, QString::fromUtf8(style.caption), Command::Style, style.code, separatorBefore);
    item->setCheckable(true);
    group->addAction(item);
    separatorBefore = false;
  }
}

QList<QAction*> MenuBars::actions(Command command, int tag) const
{
  QList<QAction*> found;
  const auto [first, last] = m_actions.equal_range({ static_cast<int>(command), tag });
  for (auto it = first; it != last; ++it)
    found.append(it->second);
  // The multimap keeps insertion order among equal keys: bars in table order.
  return found;
}

QAction* MenuBars::action(MenuBarId barId, Command command, int tag) const
{
  for (QAction* item : actions(command, tag)) {
    QWidget* owner = bar(barId);
    for (QObject* p = item->parent(); p; p = p->parent()) {
      if (p == owner)
        return item;
    }
  }
  return nullptr;
}

QAction* MenuBars::find(MenuBarId barId, const QString& path, const QString& caption) const
{
  QList<QAction*> items;
  if (path.isEmpty()) {
    items = bar(barId)->actions();
  } else {
    auto it = m_menus.find({ static_cast<int>(barId), path });
    if (it == m_menus.end())
      return nullptr;
    items = it->second->actions();
  }
  for (QAction* item : items) {
    if (item->text() == caption)
      return item;
  }
  return nullptr;
}

QList<QAction*> MenuBars::styleActions() const
{
  QList<QAction*> all;
  for (const StyleItem& style : styleItems())
    all += actions(Command::Style, style.code);
  return all;
}

} // namespace trelvix
