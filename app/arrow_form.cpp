#include "app/arrow_form.h"

#include "app/painted_icon.h"

#include <QGridLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>
#include <cmath>
#include <numbers>

namespace trelvix {

namespace {

constexpr QSize pictureSize(44, 32);

/// A filled arrow head at tip, pointing along the direction angle (radians); half draws only the
/// upper side, as the equilibrium arrows do.
void head(QPainter& p, QPointF tip, double angle, bool half = false)
{
  const double length = 8;
  const double spread = 0.45;
  const QPointF back = tip - QPointF(std::cos(angle), std::sin(angle)) * length;
  const QPointF side(std::sin(angle) * length * spread, -std::cos(angle) * length * spread);
  QPolygonF shape{ tip, back + side, half ? back : back - side };
  p.setBrush(Qt::black);
  p.drawPolygon(shape);
}

void singleArrow(QPainter& p)
{
  p.drawLine(QPointF(6, 16), QPointF(36, 16));
  head(p, { 38, 16 }, 0);
}

void doubleArrow(QPainter& p)
{
  p.drawLine(QPointF(8, 16), QPointF(36, 16));
  head(p, { 38, 16 }, 0);
  head(p, { 6, 16 }, std::numbers::pi);
}

void equilibriumHalf(QPainter& p)
{
  p.drawLine(QPointF(6, 13), QPointF(36, 13));
  head(p, { 38, 13 }, 0, true);
  p.drawLine(QPointF(8, 19), QPointF(38, 19));
  head(p, { 6, 19 }, std::numbers::pi, true);
}

void equilibriumFull(QPainter& p)
{
  p.drawLine(QPointF(6, 11), QPointF(36, 11));
  head(p, { 38, 11 }, 0);
  p.drawLine(QPointF(8, 21), QPointF(38, 21));
  head(p, { 6, 21 }, std::numbers::pi);
}

/// A quarter-circle arrow; quadrant 0..3 turns it in steps of 90 degrees.
void curvedArrow(QPainter& p, int quadrant)
{
  p.translate(22, 16);
  p.rotate(90.0 * quadrant);
  QPainterPath arc;
  arc.moveTo(-11, 7);
  arc.quadTo(-11, -9, 9, -9);
  p.setBrush(Qt::NoBrush);
  p.drawPath(arc);
  head(p, { 12, -9 }, 0);
}

void arc(QPainter& p)
{
  QPainterPath path;
  path.moveTo(8, 24);
  path.quadTo(22, 0, 36, 24);
  p.drawPath(path);
}

void triangle(QPainter& p)
{
  p.drawPolygon(QPolygonF{ QPointF(22, 5), QPointF(35, 27), QPointF(9, 27) });
}

void letters(QPainter& p, const QString& text, bool subscriptDigits)
{
  QFont font = p.font();
  font.setPixelSize(16);
  font.setBold(true);
  double x = 8;
  for (const QChar c : text) {
    const bool low = subscriptDigits && c.isDigit();
    font.setPixelSize(low ? 11 : 16);
    p.setFont(font);
    p.drawText(QPointF(x, low ? 25 : 22), QString(c));
    x += p.fontMetrics().horizontalAdvance(c);
  }
}

struct PictureItem
{
  int code;
  const char* tip;
  void (*draw)(QPainter&);
};

// The palette's pictures in order, with the build codes they arm.
const std::array<PictureItem, 13> pictureTable{ {
  { 720, "Reaction arrow", singleArrow },
  { 721, "Double-headed arrow", doubleArrow },
  { 722, "Equilibrium arrow", equilibriumHalf },
  { 723, "Equilibrium arrow, full heads", equilibriumFull },
  { 724, "Curved arrow", [](QPainter& p) { curvedArrow(p, 0); } },
  { 725, "Curved arrow", [](QPainter& p) { curvedArrow(p, 1); } },
  { 726, "Curved arrow", [](QPainter& p) { curvedArrow(p, 2); } },
  { 727, "Curved arrow", [](QPainter& p) { curvedArrow(p, 3); } },
  { 728, "Arc", arc },
  { 729, "Triangle", triangle },
  { 607, "Text label", [](QPainter& p) { letters(p, QStringLiteral("A"), false); } },
  { 608, "Formula", [](QPainter& p) { letters(p, QStringLiteral("H2O"), true); } },
  { 730, "Plus sign", [](QPainter& p) { letters(p, QStringLiteral("+"), false); } },
} };

} // namespace

TArrowForm::TArrowForm(QWidget* parent)
  : QWidget(parent, Qt::Tool)
{
  setWindowTitle(QStringLiteral("Symbol"));
  auto* grid = new QGridLayout;
  grid->setSpacing(2);
  const int columns = 4;
  for (std::size_t i = 0; i < pictureTable.size(); ++i) {
    const PictureItem& item = pictureTable[i];
    auto* button = new QToolButton(this);
    button->setIcon(paintedIcon(pictureSize, devicePixelRatioF(), 1.6, item.draw));
    button->setIconSize(pictureSize);
    button->setToolTip(QString::fromLatin1(item.tip));
    button->setAccessibleName(QString::fromLatin1(item.tip));
    const int code = item.code;
    connect(button, &QToolButton::clicked, this, [this, code] { emit armed(code); });
    grid->addWidget(button, static_cast<int>(i) / columns, static_cast<int>(i) % columns);
    m_pictures.push_back({ button, code });
  }

  auto* close = new QPushButton(QStringLiteral("Close"), this);
  connect(close, &QPushButton::clicked, this, [this] {
    hide();
    emit closed();
  });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(close);
}

} // namespace trelvix
