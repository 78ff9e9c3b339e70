#include "app/settings_form.h"
#include "document/drawing.h"
#include "document/file_format.h"
#include "model/defaults.h"
#include "platform/scripted_shell.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace trelvix;

namespace {

QByteArray fileBytes(const QString& path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int u16At(const QByteArray& bytes, int at)
{
  return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8;
}

template<class Button>
Button* buttonWithText(QWidget& window, const QString& text)
{
  for (Button* b : window.findChildren<Button*>()) {
    if (b->text() == text)
      return b;
  }
  return nullptr;
}

} // namespace

class SettingsFormTest : public QObject
{
  Q_OBJECT

private:
  std::unique_ptr<QTemporaryDir> m_dir;
  std::unique_ptr<ModelDefaultsScope> m_defaults;
  std::unique_ptr<ScriptedShell> m_shell;
  DefaultsRecord m_record{};
  QString m_path;

  struct Calls
  {
    QList<double> zooms;
    QList<int> lineWidths;
    int fonts = 0;
  };

  SettingsActions recordingActions(Calls& calls)
  {
    SettingsActions a;
    a.zoomDocument = [&calls](double f) { calls.zooms << f; };
    a.setLineWidth = [&calls](std::uint8_t w) { calls.lineWidths << w; };
    a.setFont = [&calls](const FontRecord&) { ++calls.fonts; };
    a.changeFont = [](FontRecord& f) {
      f.setFace("DejaVu Serif");
      f.height = 20;
      return true;
    };
    return a;
  }

private slots:
  void init()
  {
    m_dir = std::make_unique<QTemporaryDir>();
    m_defaults = std::make_unique<ModelDefaultsScope>();
    m_shell = std::make_unique<ScriptedShell>();
    setCurrentShell(m_shell.get());
    m_path = m_dir->filePath(QStringLiteral("config/trelvix3d98.cfg"));
    m_record = resetDefaultsRecord("/home/chemist", 96);
    // Reserved bytes with values of their own: they must reach the file unchanged.
    m_record[0] = 0x11;
    m_record[2] = 0x22;
    m_record[63] = 0x33;
    m_record[400] = 0x44;
    applyDefaults(m_record);
  }

  void cleanup()
  {
    setCurrentShell(nullptr);
    m_shell.reset();
    m_defaults.reset();
    m_dir.reset();
  }

  void showsTheDefaultsInForce()
  {
    Calls calls;
    modelDefaults().JumpX = 8;
    modelDefaults().JumpY = 6;
    TSettingsForm form(m_record, m_path.toStdString(), recordingActions(calls));
    form.show();
    QVERIFY(buttonWithText<QRadioButton>(form, QStringLiteral("100"))->isChecked());
    QVERIFY(buttonWithText<QRadioButton>(form, QStringLiteral(" 8"))->isChecked());
    QVERIFY(buttonWithText<QRadioButton>(form, QStringLiteral("  1"))->isChecked());
    QCOMPARE(form.windowTitle(), QStringLiteral("Settings"));
  }

  void scale200DoublesTheDrawingAndWritesTheFile()
  {
    std::unique_ptr<tDrawing> doc = loadDrawing(TRELVIX_EXAMPLES_DIR "/chair.tvx");
    QVERIFY(doc);
    setCurrentDrawing(doc.get());
    const double before = doc->Bonds.MeanLength();
    QVERIFY(before > 20);

    SettingsActions actions;
    actions.zoomDocument = [&doc](double f) {
      doc->Zoom(f);
      doc->update();
    };
    TSettingsForm form(m_record, m_path.toStdString(), actions);
    form.show();
    QTest::mouseClick(buttonWithText<QRadioButton>(form, QStringLiteral("200")), Qt::LeftButton);

    QCOMPARE(doc->Bonds.MeanLength(), before * 2); // 56 / 28
    QCOMPARE(modelDefaults().BondScalePixels, 56);
    const QByteArray file = fileBytes(m_path);
    QCOMPARE(file.size(), 502);
    QCOMPARE(u16At(file, 3), 56);
    QCOMPARE(static_cast<std::uint8_t>(file[0]), 0x11);
    QCOMPARE(static_cast<std::uint8_t>(file[2]), 0x22);
    QCOMPARE(static_cast<std::uint8_t>(file[63]), 0x33);
    QCOMPARE(static_cast<std::uint8_t>(file[400]), 0x44);
    setCurrentDrawing(nullptr);
  }

