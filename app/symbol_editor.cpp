#include "app/symbol_editor.h"

#include "app/tool_placement.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/symbol.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <optional>

namespace trelvix {

namespace {

/// F1 shows the general help.
constexpr int symbolEditorHelp = 111;

/// A button of the editor: its edit on the symbol, or none for "OK".
struct ButtonItem
{
  const char* caption;
  const char* hint;
  std::optional<EditorEdit> edit;
};

const std::array<ButtonItem, 7> buttonItems{ {
  { "OK", nullptr, std::nullopt },
  { "Flip", "Flip symbol top to bottom", EditorEdit::SymbolFlip },
  { "Line", "Toggle symbol line width", EditorEdit::SymbolLine },
  { "Style", "Toggle symbol style if applicable", EditorEdit::SymbolStyle },
  { "Clone", "Duplicate symbol", EditorEdit::SymbolClone },
  { "Delete", "Delete symbol", EditorEdit::SymbolDelete },
  { "Reflect", "Reflect symbol left to right", EditorEdit::SymbolReflect },
} };

/// The bar runs from -180 to 180 (degrees when rotating).
constexpr int scrollRange = 180;
/// A page step of the bar, degrees.
constexpr int scrollPage = 15;
/// The bar's least height, pixels.
constexpr int scrollLength = 220;

} // namespace

TSymbolEditor::TSymbolEditor(CommandLayer& layer, QWidget* parent)
  : ToolWindow(parent, symbolEditorHelp)
  , m_layer(layer)
{
  setWindowTitle(QStringLiteral("Symbol Editor"));
  setToolTip(QStringLiteral("Select F1 for Help"));

  m_scroll = new QScrollBar(Qt::Vertical, this);
  m_scroll->setRange(-scrollRange, scrollRange);
  m_scroll->setPageStep(scrollPage);
  m_scroll->setMinimumHeight(scrollLength);
  m_scroll->setToolTip(QStringLiteral("Rotate symbol"));
  connect(m_scroll, &QScrollBar::valueChanged, this, &TSymbolEditor::scrolled);

  auto* functionBox = new QGroupBox(this);
  functionBox->setToolTip(QStringLiteral("Select scrollbar function"));
  auto* functionColumn = new QVBoxLayout(functionBox);
  m_functions = new QButtonGroup(functionBox);
  for (const auto& [caption, function] : { std::pair{ "Rotate", ScrollFunction::Rotate },
                                           std::pair{ "Zoom", ScrollFunction::Zoom } }) {
    auto* radio = new QRadioButton(QString::fromLatin1(caption), functionBox);
    m_functions->addButton(radio, static_cast<int>(function));
    functionColumn->addWidget(radio);
  }
  m_functions->button(static_cast<int>(ScrollFunction::Rotate))->setChecked(true);
  connect(m_functions, &QButtonGroup::idClicked, this, &TSymbolEditor::centreScrollBar);

  auto* buttons = new QGridLayout;
  for (std::size_t i = 0; i < buttonItems.size(); ++i) {
    const ButtonItem& item = buttonItems[i];
    auto* button = new QPushButton(QString::fromLatin1(item.caption), this);
    if (item.hint)
      button->setToolTip(QString::fromLatin1(item.hint));
    if (item.edit)
      connect(button, &QPushButton::clicked, this, [this, e = *item.edit] { edit(e); });
    else
      connect(button, &QPushButton::clicked, this, &TSymbolEditor::finish);
    buttons->addWidget(button, static_cast<int>(i) / 2, static_cast<int>(i) % 2);
  }

  auto* controls = new QVBoxLayout;
  controls->addWidget(functionBox);
  controls->addLayout(buttons);
  controls->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(m_scroll);
  layout->addLayout(controls);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

double TSymbolEditor::zoomFactor(int position)
{
  // The bar's half length (180) scales by 1.9 upwards; downwards it stops at a tenth, since a
  // symbol scaled to nothing could not be picked again.
  return std::max(0.1, 1.0 + position / 200.0);
}

QPushButton* TSymbolEditor::button(const QString& caption) const
{
  for (QPushButton* button : findChildren<QPushButton*>())
    if (button->text() == caption)
      return button;
  return nullptr;
}

void TSymbolEditor::open()
{
  centreScrollBar();
  if (!m_layer.editedSymbol()) {
    hide();
    return;
  }
  showBesideOwner(this);
}

void TSymbolEditor::centreScrollBar()
{
  // A slid shape stays as it is: it becomes the reference of the next turn or zoom.
  if (m_scroll->value() != 0 && m_layer.editedSymbol())
    m_layer.Edit(EditorEdit::SymbolScrollEnd);
  const QSignalBlocker quiet(m_scroll);
  m_scroll->setValue(0);
}

void TSymbolEditor::scrolled(int position)
{
  if (!m_layer.editedSymbol())
    return;
  if (m_functions->checkedId() == static_cast<int>(ScrollFunction::Zoom))
    m_layer.Edit(EditorEdit::SymbolZoom, zoomFactor(position));
  else
    m_layer.Edit(EditorEdit::SymbolRotate, position);
}

void TSymbolEditor::edit(EditorEdit edit)
{
  if (!m_layer.editedSymbol())
    return;
  m_layer.Edit(edit);
  centreScrollBar();
  if (edit == EditorEdit::SymbolDelete && m_layer.drawing().Symbols->Count() == 0)
    finish();
}

void TSymbolEditor::finish()
{
  hide();
  emit closed();
}

} // namespace trelvix
