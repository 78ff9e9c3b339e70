// Spin, Tumble, Rock and Wag through the animator: the menus, the timed swing, stopping from
// anywhere, closing, and the document given back as it was.
#include "app/animator.h"
#include "app_fixture.h"
#include "model/atom.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

/// A document with one six-membered ring (six atoms).
void buildRing(TTrelvix3D& window)
{
  window.layer().BuildAt(200, 200, 154);
  window.layer().Reset();
}

struct Position
{
  double x, y, z;
  bool operator==(const Position&) const = default;
};

/// The document as Save writes it, into folder.
QByteArray savedBytes(TTrelvix3D& window, const QTemporaryDir& folder)
{
  const QString path = folder.filePath(QStringLiteral("animated.tvx"));
  if (!window.layer().SaveDocument(path.toStdString()).acted())
    return {};
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<Position> positions(TTrelvix3D& window)
{
  std::vector<Position> all;
  for (const tXY* a : window.layer().drawing().Atoms)
    all.push_back({ a->x3, a->y3, a->z3 });
  return all;
}

} // namespace

class AnimationTest : public QObject
{
  Q_OBJECT

private slots:
  void theMotionsAngleFollowsItsPath_data()
  {
    QTest::addColumn<int>("motion");
    QTest::addColumn<double>("travel");
    QTest::addColumn<double>("angle");
    // Spin and tumble turn on and wrap at a full turn.
    QTest::newRow("spin start") << 0 << 0.0 << 0.0;
    QTest::newRow("spin 90") << 0 << 90.0 << 90.0;
    QTest::newRow("spin 400") << 0 << 400.0 << 40.0;
    QTest::newRow("tumble 360") << 1 << 360.0 << 0.0;
    // Rock and wag: up to +60 after 60 degrees of path, down through 0 (120) to -60 (180), back
    // up through 0 (240).
    QTest::newRow("rock start") << 2 << 0.0 << 0.0;
    QTest::newRow("rock 30") << 2 << 30.0 << 30.0;
    QTest::newRow("rock top") << 2 << 60.0 << 60.0;
    QTest::newRow("rock 90") << 2 << 90.0 << 30.0;
    QTest::newRow("rock middle") << 2 << 120.0 << 0.0;
    QTest::newRow("rock bottom") << 2 << 180.0 << -60.0;
    QTest::newRow("wag back") << 3 << 240.0 << 0.0;
    QTest::newRow("wag second top") << 3 << 300.0 << 60.0;
  }

  void theMotionsAngleFollowsItsPath()
  {
    QFETCH(int, motion);
    QFETCH(double, travel);
    QFETCH(double, angle);
    QVERIFY(std::abs(motionAngle(motion, travel) - angle) < 1e-9);
  }

  void theSpeedsAreDegreesPerSecond()
  {
    auto window = openWindow();
    TAnimator& animator = window->animator();
    const double expected[] = { 240, 120, 60 }; // Fast, Medium, Slow
    for (int i = 0; i < 3; ++i) {
      animator.setSpeed(i);
      QCOMPARE(animator.speed(), expected[i]);
    }
  }

