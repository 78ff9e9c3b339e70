// The defaults file at program start: written at first start, a short file replaced, reserved
// bytes kept through a load and a save, an unwritable folder reported.
#include "app/settings_form.h"
#include "app_fixture.h"
#include "model/defaults.h"

#include <QFile>
#include <QPushButton>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

constexpr int recordSize = 502;

QByteArray readAll(const QString& path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

int u16(const QByteArray& b, int at)
{
  return quint8(b[at]) | quint8(b[at + 1]) << 8;
}

/// A record written byte by byte: scale 35, line width 2, "DejaVu Sans" 13, nudge 8 × 6, and
/// marked reserved fields at offsets 0, 2, 63 and 357.
QByteArray handMadeRecord()
{
  QByteArray r(recordSize, '\0');
  r[0] = char(0xAB);
  r[1] = char(0xCD);
  r[2] = char(0xEF);
  r[3] = 35;
  r[5] = 2;
  r[6] = 13;          // font height
  r[14] = char(0x90); // weight 400 = 0x0190
  r[15] = 0x01;
  r[22] = 2; // quality
  r[23] = 2; // pitch and family
  r.replace(24, 11, "DejaVu Sans");
  r[56] = 100;
  r[58] = 8;
  r[60] = 6;
  r[62] = 13;
  r[63] = 1;
  r[64] = 2;
  r[65] = 3;
  r[66] = 4;
  r.replace(67, 4, "/tmp");
  r.replace(212, 4, "/tmp");
  r.replace(357, 7, "keep me");
  return r;
}

} // namespace

class DefaultsStartTest : public QObject
{
  Q_OBJECT

private slots:
  void init()
  {
    QVERIFY(m_folder.emplace().isValid());
    qputenv("TRELVIX3D_CONFIG_DIR", m_folder->path().toLocal8Bit());
    modelDefaults() = ModelDefaults{};
  }

  void firstStartWritesTheResetRecord()
  {
    const QString sub = m_folder->filePath(QStringLiteral("new/folder"));
    qputenv("TRELVIX3D_CONFIG_DIR", sub.toLocal8Bit());
    auto window = openWindow();
    const QByteArray r = readAll(sub + QStringLiteral("/trelvix3d98.cfg"));
    QCOMPARE(r.size(), recordSize);
    QCOMPARE(u16(r, 3), 28);
    QCOMPARE(int(r[5]), 1);
    QCOMPARE(u16(r, 58), 16);
    QCOMPARE(u16(r, 60), 16);
    QCOMPARE(QByteArray(r.constData() + 24), QByteArray("MS Sans Serif"));
    QVERIFY(window->shell().shown().empty());
  }

  void aShortFileIsReplaced()
  {
    const QString path = m_folder->filePath(QStringLiteral("trelvix3d98.cfg"));
    writeAll(path, QByteArray(100, '\x07'));
    auto window = openWindow();
    const QByteArray r = readAll(path);
    QCOMPARE(r.size(), recordSize);
    QCOMPARE(u16(r, 3), 28);
  }

  void reservedBytesSurviveALoadAndASave()
  {
    const QString path = m_folder->filePath(QStringLiteral("trelvix3d98.cfg"));
    const QByteArray record = handMadeRecord();
    writeAll(path, record);
    auto window = openWindow();
    QCOMPARE(int(modelDefaults().BondScalePixels), 35);
    QCOMPARE(int(modelDefaults().JumpX), 8);
    QCOMPARE(readAll(path), record); // a file that loads is not rewritten

    QVERIFY(choose(*window, "&3D Functions", "&Defaults ..."));
    QPushButton* done = nullptr;
    for (QPushButton* b : window->settingsForm().findChildren<QPushButton*>())
      if (b->text() == QStringLiteral("Done"))
        done = b;
    QVERIFY(done);
    QFile::remove(path);
    QTest::mouseClick(done, Qt::LeftButton);
    QCOMPARE(readAll(path), record);
  }

  void anUnwritableFolderIsReportedAndTheDefaultsStayInForce()
  {
    const QString blocker = m_folder->filePath(QStringLiteral("blocker"));
    writeAll(blocker, "not a folder");
    qputenv("TRELVIX3D_CONFIG_DIR", (blocker + QStringLiteral("/trelvix3d")).toLocal8Bit());
    auto window = openWindow();
    QCOMPARE(window->shell().shown().size(), std::size_t(1));
    QVERIFY(window->shell().shown().front().text.find("defaults") != std::string::npos);
    QCOMPARE(int(modelDefaults().BondScalePixels), 28);
    QVERIFY(window->isVisible());
  }

private:
  std::optional<QTemporaryDir> m_folder;
};

QTEST_MAIN(DefaultsStartTest)
#include "defaults_start_test.moc"
