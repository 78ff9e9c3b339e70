#include "app/symbol_editor.h"
#include "app_fixture.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/symbol.h"
#include "model/atom.h"

#include <QButtonGroup>
#include <QLineF>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

using namespace trelvix;

namespace {

constexpr int reactionArrow = 720;

/// The first handle point of symbol, where a right click picks the symbol.
QPointF handle(const tSymbol& symbol)
{
  const tXY* point = symbol.Atoms.At(0);
  return { point->x3, point->y3 };
}

/// The symbol's handle points relative to the first one.
std::vector<QPointF> outline(const tSymbol& symbol)
{
  std::vector<QPointF> points;
  for (int i = 1; i < symbol.Atoms.Count(); ++i)
    points.push_back(QPointF(symbol.Atoms.At(i)->x3, symbol.Atoms.At(i)->y3) - handle(symbol));
  return points;
}

/// A reaction arrow at (x, y), opened in the symbol editor by a right click on it.
tSymbol* placeAndPick(CommandLayer& layer, double x, double y)
{
  layer.BuildAt(x, y, reactionArrow);
  tSymbol* symbol = layer.drawing().Symbols->At(layer.drawing().Symbols->Count() - 1);
  const QPointF at = handle(*symbol);
  layer.rightClick(at.x(), at.y(), PointerKeys::None);
  return layer.editedSymbol();
}

} // namespace

class SymbolEditorTest : public QObject
{
  Q_OBJECT

private slots:
  void windowHasItsControlsAndHints()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    TSymbolEditor editor(layer);
    QCOMPARE(editor.windowTitle(), QStringLiteral("Symbol Editor"));
    QCOMPARE(editor.toolTip(), QStringLiteral("Select F1 for Help"));
    QCOMPARE(editor.scrollBar()->orientation(), Qt::Vertical);
    QCOMPARE(editor.scrollBar()->minimum(), -180);
    QCOMPARE(editor.scrollBar()->maximum(), 180);
    QCOMPARE(editor.scrollBar()->toolTip(), QStringLiteral("Rotate symbol"));
    QSignalSpy help(&editor, &TSymbolEditor::helpRequested);
    QTest::keyClick(&editor, Qt::Key_F1);
    QCOMPARE(help.count(), 1);
    QCOMPARE(help.at(0).at(0).toInt(), 111); // the general help, help/111.html

    const auto radios = editor.functions()->buttons();
    QCOMPARE(radios.size(), 2);
    QCOMPARE(radios[0]->text(), QStringLiteral("Rotate"));
    QCOMPARE(radios[1]->text(), QStringLiteral("Zoom"));
    QVERIFY(radios[0]->isChecked());
    QCOMPARE(radios[0]->parentWidget()->toolTip(), QStringLiteral("Select scrollbar function"));

