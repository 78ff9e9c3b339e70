#include "app/help_viewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

using trelvix::HelpViewer;

namespace {

// Every help context the program opens.
const QList<int> contexts{ 111, 113, 115, 117, 118, 119, 121, 126, 127 };

QString readText(const QString& path)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  return QString::fromUtf8(file.readAll());
}

} // namespace

class HelpViewerTest : public QObject
{
  Q_OBJECT

private slots:
  void eachContextOpensItsPage()
  {
    HelpViewer viewer;
    for (const int context : contexts) {
      QVERIFY2(viewer.showPage(context), qPrintable(QString::number(context)));
      QCOMPARE(viewer.browser()->source().fileName(), QStringLiteral("%1.html").arg(context));
      QVERIFY(!viewer.browser()->documentTitle().isEmpty());
      QVERIFY(viewer.browser()->toPlainText().size() > 400);
      QVERIFY(viewer.isVisible());
    }
  }

  void everyLinkPointsAtAnExistingPageAndPlace()
  {
    const QDir folder(HelpViewer::helpFolder());
    QVERIFY(folder.exists());
    const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    int internalLinks = 0;
    for (const QString& page : folder.entryList({ QStringLiteral("*.html") }, QDir::Files)) {
      const QString text = readText(folder.filePath(page));
      for (const auto& match : href.globalMatch(text)) {
        const QString link = match.captured(1);
        if (link.startsWith(QStringLiteral("http")))
          continue;
        const QString file = link.section(QLatin1Char('#'), 0, 0);
        const QString place = link.section(QLatin1Char('#'), 1);
        const QString target = file.isEmpty() ? page : file;
        const QString where = page + QStringLiteral(" -> ") + link;
        QVERIFY2(QFileInfo::exists(folder.filePath(target)), qPrintable(where));
        if (!place.isEmpty())
          QVERIFY2(
            readText(folder.filePath(target)).contains(QStringLiteral("id=\"%1\"").arg(place)),
            qPrintable(where));
        ++internalLinks;
      }
    }
    QVERIFY(internalLinks > 50);
  }

  void everyContextHasAPageAndNoPageIsUnreachable()
  {
    const QDir folder(HelpViewer::helpFolder());
    QStringList expected;
    for (const int context : contexts)
      expected << QStringLiteral("%1.html").arg(context);
    QStringList pages = folder.entryList({ QStringLiteral("*.html") }, QDir::Files, QDir::Name);
    expected.sort();
    QCOMPARE(pages, expected);
  }

  void backForwardAndContentsFollowTheLinks()
  {
    HelpViewer viewer;
    viewer.showPage(115);
    auto buttons = viewer.findChildren<QToolButton*>();
    QToolButton* back = nullptr;
    QToolButton* forward = nullptr;
    QToolButton* home = nullptr;
    for (QToolButton* b : buttons) {
      if (b->text() == QStringLiteral("Back"))
        back = b;
      else if (b->text() == QStringLiteral("Forward"))
        forward = b;
      else if (b->text() == QStringLiteral("Contents"))
        home = b;
    }
    QVERIFY(back && forward && home);
    QVERIFY(!back->isEnabled());

    // A link of the tutorial, followed as a click would.
    viewer.browser()->setSource(QUrl(QStringLiteral("119.html")));
    QCOMPARE(viewer.browser()->source().fileName(), QStringLiteral("119.html"));
    QVERIFY(back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(viewer.browser()->source().fileName(), QStringLiteral("115.html"));
    QVERIFY(forward->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(viewer.browser()->source().fileName(), QStringLiteral("119.html"));
    QTest::mouseClick(home, Qt::LeftButton);
    QCOMPARE(viewer.browser()->source().fileName(), QStringLiteral("111.html"));
  }

  void aMissingPageSaysSo()
  {
    HelpViewer viewer;
    QVERIFY(!viewer.showPage(999));
    QVERIFY(viewer.browser()->toPlainText().contains(QStringLiteral("not installed")));
  }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
