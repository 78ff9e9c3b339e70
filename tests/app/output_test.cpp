// Pictures leaving the program (clipboard, printer) and documents coming in by Import.
#include "app_fixture.h"
#include "model/bond_list.h"
#include "model/defaults.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

using namespace trelvix;
using namespace trelvix::testing;

namespace {
constexpr int ethaneCode = 501;
constexpr int arrowCode = 720;

/// The width and height attributes of an SVG written in millimetres.
QSizeF svgMillimetres(const QByteArray& svg)
{
  const QRegularExpression size(QStringLiteral("width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\""));
  const QRegularExpressionMatch m = size.match(QString::fromUtf8(svg));
  return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}
} // namespace

class OutputTest : public QObject
{
  Q_OBJECT

private slots:
  void init() { modelDefaults() = ModelDefaults{}; }

  void copyingAnEmptyDocumentSaysSoAndPutsNothing()
  {
    auto window = openWindow();
    QGuiApplication::clipboard()->clear();
    QVERIFY(choose(*window, "&File", "CopyTo&Clipboard"));
    QCOMPARE(window->shell().shown().back().text, std::string("Nothing to Copy"));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(!data || !data->hasFormat(QStringLiteral("image/png")));
  }

  void aSymbolAloneIsCopiedAsSvgAndPngAtAQuarterMillimetrePerPixel()
  {
    auto window = openWindow();
    window->layer().BuildAt(300, 200, arrowCode);
    QVERIFY(choose(*window, "&File", "CopyTo&Clipboard"));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasFormat(QStringLiteral("image/svg+xml")));
    QImage png;
    QVERIFY(png.loadFromData(data->data(QStringLiteral("image/png")), "PNG"));
    QVERIFY(png.width() > 28 && png.height() >= 28);
    QCOMPARE(png.pixel(0, 0), qRgb(255, 255, 255));
    const QSizeF mm = svgMillimetres(data->data(QStringLiteral("image/svg+xml")));
    QVERIFY(qAbs(mm.width() - png.width() * 0.254) < 0.01);
    QVERIFY(qAbs(mm.height() - png.height() * 0.254) < 0.01);
  }

  void importScalesBondsToTheDocumentsAndAppends()
  {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("big.tvx"));
    {
      // An ethane drawn at twice the bond length.
      CommandLayer other{ std::make_unique<tDrawing>() };
      other.BuildAt(200, 200, ethaneCode);
      other.Zoom(2);
      other.SaveDocument(path.toStdString());
    }
    QVERIFY(QFile::exists(path));
    auto window = openWindow();
    window->shell().queueFileChoice(path);
    QVERIFY(choose(*window, "&File", "&Import ..."));
    QCOMPARE(atomCount(*window), 2);
    QVERIFY(qAbs(window->layer().drawing().Bonds.MeanLength() - 28) < 1e-6);
    QVERIFY(window->layer().canUndo());
    window->layer().Undo();
    QCOMPARE(atomCount(*window), 0);
  }

  void printingToAPdfFileWritesTheDrawing()
  {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.pdf"));
    auto window = openWindow();
    // The print dialog answered as a user without a printer answers it: print to a PDF file.
    int asked = 0;
    window->shell().queueDialogAnswer([&](QDialog& dialog) {
      ++asked;
      QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(path);
      return true;
    });
    QVERIFY(choose(*window, "&File", "Print ..."));
    QCOMPARE(asked, 0); // nothing to print: no dialog
    window->layer().BuildAt(200, 200, ethaneCode);
    QVERIFY(choose(*window, "&File", "Print ..."));
    QCOMPARE(asked, 1);
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
  }
};

QTEST_MAIN(OutputTest)
#include "output_test.moc"
