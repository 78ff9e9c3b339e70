// The Reaction Tool on the methane combustion example: balance, verdict, the scroll bars'
// limits, amounts and phases through the command layer, Report and Done.
#include "../commands/writable_document.h"
#include "app/frame_clipboard.h"
#include "app/reaction_plot.h"
#include "app/reaction_tool.h"
#include "app_fixture.h"
#include "document/molecular_data.h"
#include "model/atom.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

constexpr int methaneCode = 571;

QString text(TReactionTool& tool, const char* name)
{
  auto* label = tool.findChild<QLabel*>(QString::fromLatin1(name));
  return label ? label->text().trimmed() : QStringLiteral("<missing %1>").arg(name);
}

bool valueShown(TReactionTool& tool, const char* name)
{
  auto* label = tool.findChild<QLabel*>(QString::fromLatin1(name));
  return label && !label->isHidden();
}

template<class Button>
void click(TReactionTool& tool, const char* caption)
{
  for (Button* b : tool.findChildren<Button*>()) {
    if (b->text() == QString::fromLatin1(caption)) {
      QTest::mouseClick(b, Qt::LeftButton);
      return;
    }
  }
  QFAIL(caption);
}

/// Line steps on a scroll bar: up (+) raises its value, down (−) lowers it.
void scroll(TReactionTool& tool, const char* bar, int steps)
{
  auto* b = tool.findChild<QScrollBar*>(QString::fromLatin1(bar));
  QVERIFY2(b, bar);
  for (int i = 0; i < std::abs(steps); ++i)
    b->triggerAction(steps > 0 ? QAbstractSlider::SliderSingleStepSub
                               : QAbstractSlider::SliderSingleStepAdd);
}

bool openCombustion(TTrelvix3D& window)
{
  return window.layer().OpenDocument(TRELVIX_EXAMPLES_DIR "/combustion.tvx").changed;
}

TReactionTool* reactionTool(TTrelvix3D& window)
{
  keepNextDialogOpen(window);
  window.perform(Command::ReactionTool);
  TReactionTool* tool = window.findChild<TReactionTool*>();
  return tool && tool->isVisible() ? tool : nullptr;
}

/// The first piece whose formula is formula ("O2").
tStructure* pieceWithFormula(TTrelvix3D& window, const QString& formula)
{
  for (tStructure* g : window.layer().drawing().Groups) {
    if (QString::fromStdString(formulaText(*g)).trimmed() == formula)
      return g;
  }
  return nullptr;
}

/// True when anything but white is drawn in the rows from top down.
bool inkBelow(const QImage& picture, int top)
{
  for (int y = std::max(top, 0); y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.pixelColor(x, y) != Qt::white)
        return true;
    }
  }
  return false;
}

/// Whether a pixel of the picture's outermost rows and columns is not white: something cut off.
bool inkOnTheEdge(const QImage& picture)
{
  const int right = picture.width() - 1;
  const int bottom = picture.height() - 1;
  for (int y = 0; y <= bottom; ++y) {
    for (int x = 0; x <= right; ++x) {
      const bool edge = x == 0 || y == 0 || x == right || y == bottom;
      if (edge && picture.pixelColor(x, y) != Qt::white)
        return true;
    }
  }
  return false;
}

bool highlighted(const tStructure* piece)
{
  return piece && !piece->Atoms.empty() && piece->Atoms.At(0)->colour != black;
}

} // namespace

class ReactionToolTest : public QObject
{
  Q_OBJECT

private slots:
  void methaneCombustionIsBalancedAndExothermic()
  {
    auto window = openWindow();
    QVERIFY(openCombustion(*window));
    TReactionTool* tool = reactionTool(*window);
    QVERIFY(tool);
    QCOMPARE(tool->windowTitle(), QStringLiteral("Reaction Tool"));
    QCOMPARE(text(*tool, "LblTemperature"), QStringLiteral("293"));
    QCOMPARE(text(*tool, "lblPressure"), QStringLiteral("1.0"));
    QCOMPARE(text(*tool, "lblMoles"), QStringLiteral("1.0"));
    QCOMPARE(text(*tool, "StatusMsg"), QStringLiteral("Balanced"));
    // CH4 + 2 O2 -> CO2 + 2 H2O gives off about 190 kcal and runs by itself.
    QCOMPARE(text(*tool, "ReactionMsg"), QStringLiteral("Exothermic, Spontaneous"));
    for (const char* value : { "deltaH", "deltaG", "deltaS", "logK" })
      QVERIFY2(valueShown(*tool, value), value);
    QVERIFY(text(*tool, "deltaH").toDouble() < -100);
    QVERIFY(text(*tool, "logK").toDouble() > 10);
    // The first species, methane, is the current reactant and alone highlighted.
    tStructure* methane = window->layer().drawing().Groups.At(0);
    QCOMPARE(tool->currentReactant(), methane);
    QVERIFY(highlighted(methane));
    QVERIFY(!highlighted(window->layer().drawing().Groups.At(1)));
    QVERIFY(window->layer().drawing().molesFlag != 0);
  }