    const std::pair<const char*, const char*> buttons[] = {
      { "OK", "" },
      { "Flip", "Flip symbol top to bottom" },
      { "Line", "Toggle symbol line width" },
      { "Style", "Toggle symbol style if applicable" },
      { "Clone", "Duplicate symbol" },
      { "Delete", "Delete symbol" },
      { "Reflect", "Reflect symbol left to right" },
    };
    for (const auto& [caption, hint] : buttons) {
      QPushButton* button = editor.button(QString::fromLatin1(caption));
      QVERIFY2(button, caption);
      QCOMPARE(button->toolTip(), QString::fromLatin1(hint));
    }
  }

  void zoomFactorRunsFromATenthToNineTenthsMore()
  {
    const std::pair<int, double> cases[] = {
      { 0, 1.0 }, { 100, 1.5 }, { 180, 1.9 }, { -100, 0.5 }, { -180, 0.1 }, { -179, 0.105 },
    };
    for (const auto& [position, factor] : cases)
      QVERIFY2(std::abs(TSymbolEditor::zoomFactor(position) - factor) < 1e-12,
               qPrintable(QString::number(position)));
  }

  void okClosesAndOpeningWithoutASymbolHides()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    TSymbolEditor editor(layer);
    QSignalSpy closed(&editor, &TSymbolEditor::closed);
    editor.show();
    editor.open();
    QVERIFY(!editor.isVisible());
    QCOMPARE(closed.count(), 0);
    editor.show();
    QTest::mouseClick(editor.button(QStringLiteral("Delete")), Qt::LeftButton);
    QVERIFY(editor.isVisible());
    QTest::mouseClick(editor.button(QStringLiteral("OK")), Qt::LeftButton);
    QVERIFY(!editor.isVisible());
    QCOMPARE(closed.count(), 1);
  }

  void theScrollBarRotatesOrZoomsTheSymbol()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    tSymbol* symbol = placeAndPick(layer, 100, 100);
    QVERIFY(symbol);
    TSymbolEditor editor(layer);
    editor.open();
    QVERIFY(editor.isVisible());
    const std::vector<QPointF> before = outline(*symbol);
    QVERIFY(!before.empty());

    // Rotate by 90 degrees: every side of the outline turns square to where it was, same length.
    editor.scrollBar()->setValue(90);
    std::vector<QPointF> after = outline(*symbol);
    for (std::size_t i = 0; i < before.size(); ++i) {
      QVERIFY(std::abs(QPointF::dotProduct(before[i], after[i])) < 1e-6);
      QVERIFY(std::abs(std::hypot(before[i].x(), before[i].y()) -
                       std::hypot(after[i].x(), after[i].y())) < 1e-6);
    }

    // Zoom at position 100 of the reference shape: every side half as long again.
    editor.functions()->button(static_cast<int>(TSymbolEditor::ScrollFunction::Zoom))->click();
    QCOMPARE(editor.scrollBar()->value(), 0);
    editor.scrollBar()->setValue(100);
    after = outline(*symbol);
    for (std::size_t i = 0; i < before.size(); ++i)
      QVERIFY(std::abs(std::hypot(after[i].x(), after[i].y()) -
                       1.5 * std::hypot(before[i].x(), before[i].y())) < 1e-6);

    // A button's edit leaves the shape the bar starts from: the bar goes back to its middle.
    QTest::mouseClick(editor.button(QStringLiteral("Flip")), Qt::LeftButton);
    QCOMPARE(editor.scrollBar()->value(), 0);
  }

  void zoomStartsFromTheTurnedSymbol()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    tSymbol* symbol = placeAndPick(layer, 100, 100);
    QVERIFY(symbol);
    TSymbolEditor editor(layer);
    editor.open();
    const std::vector<QPointF> before = outline(*symbol);
    editor.scrollBar()->setValue(90);
    editor.functions()->button(static_cast<int>(TSymbolEditor::ScrollFunction::Zoom))->click();
    editor.scrollBar()->setValue(100);
    // The sides stay square to where they were before the turn.
    QVERIFY(std::abs(QPointF::dotProduct(before[0], outline(*symbol)[0])) < 1e-6);
  }

  void aTurnOutlastsTheEditorClosing()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    tSymbol* symbol = placeAndPick(layer, 100, 100);
    QVERIFY(symbol);
    TSymbolEditor editor(layer);
    editor.open();
    editor.scrollBar()->setValue(90);
    QTest::mouseClick(editor.button(QStringLiteral("OK")), Qt::LeftButton);
    layer.setEditorMode(EditorMode::Drawing);
    const std::vector<QPointF> left = outline(*symbol);

    const QPointF at = handle(*symbol);
    layer.rightClick(at.x(), at.y(), PointerKeys::None);
    QCOMPARE(layer.editedSymbol(), symbol);
    editor.open();
    editor.scrollBar()->setValue(1);
    // One degree on from the shape the editor left, not from the shape it was drawn with.
    const double turn = QLineF(QPointF(), left[0]).angleTo(QLineF(QPointF(), outline(*symbol)[0]));
    QVERIFY(std::abs(std::remainder(turn, 360.0)) < 1.5);
  }

  void onTheMainWindowDeletingTheLastSymbolGoesBackToDrawing()
  {
    auto window = testing::openWindow();
    CommandLayer& layer = window->layer();
    layer.BuildAt(150, 120, reactionArrow);
    const QPointF at = handle(*layer.drawing().Symbols->At(0));
    QTest::mouseClick(&window->surface(), Qt::RightButton, {}, at.toPoint());
    TSymbolEditor& editor = window->symbolEditor();
    QVERIFY(editor.isVisible());
    QCOMPARE(window->menus().current(), MenuBarId::SymbolEditorMenu);
    QTest::mouseClick(editor.button(QStringLiteral("Delete")), Qt::LeftButton);
    QVERIFY(!editor.isVisible());
    QCOMPARE(layer.drawing().Symbols->Count(), 0);
    QCOMPARE(layer.editorMode(), EditorMode::Drawing);
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
  }

  void deleteHidesTheEditorOnlyWithTheLastSymbol()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    layer.BuildAt(300, 300, reactionArrow);
    QVERIFY(placeAndPick(layer, 100, 100));
    TSymbolEditor editor(layer);
    QSignalSpy closed(&editor, &TSymbolEditor::closed);
    editor.open();
    QTest::mouseClick(editor.button(QStringLiteral("Delete")), Qt::LeftButton);
    QCOMPARE(layer.drawing().Symbols->Count(), 1);
    QVERIFY(editor.isVisible());
    QCOMPARE(closed.count(), 0);

    const QPointF other = handle(*layer.drawing().Symbols->At(0));
    layer.rightClick(other.x(), other.y(), PointerKeys::None);
    QVERIFY(layer.editedSymbol());
    editor.open();
    QTest::mouseClick(editor.button(QStringLiteral("Delete")), Qt::LeftButton);
    QCOMPARE(layer.drawing().Symbols->Count(), 0);
    QVERIFY(!editor.isVisible());
    QCOMPARE(closed.count(), 1);
  }
};

QTEST_MAIN(SymbolEditorTest)
#include "symbol_editor_test.moc"
