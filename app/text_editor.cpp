#include "app/text_editor.h"

#include "app/editor_text.h"
#include "app/tool_placement.h"
#include "commands/command_layer.h"
#include "model/atom.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace trelvix {

namespace {

/// F1 shows the general help.
constexpr int textEditorHelp = 111;

struct ButtonItem
{
  const char* caption;
  const char* hint;
  void (TTextEditor::*click)();
};

/// The width of the text line, in average characters.
constexpr int lineCharacters = 32;

} // namespace

TTextEditor::TTextEditor(CommandLayer& layer, QWidget* parent)
  : ToolWindow(parent, textEditorHelp)
  , m_layer(layer)
{
  setWindowTitle(QStringLiteral("Text Editor"));
  setToolTip(QStringLiteral("Type F1 for Help"));

  m_edit1 = new QLineEdit(this);
  m_edit1->setObjectName(QStringLiteral("Edit1"));
  m_edit1->setMaxLength(editorTextLength);
  m_edit1->setMinimumWidth(m_edit1->fontMetrics().averageCharWidth() * lineCharacters);
  connect(m_edit1, &QLineEdit::textEdited, this, &TTextEditor::typed);
  connect(m_edit1, &QLineEdit::returnPressed, this, &TTextEditor::done);

  const std::array<ButtonItem, 4> buttons{ {
    { "Done", nullptr, &TTextEditor::done },
    { "Font", "Change text font", &TTextEditor::font },
    { "Clone", "Duplicate text", &TTextEditor::clone },
    { "Delete", "Delete text", &TTextEditor::remove },
  } };
  auto* row = new QHBoxLayout;
  for (const ButtonItem& item : buttons) {
    auto* button = new QPushButton(QString::fromLatin1(item.caption), this);
    if (item.hint)
      button->setToolTip(QString::fromLatin1(item.hint));
    connect(button, &QPushButton::clicked, this, item.click);
    row->addWidget(button);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_edit1);
  layout->addLayout(row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* TTextEditor::button(const QString& caption) const
{
  for (QPushButton* button : findChildren<QPushButton*>())
    if (button->text() == caption)
      return button;
  return nullptr;
}

void TTextEditor::open()
{
  const tLAtm* text = m_layer.editedText();
  if (!text)
    return;
  setWindowTitle(text->textFlag == tFormula::formulaKind ? QStringLiteral("Formula Formula")
                                                         : QStringLiteral("Text Editor"));
  showText();
  showBesideOwner(this);
  m_edit1->setFocus();
}

void TTextEditor::showText()
{
  if (const tLAtm* text = m_layer.editedText())
    m_edit1->setText(QString::fromStdString(text->symbol.str()));
}

void TTextEditor::typed(const QString& text)
{
  if (tLAtm* edited = m_layer.editedText())
    m_layer.SetText(edited, documentText(text));
}

void TTextEditor::done()
{
  hide();
  emit closed();
}

void TTextEditor::font()
{
  if (m_layer.editedText())
    emit fontRequested();
}

void TTextEditor::clone()
{
  if (!m_layer.editedText())
    return;
  m_layer.Edit(EditorEdit::TextClone);
  showText();
}

void TTextEditor::remove()
{
  if (!m_layer.editedText())
    return;
  m_layer.Edit(EditorEdit::TextDelete);
  hide();
  emit closed();
}

} // namespace trelvix
