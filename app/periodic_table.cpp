#include "app/periodic_table.h"

#include "commands/command_layer.h"

namespace trelvix {

TPeriodicTable::TPeriodicTable(CommandLayer& layer, QWidget* parent)
  : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
  , m_layer(layer)
{
}

void TPeriodicTable::openOnAtom()
{
  show();
}

void TPeriodicTable::openForPlacement()
{
  show();
}

} // namespace trelvix
