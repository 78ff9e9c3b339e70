#include "app/comments_form.h"

#include "app/qt_shell.h"
#include "commands/command_layer.h"
#include "document/drawing.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelvix {

namespace {

/// The longest start of text that takes at most bytes bytes in UTF-8, the encoding the document
/// stores: a text is never cut inside a character.
QString fitted(const QString& text, int bytes)
{
  QString fit = text;
  while (fit.toUtf8().size() > bytes)
    fit.chop(fit.size() > 1 && fit.back().isLowSurrogate() ? 2 : 1);
  return fit;
}

/// Keeps a memo within bytes: typing or pasting beyond it is cut off.
void limitLength(QPlainTextEdit* memo, int bytes)
{
  QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo, bytes] {
    const QString text = memo->toPlainText();
    const QString fit = fitted(text, bytes);
    if (fit.size() == text.size())
      return;
    const QSignalBlocker block(memo);
    memo->setPlainText(fit);
    memo->moveCursor(QTextCursor::End);
  });
}

void limitLength(QLineEdit* edit, int bytes)
{
  edit->setMaxLength(bytes);
  QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, bytes] {
    const QString fit = fitted(edit->text(), bytes);
    if (fit.size() != edit->text().size())
      edit->setText(fit);
  });
}

std::string toText(const QString& text)
{
  return text.toStdString();
}

bool endsWithExtension(const std::string& name)
{
  static constexpr std::string_view extension = ".tvx";
  if (name.size() < extension.size())
    return false;
  for (std::size_t i = 0; i < extension.size(); ++i) {
    const char c = name[name.size() - extension.size() + i];
    if (static_cast<char>(std::tolower(static_cast<unsigned char>(c))) != extension[i])
      return false;
  }
  return true;
}

} // namespace

TCommentsForm::TCommentsForm(QWidget* parent)
  : QDialog(parent)
  , m_title(new QPlainTextEdit(this))
  , m_author(new QLineEdit(this))
  , m_notes(new QPlainTextEdit(this))
{
  setWindowTitle(QStringLiteral("Comments"));
  limitLength(m_author, authorLength);
  limitLength(m_title, titleLength);
  limitLength(m_notes, notesLength);
  m_title->setTabChangesFocus(true);
  m_notes->setTabChangesFocus(true);
  m_title->setFixedHeight(m_title->fontMetrics().lineSpacing() * 3 + 12);

  auto* buttons = new QDialogButtonBox(this);
  auto* help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
  m_cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, &TCommentsForm::helpRequested);

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Title "), m_title);
  fields->addRow(QStringLiteral("Author "), m_author);
  fields->addRow(QStringLiteral("Notes"), m_notes);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(buttons);
  resize(440, 320);
}

std::string TCommentsForm::titleOf(const tDrawing& drawing)
{
  if (!drawing.title.empty())
    return drawing.title;
  const std::string name = drawing.fileName.str();
  return endsWithExtension(name) ? name.substr(0, name.size() - 4) : name;
}

void TCommentsForm::load(const tDrawing& drawing, bool editable)
{
  m_title->setPlainText(QString::fromStdString(titleOf(drawing)));
  m_author->setText(QString::fromStdString(drawing.author));
  m_notes->setPlainText(QString::fromStdString(drawing.notes));
  m_title->setReadOnly(!editable);
  m_author->setReadOnly(!editable);
  m_notes->setReadOnly(!editable);
  m_cancel->setVisible(editable);
}

TCommentsForm::Comments TCommentsForm::comments() const
{
  return { toText(m_title->toPlainText()),
           toText(m_author->text()),
           toText(m_notes->toPlainText()) };
}

int TCommentsForm::editComments(CommandLayer& layer, QtShell& shell)
{
  load(layer.drawing(), true);
  if (!shell.runDialog(*this))
    return QDialog::Rejected;
  const Comments c = comments();
  layer.SetComments(c.title, c.author, c.notes);
  return QDialog::Accepted;
}

int TCommentsForm::showComments(const tDrawing& drawing)
{
  load(drawing, false);
  return exec();
}

} // namespace trelvix
