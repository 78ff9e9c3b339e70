// The main window's items that open the tool windows: help pages, the symbol palette, the
// file chooser.
#include "app/arrow_form.h"
#include "app/help_viewer.h"
#include "app_fixture.h"
#include "document/symbol.h"
#include "model/atom.h"

#include <QTextBrowser>
#include <QToolButton>
#include <algorithm>

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

  void thePalettesPlusSignIsALabelCentredOnThePress()
  {
    auto window = openWindow();
    window->layer().BuildAt(100, 200, 571); // methane, a piece of the reaction
    const int pieces = window->layer().drawing().Groups.Count();
    QVERIFY(choose(*window, "", "&Symbol"));
    const auto& pictures = window->arrowForm().pictures();
    const auto plus = std::find_if(pictures.begin(), pictures.end(), [](const auto& picture) {
      return picture.button->toolTip() == QStringLiteral("Plus sign");
    });
    QVERIFY(plus != pictures.end());
    QTest::mouseClick(plus->button, Qt::LeftButton);
    pressAt(*window, { 200, 200 });
    const tDrawing& drawing = window->layer().drawing();
    QCOMPARE(drawing.Labels.Count(), 1);
    const tXY* sign = drawing.Labels.At(0);
    QCOMPARE(std::string(sign->symbol.str()), std::string("+"));
    // It hangs from its point, half its text to the left and above the press.
    QVERIFY(sign->px() < 200 && sign->py() < 200);
    QVERIFY(200 - sign->px() < 20 && 200 - sign->py() < 20);
    QCOMPARE(drawing.Groups.Count(), pieces); // no piece of its own
    QVERIFY(choose(*window, "", "Undo"));
    QCOMPARE(window->layer().drawing().Labels.Count(), 0);
  }
};

QTEST_MAIN(WiringTest)
#include "wiring_test.moc"
