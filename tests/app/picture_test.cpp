// File > Export Picture: the drawing's frame written as PNG, SVG or PDF by the chosen name.
#include "app/picture_options_dialog.h"
#include "app_fixture.h"
#include "document/defaults_file.h"
#include "model/atom.h"
#include "model/defaults.h"
#include "render/render_file.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cstdlib>

using namespace trelvix;
using namespace trelvix::testing;

namespace {
constexpr int ethaneCode = 501;

QByteArray head(const QString& path, int bytes)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

struct Choices
{
  int scalePercent = 100;
  int dpi = 300;
  bool transparent = false;
  double marginMillimetres = 2.0;
};

/// Fills Export Picture's dialog as a user would, and presses Save (or Cancel).
std::function<bool(QDialog&)> answer(Choices choices, bool accept = true)
{
  return [=](QDialog& dialog) {
    dialog.findChild<QSpinBox*>(QStringLiteral("scale"))->setValue(choices.scalePercent);
    dialog.findChild<QSpinBox*>(QStringLiteral("resolution"))->setValue(choices.dpi);
    dialog.findChild<QComboBox*>(QStringLiteral("background"))
      ->setCurrentIndex(choices.transparent ? 1 : 0);
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("margin"))
      ->setValue(choices.marginMillimetres);
    return accept;
  };
}

/// The box of the ethane's two carbons in drawing pixels: the span of their centres and the
/// pixel each atom reaches to either side of its centre.
QSize ethaneSpan(TTrelvix3D& window)
{
  const auto& atoms = window.layer().drawing().Atoms;
  return QSize(std::abs(atoms.At(0)->px() - atoms.At(1)->px()) + 2,
               std::abs(atoms.At(0)->py() - atoms.At(1)->py()) + 2);
}

/// The width attribute of an SVG file's root, in millimetres.
double svgWidthMillimetres(const QString& path)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return 0;
  QXmlStreamReader xml(&file);
  while (xml.readNextStartElement())
    if (xml.name() == QLatin1String("svg"))
      return xml.attributes().value("width").toString().remove(QStringLiteral("mm")).toDouble();
  return 0;
}
} // namespace

class PictureTest : public QObject
{
  Q_OBJECT

private slots:
  void init()
  {
    modelDefaults() = ModelDefaults{};
    // Each case starts from the first-time choices.
    QFile::remove(QDir(QString::fromStdString(defaultsFolder()))
                    .filePath(QStringLiteral("export-picture.ini")));
  }

  void anEmptyDocumentHasNothingToExportAndAsksForNoName()
  {
    auto window = openWindow();
    QVERIFY(choose(*window, "&File", "Export Picture ..."));
    QCOMPARE(window->shell().shown().back().text, std::string("Nothing to Export"));
    QCOMPARE(window->shell().fileDialogs(), 0);
  }

  void theNamesExtensionChoosesTheFormat_data()
  {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("png") << "a.png"
                         << "a.png" << QByteArray("\x89PNG");
    QTest::newRow("svg") << "b.SVG"
                         << "b.SVG" << QByteArray("<?xml");
    QTest::newRow("pdf") << "c.pdf"
                         << "c.pdf" << QByteArray("%PDF");
    QTest::newRow("none") << "d"
                          << "d.png" << QByteArray("\x89PNG");
    QTest::newRow("other") << "e.gif"
                           << "e.gif.png" << QByteArray("\x89PNG");
  }

  void theNamesExtensionChoosesTheFormat()
  {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    QTemporaryDir folder;
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    window->shell().queueFileChoice(folder.filePath(chosen));
    QVERIFY(choose(*window, "&File", "Export Picture ..."));
    QCOMPARE(head(folder.filePath(written), start.size()), start);
    QVERIFY(window->shell().shown().empty());
  }

  void aPngIsTheFrameTheClipboardGetsAt300DpiFirst()
  {
    QTemporaryDir folder;
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    window->shell().queueFileChoice(folder.filePath(QStringLiteral("frame.png")));
    QVERIFY(choose(*window, "&File", "Export Picture ..."));
    const QImage picture(folder.filePath(QStringLiteral("frame.png")));
    // 300 dpi against the drawing's 100: three image pixels to a drawing pixel.
    QCOMPARE(picture.size(), renderFrame(window->layer().drawing()).image.size() * 3);
    QCOMPARE(picture.dotsPerMeterX(), 11811); // 300 / 0.0254 m
  }

  void theChosenSizeResolutionAndMarginMakeTheHandWorkedSize_data()
  {
    QTest::addColumn<int>("scalePercent");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<double>("margin");
    QTest::addColumn<int>("marginPixels");
    QTest::addColumn<double>("pixelsPerDrawingPixel");
    // A drawing pixel is 0.254 mm: 2 mm are 7.87 → 8 drawing pixels at full size, 3.94 → 4 at
    // double size, and no margin is none.
    QTest::newRow("300 dpi, 2 mm") << 100 << 300 << 2.0 << 8 << 3.0;
    QTest::newRow("200 %, 300 dpi") << 200 << 300 << 2.0 << 4 << 6.0;
    QTest::newRow("150 dpi, no margin") << 100 << 150 << 0.0 << 0 << 1.5;
  }

