// The status bar (what is armed, the atom under the pointer, the last message) and Delete on a
// selection.
#include "app/status_line.h"
#include "app_fixture.h"
#include "model/atom.h"
#include "model/defaults.h"

#include <QStatusBar>

using namespace trelvix;
using namespace trelvix::testing;

class StatusLineTest : public QObject
{
  Q_OBJECT

private slots:
  void init() { modelDefaults() = ModelDefaults{}; }

  void theArmedItemShows()
  {
    auto window = openWindow();
    QCOMPARE(window->statusLine().armedText(), QStringLiteral("Nothing armed"));
    QVERIFY(choose(*window, "&Ring/&Add", "&6"));
    QCOMPARE(window->statusLine().armedText(), QStringLiteral("Ring > Add > 6"));
    window->perform(Command::Reset);
    QCOMPARE(window->statusLine().armedText(), QStringLiteral("Nothing armed"));
    QCOMPARE(armedCaption(817, false), QStringLiteral("Element Cl"));
  }

  void theAtomUnderThePointerShowsInAngstrom()
  {
    auto window = openWindow();
    // 56 drawing units at the scale of 28 per 1.53 Å: 3.06 Å.
    window->layer().AddAtom(7, 56, 28);
    QTest::mouseMove(&window->surface(), QPoint(200, 200));
    QTest::mouseMove(&window->surface(), QPoint(56, 28));
    QCOMPARE(window->statusLine().pointerText(),
             QStringLiteral("N  charge 0  H 3  (3.06, 1.53, 0.00) Å"));
    QTest::mouseMove(&window->surface(), QPoint(300, 300));
    QCOMPARE(window->statusLine().pointerText(), QString());
  }

  void theLastMessageStaysInTheStatusBar()
  {
    auto window = openWindow();
    QVERIFY(choose(*window, "C&hemistry", "Molecular &Data ..."));
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("No Molecule"));
  }

  void deleteRemovesTheSelectionInOneUndoStep()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, 154); // a six-membered ring
    window->layer().AddAtom(8, 500, 100);   // and an oxygen apart
    QCOMPARE(atomCount(*window), 7);
    // A rectangle around the ring selects it.
    QTest::mousePress(&window->surface(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    for (int step = 1; step <= 4; ++step)
      QTest::mouseMove(&window->surface(), QPoint(150, 150) + QPoint(100, 100) * step / 4);
    QTest::mouseRelease(&window->surface(), Qt::LeftButton, Qt::NoModifier, QPoint(250, 250));
    QCOMPARE(window->layer().editorMode(), EditorMode::GroupEditor);
    QTest::keyClick(&window->surface(), Qt::Key_Delete);
    QCOMPARE(atomCount(*window), 1);
    QCOMPARE(window->layer().editorMode(), EditorMode::Drawing);
    window->layer().Undo();
    QCOMPARE(atomCount(*window), 7);
  }
};

QTEST_MAIN(StatusLineTest)
#include "status_line_test.moc"
