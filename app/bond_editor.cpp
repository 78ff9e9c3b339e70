#include "app/bond_editor.h"

#include "commands/command_layer.h"

namespace trelvix {

TBondEditor::TBondEditor(CommandLayer& layer, QWidget* parent)
  : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
  , m_layer(layer)
{
}

void TBondEditor::open()
{
  show();
}

} // namespace trelvix
