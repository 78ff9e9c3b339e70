#include "app/bond_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace trelvix {

namespace {

// Every picture shows a bond from left to right across the middle.
constexpr double left = 6;
constexpr double right = 34;
constexpr double middle = 14;

/// One line of a bond, offset lines above (negative) or below the middle.
void bondLine(QPainter& p, double offset, bool dashed)
{
  QPen pen = p.pen();
  pen.setStyle(dashed ? Qt::DashLine : Qt::SolidLine);
  p.setPen(pen);
  p.drawLine(QPointF(left, middle + offset), QPointF(right, middle + offset));
}

/// A bond of lines at the offsets, the ones flagged in dashed drawn dashed.
template<std::size_t N>
void lines(QPainter& p, const std::array<double, N>& offsets, const std::array<bool, N>& dashed)
{
  for (std::size_t i = 0; i < N; ++i)
    bondLine(p, offsets[i], dashed[i]);
}

void wedge(QPainter& p)
{
  p.setBrush(Qt::black);
  p.drawPolygon(
    QPolygonF{ QPointF(left, middle), QPointF(right, middle - 5), QPointF(right, middle + 5) });
}

void hashedWedge(QPainter& p)
{
  for (int i = 0; i <= 7; ++i) {
    const double x = left + 4 * i;
    const double half = 5.0 * i / 7;
    p.drawLine(QPointF(x, middle - half), QPointF(x, middle + half));
  }
}

void wavy(QPainter& p)
{
  QPainterPath path(QPointF(left, middle));
  for (int i = 0; i < 4; ++i) {
    const double x = left + 7 * i;
    path.quadTo(QPointF(x + 3.5, i % 2 == 0 ? middle - 6 : middle + 6), QPointF(x + 7, middle));
  }
  p.drawPath(path);
}

using Draw = void (*)(QPainter&);

// The pictures in the editor's order.
const std::array<Draw, bondPictureCount> pictureTable{ {
  [](QPainter& p) { bondLine(p, 0, false); },
  [](QPainter& p) {
    lines<2>(p, { -2.5, 2.5 }, { false, false });
  },
  [](QPainter& p) {
    lines<3>(p, { -4, 0, 4 }, { false, false, false });
  },
  [](QPainter& p) { bondLine(p, 0, true); },
  [](QPainter& p) {
    lines<2>(p, { -2.5, 2.5 }, { false, true });
  },
  [](QPainter& p) {
    lines<3>(p, { -4, 0, 4 }, { true, false, true });
  },
  wedge,
  hashedWedge,
  wavy,
} };

} // namespace

QIcon bondPicture(int index, qreal devicePixelRatio)
{
  QPixmap pixmap(bondPictureSize * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::FlatCap));
  pictureTable.at(static_cast<std::size_t>(index - 1))(p);
  return QIcon(pixmap);
}

} // namespace trelvix
