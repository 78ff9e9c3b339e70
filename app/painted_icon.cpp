#include "app/painted_icon.h"

#include <QPainter>
#include <QPixmap>

namespace trelvix {

QIcon paintedIcon(QSize size, qreal devicePixelRatio, double penWidth, void (*draw)(QPainter&))
{
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, penWidth));
  draw(p);
  return QIcon(pixmap);
}

} // namespace trelvix