  void spinOnTwoAtomsStaysStillWithTheAnimatorShown()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, 576); // H2
    QCOMPARE(atomCount(*window), 2);
    int frames = 0;
    connect(&window->animator(), &TAnimator::frameShown, this, [&] { ++frames; });
    QVERIFY(choose(*window, "&3D Functions", "S&pin"));
    QTest::qWait(4 * TAnimator::framePeriod);
    QCOMPARE(frames, 0);
    QVERIFY(window->animator().isVisible());
    QCOMPARE(window->menus().current(), MenuBarId::AnimationMenu);
    QVERIFY(choose(*window, "", "STOP", MenuBarId::AnimationMenu));
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
    QVERIFY(!window->animator().isVisible());
  }

  void framesComeFromATimerAtMostSixtyASecond()
  {
    auto window = openWindow();
    buildRing(*window);
    int frames = 0;
    double lastAngle = 0;
    connect(&window->animator(), &TAnimator::frameShown, this, [&](int motion, double angle) {
      QCOMPARE(motion, 0);
      ++frames;
      lastAngle = angle;
    });
    QElapsedTimer clock;
    clock.start();
    QVERIFY(choose(*window, "&3D Functions", "S&pin"));
    // Spin returns at once; the frames follow while the program waits for events.
    QCOMPARE(frames, 0);
    QTRY_VERIFY(frames >= 3);
    const double seconds = static_cast<double>(clock.elapsed()) / 1000;
    // Never faster than the timer: one frame per 16 ms at the most (and two for the edges).
    QVERIFY(frames <= static_cast<int>(seconds * 1000 / TAnimator::framePeriod) + 2);
    // Never further than the medium speed allows in the time that passed.
    QVERIFY(lastAngle <= 120 * seconds + 1e-9);
    QVERIFY(choose(*window, "", "STOP", MenuBarId::AnimationMenu));
  }

  void stopFromAnywhereClosesTheAnimatorAndGivesTheDrawingBack_data()
  {
    QTest::addColumn<int>("way");
    QTest::newRow("STOP in the menu bar") << 0;
    QTest::newRow("the animator's Stop") << 1;
    QTest::newRow("closing the animator") << 2;
  }

  void stopFromAnywhereClosesTheAnimatorAndGivesTheDrawingBack()
  {
    QFETCH(int, way);
    auto window = openWindow();
    buildRing(*window); // a flat drawing: z = 0 everywhere
    const std::vector<Position> before = positions(*window);
    const bool couldUndo = window->layer().canUndo();
    const std::size_t undoSteps = window->layer().undoHistory().undoSteps();
    QTemporaryDir folder;
    const QByteArray bytes = savedBytes(*window, folder);
    QVERIFY(!bytes.isEmpty());
    int frames = 0;
    connect(&window->animator(), &TAnimator::frameShown, this, [&] { ++frames; });
    QVERIFY(choose(*window, "&3D Functions", "Roc&k"));
    QTRY_VERIFY(frames >= 3);
    QVERIFY(positions(*window) != before); // tilted meanwhile
    TAnimator& animator = window->animator();
    if (way == 0) {
      QVERIFY(choose(*window, "", "STOP", MenuBarId::AnimationMenu));
    } else if (way == 1) {
      for (QPushButton* b : animator.findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("Stop"))
          b->click();
    } else {
      animator.close();
    }
    QVERIFY(!animator.running());
    QVERIFY(!animator.isVisible());
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
    // The drawing ends as it began: not left tilted, nothing new to undo.
    QVERIFY(positions(*window) == before);
    QCOMPARE(window->layer().canUndo(), couldUndo);
    QCOMPARE(window->layer().undoHistory().undoSteps(), undoSteps);
    QVERIFY(window->layer().drawing().savedFlag != 0); // still the document just saved
    QCOMPARE(savedBytes(*window, folder), bytes);
    const int shown = frames;
    QTest::qWait(3 * TAnimator::framePeriod);
    QCOMPARE(frames, shown);
  }

  void aModeChangeSwitchesTheMotionAndStopEndsIt()
  {
    auto window = openWindow();
    buildRing(*window);
    QList<int> motions;
    connect(&window->animator(), &TAnimator::frameShown, this, [&](int motion, double) {
      motions << motion;
    });
    window->perform(Command::Animate, 0);
    QTRY_VERIFY(motions.size() >= 2);
    window->perform(Command::Animate, 1); // Tumble from the animation bar
    const qsizetype switched = motions.size();
    QTRY_VERIFY(motions.size() >= switched + 2);
    QVERIFY(motions.mid(switched).count(1) == motions.size() - switched);
    window->perform(Command::StopAnimate);
    QVERIFY(!window->animator().running());
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
  }

  void closingTheWindowDuringAnAnimationEndsItFirst()
  {
    auto window = openWindow();
    buildRing(*window);
    int frames = 0;
    connect(&window->animator(), &TAnimator::frameShown, this, [&] { ++frames; });
    window->perform(Command::Animate, 3);
    QTRY_VERIFY(frames >= 5);
    // The close stops the motion first; then "Save changes" is answered Save, Save As is offered
    // (cancelled) and the question answered.
    window->shell().queueAnswer(MessageAnswer::Yes);
    window->shell().queueAnswer(MessageAnswer::Yes);
    window->close();
    QVERIFY(!window->animator().running());
    QTRY_VERIFY(!window->isVisible());
    QCOMPARE(window->shell().shown().back().text, std::string("Exit Trelvix3D"));
  }
};

QTEST_MAIN(AnimationTest)
#include "animation_test.moc"
