#include "app/symbol_editor.h"

#include "commands/command_layer.h"

namespace trelvix {

TSymbolEditor::TSymbolEditor(CommandLayer& layer, QWidget* parent)
  : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
  , m_layer(layer)
{
}

void TSymbolEditor::open()
{
  show();
}

} // namespace trelvix
