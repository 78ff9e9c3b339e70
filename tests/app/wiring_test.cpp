// The main window's items that open the tool windows: help pages, the symbol palette, the
// file chooser.
#include "app/arrow_form.h"
#include "app/help_viewer.h"
#include "app_fixture.h"
#include "document/symbol.h"

#include <QTextBrowser>
#include <QToolButton>

using namespace trelvix;
using namespace trelvix::testing;

class WiringTest : public QObject
{
  Q_OBJECT

private slots:
  void helpItemsOpenTheirPages_data()
  {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("page");
    QTest::newRow("general") << "&General Help"
                             << "111.html";
    QTest::newRow("2D") << "2D Drawing Tutorial"
                        << "115.html";
    QTest::newRow("3D") << "3D Drawing Tutorial"
                        << "119.html";
    QTest::newRow("support") << "Customer Support"
                             << "117.html";
  }

  void helpItemsOpenTheirPages()
  {
    QFETCH(QString, caption);
    QFETCH(QString, page);
    auto window = openWindow();
    QVERIFY(choose(*window, "&Help", caption.toUtf8().constData()));
    QVERIFY(window->helpViewer().isVisible());
    QVERIFY(window->helpViewer().browser()->source().toString().endsWith(page));
  }

  void thePaletteArmsTheCodeOfItsPicture()
  {
    auto window = openWindow();
    QVERIFY(choose(*window, "", "&Symbol"));
    QVERIFY(window->arrowForm().isVisible());
    const auto& pictures = window->arrowForm().pictures();
    QVERIFY(!pictures.empty());
    QTest::mouseClick(pictures.front().button, Qt::LeftButton);
    QCOMPARE(int(window->layer().pendingBuildCode()), pictures.front().code);
    QCOMPARE(window->layer().drawing().Symbols->Count(), 0);
    pressAt(*window, { 200, 200 });
    QCOMPARE(window->layer().drawing().Symbols->Count(), 1);
  }
};

QTEST_MAIN(WiringTest)
#include "wiring_test.moc"
