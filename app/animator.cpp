#include "app/animator.h"

#include "app/tool_placement.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "model/atom.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <exception>

namespace trelvix {

namespace {

/// Rock and wag swing this many degrees to each side.
constexpr double swingLimit = 60;
constexpr int movingAtoms = 3;

QButtonGroup* radioGroup(QWidget* owner,
                         QVBoxLayout* into,
                         const QString& title,
                         std::initializer_list<const char*> captions)
{
  auto* box = new QGroupBox(title, owner);
  auto* column = new QVBoxLayout(box);
  auto* group = new QButtonGroup(owner);
  int id = 0;
  for (const char* caption : captions) {
    auto* button = new QRadioButton(QString::fromUtf8(caption), box);
    column->addWidget(button);
    group->addButton(button, id++);
  }
  into->addWidget(box);
  return group;
}

} // namespace

double motionAngle(int motion, double travel)
{
  if (motion < 2)
    return std::fmod(travel, 360.0);
  // A swing of 4 × 60 degrees of path: up from 0 to +60, down to -60, up to 0.
  const double p = std::fmod(travel + swingLimit, 4 * swingLimit);
  return p < 2 * swingLimit ? p - swingLimit : 3 * swingLimit - p;
}

TAnimator::TAnimator(CommandLayer& layer, QWidget* parent)
  : QWidget(parent,
            Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint |
              Qt::WindowCloseButtonHint)
  , m_layer(layer)
  , m_timer(new QTimer(this))
{
  setWindowTitle(tr("Animation"));
  auto* layout = new QVBoxLayout(this);
  m_modes = radioGroup(this, layout, tr("Mode"), { "Spin", "Tumble", "Rock", "Wag" });
  m_speeds = radioGroup(this, layout, tr("Speed"), { "Fast", "Medium", "Slow" });
  auto* stop = new QPushButton(tr("Stop"), this);
  layout->addWidget(stop);

  m_timer->setTimerType(Qt::PreciseTimer);
  m_timer->setInterval(framePeriod);
  connect(m_timer, &QTimer::timeout, this, &TAnimator::frame);
  // User clicks only: selecting a mode from start() must not start it twice.
  connect(m_modes, &QButtonGroup::idClicked, this, &TAnimator::changeMotion);
  connect(m_speeds, &QButtonGroup::idClicked, this, &TAnimator::setSpeed);
  connect(stop, &QPushButton::clicked, this, &TAnimator::Button1Click);
  m_speeds->button(1)->setChecked(true);
  m_modes->button(0)->setChecked(true);
  resize(sizeHint().expandedTo(QSize(184, 192)));
}

void TAnimator::setSpeed(int index)
{
  if (index < 0 || index > 2)
    return;
  // The path so far is kept, so a new speed goes on from the angle shown.
  if (m_running && m_clock.isValid()) {
    m_travelled += m_speed * static_cast<double>(m_clock.nsecsElapsed()) * 1e-9;
    m_clock.restart();
  }
  m_speed = degreesPerSecond[static_cast<std::size_t>(index)];
  m_speeds->button(index)->setChecked(true);
}

void TAnimator::start(int motion)
{
  if (motion < 0 || motion > 3)
    return;
  setSpeed(1);
  showBesideOwner(this);
  if (!m_running) {
    m_running = true;
    tDrawing& drawing = m_layer.drawing();
    drawing.update();
    m_start.clear();
    for (tXY* a : drawing.Atoms)
      m_start.push_back({ a, a->x3, a->y3, a->z3 });
    drawing.getcg(m_centre[0], m_centre[1], m_centre[2]);
  }
  changeMotion(motion);
}

void TAnimator::changeMotion(int motion)
{
  if (!m_running)
    return;
  m_modes->button(motion)->setChecked(true);
  m_motion = motion;
  m_travelled = 0;
  m_clock.start();
  // A model of two atoms or fewer stays still.
  if (m_start.size() >= movingAtoms)
    m_timer->start();
}

void TAnimator::frame()
{
  tDrawing& drawing = m_layer.drawing();
  const double travel = m_travelled + m_speed * static_cast<double>(m_clock.nsecsElapsed()) * 1e-9;
  const double angle = motionAngle(m_motion, travel);
  // Spin and wag turn about the vertical axis, tumble and rock about the horizontal one, always
  // from the positions the motion started from.
  const int axis = (m_motion == 0 || m_motion == 3) ? 2 : 1;
  try {
    drawing.Transform3d(nullptr, 0, angle, axis);
    double cx = 0, cy = 0, cz = 0;
    drawing.getcg(cx, cy, cz);
    drawing.shift(m_centre[0] - cx, m_centre[1] - cy, m_centre[2] - cz);
    drawing.Bonds.Update();
    drawing.setn1n2();
    drawing.Repaint();
  } catch (const std::exception&) {
    // A frame the model cannot turn (an arithmetic overflow) ends the motion.
    stopAnimating();
    return;
  }
  emit frameShown(m_motion, angle);
}

void TAnimator::putBack()
{
  tDrawing& drawing = m_layer.drawing();
  for (const StartPosition& s : m_start) {
    s.atom->x3 = s.x;
    s.atom->y3 = s.y;
    s.atom->z3 = s.z;
    s.atom->update3d();
  }
  m_start.clear();
  drawing.update();
  drawing.setn1n2();
  drawing.Repaint();
}

void TAnimator::stopAnimating()
{
  if (!m_running)
    return;
  m_timer->stop();
  m_running = false;
  putBack();
  hide();
  emit finished();
}

void TAnimator::Button1Click()
{
  stopAnimating();
  emit stopPressed();
}

void TAnimator::closeEvent(QCloseEvent* event)
{
  // Closing the window is Stop.
  QWidget::closeEvent(event);
  Button1Click();
}

} // namespace trelvix
