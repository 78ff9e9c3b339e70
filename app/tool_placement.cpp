#include "app/tool_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace trelvix {

namespace {

constexpr int gap = 8;

void moveBeside(QWidget* tool, QWidget* owner, QSize size)
{
  const QRect ownerFrame = owner->frameGeometry();
  const QScreen* screen = owner->screen();
  const QRect room = screen ? screen->availableGeometry() : ownerFrame;
  int x = ownerFrame.right() + 1 + gap;
  if (x + size.width() > room.right() + 1)
    x = ownerFrame.left() - gap - size.width();
  if (x < room.left())
    x = room.right() + 1 - size.width();
  int y = std::clamp(
    ownerFrame.top(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height()));
  // A window the window manager has not framed yet is placed by its client area: it goes down
  // by the owner's title bar, so that its own title bar stays on the screen.
  if (tool->frameGeometry().top() == tool->geometry().top())
    y += owner->geometry().top() - ownerFrame.top();
  tool->move(std::max(x, room.left()), y);
}

QWidget* ownerOf(QWidget* tool)
{
  return tool->parentWidget() ? tool->parentWidget()->window() : nullptr;
}

} // namespace

void showBesideOwner(QWidget* tool)
{
  QWidget* owner = ownerOf(tool);
  const bool placed = tool->isVisible() || !owner;
  // Shown first: the window's final size is known only once its layout has run.
  tool->show();
  tool->raise();
  if (!placed)
    moveBeside(tool, owner, tool->frameGeometry().size());
}

void placeBesideOwner(QWidget* tool)
{
  QWidget* owner = ownerOf(tool);
  if (!owner || tool->isVisible())
    return;
  tool->adjustSize();
  moveBeside(tool, owner, tool->size());
}

} // namespace trelvix