  // Methane burns at every temperature its species' data cover; the plot says so and exports its
  // picture and its numbers (200 to 2000 K in 10 K steps: 181 lines under the header).
  void thePlotShowsDeltaGAgainstTemperatureAndExports()
  {
    auto window = openWindow();
    QVERIFY(openCombustion(*window));
    TReactionTool* tool = reactionTool(*window);
    QVERIFY(tool);
    click<QPushButton>(*tool, "Plot ...");
    auto* plot = tool->findChild<TReactionPlot*>();
    QVERIFY(plot);
    QVERIFY(plot->isVisible());
    QCOMPARE(plot->findChild<QLabel*>(QStringLiteral("PlotSummary"))->text(),
             QStringLiteral("spontaneous from 200 K to 2000 K"));
    QCOMPARE(plot->curve().points.size(), std::size_t{ 181 });
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("curve.svg"));
    const QString png = dir.filePath(QStringLiteral("curve.png"));
    const QString csv = dir.filePath(QStringLiteral("curve.csv"));
    QVERIFY(plot->exportTo(svg));
    QVERIFY(plot->exportTo(png));
    QVERIFY(plot->exportTo(csv));
    QVERIFY(!plot->exportTo(dir.filePath(QStringLiteral("curve.doc"))));
    QFile svgFile(svg);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svgFile);
    while (!xml.atEnd())
      xml.readNext();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(!QImage(png).isNull());
    QFile csvFile(csv);
    QVERIFY(csvFile.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csvFile.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 182);
    QCOMPARE(lines.front(), QByteArray("T_K,dG_kcal,logK"));
  }

  void withoutAnArrowTheToolAsksForOne()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, methaneCode);
    window->shell().clearShown();
    QVERIFY(!reactionTool(*window));
    QVERIFY(!window->shell().shown().empty());
    QCOMPARE(window->shell().shown().back().text, std::string("Arrow Required!"));
  }

  void aMissingOxygenLeavesTheReactionUnbalancedUntilItsPartnerDoubles()
  {
    auto window = openWindow();
    QVERIFY(openCombustion(*window));
    CommandLayer& layer = window->layer();
    QVERIFY(layer.openGroupEditor(pieceWithFormula(*window, QStringLiteral("O2"))).changed);
    layer.Edit(EditorEdit::GroupDelete);
    window->backToDrawing();
    TReactionTool* tool = reactionTool(*window);
    QVERIFY(tool);
    QCOMPARE(text(*tool, "StatusMsg"), QStringLiteral("Unbalanced"));
    // Left: C, 4 H, 2 O; right: C, 4 H, 2 + 1 + 1 O: two oxygens more on the right.
    QCOMPARE(text(*tool, "ReactionMsg"), QStringLiteral("2.0O"));
    for (const char* value : { "deltaH", "deltaG", "deltaS", "logK" })
      QVERIFY2(!valueShown(*tool, value), value);

    // The remaining O2 at 2 moles balances it again.
    click<QPushButton>(*tool, "Reactant");
    tStructure* oxygen = pieceWithFormula(*window, QStringLiteral("O2"));
    QCOMPARE(tool->currentReactant(), oxygen);
    QVERIFY(highlighted(oxygen));
    QVERIFY(!highlighted(layer.drawing().Groups.At(0)));
    scroll(*tool, "Moles10", +1);
    QCOMPARE(oxygen->amount, 2.0);
    QCOMPARE(text(*tool, "lblMoles"), QStringLiteral("2.0"));
    QVERIFY(layer.drawing().savedFlag == 0);
    QCOMPARE(text(*tool, "StatusMsg"), QStringLiteral("Balanced"));
    QCOMPARE(text(*tool, "ReactionMsg"), QStringLiteral("Exothermic, Spontaneous"));
    // Amounts stop at none.
    scroll(*tool, "Moles10", -3);
    QCOMPARE(oxygen->amount, 0.0);
  }

  void temperatureStopsAtZeroAndPressureReachesZero()
  {
    auto window = openWindow();
    QVERIFY(openCombustion(*window));
    TReactionTool* tool = reactionTool(*window);
    QVERIFY(tool);
    scroll(*tool, "Temp10", +1);
    scroll(*tool, "Temp01", +2);
    QCOMPARE(tool->temperature(), 293 + 10 + 2);
    scroll(*tool, "Temp10", -40);
    QCOMPARE(tool->temperature(), 0);
    scroll(*tool, "Temp01", -1);
    QCOMPARE(tool->temperature(), 0);
    QCOMPARE(text(*tool, "LblTemperature"), QStringLiteral("0"));
    // log K = −ΔG / (2.303 R T) has no value at 0 K.
    QCOMPARE(text(*tool, "logK"), QStringLiteral("undefined"));

    scroll(*tool, "Pressure01", -9);
    QCOMPARE(tool->pressure(), 0.1);
    scroll(*tool, "Pressure01", -1);
    QCOMPARE(tool->pressure(), 0.1);
    scroll(*tool, "Pressure10", +1);
    QCOMPARE(tool->pressure(), 1.1);
    scroll(*tool, "Pressure10", -2);
    QCOMPARE(tool->pressure(), 0.0);
    QCOMPARE(text(*tool, "lblPressure"), QStringLiteral("0.0"));
    scroll(*tool, "Pressure01", +1);
    QCOMPARE(tool->pressure(), 0.1);
  }

  void phaseButtonsSetThePhaseOfTheCurrentReactant()
  {
    auto window = openWindow();
    QVERIFY(openCombustion(*window));
    TReactionTool* tool = reactionTool(*window);
    QVERIFY(tool);
    tStructure* methane = tool->currentReactant();
    QVERIFY(methane);
    click<QRadioButton>(*tool, "Liquid");
    QCOMPARE(int(methane->phase), int(tbasefragment::Liquid));
    click<QRadioButton>(*tool, "Solid");
    QCOMPARE(int(methane->phase), int(tbasefragment::Solid));
    click<QRadioButton>(*tool, "gas");
    QCOMPARE(int(methane->phase), int(tbasefragment::GasAmount));
  }

  void reportCopiesThePictureAndLeavesTheDocumentAsItWas()
  {
    auto window = openWindow();
    QVERIFY(openCombustion(*window));
    QGuiApplication::clipboard()->clear();
    TReactionTool* tool = reactionTool(*window);
    QVERIFY(tool);
    const int atoms = atomCount(*window);
    writableDocument(window->layer()).frame(); // the frame the copy takes, measured
    const Rect drawn = window->layer().drawing().frameRect;
    click<QPushButton>(*tool, "Report");
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied && copied->hasImage());
    QVERIFY(copied->hasFormat(QStringLiteral("image/png")));
    // The picture is the frame with a margin of half a bond (14 pixels), its top the atoms'
    // topmost; the report's lines stand under the drawing, two line heights and more below its
    // atoms.
    const QImage picture = qvariant_cast<QImage>(copied->imageData());
    QVERIFY(inkBelow(picture, drawn.bottom - drawn.top + 14 + 24));
    // The lines are whole: the frame takes in their text, the margin stays white.
    QVERIFY(!inkOnTheEdge(picture));
    // Beside the picture, the lines as text and as a table for a notebook.
    const QStringList lines = copied->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("Summary"));
    QVERIFY(lines.filter(QRegularExpression(QStringLiteral("^deltaH = +-?[0-9]+\\.[0-9] Kcal$")))
              .size() == 1);
    QVERIFY(copied->hasHtml());
    QVERIFY(copied->html().contains(QStringLiteral("<tr><td>deltaH</td><td>")));
    QCOMPARE(text(*tool, "ReactionMsg"), QStringLiteral("Report copied to clipboard"));
    QVERIFY(!window->layer().drawing().hasReport());
    QCOMPARE(atomCount(*window), atoms);
    QCOMPARE(int(window->layer().drawing().savedFlag), 1);
    QVERIFY(highlighted(tool->currentReactant()));
  }

  void reportLinesBecomeATableOfNamesAndValues()
  {
    const QStringList lines{ QStringLiteral("    Summary"),
                             QStringLiteral("P =    1.0  T = 298K"),
                             QStringLiteral("logK   = 34.125"),
                             QStringLiteral("CH4 (gas): table <NIST>") };
    QCOMPARE(textLinesAsHtml(lines),
             QStringLiteral("<table>\n"
                            "<tr><td colspan=\"2\">Summary</td></tr>\n"
                            "<tr><td>P</td><td>1.0</td></tr>\n"
                            "<tr><td>T</td><td>298K</td></tr>\n"
                            "<tr><td>logK</td><td>34.125</td></tr>\n"
                            "<tr><td colspan=\"2\">CH4 (gas): table &lt;NIST&gt;</td></tr>\n"
                            "</table>\n"));
  }

  void reportOnAnEmptyDocumentHasNothingToReport()
  {
    auto window = openWindow();
    QVERIFY(openCombustion(*window));
    TReactionTool* tool = reactionTool(*window);
    QVERIFY(tool);
    window->layer().NewDocument();
    window->shell().clearShown();
    click<QPushButton>(*tool, "Report");
    QVERIFY(!window->shell().shown().empty());
    QCOMPARE(window->shell().shown().back().text, std::string("Nothing to Report"));
  }

  void doneGivesTheDocumentsViewBack()
  {
    auto window = openWindow();
    QVERIFY(openCombustion(*window));
    tDrawing& drawing = writableDocument(window->layer());
    drawing.energyTextFlag = 1;
    drawing.Atoms.At(0)->fixedFlag = 1;
    TReactionTool* tool = reactionTool(*window);
    QVERIFY(tool);
    QCOMPARE(int(drawing.energyTextFlag), 0);
    click<QPushButton>(*tool, "Done");
    QVERIFY(!tool->isVisible());
    QCOMPARE(int(drawing.energyTextFlag), 1);
    QCOMPARE(int(drawing.molesFlag), 0);
    QCOMPARE(int(drawing.Atoms.At(0)->fixedFlag), 0);
    for (const tStructure* g : drawing.Groups)
      QVERIFY(!highlighted(g));
  }
};

QTEST_MAIN(ReactionToolTest)
#include "reaction_tool_test.moc"
