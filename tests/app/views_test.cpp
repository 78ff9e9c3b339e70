// Display styles in step across the three bars, normal and stereo view, the check marks after New.
#include "app_fixture.h"

using namespace trelvix;
using namespace trelvix::testing;

namespace {

int viewCode(TTrelvix3D& window)
{
  return window.layer().drawing().viewMode;
}

/// The codes of the checked style items: each code once per bar.
QList<int> checkedStyles(TTrelvix3D& window)
{
  QList<int> codes;
  for (QAction* a : window.menus().styleActions())
    if (a->isChecked())
      codes << a->data().toInt();
  return codes;
}

} // namespace

class ViewsTest : public QObject
{
  Q_OBJECT

private slots:
  void stereoTwiceThenNormalGivesThePlainCode()
  {
    auto window = openWindow();
    QVERIFY(choose(*window, "&3D Functions", "&Lines"));
    QCOMPARE(viewCode(*window), 12);
    QVERIFY(choose(*window, "&3D Functions", "&Stereo View"));
    QCOMPARE(viewCode(*window), 112);
    QVERIFY(item(*window, MenuBarId::MainMenu1, "&3D Functions", "&Stereo View")->isChecked());
    QVERIFY(!item(*window, MenuBarId::MainMenu1, "&3D Functions", "NormalView")->isChecked());
    // The stereo pair is not animated.
    QVERIFY(!item(*window, MenuBarId::MainMenu1, "&3D Functions", "S&pin")->isEnabled());
    // A second press keeps the stereo pair (there is no view beyond code 119).
    QVERIFY(choose(*window, "&3D Functions", "&Stereo View"));
    QCOMPARE(viewCode(*window), 112);
    QVERIFY(item(*window, MenuBarId::MainMenu1, "&3D Functions", "&Stereo View")->isChecked());
    QVERIFY(choose(*window, "&3D Functions", "NormalView"));
    QCOMPARE(viewCode(*window), 12);
    QVERIFY(item(*window, MenuBarId::MainMenu1, "&3D Functions", "NormalView")->isChecked());
    QVERIFY(item(*window, MenuBarId::MainMenu1, "&3D Functions", "Roc&k")->isEnabled());
  }

  void aStyleChosenInStereoShowsInNormalView()
  {
    auto window = openWindow();
    QVERIFY(choose(*window, "&3D Functions", "&Stereo View"));
    QCOMPARE(viewCode(*window), 100);
    QVERIFY(choose(*window, "&3D Functions", "&Rods"));
    QCOMPARE(viewCode(*window), 7);
    QCOMPARE(checkedStyles(*window), (QList<int>{ 7, 7, 7 }));
  }

  void theThreeStyleMenusStayInStep()
  {
    auto window = openWindow();
    QCOMPARE(checkedStyles(*window), (QList<int>{ 0, 0, 0 }));
    window->showMenuBar(MenuBarId::OptimizeMenu);
    QVERIFY(choose(*window, "&3D Views", "Color Balls+Rods", MenuBarId::OptimizeMenu));
    QCOMPARE(viewCode(*window), 8);
    QCOMPARE(checkedStyles(*window), (QList<int>{ 8, 8, 8 }));
  }

  void newBringsBackTheChecksOfTheEmptyDocument()
  {
    auto window = openWindow();
    QVERIFY(choose(*window, "&3D Functions", "Color Spheres"));
    QVERIFY(choose(*window, "&3D Functions", "&Stereo View"));
    window->shell().queueAnswer(MessageAnswer::Yes);
    QVERIFY(choose(*window, "&File", "&New"));
    QCOMPARE(window->shell().shown().back().text, std::string("Erase Drawing"));
    QCOMPARE(viewCode(*window), 0);
    QCOMPARE(checkedStyles(*window), (QList<int>{ 0, 0, 0 }));
    QVERIFY(item(*window, MenuBarId::MainMenu1, "&3D Functions", "NormalView")->isChecked());
    QVERIFY(!item(*window, MenuBarId::MainMenu1, "&3D Functions", "&Stereo View")->isChecked());
  }
};

QTEST_MAIN(ViewsTest)
#include "views_test.moc"
