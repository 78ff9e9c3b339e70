// Undo and Redo in the window: Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y step through the history; the
// Settings choice of the classic one-level Undo hides Redo and lets Undo take turns.
#include "app/settings_form.h"
#include "app_fixture.h"
#include "document/defaults_file.h"
#include "model/defaults.h"

#include <QCheckBox>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

constexpr int ethaneCode = 501;

void shortcut(TTrelvix3D& window, Qt::Key key, Qt::KeyboardModifiers keys)
{
  // Over empty paper: a key there edits nothing, so only the shortcut can act.
  QTest::mouseMove(&window.surface(), { 600, 420 });
  QTest::keyClick(&window.surface(), key, keys);
}

} // namespace

class UndoTest : public QObject
{
  Q_OBJECT

private slots:
  void init()
  {
    modelDefaults() = ModelDefaults{};
    // Each case starts from the reset defaults: nothing an earlier run chose.
    QFile::remove(QString::fromStdString(defaultsPath()));
  }

  void theShortcutsStepBackAndForwardThroughThreeEdits()
  {
    auto window = openWindow();
    window->activateWindow();
    QAction* redo = item(*window, MenuBarId::MainMenu1, "", "Redo");
    QVERIFY(redo && redo->isVisible() && !redo->isEnabled());
    std::vector<int> counts{ atomCount(*window) };
    for (int i = 0; i < 3; ++i) {
      window->layer().BuildAt(100 + 120 * i, 150, ethaneCode);
      counts.push_back(atomCount(*window));
    }
    shortcut(*window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(atomCount(*window), counts[2]);
    shortcut(*window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(atomCount(*window), counts[1]);
    QVERIFY(redo->isEnabled());
    shortcut(*window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(atomCount(*window), counts[2]);
    shortcut(*window, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(atomCount(*window), counts[3]);
    QVERIFY(!redo->isEnabled());
    // The Undo item keeps its caption: Redo is an item of its own.
    QCOMPARE(item(*window, MenuBarId::MainMenu1, "", "Undo")->text(), QStringLiteral("Undo"));
  }

  void theOneLevelUndoFromSettingsTakesTurnsAndHidesRedo()
  {
    auto window = openWindow();
    auto* settings = window->findChild<TSettingsForm*>();
    QVERIFY(settings);
    settings->show();
    auto* oneLevel = settings->findChild<QCheckBox*>();
    QVERIFY(oneLevel && !oneLevel->isChecked());
    oneLevel->click();
    settings->hide();
    QCOMPARE(window->layer().undoLevels(), std::size_t{ 1 });
    QAction* redo = item(*window, MenuBarId::MainMenu1, "", "Redo");
    QVERIFY(!redo->isVisible());

    const int empty = atomCount(*window);
    window->layer().BuildAt(100, 150, ethaneCode);
    const int built = atomCount(*window);
    QAction* undo = item(*window, MenuBarId::MainMenu1, "", "Undo");
    undo->trigger();
    QCOMPARE(atomCount(*window), empty);
    QCOMPARE(undo->text(), QStringLiteral("Redo"));
    undo->trigger();
    QCOMPARE(atomCount(*window), built);
    QCOMPARE(undo->text(), QStringLiteral("Undo"));

    // The choice is kept in the defaults file: a new window starts with it.
    auto again = openWindow();
    QCOMPARE(again->layer().undoLevels(), std::size_t{ 1 });
    // And back to the history: Redo shows again.
    settings->show();
    oneLevel->click();
    settings->hide();
    QCOMPARE(window->layer().undoLevels(), UndoHistory::defaultLevels);
    QVERIFY(redo->isVisible());
  }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
