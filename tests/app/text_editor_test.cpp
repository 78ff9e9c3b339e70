#include "app/text_editor.h"
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

constexpr int labelCode = 607;
constexpr int formulaCode = 608;

/// A document holding one label (607) or formula (608) with text at (100, 100), opened in the
/// text editor by a right click on it.
tLAtm* placeAndPick(CommandLayer& layer, int code, const char* text)
{
  layer.AddText(code, text, 100, 100);
  layer.rightClick(100, 100, PointerKeys::None);
  return layer.editedText();
}

} // namespace

class TextEditorTest : public QObject
{
  Q_OBJECT

private slots:
  void windowHasItsLineButtonsAndHints()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    TTextEditor editor(layer);
    QCOMPARE(editor.windowTitle(), QStringLiteral("Text Editor"));
    QCOMPARE(editor.toolTip(), QStringLiteral("Type F1 for Help"));
    QCOMPARE(editor.edit1()->objectName(), QStringLiteral("Edit1"));
    QCOMPARE(editor.edit1()->maxLength(), 64);
    QSignalSpy help(&editor, &TTextEditor::helpRequested);
    QTest::keyClick(editor.edit1(), Qt::Key_F1);
    QCOMPARE(help.count(), 1);
    QCOMPARE(help.at(0).at(0).toInt(), 111); // the general help, help/111.html
    const std::pair<const char*, const char*> buttons[] = {
      { "Done", "" },
      { "Font", "Change text font" },
      { "Clone", "Duplicate text" },
      { "Delete", "Delete text" },
    };
    for (const auto& [caption, hint] : buttons) {
      QPushButton* button = editor.button(QString::fromLatin1(caption));
      QVERIFY2(button, caption);
      QCOMPARE(button->toolTip(), QString::fromLatin1(hint));
    }
  }

  void withoutATextOnlyDoneActs()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    TTextEditor editor(layer);
    editor.open();
    QVERIFY(!editor.isVisible());
    editor.show();
    QSignalSpy closed(&editor, &TTextEditor::closed);
    QSignalSpy font(&editor, &TTextEditor::fontRequested);
    for (const char* caption : { "Font", "Clone", "Delete" })
      QTest::mouseClick(editor.button(QString::fromLatin1(caption)), Qt::LeftButton);
    QVERIFY(editor.isVisible());
    QCOMPARE(closed.count(), 0);
    QCOMPARE(font.count(), 0);
    QTest::mouseClick(editor.button(QStringLiteral("Done")), Qt::LeftButton);
    QVERIFY(!editor.isVisible());
    QCOMPARE(closed.count(), 1);
  }

  void captionSaysLabelOrFormula()
  {
    const std::pair<int, const char*> cases[] = {
      { labelCode, "Text Editor" },
      { formulaCode, "Formula Formula" },
    };
    for (const auto& [code, caption] : cases) {
      CommandLayer layer{ std::make_unique<tDrawing>() };
      QVERIFY(placeAndPick(layer, code, "CH3OH"));
      TTextEditor editor(layer);
      editor.open();
      QVERIFY(editor.isVisible());
      QCOMPARE(editor.windowTitle(), QString::fromLatin1(caption));
      QCOMPARE(editor.edit1()->text(), QStringLiteral("CH3OH"));
    }
  }

  void typingRewritesTheLabelAndEnterCloses()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    tLAtm* label = placeAndPick(layer, labelCode, "Step");
    QVERIFY(label);
    TTextEditor editor(layer);
    QSignalSpy closed(&editor, &TTextEditor::closed);
    editor.open();
    editor.edit1()->end(false);
    QTest::keyClicks(editor.edit1(), QStringLiteral(" 1"));
    QCOMPARE(label->symbol.str(), std::string("Step 1"));
    QTest::keyClick(editor.edit1(), Qt::Key_Return);
    QVERIFY(!editor.isVisible());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(label->symbol.str(), std::string("Step 1"));
  }

  void deleteRemovesTheTextAndCloses()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    QVERIFY(placeAndPick(layer, labelCode, "Note"));
    QCOMPARE(layer.drawing().Atoms.Count(), 1);
    TTextEditor editor(layer);
    QSignalSpy closed(&editor, &TTextEditor::closed);
    editor.open();
    QTest::mouseClick(editor.button(QStringLiteral("Delete")), Qt::LeftButton);
    QCOMPARE(layer.drawing().Atoms.Count(), 0);
    QVERIFY(!editor.isVisible());
    QCOMPARE(closed.count(), 1);
  }

  void onTheMainWindowDeleteGoesBackToDrawing()
  {
    auto window = testing::openWindow();
    CommandLayer& layer = window->layer();
    layer.AddText(formulaCode, "H2O", 150, 120);
    QTest::mouseClick(&window->surface(), Qt::RightButton, {}, QPoint(150, 120));
    TTextEditor& editor = window->textEditor();
    QVERIFY(editor.isVisible());
    QCOMPARE(editor.windowTitle(), QStringLiteral("Formula Formula"));
    QCOMPARE(window->menus().current(), MenuBarId::TextEditorMenu);
    QTest::mouseClick(editor.button(QStringLiteral("Delete")), Qt::LeftButton);
    QVERIFY(!editor.isVisible());
    QCOMPARE(layer.drawing().Atoms.Count(), 0);
    QCOMPARE(layer.editorMode(), EditorMode::Drawing);
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
  }

  void cloneCopiesTheTextAndFontAsksTheMainWindow()
  {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    tLAtm* label = placeAndPick(layer, labelCode, "Note");
    QVERIFY(label);
    TTextEditor editor(layer);
    QSignalSpy font(&editor, &TTextEditor::fontRequested);
    editor.open();
    QTest::mouseClick(editor.button(QStringLiteral("Clone")), Qt::LeftButton);
    QCOMPARE(layer.drawing().Atoms.Count(), 2);
    QVERIFY(layer.editedText() && layer.editedText() != label);
    QCOMPARE(layer.editedText()->symbol.str(), std::string("Note"));
    QVERIFY(editor.isVisible());
    QTest::mouseClick(editor.button(QStringLiteral("Font")), Qt::LeftButton);
    QCOMPARE(font.count(), 1);
  }
};

QTEST_MAIN(TextEditorTest)
#include "text_editor_test.moc"
