#include "app/animator.h"

#include "app/tool_placement.h"
#include "commands/command_layer.h"
#include "document/drawing.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

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
    m_layer.StartAnimation();
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
  if (m_layer.drawing().Atoms.Count() >= movingAtoms)
    m_timer->start();
}

void TAnimator::frame()
{
  const double travel = m_travelled + m_speed * static_cast<double>(m_clock.nsecsElapsed()) * 1e-9;
  const double angle = motionAngle(m_motion, travel);
  // Spin and wag turn about the vertical axis, tumble and rock about the horizontal one, always
  // from the positions the motion started from.
  const int axis = (m_motion == 0 || m_motion == 3) ? 2 : 1;
  m_layer.AnimationFrame(angle, axis);
  if (!m_layer.animating()) {
    // A frame the model cannot turn (an arithmetic overflow) has ended the motion.
    stopAnimating();
    return;
  }
  emit frameShown(m_motion, angle);
}

void TAnimator::stopAnimating()
{
  if (!m_running)
    return;
  m_timer->stop();
  m_running = false;
  m_layer.StopAnimation();
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
