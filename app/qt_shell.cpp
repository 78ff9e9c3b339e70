#include "app/qt_shell.h"

#include "app/drawing_surface.h"
#include "app/startup.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

namespace trelvix {

namespace {

/// How long the status bar shows the last message, milliseconds.
constexpr int lastMessageTime = 10000;

QMessageBox::Icon qIcon(MessageIcon icon)
{
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qButtons(MessageButtons buttons)
{
  switch (buttons) {
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

MessageAnswer answerOf(int button)
{
  switch (button) {
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    default:
      return MessageAnswer::Ok;
  }
}

/// The next scripted answer of a dialog: nothing (cancelled) when none is queued or it is null.
std::optional<QString> takeScripted(std::deque<QString>& queue)
{
  if (queue.empty())
    return std::nullopt;
  const QString answer = queue.front();
  queue.pop_front();
  if (answer.isNull())
    return std::nullopt;
  return answer;
}

} // namespace

QtShell::QtShell() = default;
QtShell::~QtShell() = default;

void QtShell::attach(QWidget* window, DrawingSurface* surface)
{
  m_window = window;
  m_surface = surface;
}

MessageAnswer QtShell::scriptedAnswer(MessageButtons buttons)
{
  if (!m_answers.empty()) {
    const MessageAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
  }
  switch (buttons) {
    case MessageButtons::Ok:
      return MessageAnswer::Ok;
    case MessageButtons::YesNo:
      return MessageAnswer::No;
    default:
      return MessageAnswer::Cancel;
  }
}

MessageAnswer QtShell::message(const std::string& text,
                               const std::string& caption,
                               MessageIcon icon,
                               MessageButtons buttons)
{
  MessageAnswer answer;
  if (m_scripted) {
    answer = scriptedAnswer(buttons);
  } else {
    // An empty caption shows the program's name, as a message box of the system does.
    const QString title =
      caption.empty() ? QString::fromLatin1(programCaption) : QString::fromStdString(caption);
    QMessageBox box(qIcon(icon), title, QString::fromStdString(text), qButtons(buttons), m_window);
    answer = answerOf(box.exec());
  }
  m_shown.push_back({ text, caption, buttons, answer });
  // The last message stays readable in the status bar after its box has gone.
  if (auto* main = qobject_cast<QMainWindow*>(m_window.data()); main && main->statusBar())
    main->statusBar()->showMessage(QString::fromStdString(text), lastMessageTime);
  return answer;
}

MessageAnswer QtShell::askToSave(const QString& name)
{
  const QString text = QStringLiteral("Save changes to %1?").arg(name);
  MessageAnswer answer = MessageAnswer::Cancel;
  if (m_scripted) {
    answer = scriptedAnswer(MessageButtons::YesNoCancel);
  } else {
    QMessageBox box(QMessageBox::Question,
                    QString::fromLatin1(programCaption),
                    text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    m_window);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
      case QMessageBox::Save:
        answer = MessageAnswer::Yes;
        break;
      case QMessageBox::Discard:
        answer = MessageAnswer::No;
        break;
      default:
        break;
    }
  }
  m_shown.push_back({ text.toStdString(), "", MessageButtons::YesNoCancel, answer });
  return answer;
}

void QtShell::processEvents()
{
  QApplication::processEvents(QEventLoop::AllEvents);
}

bool QtShell::stopRequested() const
{
  return m_stopSource && m_stopSource();
}

double QtShell::random()
{
  return std::uniform_real_distribution<double>(0.0, 1.0)(m_random);
}

void QtShell::seedRandom(std::uint64_t seed)
{
  m_random.seed(seed);
}

Canvas& QtShell::mainCanvas()
{
  if (m_surface)
    return m_surface->canvas();
  // Before the window exists (or after it is gone) drawing goes to a buffer nobody shows.
  static BackBufferCanvas unseen;
  return unseen;
}

void QtShell::requestRepaint()
{
  if (m_repaint)
    m_repaint();
}

void QtShell::present()
{
  if (m_surface)
    m_surface->update();
}

void QtShell::captureMouse()
{
  if (m_surface)
    m_surface->grabMouse();
}

void QtShell::releaseMouse()
{
  if (m_surface)
    m_surface->releaseMouse();
}

Point QtShell::cursorPos() const
{
  if (!m_surface)
    return {};
  const QPoint p = m_surface->toDrawing(m_surface->mapFromGlobal(QCursor::pos())).toPoint();
  return { p.x(), p.y() };
}

void QtShell::setCursorPos(Point pos)
{
  if (m_surface)
    QCursor::setPos(m_surface->mapToGlobal(m_surface->toSurface(QPointF(pos.x, pos.y)).toPoint()));
}

std::optional<QString> QtShell::chooseFile(const std::function<std::optional<QString>()>& run)
{
  ++m_fileDialogs;
  return m_scripted ? takeScripted(m_files) : run();
}

std::optional<QString> QtShell::askText(const std::function<std::optional<QString>()>& run)
{
  return m_scripted ? takeScripted(m_texts) : run();
}

bool QtShell::runDialog(QDialog& dialog)
{
  if (!m_scripted)
    return dialog.exec() == QDialog::Accepted;
  if (m_dialogAnswers.empty())
    return true;
  const std::function<bool(QDialog&)> answer = std::move(m_dialogAnswers.front());
  m_dialogAnswers.pop_front();
  return answer(dialog);
}

} // namespace trelvix
