// The property window and the reaction tool, opened from the Chemistry menu.
#include "app/main_window.h"
#include "app/molecular_data.h"
#include "app/reaction_tool.h"

namespace trelvix {

void TTrelvix3D::showMolecularData()
{
  auto* window = findChild<TMolecularData*>();
  if (!window)
    window = new TMolecularData(*m_layer, this);
  window->measure();
  // Modal for the user; the tests drive it shown without a modal loop.
  if (m_shell.scripted())
    window->show();
  else
    window->exec();
}

void TTrelvix3D::openReactionTool()
{
  auto* tool = findChild<TReactionTool*>();
  if (!tool)
    tool = new TReactionTool(*m_layer, this);
  if (!tool->start())
    return;
  if (m_shell.scripted())
    tool->show();
  else
    tool->exec();
}

} // namespace trelvix
