// Optimize Geometry from the menu with the Stop window: the strain falls, Stop ends the run.
#include "../commands/writable_document.h"
#include "app/stop_tool.h"
#include "app_fixture.h"
#include "mechanics/force_field.h"

#include <QLabel>
#include <QPushButton>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

double strain(TTrelvix3D& window)
{
  // The terms are built on the document itself, as the optimiser builds them.
  ForceField field(writableDocument(window.layer()));
  return field.strainEnergy();
}

/// A flat six-membered ring: its angles are 120 degrees, far from the tetrahedral angle.
void buildFlatRing(TTrelvix3D& window)
{
  window.layer().BuildAt(200, 200, 154);
  window.layer().Reset();
}

} // namespace

class OptimiseTest : public QObject
{
  Q_OBJECT

private slots:
  void optimizeGeometryLowersTheStrainWithTheStopWindowShown()
  {
    auto window = openWindow();
    window->shell().seedRandom(7);
    buildFlatRing(*window);
    const double before = strain(*window);
    int passes = 0;
    bool shownEachPass = true;
    MenuBarId barDuringRun = MenuBarId::MainMenu1;
    connect(&window->stopTool(), &TStopTool::energyShown, this, [&] {
      ++passes;
      shownEachPass = shownEachPass && window->stopTool().isVisible();
      barDuringRun = window->menus().current();
      QVERIFY(!window->stopTool().energyText().isEmpty());
    });
    QVERIFY(choose(*window, "&3D Functions", "&Optimize Geometry"));
    QVERIFY(passes > 0);
    QVERIFY(shownEachPass);
    QCOMPARE(barDuringRun, MenuBarId::OptimizeMenu);
    QCOMPARE(window->stopTool().windowTitle(), QStringLiteral("Optimizing Geometry"));
    QVERIFY(!window->stopTool().isVisible());
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
    QVERIFY(strain(*window) < before);
    QVERIFY(!window->layer().busy());
  }

  void stopEndsTheRunAfterThePass()
  {
    auto window = openWindow();
    window->shell().seedRandom(7);
    buildFlatRing(*window);
    int passes = 0;
    connect(&window->stopTool(), &TStopTool::energyShown, this, [&] {
      if (++passes == 1) {
        QPushButton* stop = nullptr;
        for (QPushButton* b : window->stopTool().findChildren<QPushButton*>())
          if (b->text() == QStringLiteral("Stop"))
            stop = b;
        QVERIFY(stop);
        QTest::mouseClick(stop, Qt::LeftButton);
      }
    });
    QVERIFY(choose(*window, "&3D Functions", "&Scramble And Optimize"));
    QCOMPARE(passes, 1);
    QVERIFY(window->stopTool().state().stopFlag());
    QVERIFY(!window->stopTool().isVisible());
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
  }

  void optimizeProtonsWithoutHydrogensLeavesTheBar()
  {
    auto window = openWindow();
    buildFlatRing(*window);
    int passes = 0;
    connect(&window->stopTool(), &TStopTool::energyShown, this, [&] { ++passes; });
    QVERIFY(choose(*window, "&3D Functions", "Optimize Protons"));
    QCOMPARE(passes, 0);
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
  }

  void aStyleChosenDuringTheRunShows()
  {
    auto window = openWindow();
    buildFlatRing(*window);
    bool chosen = false;
    connect(&window->stopTool(), &TStopTool::energyShown, this, [&] {
      if (!chosen)
        chosen = choose(*window, "&3D Views", "&Lines", MenuBarId::OptimizeMenu);
    });
    QVERIFY(choose(*window, "&3D Functions", "&Optimize Geometry"));
    QVERIFY(chosen);
    QCOMPARE(int(window->layer().drawing().viewMode), 12);
    QVERIFY(item(*window, MenuBarId::MainMenu1, "&3D Functions", "&Lines")->isChecked());
  }

  void closingDuringARunEndsItFirst()
  {
    auto window = openWindow();
    buildFlatRing(*window);
    connect(&window->stopTool(), &TStopTool::energyShown, this, [&] { window->close(); });
    // "Save changes": Save (the Save As dialog is cancelled), then "Exit Trelvix3D": Yes.
    window->shell().queueAnswer(MessageAnswer::Yes);
    window->shell().queueAnswer(MessageAnswer::Yes);
    QVERIFY(choose(*window, "&3D Functions", "&Anneal Geometry"));
    QVERIFY(!window->layer().busy());
    QTRY_VERIFY(!window->isVisible());
  }
};

QTEST_MAIN(OptimiseTest)
#include "optimise_test.moc"
