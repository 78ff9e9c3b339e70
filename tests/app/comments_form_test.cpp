#include "app/comments_form.h"
#include "app/qt_shell.h"
#include "commands/command_layer.h"
#include "document/drawing.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace trelvix;

namespace {

QList<QPlainTextEdit*> memos(TCommentsForm& form)
{
  return form.findChildren<QPlainTextEdit*>(); // title, then notes
}

} // namespace

class CommentsFormTest : public QObject
{
  Q_OBJECT

private slots:
  void theTitleFallsBackOnTheFileName()
  {
    struct Case
    {
      const char* fileName;
      const char* title;
      const char* shown;
    };
    const Case cases[] = {
      { "benzene.tvx", "", "benzene" },
      { "BENZENE.TVX", "", "BENZENE" },
      { "notes", "", "notes" },
      { "benzene.tvx", "Aromatics", "Aromatics" },
    };
    for (const Case& c : cases) {
      tDrawing doc;
      doc.fileName.assign(c.fileName);
      doc.title = c.title;
      QCOMPARE(QString::fromStdString(TCommentsForm::titleOf(doc)), QString::fromLatin1(c.shown));
    }
  }

  void fieldsShowTheDocumentAndKeepWhatTheFileHolds()
  {
    tDrawing doc;
    doc.author = "A. Chemist";
    doc.notes = "Made in the lab";
    TCommentsForm form;
    form.load(doc, true);
    QCOMPARE(form.comments().title, std::string("untitled"));
    QCOMPARE(form.comments().author, std::string("A. Chemist"));
    QCOMPARE(form.comments().notes, std::string("Made in the lab"));

    memos(form)[0]->setPlainText(QString(400, QLatin1Char('t')));
    form.findChild<QLineEdit*>()->setText(QString(200, QLatin1Char('a')));
    memos(form)[1]->setPlainText(QString(400, QLatin1Char('n')));
    QCOMPARE(form.comments().title, std::string(95, 't'));
    QCOMPARE(form.comments().author, std::string(95, 'a'));
    QCOMPARE(form.comments().notes, std::string(319, 'n'));

    // Two bytes a character in UTF-8: 47 of them fill 94 of the 95 bytes.
    memos(form)[0]->setPlainText(QString(60, QChar(0xE9)));
    QCOMPARE(memos(form)[0]->toPlainText(), QString(47, QChar(0xE9)));
  }

  void notesOfAFileAreShownReadOnly()
  {
    tDrawing doc;
    doc.fileName.assign("water.tvx");
    doc.notes = "H2O";
    TCommentsForm form;
    bool readOnly = false;
    QTimer::singleShot(0, &form, [&] {
      readOnly = memos(form)[0]->isReadOnly() && memos(form)[1]->isReadOnly() &&
                 form.findChild<QLineEdit*>()->isReadOnly();
      form.accept();
    });
    QCOMPARE(form.showComments(doc), static_cast<int>(QDialog::Accepted));
    QVERIFY(readOnly);
    QCOMPARE(form.comments().title, std::string("water"));
  }

  void okStoresTheCommentsInTheDocumentAndCancelDoesNot()
  {
    auto doc = std::make_unique<tDrawing>();
    doc->fileName.assign("benzene.tvx");
    CommandLayer layer(std::move(doc));
    TCommentsForm form;
    // A shell outside scripted mode runs the dialog modally, as for the user.
    QtShell shell;

    QTimer::singleShot(0, &form, [&form] {
      form.findChild<QLineEdit*>()->setText(QStringLiteral("Kekul\u00e9"));
      memos(form)[1]->setPlainText(QStringLiteral("C6H6"));
      form.accept();
    });
    QCOMPARE(form.editComments(layer, shell), static_cast<int>(QDialog::Accepted));
    QCOMPARE(layer.drawing().title, std::string("benzene"));
    QCOMPARE(layer.drawing().author, std::string("Kekul\xc3\xa9"));
    QCOMPARE(layer.drawing().notes, std::string("C6H6"));

    QTimer::singleShot(0, &form, [&form] {
      memos(form)[0]->setPlainText(QStringLiteral("Changed"));
      form.reject();
    });
    QCOMPARE(form.editComments(layer, shell), static_cast<int>(QDialog::Rejected));
    QCOMPARE(layer.drawing().title, std::string("benzene"));
  }

  void helpAsksForHelp()
  {
    TCommentsForm form;
    int asked = 0;
    connect(&form, &TCommentsForm::helpRequested, this, [&asked] { ++asked; });
    for (QPushButton* b : form.findChildren<QPushButton*>()) {
      if (b->text() == QStringLiteral("Help"))
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QCOMPARE(asked, 1);
  }
};

QTEST_MAIN(CommentsFormTest)
#include "comments_form_test.moc"
