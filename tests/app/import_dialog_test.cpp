#include "app/comments_form.h"
#include "app/import_dialog.h"
#include "platform/scripted_shell.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace trelvix;

namespace {

QStringList texts(const QListWidget* list)
{
  QStringList items;
  for (int i = 0; i < list->count(); ++i)
    items << list->item(i)->text();
  return items;
}

void copyExample(const QString& name, const QString& to)
{
  QVERIFY(QFile::copy(QStringLiteral(TRELVIX_EXAMPLES_DIR "/") + name, to));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

} // namespace

class ImportDialogTest : public QObject
{
  Q_OBJECT

private:
  QTemporaryDir m_dir;
  ScriptedShell m_shell;

private slots:
  void initTestCase()
  {
    setCurrentShell(&m_shell);
    QDir(m_dir.path()).mkpath(QStringLiteral("sub"));
    QDir(m_dir.path()).mkpath(QStringLiteral("empty"));
    copyExample(QStringLiteral("naphthalene.tvx"), m_dir.filePath(QStringLiteral("b.tvx")));
    copyExample(QStringLiteral("chair.tvx"), m_dir.filePath(QStringLiteral("A.TVX")));
    copyExample(QStringLiteral("chair.tvx"), m_dir.filePath(QStringLiteral("chair.tvx.bak")));
    writeFile(m_dir.filePath(QStringLiteral("readme.txt")), "not a drawing");
  }

  void cleanupTestCase() { setCurrentShell(nullptr); }

  void listsOnlyDocumentFilesAndTheFolders()
  {
    TImportDialog dialog;
    dialog.setFolder(m_dir.path());
    QCOMPARE(texts(dialog.fileList()), (QStringList{ "A.TVX", "b.tvx" }));
    QCOMPARE(texts(dialog.folderList()), (QStringList{ "..", "empty", "sub" }));
    QCOMPARE(dialog.chosenFile(), m_dir.filePath(QStringLiteral("A.TVX")));
  }

  void thePreviewCentresTheDocument()
  {
    TImportDialog dialog;
    dialog.setFolder(m_dir.path());
    dialog.fileList()->setCurrentRow(1); // b.tvx: naphthalene, symmetric about its centre
    QCOMPARE(dialog.chosenFile(), m_dir.filePath(QStringLiteral("b.tvx")));
    const QImage image = dialog.previewImage();
    QCOMPARE(image.size(), QSize(318, 238));
    // The middle of the ink: the picture's middle (159, 119) for a symmetric molecule.
    double sx = 0;
    double sy = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) < 128) {
          sx += x;
          sy += y;
          ++n;
        }
      }
    }
    QVERIFY(n > 100);
    QVERIFY2(std::abs(sx / n - 159) < 6 && std::abs(sy / n - 119) < 6,
             qPrintable(QStringLiteral("%1, %2").arg(sx / n).arg(sy / n)));
  }

  void okReturnsTheHighlightedFile()
  {
    TImportDialog dialog;
    dialog.setFolder(m_dir.path());
    QTimer::singleShot(0, &dialog, [&dialog] {
      dialog.fileList()->setCurrentRow(1);
      dialog.accept();
    });
    QCOMPARE(dialog.chooseFile(), std::optional<QString>(m_dir.filePath(QStringLiteral("b.tvx"))));
  }

  void okInAnEmptyFolderReturnsNoName()
  {
    TImportDialog dialog;
    dialog.setFolder(m_dir.filePath(QStringLiteral("empty")));
    QCOMPARE(dialog.fileList()->count(), 0);
    QTimer::singleShot(0, &dialog, &QDialog::accept);
    QCOMPARE(dialog.chooseFile(), std::nullopt);
    QVERIFY(dialog.previewImage().isNull());
  }

  void cancelReturnsNoName()
  {
    TImportDialog dialog;
    dialog.setFolder(m_dir.path());
    QTimer::singleShot(0, &dialog, &QDialog::reject);
    QCOMPARE(dialog.chooseFile(), std::nullopt);
  }

  void foldersAreEnteredAndLeft()
  {
    TImportDialog dialog;
    dialog.setFolder(m_dir.path());
    const auto items = dialog.folderList()->findItems(QStringLiteral("sub"), Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    emit dialog.folderList()->itemActivated(items.front());
    QCOMPARE(dialog.folder(), m_dir.filePath(QStringLiteral("sub")));
    QCOMPARE(dialog.fileList()->count(), 0);
    emit dialog.folderList()->itemActivated(dialog.folderList()->item(0)); // ".."
    QCOMPARE(QDir(dialog.folder()), QDir(m_dir.path()));
  }

  void aDamagedFileShowsWhyInsteadOfAPicture()
  {
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("broken.tvx")), QByteArray(5, '\x01'));
    const std::size_t before = m_shell.messages().size();
    TImportDialog dialog;
    dialog.setFolder(dir.path());
    QCOMPARE(dialog.chosenFile(), dir.filePath(QStringLiteral("broken.tvx")));
    QVERIFY(dialog.previewImage().isNull());
    QCOMPARE(m_shell.messages().size(), before); // nothing popped up
  }

  void notesShowTheCommentsOfThePreviewedDocument()
  {
    TImportDialog dialog;
    dialog.setFolder(m_dir.path());
    dialog.fileList()->setCurrentRow(1);
    std::string title;
    QTimer::singleShot(0, dialog.commentsForm(), [&] {
      title = dialog.commentsForm()->comments().title;
      dialog.commentsForm()->accept();
    });
    for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
      if (b->text() == QStringLiteral("Notes"))
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QVERIFY(!title.empty());
  }
};

QTEST_MAIN(ImportDialogTest)
#include "import_dialog_test.moc"
