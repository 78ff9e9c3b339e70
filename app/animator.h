#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <array>

class QButtonGroup;
class QTimer;

namespace trelvix {

class CommandLayer;

/// The angle, in degrees, of motion (0 spin, 1 tumble, 2 rock, 3 wag) after it has travelled
/// `travel` degrees: spin and tumble turn on through 0..360, rock and wag swing 0 → +60 → -60 →
/// +60 ..., always `travel` degrees of path away from the start.
double motionAngle(int motion, double travel);

/// The animation control window: "Mode" (Spin, Tumble, Rock, Wag), "Speed" (Fast, Medium, Slow)
/// and "Stop". The motion is timed, not counted in frames: the model turns at the chosen
/// degrees per second whatever the machine, redrawn by a timer at most 60 times a second, so
/// the menus and this window's buttons work all the while. Stop, from wherever it comes, puts
/// every atom back where it was when the motion started and closes the window: the document
/// ends as it began.
class TAnimator : public QWidget
{
  Q_OBJECT

public:
  /// The speeds of Fast, Medium and Slow, degrees per second.
  static constexpr std::array<double, 3> degreesPerSecond{ 240, 120, 60 };
  /// The frame timer's period, milliseconds (about 60 frames a second at most).
  static constexpr int framePeriod = 16;

  TAnimator(CommandLayer& layer, QWidget* parent = nullptr);

  /// Starts motion (0 spin, 1 tumble, 2 rock, 3 wag) at medium speed and shows the window; a
  /// motion already running changes to it. Returns at once. A document of two atoms or fewer
  /// does not move, but the window and the animation bar stay until Stop.
  void start(int motion);
  /// Ends the motion: the atoms back where they started, the window closed, `finished` told.
  void stopAnimating();

  /// True while a motion is on (the window and the animation bar are shown).
  bool running() const { return m_running; }
  bool animating() const { return m_running; }
  /// The speed in force, degrees per second.
  double speed() const { return m_speed; }
  void setSpeed(int index);

signals:
  /// After every frame: the motion and its angle in degrees.
  void frameShown(int motion, double angle);
  /// The Stop button was pressed: the main window goes back to drawing.
  void stopPressed();
  /// The motion has ended and the document is as it was before it.
  void finished();

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void changeMotion(int motion);
  void frame();
  void Button1Click();

  CommandLayer& m_layer;
  QButtonGroup* m_modes;
  QButtonGroup* m_speeds;
  QTimer* m_timer;
  QElapsedTimer m_clock;
  double m_speed = degreesPerSecond[1];
  /// Degrees travelled before the last speed change, and the clock restarts there.
  double m_travelled = 0;
  int m_motion = 0;
  bool m_running = false;
};

} // namespace trelvix
