#include "app/group_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace trelvix {

namespace {

constexpr QPointF centre(16, 16);

/// A filled arrow head at tip pointing along angle (radians, screen axes).
void head(QPainter& p, QPointF tip, double angle)
{
  const double length = 6;
  const QPointF back = tip - QPointF(std::cos(angle), std::sin(angle)) * length;
  const QPointF side(std::sin(angle) * 3, -std::cos(angle) * 3);
  p.save();
  p.setBrush(p.pen().color());
  p.drawPolygon(QPolygonF{ tip, back + side, back - side });
  p.restore();
}

/// Three quarters of an ellipse with radii (rx, ry) about the centre, ending in an arrow head.
void turnArrow(QPainter& p, double rx, double ry)
{
  QPainterPath path;
  const QRectF box(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
  path.arcMoveTo(box, 0);
  path.arcTo(box, 0, 270);
  p.drawPath(path);
  // Qt's arcs count counter-clockwise from 3 o'clock: this one ends at the bottom, running
  // rightwards.
  head(p, QPointF(centre.x() + 2, centre.y() + ry), 0);
}

void axis(QPainter& p, QPointF from, QPointF to)
{
  p.save();
  p.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
  p.drawLine(from, to);
  p.restore();
}

void rotate(QPainter& p)
{
  turnArrow(p, 11, 11);
  p.drawEllipse(centre, 1.5, 1.5);
}

void turn(QPainter& p)
{
  axis(p, QPointF(16, 2), QPointF(16, 30));
  turnArrow(p, 12, 5);
}

void tilt(QPainter& p)
{
  axis(p, QPointF(2, 16), QPointF(30, 16));
  turnArrow(p, 5, 12);
}

void zoom(QPainter& p)
{
  p.drawRect(QRectF(4, 16, 10, 10));
  p.drawRect(QRectF(4, 4, 24, 22));
  p.drawLine(QPointF(14, 16), QPointF(22, 8));
  head(p, QPointF(24, 6), -std::numbers::pi / 4);
}

void pivot(QPainter& p)
{
  // The bond: two atoms joined by a line, with the turn drawn round it.
  p.save();
  p.setPen(QPen(Qt::black, 2.5));
  p.drawLine(QPointF(3, 16), QPointF(29, 16));
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(4, 16), 2.5, 2.5);
  p.drawEllipse(QPointF(28, 16), 2.5, 2.5);
  p.restore();
  turnArrow(p, 5, 11);
}

} // namespace

QPixmap groupPicture(GroupPicture picture, qreal devicePixelRatio)
{
  QPixmap pixmap(groupPictureSize * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1.5));
  switch (picture) {
    case GroupPicture::Rotate:
      rotate(p);
      break;
    case GroupPicture::Turn:
      turn(p);
      break;
    case GroupPicture::Tilt:
      tilt(p);
      break;
    case GroupPicture::Zoom:
      zoom(p);
      break;
    case GroupPicture::Pivot:
      pivot(p);
      break;
  }
  return pixmap;
}

} // namespace trelvix
