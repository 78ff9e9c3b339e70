// New, Open, Save, Save As and leaving the program, with the file dialogs answered by the test.
#include "app_fixture.h"

#include <QFile>
#include <QFileInfo>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

void buildRing(TTrelvix3D& window)
{
  window.layer().BuildAt(200, 200, 154);
}

std::vector<std::string> texts(TTrelvix3D& window)
{
  std::vector<std::string> all;
  for (const auto& m : window.shell().shown())
    all.push_back(m.text);
  return all;
}

} // namespace

class FilesTest : public QObject
{
  Q_OBJECT

private slots:
  void saveAsThenReopen()
  {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ring.tvx"));
    auto window = openWindow();
    buildRing(*window);
    window->shell().queueFileChoice(path);
    QVERIFY(choose(*window, "&File", "Save&As ..."));
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(window->windowTitle(), QStringLiteral("Trelvix3D [ ring.tvx ]"));
    QCOMPARE(int(window->layer().drawing().savedFlag), 1);

    window->shell().queueAnswer(MessageAnswer::Yes);
    QVERIFY(choose(*window, "&File", "&New"));
    QCOMPARE(atomCount(*window), 0);
    QCOMPARE(window->windowTitle(), QStringLiteral("Trelvix3D [ untitled.tvx ]"));

    window->shell().queueFileChoice(path);
    QVERIFY(choose(*window, "&File", "&Open ..."));
    QCOMPARE(atomCount(*window), 6);
    QCOMPARE(window->windowTitle(), QStringLiteral("Trelvix3D [ ring.tvx ]"));
  }

  void newAnsweredNoKeepsTheDrawing()
  {
    auto window = openWindow();
    buildRing(*window);
    window->shell().queueAnswer(MessageAnswer::No);
    QVERIFY(choose(*window, "&File", "&New"));
    QCOMPARE(atomCount(*window), 6);
  }

  void openWithoutADocumentNameKeepsTheDrawing()
  {
    QTemporaryDir folder;
    auto window = openWindow();
    buildRing(*window);
    window->shell().queueFileChoice(folder.path()); // OK in a folder with no file chosen
    QVERIFY(choose(*window, "&File", "&Open ..."));
    QCOMPARE(atomCount(*window), 6);
  }

  void saveOfAnUntitledDocumentRunsTheDialogAndSetsATightCaption()
  {
    QTemporaryDir folder;
    auto window = openWindow();
    buildRing(*window);
    window->shell().queueFileChoice(folder.filePath(QStringLiteral("first.tvx")));
    QVERIFY(choose(*window, "&File", "&Save"));
    QCOMPARE(window->shell().fileDialogs(), 1);
    QCOMPARE(window->windowTitle(), QStringLiteral("Trelvix3D [first.tvx]"));
    // Named now: Save writes without asking.
    buildRing(*window);
    QVERIFY(choose(*window, "&File", "&Save"));
    QCOMPARE(window->shell().fileDialogs(), 1);
    QCOMPARE(int(window->layer().drawing().savedFlag), 1);
  }

  void aFailedSaveKeepsTheNameAndTheSavedFlagAndSaysWhy()
  {
    QTemporaryDir folder;
    const QString good = folder.filePath(QStringLiteral("good.tvx"));
    auto window = openWindow();
    buildRing(*window);
    window->shell().queueFileChoice(good);
    QVERIFY(choose(*window, "&File", "Save&As ..."));
    const QByteArray saved = [&] {
      QFile f(good);
      f.open(QIODevice::ReadOnly);
      return f.readAll();
    }();
    buildRing(*window);
    QCOMPARE(int(window->layer().drawing().savedFlag), 0);

    // A folder that cannot hold the file (its "folder" is a plain file), even for root.
    QFile blocker(folder.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    window->shell().clearShown();
    window->shell().queueFileChoice(folder.filePath(QStringLiteral("blocker/bad.tvx")));
    QVERIFY(choose(*window, "&File", "Save&As ..."));
    QCOMPARE(window->shell().shown().size(), std::size_t(1));
    QVERIFY(!window->shell().shown().front().text.empty());
    QCOMPARE(window->windowTitle(), QStringLiteral("Trelvix3D [ good.tvx ]"));
    QCOMPARE(int(window->layer().drawing().savedFlag), 0);
    QFile f(good);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), saved);
  }

  void exitOnAModifiedUntitledDocumentOffersSaveAsThenStillAsks()
  {
    auto window = openWindow();
    buildRing(*window);
    window->shell().queueFileChoice(QString()); // Save As cancelled
    window->shell().queueAnswer(MessageAnswer::No);
    QVERIFY(choose(*window, "&3D Functions", "Exit"));
    QCOMPARE(window->shell().fileDialogs(), 1);
    QCOMPARE(texts(*window), std::vector<std::string>{ "Quit Trelvix3D" });
    QVERIFY(window->isVisible());

    window->shell().queueFileChoice(QString());
    window->shell().queueAnswer(MessageAnswer::Yes);
    QVERIFY(choose(*window, "&3D Functions", "Exit"));
    QVERIFY(!window->isVisible());
  }

  void exitWithoutAtomsDoesNotSaveButClosingDoes()
  {
    auto window = openWindow();
    buildRing(*window);
    window->layer().Undo(); // empty again, and changed since it was never saved
    QCOMPARE(atomCount(*window), 0);
    QCOMPARE(int(window->layer().drawing().savedFlag), 0);
    window->shell().queueAnswer(MessageAnswer::No);
    QVERIFY(choose(*window, "&3D Functions", "Exit"));
    QCOMPARE(window->shell().fileDialogs(), 0);

    window->shell().queueFileChoice(QString());
    window->shell().queueAnswer(MessageAnswer::No);
    window->close();
    QCOMPARE(window->shell().fileDialogs(), 1);
    QCOMPARE(window->shell().shown().back().text, std::string("Exit Trelvix3D"));
    QVERIFY(window->isVisible());
  }
};

QTEST_MAIN(FilesTest)
#include "files_test.moc"
