#include "app/element_cell.h"
#include "app/periodic_table.h"
#include "app_fixture.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "model/atom.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace trelvix;

namespace {

/// A document holding one carbon at (x, y), open in the atom editor.
tXY* editCarbon(CommandLayer& layer, double x, double y)
{
  layer.AddAtom(6, x, y);
  tXY* carbon = layer.drawing().Atoms.At(layer.drawing().Atoms.Count() - 1);
  layer.setEditorMode(EditorMode::AtomEditor);
  layer.setEditedAtom(carbon);
  return carbon;
}

} // namespace

class PeriodicTableTest : public QObject
{
  Q_OBJECT

private slots:
  void windowLooksAsItShould()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    TPeriodicTable table(layer);
    QCOMPARE(table.windowTitle(), QStringLiteral("Periodic Table"));
    QVERIFY(table.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(table.palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(table.edit1()->objectName(), QStringLiteral("Edit1"));
    QCOMPARE(table.edit1()->maxLength(), 64);
    QCOMPARE(table.doneButton()->text(), QStringLiteral("Done"));
    QSignalSpy help(&table, &TPeriodicTable::helpRequested);
    QTest::keyClick(table.edit1(), Qt::Key_F1);
    QCOMPARE(help.count(), 1);
    QCOMPARE(help.at(0).at(0).toInt(), 118); // the atom editor's page, help/118.html
  }

  void cellsShowTheElementSymbolsInTheirGroupColours()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    TPeriodicTable table(layer);
    QCOMPARE(static_cast<int>(table.cells().size()), 103);
    for (std::size_t i = 0; i < table.cells().size(); ++i)
      QCOMPARE(static_cast<std::size_t>(table.cells()[i]->element()), i + 1);

    struct Case
    {
      int z;
      const char* symbol;
      QColor colour;
    };
    const QColor white(255, 255, 255), cyan(119, 255, 255), grey(192, 192, 192),
      purple(119, 0, 120), yellow(255, 255, 119);
    const Case cases[] = {
      { 2, "He", white },   { 54, "Xe", white },   { 86, "Rn", white },  { 1, "H", cyan },
      { 12, "Mg", cyan },   { 89, "Ac", cyan },    { 13, "Al", grey },   { 26, "Fe", grey },
      { 57, "La", grey },   { 84, "Po", grey },    { 58, "Ce", purple }, { 71, "Lu", purple },
      { 90, "Th", purple }, { 103, "Lw", purple }, { 5, "B", yellow },   { 9, "F", yellow },
      { 35, "Br", yellow }, { 53, "I", yellow },   { 85, "At", yellow }, { 32, "Ge", grey },
    };
    for (const Case& c : cases) {
      const telement* cell = table.cells()[static_cast<std::size_t>(c.z - 1)];
      QCOMPARE(cell->text(), QString::fromLatin1(c.symbol));
      QCOMPARE(cell->palette().color(QPalette::Window), c.colour);
    }
  }

  void cellsFormThePeriodicTableOnAnEighteenByTenGrid()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    TPeriodicTable table(layer);
    table.show();
    const auto& cells = table.cells();
    const QSize size = cells[0]->size();
    for (const telement* cell : cells)
      QCOMPARE(cell->size(), size);
    // Helium sits in the last of the 18 columns of the first row.
    const int pitch = cells[1]->x() / 17;
    QVERIFY(pitch >= size.width());

    struct Place
    {
      int z;
      int column; // from 0
      int row;    // from 0
    };
    const Place places[] = {
      { 1, 0, 0 },  { 2, 17, 0 },  { 5, 12, 1 },  { 11, 0, 2 }, { 18, 17, 2 },
      { 26, 7, 3 }, { 54, 17, 4 }, { 56, 1, 5 },  { 57, 2, 5 }, { 72, 3, 5 },
      { 89, 2, 6 }, { 58, 3, 8 },  { 71, 16, 8 }, { 90, 3, 9 }, { 103, 16, 9 },
    };
    for (const Place& p : places) {
      const telement* cell = cells[static_cast<std::size_t>(p.z - 1)];
      QCOMPARE(cell->pos(), QPoint(p.column * pitch, p.row * pitch));
    }

