// The pointer and the keys on the drawing surface: right clicks open the editors, the rubber
// band selects a group, dragging, the arrow keys and the key edits, and the editors' menus.
#include "app/bond_editor.h"
#include "app/group_editor.h"
#include "app/periodic_table.h"
#include "app_fixture.h"
#include "document/symbol.h"
#include "model/defaults.h"
#include "model/link.h"
#include "model/structure_atom.h"

using namespace trelvix;
using namespace trelvix::testing;

namespace {

constexpr int ethaneCode = 501;
constexpr int arrowCode = 720;

QPoint at(const tXY* a)
{
  return { a->screenX, a->screenY };
}

/// Presses at from, moves through the points in between and releases at to, with the left
/// button and keys held, as a hand drags.
void dragOnSurface(DrawingSurface& surface,
                   QPoint from,
                   QPoint to,
                   Qt::KeyboardModifiers keys = Qt::NoModifier)
{
  QTest::mousePress(&surface, Qt::LeftButton, keys, from);
  for (int step = 1; step <= 4; ++step)
    QTest::mouseMove(&surface, from + (to - from) * step / 4);
  QTest::mouseRelease(&surface, Qt::LeftButton, keys, to);
}

void rightClick(DrawingSurface& surface, QPoint point, Qt::KeyboardModifiers keys = {})
{
  QTest::mouseClick(&surface, Qt::RightButton, keys, point);
}

void keyOver(DrawingSurface& surface, QPoint point, Qt::Key key, Qt::KeyboardModifiers keys = {})
{
  QTest::mouseMove(&surface, point);
  QTest::keyClick(&surface, key, keys);
}

} // namespace

class PointerTest : public QObject
{
  Q_OBJECT

private slots:
  void init() { modelDefaults() = ModelDefaults{}; }

