#include "app/tool_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace trelvix {

namespace {

constexpr int gap = 8;

} // namespace

void showBesideOwner(QWidget* tool)
{
  QWidget* owner = tool->parentWidget() ? tool->parentWidget()->window() : nullptr;
  const bool placed = tool->isVisible() || !owner;
  // Shown first: the window's final size is known only once its layout has run.
  tool->show();
  tool->raise();
  if (!placed) {
    const QRect ownerFrame = owner->frameGeometry();
    const QSize size = tool->frameGeometry().size();
    const QScreen* screen = owner->screen();
    const QRect room = screen ? screen->availableGeometry() : ownerFrame;
    int x = ownerFrame.right() + 1 + gap;
    if (x + size.width() > room.right() + 1)
      x = ownerFrame.left() - gap - size.width();
    if (x < room.left())
      x = room.right() + 1 - size.width();
    const int y = std::clamp(
      ownerFrame.top(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height()));
    tool->move(std::max(x, room.left()), y);
  }
}

} // namespace trelvix
