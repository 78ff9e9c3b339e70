// The window's modal dialogs take the same path in a test as for a user: the test answers each
// through the shell as the user would (Font, Comments, Settings), and a cancelled dialog
// changes nothing.
#include "app/comments_form.h"
#include "app/settings_form.h"
#include "app_fixture.h"
#include "model/atom.h"
#include "model/defaults.h"

#include <QFontDialog>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

constexpr int labelCode = 607;

/// The face of the document's first text label.
std::string labelFace(TTrelvix3D& window)
{
  return window.layer().drawing().Labels.At(0)->font.face();
}

} // namespace

class ModalDialogsTest : public QObject
{
  Q_OBJECT

private slots:
  void theFontChosenInTheDialogGoesToEveryTextAndTheDefaults()
  {
    const ModelDefaultsScope restored(modelDefaults());
    auto window = openWindow();
    QVERIFY(window->layer().AddText(labelCode, "Step 1", 100, 200).changed);
    const std::string before = labelFace(*window);
    QVERIFY(before != "DejaVu Serif");

    // Cancelled: the document and the defaults keep their font.
    QString title;
    window->shell().queueDialogAnswer([&](QDialog& dialog) {
      title = dialog.windowTitle();
      static_cast<QFontDialog&>(dialog).setCurrentFont(QFont(QStringLiteral("DejaVu Serif"), 20));
      return false;
    });
    window->perform(Command::Font);
    QCOMPARE(title, QStringLiteral("Font"));
    QCOMPARE(labelFace(*window), before);
    QVERIFY(modelDefaults().font.face() != "DejaVu Serif");

    // Chosen with OK: the label and the defaults take it.
    window->shell().queueDialogAnswer([](QDialog& dialog) {
      static_cast<QFontDialog&>(dialog).setCurrentFont(QFont(QStringLiteral("DejaVu Serif"), 20));
      return true;
    });
    window->perform(Command::Font);
    QCOMPARE(labelFace(*window), std::string("DejaVu Serif"));
    QCOMPARE(modelDefaults().font.face(), std::string("DejaVu Serif"));
  }

  void commentsTypedAndConfirmedAreTheDocumentsAndCancelKeepsThem()
  {
    auto window = openWindow();
    window->shell().queueDialogAnswer([](QDialog& dialog) {
      auto& form = static_cast<TCommentsForm&>(dialog);
      form.findChildren<QPlainTextEdit*>()[0]->setPlainText(QStringLiteral("Benzene"));
      form.findChild<QLineEdit*>()->setText(QStringLiteral("Kekul\u00e9"));
      return true;
    });
    window->perform(Command::Comments);
    QCOMPARE(window->layer().drawing().title, std::string("Benzene"));
    QCOMPARE(window->layer().drawing().author, std::string("Kekul\xc3\xa9"));

    window->shell().queueDialogAnswer([](QDialog& dialog) {
      static_cast<TCommentsForm&>(dialog).findChildren<QPlainTextEdit*>()[0]->setPlainText(
        QStringLiteral("Changed"));
      return false;
    });
    window->perform(Command::Comments);
    QCOMPARE(window->layer().drawing().title, std::string("Benzene"));
  }

  void settingsRunAsTheDialogTheUserAnswers()
  {
    auto window = openWindow();
    int asked = 0;
    window->shell().queueDialogAnswer([&](QDialog& dialog) {
      ++asked;
      return qobject_cast<TSettingsForm*>(&dialog) != nullptr;
    });
    window->perform(Command::Defaults);
    QCOMPARE(asked, 1);
  }
};

QTEST_MAIN(ModalDialogsTest)
#include "modal_dialogs_test.moc"
