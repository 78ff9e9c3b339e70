// New, Open, Save, Save As and leaving the program, with the file dialogs answered by the test.
#include "app/menu_bars.h"
#include "app_fixture.h"
#include "model/atom.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

void buildRing(TTrelvix3D& window)
{
  window.layer().BuildAt(200, 200, 154);
}

QByteArray bytesOf(const QString& path)
{
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly))
    return {};
  return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

/// Saves the document as path through Save As, the dialog answered with path.
void saveAs(TTrelvix3D& window, const QString& path)
{
  window.shell().queueFileChoice(path);
  QVERIFY(choose(window, "&File", "Save&As ..."));
}

/// Drops files on the window as a file manager does: enter, then drop.
bool dropFiles(TTrelvix3D& window, const QStringList& paths)
{
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& p : paths)
    urls << QUrl::fromLocalFile(p);
  data.setUrls(urls);
  const QPoint middle = window.rect().center();
  QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  if (!enter.isAccepted())
    return false;
  QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
  return true;
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
  void init()
  {
    // Each case with a config folder of its own: the recent list lives there.
    m_config = std::make_unique<QTemporaryDir>();
    qputenv("TRELVIX3D_CONFIG_DIR", m_config->path().toLocal8Bit());
  }

  void openOnAChangedDocumentOffersSaveDiscardCancel()
  {
    QTemporaryDir folder;
    const QString other = folder.filePath(QStringLiteral("other.tvx"));
    {
      auto writer = openWindow();
      writer->layer().BuildAt(200, 200, 151); // a three-membered ring
      saveAs(*writer, other);
    }
    auto window = openWindow();
    buildRing(*window);

    // Cancel keeps everything: the six-membered ring, its changed state, no dialog of saving.
    window->shell().queueFileChoice(other);
    window->shell().queueAnswer(MessageAnswer::Cancel);
    QVERIFY(choose(*window, "&File", "&Open ..."));
    QCOMPARE(texts(*window), std::vector<std::string>{ "Save changes to untitled.tvx?" });
    QCOMPARE(window->shell().shown().back().buttons, MessageButtons::YesNoCancel);
    QCOMPARE(atomCount(*window), 6);
    QCOMPARE(int(window->layer().drawing().savedFlag), 0);

    // Save: the drawing is written first (the untitled one through Save As), then replaced.
    const QString mine = folder.filePath(QStringLiteral("mine.tvx"));
    window->shell().queueFileChoice(other);
    window->shell().queueAnswer(MessageAnswer::Yes);
    window->shell().queueFileChoice(mine);
    QVERIFY(choose(*window, "&File", "&Open ..."));
    QVERIFY(QFileInfo::exists(mine));
    QCOMPARE(atomCount(*window), 3);

    // Discard: replaced without saving.
    buildRing(*window);
    window->shell().queueFileChoice(mine);
    window->shell().queueAnswer(MessageAnswer::No);
    QVERIFY(choose(*window, "&File", "&Open ..."));
    QCOMPARE(atomCount(*window), 6);
  }

  void newAndImportOnAChangedDocumentAskToo()
  {
    QTemporaryDir folder;
    const QString other = folder.filePath(QStringLiteral("other.tvx"));
    auto window = openWindow();
    buildRing(*window);
    saveAs(*window, other);
    buildRing(*window); // changed again

    // New: "Erase Drawing" Yes, then Cancel at "Save changes": nothing erased.
    window->shell().clearShown();
    window->shell().queueAnswer(MessageAnswer::Yes);
    window->shell().queueAnswer(MessageAnswer::Cancel);
    QVERIFY(choose(*window, "&File", "&New"));
    QCOMPARE(texts(*window),
             (std::vector<std::string>{ "Erase Drawing", "Save changes to other.tvx?" }));
    QCOMPARE(atomCount(*window), 12);

    // Import: Cancel imports nothing.
    window->shell().queueFileChoice(other);
    window->shell().queueAnswer(MessageAnswer::Cancel);
    QVERIFY(choose(*window, "&File", "&Import ..."));
    QCOMPARE(atomCount(*window), 12);
    QCOMPARE(window->shell().shown().back().text, std::string("Save changes to other.tvx?"));
  }

  void savingOnLeavingKeepsTheOldFileByteForByte()
  {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ring.tvx"));
    auto window = openWindow();
    buildRing(*window);
    saveAs(*window, path);
    const QByteArray old = bytesOf(path);
    QVERIFY(!old.isEmpty());
    QVERIFY(!QFileInfo::exists(path + QLatin1Char('~')));

    buildRing(*window);                              // twelve atoms now, unsaved
    window->shell().queueAnswer(MessageAnswer::Yes); // Save changes: Save
    window->shell().queueAnswer(MessageAnswer::Yes); // Exit Trelvix3D: Yes
    window->close();
    QVERIFY(!window->isVisible());
    QCOMPARE(window->shell().fileDialogs(), 1); // only the first Save As: a named file saves
    QCOMPARE(bytesOf(path + QLatin1Char('~')), old);
    QVERIFY(bytesOf(path) != old);

    // A save answered Cancel writes nothing and keeps the window.
    auto again = openWindow({ "trelvix3d", path });
    QCOMPARE(atomCount(*again), 12);
    buildRing(*again);
    again->shell().queueAnswer(MessageAnswer::Cancel);
    again->close();
    QVERIFY(again->isVisible());
    QCOMPARE(bytesOf(path + QLatin1Char('~')), old);
  }

  void openRecentHoldsTheLastTenNewestFirstAndOpensThem()
  {
    QTemporaryDir folder;
    auto window = openWindow();
    buildRing(*window);
    QStringList saved;
    for (int i = 1; i <= 11; ++i) {
      saved << folder.filePath(QStringLiteral("ring%1.tvx").arg(i));
      saveAs(*window, saved.back());
    }
    QMenu* recent = window->menus().recentMenu();
    QVERIFY(recent);
    QCOMPARE(recent->menuAction()->text(), QStringLiteral("Open &Recent"));
    QCOMPARE(recent->actions().size(), 10);
    QCOMPARE(recent->actions().front()->data().toString(), saved[10]);
    QCOMPARE(recent->actions().front()->text(), QStringLiteral("&1 ring11.tvx"));
    QCOMPARE(recent->actions().back()->data().toString(), saved[1]);
    // Kept in the config folder: a new window starts with the same list.
    QVERIFY(QFileInfo::exists(m_config->filePath(QStringLiteral("recent-documents"))));
    window.reset();

    auto next = openWindow();
    QMenu* list = next->menus().recentMenu();
    QCOMPARE(list->actions().size(), 10);
    QAction* fourth = nullptr;
    for (QAction* a : list->actions()) {
      if (a->data().toString() == saved[3])
        fourth = a;
    }
    QVERIFY(fourth);
    fourth->trigger();
    QCOMPARE(atomCount(*next), 6);
    QCOMPARE(next->windowTitle(), QStringLiteral("Trelvix3D [ ring4.tvx ]"));
    QCOMPARE(list->actions().front()->data().toString(), saved[3]);
  }

  void droppingAMolFileImportsItAndADocumentOpens()
  {
    QTemporaryDir folder;
    // Methanol's heavy atoms, one C-O bond of 1.43 Å, written as a MOL file by hand.
    const QByteArray mol = "methanol\n"
                           "  hand\n"
                           "\n"
                           "  2  1  0  0  0  0  0  0  0  0999 V2000\n"
                           "    0.0000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
                           "    1.4300    0.0000    0.0000 O   0  0  0  0  0  0  0  0  0  0  0  0\n"
                           "  1  2  1  0\n"
                           "M  END\n";
    const QString molPath = folder.filePath(QStringLiteral("methanol.mol"));
    writeFile(molPath, mol);
    auto window = openWindow();
    QVERIFY(dropFiles(*window, { molPath }));
    std::vector<int> elements;
    for (const tXY* a : window->layer().drawing().Atoms) {
      if (a->isatom() && a->element != 1)
        elements.push_back(a->element);
    }
    QCOMPARE(elements, (std::vector<int>{ 6, 8 }));
    // One undo step takes the import back.
    window->layer().Undo();
    QCOMPARE(atomCount(*window), 0);

    const QString doc = folder.filePath(QStringLiteral("ring.tvx"));
    {
      auto writer = openWindow();
      buildRing(*writer);
      saveAs(*writer, doc);
    }
    window->shell().queueAnswer(MessageAnswer::No); // the changed drawing: Discard
    QVERIFY(dropFiles(*window, { doc }));
    QCOMPARE(atomCount(*window), 6);
    QCOMPARE(window->windowTitle(), QStringLiteral("Trelvix3D [ ring.tvx ]"));
    // Other files are refused at the door.
    const QString text = folder.filePath(QStringLiteral("notes.txt"));
    writeFile(text, "hello");
    QVERIFY(!dropFiles(*window, { text }));
  }

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
    window->shell().queueAnswer(MessageAnswer::Yes); // Save
    window->shell().queueFileChoice(QString());      // Save As cancelled
    window->shell().queueAnswer(MessageAnswer::No);
    QVERIFY(choose(*window, "&3D Functions", "Exit"));
    QCOMPARE(window->shell().fileDialogs(), 1);
    QCOMPARE(texts(*window),
             (std::vector<std::string>{ "Save changes to untitled.tvx?", "Quit Trelvix3D" }));
    QVERIFY(window->isVisible());

    window->shell().queueAnswer(MessageAnswer::Yes);
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

    window->shell().queueAnswer(MessageAnswer::Yes); // Save changes: Save
    window->shell().queueFileChoice(QString());
    window->shell().queueAnswer(MessageAnswer::No);
    window->close();
    QCOMPARE(window->shell().fileDialogs(), 1);
    QCOMPARE(window->shell().shown().back().text, std::string("Exit Trelvix3D"));
    QVERIFY(window->isVisible());
  }

private:
  std::unique_ptr<QTemporaryDir> m_config;
};

QTEST_MAIN(FilesTest)
#include "files_test.moc"
