// The eight menu bars against their tables: every item where the table puts it, one bar at a
// time, the 3D-only ring items, the standard shortcuts.
#include "app_fixture.h"
#include "document/code_table.h"
#include "model/defaults.h"

#include <QMenuBar>
#include <QStackedWidget>

using namespace trelvix;
using namespace trelvix::testing;

class MenusTest : public QObject
{
  Q_OBJECT

private slots:
  void init() { modelDefaults().DrawMode3D = false; }

  void everyTableItemStandsInItsMenu()
  {
    auto window = openWindow();
    for (const MenuEntry& e : menuEntries()) {
      if (e.command == Command::BuildCodes || e.command == Command::Styles)
        continue;
      QVERIFY2(item(*window, e.bar, e.path, e.caption),
               qPrintable(QStringLiteral("%1 / %2").arg(e.path, QString::fromUtf8(e.caption))));
    }
    for (const BuildCodeItem& code : buildCodeItems()) {
      if (!code.menuPath)
        continue; // armed by no menu item
      QAction* action = item(*window, MenuBarId::MainMenu1, code.menuPath, code.caption);
      QVERIFY2(action, code.caption);
      QCOMPARE(action->data().toInt(), int(code.code));
    }
  }

  void theStylesStandInThreeBarsWithTheirCodes()
  {
    auto window = openWindow();
    const std::pair<MenuBarId, const char*> menus[] = { { MenuBarId::MainMenu1, "&3D Functions" },
                                                        { MenuBarId::AnimationMenu, "&3D Views" },
                                                        { MenuBarId::OptimizeMenu, "&3D Views" } };
    QCOMPARE(styleItems().size(), std::size_t(15));
    for (const auto& [bar, path] : menus) {
      for (const StyleItem& style : styleItems()) {
        QAction* action = item(*window, bar, path, style.caption);
        QVERIFY2(action, style.caption);
        QCOMPARE(action->data().toInt(), style.code);
      }
    }
    // "B&&W Spheres+Bonds" shows a literal ampersand.
    QVERIFY(item(*window, MenuBarId::MainMenu1, "&3D Functions", "B&&W Spheres+Bonds"));
  }

  void noItemStandsOnTheBarsOutsideTheTable()
  {
    auto window = openWindow();
    QStringList captions;
    for (QAction* a : window->menus().bar(MenuBarId::MainMenu1)->actions())
      captions << a->text();
    QCOMPARE(captions,
             (QStringList{ "&File",
                           "&Edit",
                           "C&hemistry",
                           "&3D Functions",
                           "&View",
                           "Reset",
                           "Undo",
                           "Redo",
                           "&Atom",
                           "&Branch",
                           "Al&kane",
                           "Ben&zene",
                           "&Ring",
                           "&Symbol",
                           "&Help" }));
  }

  void exactlyOneBarShows()
  {
    auto window = openWindow();
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
    for (int i = 0; i < menuBarCount; ++i) {
      window->showMenuBar(static_cast<MenuBarId>(i));
      int shown = 0;
      for (int j = 0; j < menuBarCount; ++j)
        shown += window->menus().bar(static_cast<MenuBarId>(j))->isVisible() ? 1 : 0;
      QCOMPARE(shown, 1);
      QVERIFY(window->menus().bar(static_cast<MenuBarId>(i))->isVisible());
    }
  }

  void boatAndChairWaitForTheDrawMode3D()
  {
    auto window = openWindow();
    QAction* chair = window->menus().action(MenuBarId::MainMenu1, Command::BuildCode, 161);
    QAction* boat = window->menus().action(MenuBarId::MainMenu1, Command::BuildCode, 159);
    QVERIFY(chair && boat);
    QCOMPARE(chair->text(), QStringLiteral("6 &Chair"));
    QCOMPARE(boat->text(), QStringLiteral("6 &Boat"));
    QVERIFY(!chair->isEnabled());
    QVERIFY(!boat->isEnabled());
    QVERIFY(choose(*window, "&3D Functions", "3&D Draw Mode"));
    QVERIFY(item(*window, MenuBarId::MainMenu1, "&3D Functions", "3&D Draw Mode")->isChecked());
    QVERIFY(modelDefaults().DrawMode3D);
    QVERIFY(chair->isEnabled());
    QVERIFY(boat->isEnabled());
    QVERIFY(choose(*window, "&3D Functions", "3&D Draw Mode"));
    QVERIFY(!chair->isEnabled());
  }

  void standardShortcutsAreShownAndNeverASingleKey()
  {
    auto window = openWindow();
    const std::pair<const char*, const char*> expected[] = {
      { "&New", "Ctrl+N" },      { "&Open ...", "Ctrl+O" },
      { "&Save", "Ctrl+S" },     { "Save&As ...", "Ctrl+Shift+S" },
      { "Print ...", "Ctrl+P" },
    };
    for (const auto& [caption, keys] : expected)
      QCOMPARE(item(*window, MenuBarId::MainMenu1, "&File", caption)->shortcut(),
               QKeySequence(QString::fromLatin1(keys)));
    QCOMPARE(item(*window, MenuBarId::MainMenu1, "&3D Functions", "Exit")->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+Q")));
    QCOMPARE(item(*window, MenuBarId::MainMenu1, "", "Undo")->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(item(*window, MenuBarId::MainMenu1, "&Help", "&General Help")->shortcut(),
             QKeySequence(QStringLiteral("F1")));
    // The drawing surface owns the plain letter, digit and sign keys.
    for (QAction* action : window->findChildren<QAction*>()) {
      const QKeySequence keys = action->shortcut();
      if (keys.isEmpty())
        continue;
      const int key = keys[0].key();
      QVERIFY2(keys[0].keyboardModifiers() != Qt::NoModifier || key >= Qt::Key_F1,
               qPrintable(action->text()));
    }
  }

  void undoAndResetStartDisabled()
  {
    auto window = openWindow();
    QAction* undo = item(*window, MenuBarId::MainMenu1, "", "Undo");
    QVERIFY(undo);
    QVERIFY(!undo->isEnabled());
    QCOMPARE(undo->data().toInt(), -1);
    QVERIFY(!item(*window, MenuBarId::MainMenu1, "", "Reset")->isEnabled());
  }
};

QTEST_MAIN(MenusTest)
#include "menus_test.moc"
