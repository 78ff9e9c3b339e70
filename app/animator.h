#pragma once

#include <QWidget>
#include <array>

class QButtonGroup;

namespace trelvix {

class CommandLayer;

/// The animation control window: "Mode" (Spin, Tumble, Rock, Wag), "Speed" (Fast 8, Medium 4,
/// Slow 2 degrees per frame) and "Stop". It runs the motion loops on the UI thread: each frame
/// turns the model about its starting centre of gravity, redraws it and lets the program handle
/// pending events, so the menus and this window's buttons work between frames. A motion started
/// while one runs runs inside the current frame; stopping ends the inner loop and then the outer.
class TAnimator : public QWidget
{
  Q_OBJECT

public:
  TAnimator(CommandLayer& layer, QWidget* parent = nullptr);

  /// Starts motion (0 spin, 1 tumble, 2 rock, 3 wag) at medium speed and shows the window;
  /// returns when the motion has been stopped (at once for a document of two atoms or fewer).
  void start(int motion);
  /// Clears the animating flag: every running loop ends after its frame.
  void stopAnimating() { m_animating = false; }

  bool animating() const { return m_animating; }
  /// True while any motion loop is on the stack.
  bool running() const { return m_depth > 0; }
  /// Degrees per frame; Rock and Wag reverse its sign at each end of the swing.
  int step() const { return m_step; }
  void setSpeed(int index);

signals:
  /// After every frame: the loop's motion and its angle in degrees.
  void frameShown(int motion, int angle);
  /// The Stop button was pressed: the main window goes back to drawing.
  void stopPressed();
  /// The outermost motion loop has ended.
  void finished();

private:
  void runMotion(int motion);
  void Button1Click();

  CommandLayer& m_layer;
  QButtonGroup* m_modes;
  QButtonGroup* m_speeds;
  int m_step = 4;
  bool m_animating = false;
  int m_depth = 0;
  std::array<double, 3> m_centre{};
};

} // namespace trelvix
