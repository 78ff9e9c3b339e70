// Spin, Tumble, Rock and Wag through the animator: the menus, the swing, stopping, closing.
#include "app/animator.h"
#include "app_fixture.h"

#include <QTimer>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

/// A document with one six-membered ring (six atoms).
void buildRing(TTrelvix3D& window)
{
  window.layer().BuildAt(200, 200, 154);
  window.layer().Reset();
}

} // namespace

class AnimationTest : public QObject
{
  Q_OBJECT

private slots:
  void spinOnTwoAtomsReturnsAtOnceWithTheAnimatorShown()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, 576); // H2
    QCOMPARE(atomCount(*window), 2);
    int frames = 0;
    connect(&window->animator(), &TAnimator::frameShown, this, [&] { ++frames; });
    QVERIFY(choose(*window, "&3D Functions", "S&pin"));
    QCOMPARE(frames, 0);
    QVERIFY(window->animator().isVisible());
    QCOMPARE(window->menus().current(), MenuBarId::AnimationMenu);
    QVERIFY(choose(*window, "", "STOP", MenuBarId::AnimationMenu));
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
  }

  void rockSwingsBetweenMinusAndPlus64()
  {
    auto window = openWindow();
    buildRing(*window);
    QList<int> angles;
    connect(&window->animator(), &TAnimator::frameShown, this, [&](int motion, int angle) {
      QCOMPARE(motion, 2);
      angles << angle;
      if (angles.size() == 100)
        window->animator().stopAnimating();
    });
    QVERIFY(choose(*window, "&3D Functions", "Roc&k"));
    QCOMPARE(angles.size(), 100);
    QCOMPARE(angles.first(), 4); // medium speed: 4 degrees a frame
    QCOMPARE(*std::max_element(angles.begin(), angles.end()), 64);
    QCOMPARE(*std::min_element(angles.begin(), angles.end()), -64);
    // 0, 4 ... 64 (16 frames), then down to -64 (32 more), then back up.
    QCOMPARE(angles.at(15), 64);
    QCOMPARE(angles.at(16), 60);
    QCOMPARE(angles.at(47), -64);
    QCOMPARE(angles.at(48), -60);
    // The menu stays until STOP.
    QCOMPARE(window->menus().current(), MenuBarId::AnimationMenu);
  }

  void aModeChangeRunsInsideAndStopEndsBoth()
  {
    auto window = openWindow();
    buildRing(*window);
    QList<int> motions;
    connect(&window->animator(), &TAnimator::frameShown, this, [&](int motion, int) {
      motions << motion;
      if (motions.size() == 3 && motion == 0)
        window->perform(Command::Animate, 1); // Tumble from the animation bar, nested
      if (motions.size() == 8)
        window->perform(Command::StopAnimate);
    });
    window->perform(Command::Animate, 0);
    QCOMPARE(motions, (QList<int>{ 0, 0, 0, 1, 1, 1, 1, 1 }));
    QVERIFY(!window->animator().running());
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
  }

  void slowIsTwoDegreesAFrame()
  {
    auto window = openWindow();
    buildRing(*window);
    QList<int> angles;
    connect(&window->animator(), &TAnimator::frameShown, this, [&](int, int angle) {
      angles << angle;
      if (angles.size() == 2)
        window->animator().setSpeed(2);
      if (angles.size() == 4)
        window->animator().stopAnimating();
    });
    window->perform(Command::Animate, 0);
    QCOMPARE(angles, (QList<int>{ 4, 8, 10, 12 }));
  }

  void closingTheWindowDuringAnAnimationEndsItFirst()
  {
    auto window = openWindow();
    buildRing(*window);
    int frames = 0;
    connect(&window->animator(), &TAnimator::frameShown, this, [&] {
      if (++frames == 5)
        window->close();
    });
    // The close waits for the loop; then "Save changes" is answered Save, Save As is offered
    // (cancelled) and the question answered.
    window->shell().queueAnswer(MessageAnswer::Yes);
    window->shell().queueAnswer(MessageAnswer::Yes);
    window->perform(Command::Animate, 3);
    QCOMPARE(frames, 5);
    QVERIFY(window->isVisible());
    QTRY_VERIFY(!window->isVisible());
    QCOMPARE(window->shell().shown().back().text, std::string("Exit Trelvix3D"));
  }
};

QTEST_MAIN(AnimationTest)
#include "animation_test.moc"
