#include "app/group_editor.h"

#include "commands/command_layer.h"

namespace trelvix {

TGroupEditor::TGroupEditor(CommandLayer& layer, QWidget* parent)
  : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
  , m_layer(layer)
{
}

void TGroupEditor::open()
{
  show();
}

} // namespace trelvix
