// The measurement tool, opened from the Chemistry menu: presses on the drawing measure what the
// tool's choice says.
#include "app/main_window.h"
#include "app/metric_tool.h"
#include "commands/command_layer.h"

namespace trelvix {

void TTrelvix3D::openMetricTool()
{
  auto* tool = findChild<TMetricTool*>();
  if (!tool) {
    tool = new TMetricTool(*m_layer, this);
    connect(tool, &TMetricTool::closed, this, &TTrelvix3D::backToDrawing);
    connect(tool, &TMetricTool::helpRequested, this, &TTrelvix3D::showHelp);
  }
  // An open editor closes: the tool measures the whole document.
  backToDrawing();
  tool->open();
}

void TTrelvix3D::measurePress(QPointF point)
{
  if (auto* tool = findChild<TMetricTool*>())
    tool->measureAt(point.x(), point.y());
}

} // namespace trelvix
