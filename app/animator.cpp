#include "app/animator.h"

#include "app/tool_placement.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "platform/shell.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <exception>

namespace trelvix {

namespace {

constexpr int stepOfSpeed[] = { 8, 4, 2 };
constexpr int swingLimit = 60;

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

TAnimator::TAnimator(CommandLayer& layer, QWidget* parent)
  : QWidget(parent,
            Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
  , m_layer(layer)
{
  setWindowTitle(tr("Animation"));
  auto* layout = new QVBoxLayout(this);
  m_modes = radioGroup(this, layout, tr("Mode"), { "Spin", "Tumble", "Rock", "Wag" });
  m_speeds = radioGroup(this, layout, tr("Speed"), { "Fast", "Medium", "Slow" });
  auto* stop = new QPushButton(tr("Stop"), this);
  layout->addWidget(stop);

  // User clicks only: selecting a mode from start() must not start a second loop.
  connect(m_modes, &QButtonGroup::idClicked, this, [this](int mode) { runMotion(mode); });
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
  m_step = stepOfSpeed[index];
  m_speeds->button(index)->setChecked(true);
}

void TAnimator::start(int motion)
{
  setSpeed(1);
  m_modes->button(motion)->setChecked(true);
  // Beside the main window, clear of the model it turns.
  showBesideOwner(this);
  m_animating = true;
  m_layer.drawing().getcg(m_centre[0], m_centre[1], m_centre[2]);
  runMotion(motion);
}

void TAnimator::runMotion(int motion)
{
  ++m_depth;
  m_layer.drawing().update();
  if (m_layer.drawing().Atoms.Count() > 2) {
    int a = 0;
    if (motion == 3)
      m_animating = true;
    try {
      while (m_animating) {
        // The document is fetched each frame: the loop never holds it across event handling.
        tDrawing& drawing = m_layer.drawing();
        double cx = 0, cy = 0, cz = 0;
        drawing.getcg(cx, cy, cz);
        switch (motion) {
          case 0:
            a = (a + m_step) % 360;
            if (a != 0)
              drawing.Tilt(0, a);
            break;
          case 1:
            a = (a + m_step) % 360;
            if (a != 0)
              drawing.Tilt(a, 0);
            break;
          case 2:
            drawing.Tilt(a, 0);
            a += m_step;
            break;
          default:
            drawing.Tilt(0, a);
            a += m_step;
            break;
        }
        drawing.shift(m_centre[0] - cx, m_centre[1] - cy, m_centre[2] - cz);
        drawing.setn1n2();
        drawing.Refresh();
        if (motion >= 2 && (a > swingLimit || a < -swingLimit))
          m_step = -m_step;
        emit frameShown(motion, a);
        currentShell().processEvents();
      }
    } catch (const std::exception&) {
      // A frame the model cannot turn (an arithmetic overflow) ends the motion.
      m_animating = false;
    }
    if (motion != 0)
      m_layer.drawing().update();
  }
  if (--m_depth == 0)
    emit finished();
}

void TAnimator::Button1Click()
{
  m_animating = false;
  hide();
  emit stopPressed();
}

} // namespace trelvix
