#include "app/text_editor.h"

#include "commands/command_layer.h"

namespace trelvix {

TTextEditor::TTextEditor(CommandLayer& layer, QWidget* parent)
  : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
  , m_layer(layer)
{
}

void TTextEditor::open()
{
  show();
}

} // namespace trelvix