  void theChosenSizeResolutionAndMarginMakeTheHandWorkedSize()
  {
    QFETCH(int, scalePercent);
    QFETCH(int, dpi);
    QFETCH(double, margin);
    QFETCH(int, marginPixels);
    QFETCH(double, pixelsPerDrawingPixel);
    QTemporaryDir folder;
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    const QString path = folder.filePath(QStringLiteral("sized.png"));
    window->shell().queueFileChoice(path);
    window->shell().queueDialogAnswer(
      answer({ .scalePercent = scalePercent, .dpi = dpi, .marginMillimetres = margin }));
    QVERIFY(choose(*window, "&File", "Export Picture ..."));
    const QSize span = ethaneSpan(*window);
    const QImage picture(path);
    QCOMPARE(picture.width(), qRound((span.width() + 2 * marginPixels) * pixelsPerDrawingPixel));
    QCOMPARE(picture.height(), qRound((span.height() + 2 * marginPixels) * pixelsPerDrawingPixel));
  }

  void aTransparentBackgroundLeavesTheCornersClear()
  {
    QTemporaryDir folder;
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    const QString path = folder.filePath(QStringLiteral("clear.png"));
    window->shell().queueFileChoice(path);
    window->shell().queueDialogAnswer(answer({ .transparent = true }));
    QVERIFY(choose(*window, "&File", "Export Picture ..."));
    QCOMPARE(QImage(path).pixelColor(0, 0).alpha(), 0);
  }

  void theChoicesAreRememberedAndCancelWritesNothing()
  {
    QTemporaryDir folder;
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    const QString first = folder.filePath(QStringLiteral("first.png"));
    window->shell().queueFileChoice(first);
    window->shell().queueDialogAnswer(answer({ .dpi = 150, .marginMillimetres = 0 }));
    QVERIFY(choose(*window, "&File", "Export Picture ..."));
    // The next export opens with 150 dpi and no margin, in this window and the next.
    auto again = openWindow();
    again->layer().BuildAt(200, 200, ethaneCode);
    const QString second = folder.filePath(QStringLiteral("second.png"));
    again->shell().queueFileChoice(second);
    QVERIFY(choose(*again, "&File", "Export Picture ..."));
    QCOMPARE(QImage(second).size(), QImage(first).size());
    const QString cancelled = folder.filePath(QStringLiteral("cancelled.png"));
    again->shell().queueFileChoice(cancelled);
    again->shell().queueDialogAnswer(answer({}, false));
    QVERIFY(choose(*again, "&File", "Export Picture ..."));
    QVERIFY(!QFile::exists(cancelled));
  }

  void anSvgAtTwiceTheSizePrintsTwiceAsWide()
  {
    QTemporaryDir folder;
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    const QString single = folder.filePath(QStringLiteral("single.svg"));
    const QString twice = folder.filePath(QStringLiteral("twice.svg"));
    window->shell().queueFileChoice(single);
    window->shell().queueDialogAnswer(answer({ .scalePercent = 100, .marginMillimetres = 0 }));
    QVERIFY(choose(*window, "&File", "Export Picture ..."));
    window->shell().queueFileChoice(twice);
    window->shell().queueDialogAnswer(answer({ .scalePercent = 200, .marginMillimetres = 0 }));
    QVERIFY(choose(*window, "&File", "Export Picture ..."));
    // Without a margin the frame is the carbons' box, 0.254 mm a drawing pixel at full size.
    QCOMPARE(svgWidthMillimetres(single), ethaneSpan(*window).width() * 0.254);
    QCOMPARE(svgWidthMillimetres(twice), 2 * svgWidthMillimetres(single));
  }

  void theCarbonOfCarbonDioxideIsInThePictureAsInTheWindow()
  {
    QTemporaryDir folder;
    auto window = openWindow();
    constexpr int carbonDioxideCode = 582;
    window->layer().BuildAt(200, 200, carbonDioxideCode);
    const QString path = folder.filePath(QStringLiteral("co2.svg"));
    window->shell().queueFileChoice(path);
    QVERIFY(choose(*window, "&File", "Export Picture ..."));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList texts;
    while (!xml.atEnd())
      if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
        texts << xml.readElementText().trimmed();
    texts.sort();
    QCOMPARE(texts, (QStringList{ QStringLiteral("C"), QStringLiteral("O"), QStringLiteral("O") }));
  }

  void aFileThatCannotBeWrittenIsReported()
  {
    QTemporaryDir folder;
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    const QString path = folder.filePath(QStringLiteral("no/such/folder/a.pdf"));
    window->shell().queueFileChoice(path);
    QVERIFY(choose(*window, "&File", "Export Picture ..."));
    QCOMPARE(QString::fromStdString(window->shell().shown().back().text),
             QStringLiteral("Cannot write ") + path +
               QStringLiteral(": No such file or directory"));
    QVERIFY(!QFile::exists(path));
  }
};

QTEST_MAIN(PictureTest)
#include "picture_test.moc"
