// Building from the menus with presses on the surface, Reset, Undo and Redo.
#include "app_fixture.h"
#include "model/defaults.h"

using namespace trelvix;
using namespace trelvix::testing;

class BuildingTest : public QObject
{
  Q_OBJECT

private slots:
  void init() { modelDefaults().DrawMode3D = false; }

  void threePressesAddThreeRingsAndResetStopsIt()
  {
    auto window = openWindow();
    QAction* six = window->menus().action(MenuBarId::MainMenu1, Command::BuildCode, 154);
    QVERIFY(six);
    QCOMPARE(six->text(), QStringLiteral("&6"));
    six->trigger();
    QCOMPARE(int(window->layer().pendingBuildCode()), 154);

    const QPoint presses[] = { { 100, 120 }, { 260, 120 }, { 420, 120 } };
    for (const QPoint p : presses)
      pressAt(*window, p);
    QCOMPARE(atomCount(*window), 18); // three six-membered rings, no hydrogens drawn in 2D
    QCOMPARE(window->layer().drawing().Groups.Count(), 3);

    QAction* reset = item(*window, MenuBarId::MainMenu1, "", "Reset");
    QVERIFY(reset->isEnabled());
    reset->trigger();
    QCOMPARE(int(window->layer().pendingBuildCode()), 0);
    pressAt(*window, { 260, 300 });
    QCOMPARE(atomCount(*window), 18);
  }

  void theOneLevelUndoTwiceRestoresAndTheCaptionAlternates()
  {
    auto window = openWindow();
    window->layer().setUndoLevels(1);
    window->menus().action(MenuBarId::MainMenu1, Command::BuildCode, 154)->trigger();
    pressAt(*window, { 120, 150 });
    pressAt(*window, { 320, 150 });
    QCOMPARE(atomCount(*window), 12);

    QAction* undo = item(*window, MenuBarId::MainMenu1, "", "Undo");
    QVERIFY(undo->isEnabled());
    undo->trigger();
    QCOMPARE(atomCount(*window), 6);
    QCOMPARE(undo->text(), QStringLiteral("Redo"));
    QCOMPARE(undo->data().toInt(), 1);
    QCOMPARE(int(window->layer().pendingBuildCode()), 0); // Undo disarms

    undo->trigger();
    QCOMPARE(atomCount(*window), 12);
    QCOMPARE(undo->text(), QStringLiteral("Undo"));
    QCOMPARE(undo->data().toInt(), -1);
  }

  void branchCAndOneMethylBuildAlike()
  {
    // Both items arm the same code.
    auto window = openWindow();
    const QList<QAction*> methyl = window->menus().actions(Command::BuildCode, 511);
    QCOMPARE(methyl.size(), 2);
    QStringList captions;
    for (QAction* a : methyl)
      captions << a->text();
    captions.sort();
    QCOMPARE(captions, (QStringList{ QStringLiteral("&1-methyl"), QStringLiteral("C") }));
  }

  void theDrawingReachesTheSurface()
  {
    auto window = openWindow();
    window->menus().action(MenuBarId::MainMenu1, Command::BuildCode, 154)->trigger();
    pressAt(*window, { 200, 200 });
    window->repaintDocument();
    const QImage image = window->surface().canvas().image();
    // Some dark ring pixels near the press point, white far from it.
    int dark = 0;
    const qreal ratio = image.devicePixelRatio();
    for (int y = 150; y < 250; ++y)
      for (int x = 150; x < 250; ++x)
        dark += qGray(image.pixel(int(x * ratio), int(y * ratio))) < 128 ? 1 : 0;
    QVERIFY(dark > 20);
    QCOMPARE(image.pixel(int(600 * ratio), int(400 * ratio)) & 0xFFFFFF, 0xFFFFFFu);
  }

  void pressesDoNothingOutsideTheDrawingMode()
  {
    auto window = openWindow();
    window->menus().action(MenuBarId::MainMenu1, Command::BuildCode, 154)->trigger();
    window->layer().setEditorMode(EditorMode::Measurement);
    pressAt(*window, { 200, 200 });
    QCOMPARE(atomCount(*window), 0);
  }
};

QTEST_MAIN(BuildingTest)
#include "placing_test.moc"
