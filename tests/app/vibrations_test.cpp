// Optimize (MMFF94) from the 3D Functions menu, then Chemistry > Vibrations ...: the modes of
// water listed, one animated on the drawing and stopped, the spectrum and the table exported.
#include "app/status_line.h"
#include "app/vibrations_tool.h"
#include "app_fixture.h"
#include "exchange/molecule_import.h"
#include "model/atom.h"

#include <QFile>
#include <QTableWidget>
#include <QXmlStreamReader>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

std::vector<double> positions(TTrelvix3D& window)
{
  std::vector<double> xyz;
  for (const tXY* a : window.layer().drawing().Atoms)
    xyz.insert(xyz.end(), { a->x3, a->y3, a->z3 });
  return xyz;
}

void placeWater(TTrelvix3D& window)
{
  ImportOptions options;
  options.embed3D = true;
  window.layer().Place([&] { return placeSmiles("O", 200, 200, options); });
}

} // namespace

class VibrationsTest : public QObject
{
  Q_OBJECT

private slots:
  void optimizeWithMMFF94AddsTheHydrogensInOneUndoStep()
  {
    auto window = openWindow();
    placeWater(*window);
    QCOMPARE(atomCount(*window), 1);
    window->shell().clearShown();
    QVERIFY(choose(*window, "&3D Functions", "Optimize (MMFF94)"));
    QCOMPARE(atomCount(*window), 3);
    // The hydrogens are told on the status line; no box waits to be dismissed.
    QVERIFY(window->shell().shown().empty());
    QVERIFY(window->statusLine().currentMessage().contains(
      "Hydrogens were added in 3D before the optimisation"));
    QVERIFY(!window->layer().busy());
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
    QVERIFY(window->layer().canUndo());
    window->layer().Undo();
    QCOMPARE(atomCount(*window), 1);
    QVERIFY(item(*window, MenuBarId::MainMenu1, "&3D Functions", "Optimize (UFF)"));
  }

  void theModesOfWaterAnimateStopAndExport()
  {
    auto window = openWindow();
    placeWater(*window);
    QVERIFY(choose(*window, "&3D Functions", "Optimize (MMFF94)"));
    QVERIFY(choose(*window, "C&hemistry", "Vibrations ..."));
    auto* tool = window->findChild<TVibrationsTool*>();
    QVERIFY(tool);
    QVERIFY(tool->isVisible());
    auto* table = tool->findChild<QTableWidget*>("modes");
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 3); // 3N - 6
    // The bend lies below the two stretches (water: 1595, 3657, 3756 cm-1).
    QVERIFY(table->item(0, 0)->text().toDouble() < 2000);
    QVERIFY(table->item(2, 0)->text().toDouble() > 3000);

    const std::vector<double> rest = positions(*window);
    table->setCurrentCell(2, 0);
    QVERIFY(tool->animating());
    QTest::qWait(200);
    QVERIFY(positions(*window) != rest);
    tool->stop();
    QVERIFY(!tool->animating());
    const std::vector<double> back = positions(*window);
    QCOMPARE(back.size(), rest.size());
    for (std::size_t i = 0; i < rest.size(); ++i)
      QVERIFY(std::abs(back[i] - rest[i]) < 1e-9);

    QTemporaryDir dir;
    const QString svgPath = dir.filePath("ir.svg");
    QCOMPARE(tool->exportTo(svgPath), std::string());
    QFile svg(svgPath);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&svg);
    while (!reader.atEnd())
      reader.readNext();
    QVERIFY(!reader.hasError());
    QCOMPARE(tool->exportTo(dir.filePath("ir.pdf")), std::string());
    QVERIFY(QFile(dir.filePath("ir.pdf")).size() > 0);
    QCOMPARE(tool->exportTo(dir.filePath("modes.csv")), std::string());
    QFile csv(dir.filePath("modes.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readLine().trimmed(),
             QByteArray("mode,wavenumber_cm-1,intensity_km_mol-1,reduced_mass_u"));
    QCOMPARE(tool->exportTo(dir.filePath("ir.bmp")),
             std::string("Export writes .svg, .png, .pdf or .csv files"));
  }
};

QTEST_MAIN(VibrationsTest)
#include "vibrations_test.moc"
