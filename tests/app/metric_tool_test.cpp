// The measurement tool from the Chemistry menu: what it offers for the document, presses on the
// drawing surface that draw a value, and the way back to drawing.
#include "app/metric_tool.h"
#include "app_fixture.h"
#include "editor_fixture.h"
#include "model/atom.h"
#include "model/link.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <array>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

constexpr int ethaneCode = 501;
constexpr std::array<const char*, 4> choiceNames{ "RBBondLength",
                                                  "RBBondAngle",
                                                  "RBTorsionAngle",
                                                  "RBDistance" };

TMetricTool* openTool(TTrelvix3D& window)
{
  if (!choose(window, "C&hemistry", "&Measurements ..."))
    return nullptr;
  return window.findChild<TMetricTool*>();
}

QRadioButton* choiceOf(TMetricTool& tool, const char* name)
{
  return tool.findChild<QRadioButton*>(QString::fromLatin1(name));
}

QString value(TMetricTool& tool)
{
  auto* label = tool.findChild<QLabel*>(QStringLiteral("MeasuredValue"));
  return label ? label->text() : QStringLiteral("<missing>");
}

/// Pixels of the surface's back buffer in the measurement colour (pure red).
int redPixels(TTrelvix3D& window)
{
  const QImage image = window.surface().canvas().image().convertToFormat(QImage::Format_RGB32);
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
        ++count;
    }
  }
  return count;
}

/// Runs the repaints the window has scheduled.
void settle()
{
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

} // namespace

class MetricToolTest : public QObject
{
  Q_OBJECT

private slots:
  void aSingleAtomOffersNothingAndAPressChangesNothing()
  {
    auto window = openWindow();
    window->layer().AddAtom(6, 200, 200);
    TMetricTool* tool = openTool(*window);
    QVERIFY(tool);
    QVERIFY(tool->isVisible());
    QCOMPARE(window->layer().editorMode(), EditorMode::Measurement);
    for (const char* name : choiceNames) {
      QRadioButton* button = choiceOf(*tool, name);
      QVERIFY2(button, name);
      QVERIFY2(!button->isEnabled(), name);
      QVERIFY2(!button->isChecked(), name);
    }
    settle();
    const QImage before = window->surface().canvas().image();
    pressAt(*window, QPoint(200, 200));
    settle();
    QCOMPARE(window->surface().canvas().image(), before);
    QCOMPARE(atomCount(*window), 1);
    QVERIFY(value(*tool).isEmpty());
  }

  void ethaneMeasuresItsBondAtOnePointFiveThree()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    TMetricTool* tool = openTool(*window);
    QVERIFY(tool);
    // Bonds and two atoms, but no angle or torsion; the first offered choice is checked.
    QVERIFY(choiceOf(*tool, "RBBondLength")->isEnabled());
    QVERIFY(choiceOf(*tool, "RBBondLength")->isChecked());
    QVERIFY(!choiceOf(*tool, "RBBondAngle")->isEnabled());
    QVERIFY(!choiceOf(*tool, "RBTorsionAngle")->isEnabled());
    QVERIFY(choiceOf(*tool, "RBDistance")->isEnabled());
    // Beside the main window, not at the screen's corner.
    QVERIFY(tool->pos() != QPoint(0, 0));
    QVERIFY(tool->x() > window->x());

    settle();
    QCOMPARE(redPixels(*window), 0);
    const Point middle = window->layer().drawing().Bonds.At(0)->getcenter();
    pressAt(*window, QPoint(middle.x, middle.y));
    settle();
    QCOMPARE(value(*tool), QStringLiteral("1.53 Å"));
    // The highlighted bond and its value stay drawn after the release.
    QVERIFY(redPixels(*window) > 0);
    QCOMPARE(window->layer().drawing().Bonds.At(0)->colour, black);
  }

  void okGoesBackToDrawingAndRemovesTheDrawnValue()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    TMetricTool* tool = openTool(*window);
    QVERIFY(tool);
    const tXY* first = window->layer().drawing().Atoms.At(0);
    const tXY* second = window->layer().drawing().Atoms.At(1);
    QTest::mouseClick(choiceOf(*tool, "RBDistance"), Qt::LeftButton);
    pressAt(*window, QPoint(first->screenX, first->screenY));
    pressAt(*window, QPoint(second->screenX, second->screenY));
    settle();
    QCOMPARE(value(*tool), QStringLiteral("1.53 Å"));

    auto* ok = tool->findChild<QPushButton*>();
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("Ok"));
    QTest::mouseClick(ok, Qt::LeftButton);
    settle();
    QVERIFY(!tool->isVisible());
    QCOMPARE(window->layer().editorMode(), EditorMode::Drawing);
    QCOMPARE(redPixels(*window), 0);
    QCOMPARE(window->layer().drawing().m1, nullptr);
    // A press now builds again instead of measuring.
    window->layer().armBuildCode(ethaneCode);
    pressAt(*window, QPoint(400, 300));
    QCOMPARE(atomCount(*window), 4);
  }

  void f1AsksForHelpAndEscapeCloses()
  {
    // On its own: inside the program the main window's Help item takes F1 first.
    EditorLayer e;
    e.layer.BuildAt(200, 200, ethaneCode);
    TMetricTool tool(e.layer);
    tool.open();
    QSignalSpy help(&tool, &TMetricTool::helpRequested);
    QSignalSpy closed(&tool, &TMetricTool::closed);
    QTest::keyClick(tool.findChild<QPushButton*>(), Qt::Key_F1);
    QTest::keyClick(choiceOf(tool, "RBDistance"), Qt::Key_F1);
    QCOMPARE(help.count(), 2);
    QCOMPARE(help.at(0).at(0).toInt(), 126);
    QCOMPARE(help.at(1).at(0).toInt(), 126);

    QTest::keyClick(&tool, Qt::Key_Escape);
    QVERIFY(!tool.isVisible());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(e.layer.editorMode(), EditorMode::Drawing);
  }

  void closingTheMainWindowWhileTheToolShows()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    TMetricTool* tool = openTool(*window);
    QVERIFY(tool && tool->isVisible());
    window->shell().queueAnswer(MessageAnswer::Yes); // "Save changes": Save ...
    window->shell().queueFileChoice(QString());      // ... but the dialog is cancelled
    window->shell().queueAnswer(MessageAnswer::Yes); // "Exit Trelvix3D"
    window->close();
    QVERIFY(!window->isVisible());
    window.reset();
  }
};

QTEST_MAIN(MetricToolTest)
#include "metric_tool_test.moc"