  void aShiftRightClickOnEmptySpaceOpensNothing()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    rightClick(window->surface(), { 500, 380 }, Qt::ShiftModifier);
    QCOMPARE(window->layer().editorMode(), EditorMode::Drawing);
    QVERIFY(!window->bondEditor().isVisible());
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);

    // On the bond it opens the bond editor with its menu bar.
    const tLink* bond = window->layer().drawing().Bonds.At(0);
    const QPoint middle = (at(bond->Atm1) + at(bond->Atm2)) / 2;
    rightClick(window->surface(), middle, Qt::ShiftModifier);
    QCOMPARE(window->layer().editorMode(), EditorMode::BondEditor);
    QVERIFY(window->bondEditor().isVisible());
    QCOMPARE(window->menus().current(), MenuBarId::BondEditorMenu);
    // The editor's menu sets the bond's type.
    QVERIFY(choose(*window, "&Bond Type", "&Double", MenuBarId::BondEditorMenu));
    QCOMPARE(window->layer().drawing().Bonds.At(0)->bondType(), int(DoubleBond));
  }

  void theRubberBandSelectsOnlyWhenDrawnDownwardsToTheRight()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    dragOnSurface(window->surface(), { 320, 300 }, { 100, 100 });
    QCOMPARE(window->layer().editorMode(), EditorMode::Drawing);
    QVERIFY(!window->groupEditor().isVisible());

    dragOnSurface(window->surface(), { 100, 100 }, { 320, 300 });
    QCOMPARE(window->layer().editorMode(), EditorMode::GroupEditor);
    QVERIFY(window->groupEditor().isVisible());
    QCOMPARE(window->menus().current(), MenuBarId::GroupEditorMenu);
    QCOMPARE(window->layer().editedGroup(), window->layer().drawing().Groups.At(0));
  }

  void theRubberBandDrawnTwiceLeavesTheSurfaceAsItWas()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    window->repaintDocument();
    const QImage before = window->surface().canvas().image().copy();
    // Pressed where nothing is armed, then moved: the band is drawn and erased step by step.
    QTest::mousePress(&window->surface(), Qt::LeftButton, {}, { 150, 150 });
    QTest::mouseMove(&window->surface(), { 260, 240 });
    QVERIFY(window->surface().canvas().image() != before);
    QTest::mouseMove(&window->surface(), { 100, 100 }); // upwards: no band shown
    QCOMPARE(window->surface().canvas().image(), before);
    QTest::mouseRelease(&window->surface(), Qt::LeftButton, {}, { 100, 100 });
  }

  void arrowKeysMoveTheDrawingOrOnlyTheGroup()
  {
    auto window = openWindow();
    CommandLayer& layer = window->layer();
    layer.BuildAt(200, 200, ethaneCode);
    layer.BuildAt(200, 320, ethaneCode);
    tXY* first = layer.drawing().Atoms.At(0);
    tXY* other = layer.drawing().Atoms.At(2);
    const double x0 = first->x3, y0 = first->y3, ox = other->x3;
    QTest::keyClick(&window->surface(), Qt::Key_Left);
    QCOMPARE(first->x3, x0 - 16);
    QTest::keyClick(&window->surface(), Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(first->x3, x0 - 48);
    QCOMPARE(other->x3, ox - 48);
    QTest::keyClick(&window->surface(), Qt::Key_PageDown);
    QCOMPARE(first->y3, y0 + 32);

    // With the group editor open only its group moves.
    rightClick(window->surface(), at(first), Qt::ControlModifier);
    QVERIFY(window->groupEditor().isVisible());
    QVERIFY(layer.editedGroup()->Atoms.Contains(first));
    QTest::keyClick(&window->surface(), Qt::Key_Right);
    QCOMPARE(first->x3, x0 - 32);
    QCOMPARE(other->x3, ox - 48);
  }

  void elementAndChargeKeysActOnTheAtomUnderThePointer()
  {
    auto window = openWindow();
    CommandLayer& layer = window->layer();
    layer.setUndoLevels(1); // the classic Undo, in which charges take no copy of their own
    layer.AddAtom(7, 200, 200);
    tXY* nitrogen = layer.drawing().Atoms.At(0);
    keyOver(window->surface(), at(nitrogen), Qt::Key_C);
    nitrogen = layer.drawing().Atoms.At(0);
    QCOMPARE(nitrogen->element, 6);
    QCOMPARE(int(nitrogen->style), 0); // a bare vertex
    keyOver(window->surface(), at(nitrogen), Qt::Key_Plus);
    keyOver(window->surface(), at(nitrogen), Qt::Key_Plus);
    QCOMPARE(int(layer.drawing().Atoms.At(0)->charge), 2);
    // Charges take no undo copy: Undo goes back to before C, charges and all.
    layer.Undo();
    QCOMPARE(layer.drawing().Atoms.At(0)->element, 7);
  }

  void deleteOverASymbolDoesNothing()
  {
    auto window = openWindow();
    CommandLayer& layer = window->layer();
    layer.BuildAt(300, 200, arrowCode);
    const int atoms = atomCount(*window);
    const tXY* point = layer.drawing().Symbols->At(0)->Atoms.At(0);
    keyOver(window->surface(), at(point), Qt::Key_Delete);
    QCOMPARE(atomCount(*window), atoms);
    QCOMPARE(layer.drawing().Symbols->Count(), 1);
  }

  void draggingAnAtomMovesItByThePointersTravelAndUndoPutsItBack()
  {
    auto window = openWindow();
    CommandLayer& layer = window->layer();
    layer.BuildAt(200, 200, ethaneCode);
    tXY* carbon = layer.drawing().Atoms.At(0);
    const double x0 = carbon->x3, y0 = carbon->y3;
    rightClick(window->surface(), at(carbon));
    QCOMPARE(layer.editorMode(), EditorMode::AtomEditor);
    QVERIFY(window->periodicTable().isVisible());
    QCOMPARE(window->menus().current(), MenuBarId::AtomEditorMenu);
    dragOnSurface(window->surface(), at(carbon), at(carbon) + QPoint(40, -20));
    QCOMPARE(carbon->x3, x0 + 40);
    QCOMPARE(carbon->y3, y0 - 20);
    layer.Undo();
    QCOMPARE(layer.drawing().Atoms.At(0)->x3, x0);
  }

  void deletingTheEditedAtomGoesBackToDrawingAndUndoLeavesNoDanglingEditor()
  {
    auto window = openWindow();
    CommandLayer& layer = window->layer();
    layer.BuildAt(200, 200, ethaneCode);
    rightClick(window->surface(), at(layer.drawing().Atoms.At(0)));
    QVERIFY(choose(*window, "", "&Delete", MenuBarId::AtomEditorMenu));
    QCOMPARE(atomCount(*window), 1);
    QCOMPARE(layer.editorMode(), EditorMode::Drawing);
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
    QVERIFY(!window->periodicTable().isVisible());
    choose(*window, "", "Undo");
    QCOMPARE(atomCount(*window), 2);
    QCOMPARE(layer.editedAtom(), nullptr);
    // The editor's items act on nothing now.
    layer.Edit(EditorEdit::AtomCharge, 1);
    QCOMPARE(int(layer.drawing().Atoms.At(0)->charge), 0);
  }

  void linkAtomsAsksToMoveThePointerOnTheSameAtom()
  {
    auto window = openWindow();
    CommandLayer& layer = window->layer();
    layer.AddAtom(6, 100, 200);
    layer.AddAtom(8, 300, 200);
    QVERIFY(choose(*window, "&Atom", "&Link Atoms"));
    pressAt(*window, { 100, 200 });
    pressAt(*window, { 100, 200 });
    QCOMPARE(window->shell().shown().back().text, std::string("Move Pointer"));
    pressAt(*window, { 300, 200 });
    QCOMPARE(layer.drawing().Bonds.Count(), 1);
  }
};

QTEST_MAIN(PointerTest)
#include "pointer_test.moc"
