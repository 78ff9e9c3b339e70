// Start-up: the document named by the last argument, the captions, the defaults file.
#include "app/startup.h"
#include "app_fixture.h"

using namespace trelvix;
using namespace trelvix::testing;

class StartupTest : public QObject
{
  Q_OBJECT

private slots:
  void theLastArgumentNamesTheDocument_data()
  {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no argument") << QStringList{ "/usr/bin/trelvix3d" } << QString();
    QTest::newRow("tvx") << QStringList{ "prog", "a.tvx" } << QStringLiteral("a.tvx");
    QTest::newRow("upper case") << QStringList{ "prog", "B.TVX" } << QStringLiteral("B.TVX");
    QTest::newRow("anywhere") << QStringList{ "prog", "x.tvx.bak" } << QStringLiteral("x.tvx.bak");
    QTest::newRow("txt") << QStringList{ "prog", "a.txt" } << QString();
    QTest::newRow("only the last") << QStringList{ "prog", "a.tvx", "b.txt" } << QString();
    QTest::newRow("cut to 79") << QStringList{ "prog", QString(72, 'a') + ".tvx-extra" }
                               << QString(72, 'a') + ".tvx-ex";
    QTest::newRow("cut before the extension")
      << QStringList{ "prog", QString(76, 'a') + ".tvx" } << QString();
  }

  void theLastArgumentNamesTheDocument()
  {
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    const auto name = startupDocumentName(arguments);
    QCOMPARE(name ? QString::fromStdString(*name) : QString(), expected);
  }

  void captionsHaveTheirSpacing()
  {
    QCOMPARE(tightCaption("/home/me/ring.tvx"), QStringLiteral("Trelvix3D [ring.tvx]"));
    QCOMPARE(spacedCaption("C:\\DATA\\RING.TVX"), QStringLiteral("Trelvix3D [ RING.TVX ]"));
    QCOMPARE(fileNamePart("A:b.tvx"), QStringLiteral("b.tvx"));
  }

  void aTvxArgumentLoadsTheDocument()
  {
    const QString example = QStringLiteral(TRELVIX_EXAMPLES_DIR "/chlorobenzene.tvx");
    auto window = openWindow({ "trelvix3d", "--ignored", example });
    QCOMPARE(window->windowTitle(), QStringLiteral("Trelvix3D [chlorobenzene.tvx]"));
    QCOMPARE(atomCount(*window), 7); // six ring carbons and the chlorine
    QVERIFY(window->shell().shown().empty());
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
  }

  void aTxtArgumentStartsEmpty()
  {
    auto window = openWindow({ "trelvix3d", QStringLiteral(TRELVIX_EXAMPLES_DIR "/notes.txt") });
    QCOMPARE(atomCount(*window), 0);
    QCOMPARE(window->windowTitle(), QStringLiteral("Trelvix3D [untitled.tvx]"));
  }

  void aDocumentThatDoesNotLoadSaysSoAndStartsEmpty()
  {
    auto window = openWindow({ "trelvix3d", "/nonexistent/folder/missing.tvx" });
    QCOMPARE(atomCount(*window), 0);
    QCOMPARE(window->shell().shown().size(), std::size_t(1));
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
