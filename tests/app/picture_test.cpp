// File > Export Picture: the drawing's frame written as PNG, SVG or PDF by the chosen name.
#include "app_fixture.h"
#include "model/defaults.h"
#include "render/render_file.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

using namespace trelvix;
using namespace trelvix::testing;

namespace {
constexpr int ethaneCode = 501;

QByteArray head(const QString& path, int bytes)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}
} // namespace

class PictureTest : public QObject
{
  Q_OBJECT

private slots:
  void init() { modelDefaults() = ModelDefaults{}; }

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

  void aPngIsTheFrameTheClipboardGets()
  {
    QTemporaryDir folder;
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    window->shell().queueFileChoice(folder.filePath(QStringLiteral("frame.png")));
    QVERIFY(choose(*window, "&File", "Export Picture ..."));
    const QImage picture(folder.filePath(QStringLiteral("frame.png")));
    QCOMPARE(picture.size(), renderFrame(window->layer().drawing()).image.size());
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
