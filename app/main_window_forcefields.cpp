// The force fields beside the classic one in the main window: Optimize (MMFF94) and Optimize (UFF)
// with the Stop window, on the document or the group editor's group, and the Vibrations tool.
#include "app/animator.h"
#include "app/main_window.h"
#include "app/menu_bars.h"
#include "app/status_line.h"
#include "app/stop_tool.h"
#include "app/vibrations_tool.h"
#include "commands/command_layer.h"

#include <QTimer>

namespace trelvix {

namespace {

/// How long a note stays on the status line.
constexpr int noticeMilliseconds = 10000;

} // namespace

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
  // A note, not a box to dismiss: the hydrogens are plain to see and one Undo takes them back
  // with the optimisation.
  if (run.protonsAdded)
    m_status->showMessage(QString::fromStdString(run.forceField) +
                            QStringLiteral(": Hydrogens were added in 3D before the optimisation"),
                          noticeMilliseconds);
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