    const QRect grid = cells[0]->parentWidget()->rect();
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const QRect cell = cells[i]->geometry();
      QVERIFY(grid.contains(cell));
      QVERIFY(cell.x() / pitch < 18 && cell.y() / pitch < 10);
      QVERIFY(cell.y() / pitch != 7); // the eighth row holds "Done"
      for (std::size_t j = i + 1; j < cells.size(); ++j)
        QVERIFY2(!cell.intersects(cells[j]->geometry()),
                 qPrintable(cells[i]->text() + " overlaps " + cells[j]->text()));
    }

    // "Done" lies below the seventh row and above the lanthanides, and the window shows it.
    const QRect done = table.doneButton()->geometry();
    QVERIFY(done.top() >= 6 * pitch + size.height());
    QVERIFY(done.bottom() < 8 * pitch);
    QVERIFY(grid.contains(done));
    QVERIFY(done.height() >= table.doneButton()->minimumSizeHint().height());
    const QRect inWindow(cells[0]->parentWidget()->mapTo(&table, QPoint()), grid.size());
    QVERIFY(table.rect().contains(inWindow));
  }

  void placementFollowsHowTheLayerWasOpened()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    TPeriodicTable table(layer);
    layer.openAtomPlacement(AtomPlacement::Branch);
    table.openForPlacement();
    QVERIFY(table.isVisible());
    QCOMPARE(table.opening(), TPeriodicTable::Opening::Branch);
    for (const telement* cell : table.cells())
      QCOMPARE(cell->y(), cell->baseTop + cell->verticalShift);
    layer.openAtomPlacement(AtomPlacement::Add);
    table.openForPlacement();
    QCOMPARE(table.opening(), TPeriodicTable::Opening::Add);
    for (const telement* cell : table.cells())
      QCOMPARE(cell->y(), static_cast<int>(cell->baseTop));
  }

  void doneAndTheCloseBoxGoBackToDrawing()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    TPeriodicTable table(layer);
    QSignalSpy closed(&table, &TPeriodicTable::closed);
    table.openForPlacement();
    QTest::mouseClick(table.doneButton(), Qt::LeftButton);
    QVERIFY(!table.isVisible());
    QCOMPARE(closed.count(), 1);
    table.openForPlacement();
    table.close();
    QVERIFY(!table.isVisible());
    QCOMPARE(closed.count(), 2);
  }

  void openingWithoutAnAtomDoesNothing()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    TPeriodicTable table(layer);
    table.openOnAtom();
    QVERIFY(!table.isVisible());
  }

  void theOxygenCellTurnsTheEditedCarbonIntoOxygenAndArmsIt()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    tXY* atom = editCarbon(layer, 100, 80);
    TPeriodicTable table(layer);
    table.openOnAtom();
    QCOMPARE(table.opening(), TPeriodicTable::Opening::Edit);
    QTest::mouseClick(table.cells()[7], Qt::LeftButton);
    QCOMPARE(static_cast<int>(atom->element), 8);
    QCOMPARE(static_cast<int>(layer.pendingBuildCode()), 800 + 8);
    QVERIFY(table.edit1()->text().startsWith(QLatin1Char('O')));
    QCOMPARE(table.edit1()->text(), QString::fromStdString(atom->symbol.str()));
    QCOMPARE(layer.drawing().Atoms.Count(), 1);
  }

  void aCellArmsItsElementForPlacementWithoutChangingAnything()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    layer.AddAtom(6, 50, 50);
    layer.openAtomPlacement(AtomPlacement::Add);
    TPeriodicTable table(layer);
    table.openForPlacement();
    QTest::mouseClick(table.cells()[16], Qt::LeftButton); // chlorine
    QCOMPARE(static_cast<int>(layer.pendingBuildCode()), 800 + 17);
    QCOMPARE(static_cast<int>(layer.drawing().Atoms.At(0)->element), 6);
  }

  void typingRelabelsTheAtomAndEnterStoresItAndCloses()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    tXY* atom = editCarbon(layer, 100, 80);
    TPeriodicTable table(layer);
    QSignalSpy closed(&table, &TPeriodicTable::closed);
    table.openOnAtom();
    QCOMPARE(table.edit1()->text(), QString::fromStdString(atom->symbol.str()));
    table.edit1()->selectAll();
    QTest::keyClicks(table.edit1(), QStringLiteral("Me"));
    QCOMPARE(atom->symbol.str(), std::string("Me"));
    QTest::keyClick(table.edit1(), Qt::Key_Return);
    QVERIFY(!table.isVisible());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(atom->symbol.str(), std::string("Me"));
  }

  void onTheMainWindowARightClickOpensItAndDoneGoesBackToDrawing()
  {
    auto window = testing::openWindow();
    CommandLayer& layer = window->layer();
    layer.AddAtom(6, 150, 120);
    tXY* atom = layer.drawing().Atoms.At(0);
    QTest::mouseClick(&window->surface(), Qt::RightButton, {}, QPoint(150, 120));
    TPeriodicTable& table = window->periodicTable();
    QVERIFY(table.isVisible());
    QCOMPARE(window->menus().current(), MenuBarId::AtomEditorMenu);
    QTest::mouseClick(table.cells()[6], Qt::LeftButton); // nitrogen
    QCOMPARE(static_cast<int>(atom->element), 7);
    QTest::mouseClick(table.doneButton(), Qt::LeftButton);
    QVERIFY(!table.isVisible());
    QCOMPARE(layer.editorMode(), EditorMode::Drawing);
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
    QCOMPARE(static_cast<int>(layer.pendingBuildCode()), 0);
  }

  void opensBesideTheAtomOnTheMainWindow()
  {
    auto window = testing::openWindow();
    CommandLayer& layer = window->layer();
    editCarbon(layer, 120, 90);
    TPeriodicTable& table = window->periodicTable();
    table.openOnAtom();
    QVERIFY(table.isVisible());
    QCOMPARE(table.pos(), window->surface().mapToGlobal(QPoint(120 + 25, 90)));
    QCOMPARE(QCursor::pos(), window->surface().mapToGlobal(QPoint(120, 90)));
  }
};

QTEST_MAIN(PeriodicTableTest)
#include "periodic_table_test.moc"
