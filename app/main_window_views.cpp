// The view commands of the main window: display styles, normal and stereo view, animation.
#include "app/animator.h"
#include "app/main_window.h"
#include "app/menu_bars.h"
#include "app/tool_bar.h"
#include "commands/command_layer.h"
#include "document/drawing.h"

#include <QAction>

namespace trelvix {

namespace {
constexpr int stereoOffset = 100;
constexpr int styleCount = 20;
} // namespace

void TTrelvix3D::chooseStyle(int code)
{
  // The three copies of the style items (drawing, animation, optimise bars) stay in step. A
  // style chosen in stereo view returns to the plain view of that style.
  for (QAction* item : m_menus->styleActions())
    item->setChecked(item->data().toInt() == code);
  m_toolBar->showStyle(code);
  // Also while the optimiser runs: its bar offers the styles, shown with the next pass.
  m_layer->SetView(code);
}

void TTrelvix3D::normalView()
{
  m_layer->SetView(m_layer->drawing().viewMode % stereoOffset);
  refreshViewChecks();
}

void TTrelvix3D::stereoView()
{
  // Adds the offset even in stereo view already; NormalView still finds the plain style.
  m_layer->SetView(m_layer->drawing().viewMode + stereoOffset);
  refreshViewChecks();
}

void TTrelvix3D::refreshViewChecks()
{
  const int code = m_layer->drawing().viewMode;
  const int style = code % stereoOffset;
  if (style < styleCount) {
    for (QAction* item : m_menus->styleActions())
      item->setChecked(item->data().toInt() == style);
    m_toolBar->showStyle(style);
  }
  const bool normal = code < stereoOffset;
  for (QAction* item : m_menus->actions(Command::NormalView))
    item->setChecked(normal);
  for (QAction* item : m_menus->actions(Command::StereoView))
    item->setChecked(!normal);
  // The stereo pair cannot be animated.
  for (int motion = 0; motion < 4; ++motion) {
    if (QAction* item = m_menus->action(MenuBarId::MainMenu1, Command::Animate, motion))
      item->setEnabled(normal);
  }
}

void TTrelvix3D::animate(int motion)
{
  if (m_layer->busy())
    return;
  showMenuBar(MenuBarId::AnimationMenu);
  chooseSpeed(1);
  m_animator->start(motion);
}

void TTrelvix3D::stopAnimation()
{
  // The animator closes and gives the document back as it was; its finish brings the bar back.
  m_animator->stopAnimating();
  showMenuBar(MenuBarId::MainMenu1);
}

void TTrelvix3D::chooseSpeed(int index)
{
  // Only the check marks: the animator's own Speed group sets the step.
  for (int i = 0; i < 3; ++i) {
    for (QAction* item : m_menus->actions(Command::Speed, i))
      item->setChecked(i == index);
  }
}

} // namespace trelvix
