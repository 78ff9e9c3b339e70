// The keys of the drawing surface against the standard shortcuts: a letter with Ctrl, Alt or Meta
// held never edits the atom under the pointer, and a shortcut does only what its item says.
#include "app_fixture.h"
#include "model/defaults.h"
#include "model/structure_atom.h"

#include <QApplication>
#include <QClipboard>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

constexpr int nitrogen = 7;

QPoint at(const tXY* a)
{
  return { a->screenX, a->screenY };
}

/// Puts the pointer over a: a move from elsewhere first, since a move to where the pointer
/// already is reports nothing.
void pointAt(DrawingSurface& surface, const tXY* a)
{
  QTest::mouseMove(&surface, at(a) + QPoint(40, 40));
  QTest::mouseMove(&surface, at(a));
}

} // namespace

class KeysTest : public QObject
{
  Q_OBJECT

private slots:
  void init() { modelDefaults() = ModelDefaults{}; }

  void noLetterWithCtrlChangesTheAtomUnderThePointer()
  {
    // Ctrl+V pastes what the clipboard holds: nothing here.
    QGuiApplication::clipboard()->clear();
    auto window = openWindow();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    CommandLayer& layer = window->layer();
    const Qt::KeyboardModifiers combinations[] = {
      Qt::ControlModifier,
      Qt::ControlModifier | Qt::ShiftModifier,
      Qt::MetaModifier,
    };
    for (const Qt::KeyboardModifiers keys : combinations) {
      for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key) {
        const QByteArray what = QKeySequence(int(keys) | key).toString().toLatin1();
        layer.NewDocument();
        layer.AddAtom(nitrogen, 200, 200);
        window->shell().clearShown();
        pointAt(window->surface(), layer.drawing().Atoms.At(0));
        QTest::keyClick(&window->surface(), Qt::Key(key), keys);
        const bool undoes = key == Qt::Key_Z && keys == Qt::ControlModifier;
        // Ctrl+Z takes the atom back, as Undo does; every other combination leaves it alone.
        QVERIFY2(atomCount(*window) == (undoes ? 0 : 1), what.constData());
        if (!undoes)
          QVERIFY2(layer.drawing().Atoms.At(0)->element == nitrogen, what.constData());
      }
    }
  }

  void theLetterLetGoAfterCtrlStillDoesNothing()
  {
    // Ctrl let go first, then S: the release of S alone must not make the atom sulfur.
    auto window = openWindow();
    CommandLayer& layer = window->layer();
    layer.AddAtom(nitrogen, 200, 200);
    pointAt(window->surface(), layer.drawing().Atoms.At(0));
    QTest::keyPress(&window->surface(), Qt::Key_Control);
    QTest::keyPress(&window->surface(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyRelease(&window->surface(), Qt::Key_Control, Qt::ControlModifier);
    QTest::keyRelease(&window->surface(), Qt::Key_S);
    QCOMPARE(layer.drawing().Atoms.At(0)->element, nitrogen);

    // The plain key still acts.
    QTest::keyClick(&window->surface(), Qt::Key_S);
    QCOMPARE(layer.drawing().Atoms.At(0)->element, 16);
  }

  void altWithALetterLeavesTheAtomAlone()
  {
    auto window = openWindow();
    CommandLayer& layer = window->layer();
    layer.AddAtom(nitrogen, 200, 200);
    pointAt(window->surface(), layer.drawing().Atoms.At(0));
    // Sent to the surface as press and release; the menu bar's access keys are not asked here.
    for (const Qt::Key key : { Qt::Key_C, Qt::Key_O, Qt::Key_K, Qt::Key_Delete }) {
      QKeyEvent press(QEvent::KeyPress, key, Qt::AltModifier);
      QKeyEvent release(QEvent::KeyRelease, key, Qt::AltModifier);
      QApplication::sendEvent(&window->surface(), &press);
      QApplication::sendEvent(&window->surface(), &release);
    }
    QCOMPARE(atomCount(*window), 1);
    QCOMPARE(layer.drawing().Atoms.At(0)->element, nitrogen);
    // The same key alone acts.
    QTest::keyClick(&window->surface(), Qt::Key_O);
    QCOMPARE(layer.drawing().Atoms.At(0)->element, 8);
  }
};

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
