#include "app/tool_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace trelvix {

ToolWindow::ToolWindow(QWidget* parent, int helpContext)
  : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
  , m_helpContext(helpContext)
{
}

void ToolWindow::closeEvent(QCloseEvent* event)
{
  QWidget::closeEvent(event);
  emit closed();
}

void ToolWindow::keyPressEvent(QKeyEvent* event)
{
  // The controls leave F1 to the window, as its hint promises.
  if (event->key() == Qt::Key_F1 && m_helpContext != 0)
    emit helpRequested(m_helpContext);
  else
    QWidget::keyPressEvent(event);
}

} // namespace trelvix
