// The force fields beside the classic one in the main window: Optimize (MMFF94) and Optimize (UFF)
// with the Stop window, on the document or the group editor's group, and the Vibrations tool.
#include "app/animator.h"
#include "app/main_window.h"
#include "app/menu_bars.h"
#include "app/stop_tool.h"
#include "app/vibrations_tool.h"
#include "commands/command_layer.h"

#include <QTimer>

namespace trelvix {

void TTrelvix3D::optimiseWithForceField(int choice)
{
  if (m_layer->busy() || m_animator->running())
    return;
  m_layer->armBuildCode(0);
  // The bar in use comes back afterwards: the group editor's, while it stays open.
  const MenuBarId before = m_menus->current();
  showMenuBar(MenuBarId::OptimizeMenu);
  m_stopTool->FormShow();
  ForceFieldRun run;
  m_layer->OptimizeWith(
    static_cast<ForceFieldChoice>(choice),
    m_stopTool->state(),
    [this](const ForceFieldRun& soFar) { m_stopTool->refresh(soFar.energy * 1000); },
    &run);
  m_stopTool->finish();
  showMenuBar(before);
  repaintDocument();
  if (run.protonsAdded)
    showMessage("Hydrogens were added in 3D before the optimisation", run.forceField);
  if (m_closeWhenIdle)
    QTimer::singleShot(0, this, &QWidget::close);
}

void TTrelvix3D::openVibrations()
{
  auto* tool = findChild<TVibrationsTool*>();
  if (!tool)
    tool = new TVibrationsTool(*m_layer, m_shell, this);
  tool->show();
  tool->raise();
  tool->analyse();
}

} // namespace trelvix