  void scaleZoomsByNewOverOld()
  {
    Calls calls;
    TSettingsForm form(m_record, m_path.toStdString(), recordingActions(calls));
    form.show();
    QTest::mouseClick(buttonWithText<QRadioButton>(form, QStringLiteral("50")), Qt::LeftButton);
    QTest::mouseClick(buttonWithText<QRadioButton>(form, QStringLiteral("175")), Qt::LeftButton);
    QTest::mouseClick(buttonWithText<QRadioButton>(form, QStringLiteral("175")), Qt::LeftButton);
    // 28 -> 14, then 14 -> 49; choosing the scale in force again changes nothing.
    QCOMPARE(calls.zooms, (QList<double>{ 14.0 / 28, 49.0 / 14 }));
    QCOMPARE(u16At(fileBytes(m_path), 3), 49);
  }

  void jumpLineAndFontChangeTheDefaults()
  {
    Calls calls;
    TSettingsForm form(m_record, m_path.toStdString(), recordingActions(calls));
    form.show();
    QTest::mouseClick(buttonWithText<QRadioButton>(form, QStringLiteral(" 16")), Qt::LeftButton);
    QCOMPARE(modelDefaults().JumpX, 16);
    QCOMPARE(modelDefaults().JumpY, 12);
    QTest::mouseClick(buttonWithText<QRadioButton>(form, QStringLiteral("  3")), Qt::LeftButton);
    QCOMPARE(modelDefaults().LineWidth, 3);
    QCOMPARE(calls.lineWidths, QList<int>{ 3 });

    QTest::mouseClick(buttonWithText<QPushButton>(form, QStringLiteral("Font")), Qt::LeftButton);
    QCOMPARE(calls.fonts, 1);
    QCOMPARE(modelDefaults().font.face(), std::string("DejaVu Serif"));
    const QByteArray afterFont = fileBytes(m_path);
    QCOMPARE(u16At(afterFont, 6), 20);
    QCOMPARE(QByteArray(afterFont.constData() + 24), QByteArray("DejaVu Serif"));

    QTest::mouseClick(buttonWithText<QPushButton>(form, QStringLiteral("Done")), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), static_cast<int>(QDialog::Accepted));
    const QByteArray file = fileBytes(m_path);
    QCOMPARE(u16At(file, 58), 16);
    QCOMPARE(u16At(file, 60), 12);
    QCOMPARE(static_cast<int>(file[5]), 3);
  }

  void colourByElementIsKeptInTheReservedWordAndRedraws()
  {
    Calls calls;
    SettingsActions actions = recordingActions(calls);
    QList<bool> redraws;
    actions.setElementColours = [&redraws](bool on) { redraws << on; };
    m_record[63] = 0;
    applyDefaults(m_record);
    TSettingsForm form(m_record, m_path.toStdString(), std::move(actions));
    form.show();
    auto* colours = buttonWithText<QCheckBox>(form, QStringLiteral("Colour by Element"));
    QVERIFY(colours);
    QVERIFY(!colours->isChecked()); // black, as the drawings always were
    colours->click();
    QVERIFY(modelDefaults().ElementColours);
    QCOMPARE(redraws, QList<bool>{ true });
    QCOMPARE(int(static_cast<std::uint8_t>(fileBytes(m_path)[63])), 1);
    // The next start reads it back.
    modelDefaults().ElementColours = false;
    applyDefaults(m_record);
    QVERIFY(modelDefaults().ElementColours);
    colours->click();
    QVERIFY(!modelDefaults().ElementColours);
    QCOMPARE(int(static_cast<std::uint8_t>(fileBytes(m_path)[63])), 0);
  }

  void aFileThatCannotBeWrittenIsReportedAndTheScaleStays()
  {
    QFile blocker(m_dir->filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Calls calls;
    TSettingsForm form(m_record,
                       m_dir->filePath(QStringLiteral("blocked/trelvix3d98.cfg")).toStdString(),
                       recordingActions(calls));
    form.show();
    QTest::mouseClick(buttonWithText<QRadioButton>(form, QStringLiteral("150")), Qt::LeftButton);
    QCOMPARE(modelDefaults().BondScalePixels, 42);
    QCOMPARE(static_cast<int>(m_shell->messages().size()), 1);
    QVERIFY(QString::fromStdString(m_shell->messages()[0].text)
              .contains(QStringLiteral("could not be saved")));
  }
};

QTEST_MAIN(SettingsFormTest)
#include "settings_form_test.moc"
