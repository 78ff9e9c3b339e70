#include "app/tool_bar.h"

#include "app/menu_bars.h"
#include "app/painted_icon.h"
#include "commands/force_field_command.h"
#include "mechanics/optimiser.h"

#include <QAction>
#include <QComboBox>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>

namespace trelvix {

namespace {

constexpr int iconSide = 24;
const QPointF centre(iconSide / 2.0, iconSide / 2.0);

void polygon(QPainter& p, int corners, double radius = 9)
{
  QPolygonF shape;
  for (int k = 0; k < corners; ++k) {
    // A flat bottom edge, as rings are drawn.
    const double angle =
      std::numbers::pi / 2 + std::numbers::pi / corners + 2 * std::numbers::pi * k / corners;
    shape << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
  }
  p.drawPolygon(shape);
}

void benzene(QPainter& p)
{
  polygon(p, 6);
  p.drawEllipse(centre, 5.0, 5.0);
}

void chain(QPainter& p)
{
  p.drawPolyline(QPolygonF{ { 2, 15 }, { 7.5, 9 }, { 12.5, 15 }, { 17.5, 9 }, { 22, 15 } });
}

void arrow(QPainter& p)
{
  p.drawLine(QPointF(3, 12), QPointF(17, 12));
  p.setBrush(Qt::black);
  p.drawPolygon(QPolygonF{ { 22, 12 }, { 15, 8.5 }, { 15, 15.5 } });
}

/// The pointer: Reset takes back what is armed.
void pointer(QPainter& p)
{
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF{
    { 7, 3 }, { 7, 19 }, { 11, 15 }, { 14, 21 }, { 16.5, 20 }, { 13.5, 14 }, { 19, 14 } });
}

void turnArrow(QPainter& p, bool back)
{
  QPainterPath path;
  path.arcMoveTo(QRectF(4, 5, 16, 14), back ? 150 : 30);
  path.arcTo(QRectF(4, 5, 16, 14), back ? 150 : 30, back ? -240 : 240);
  p.drawPath(path);
  const QPointF tip = back ? QPointF(5, 7) : QPointF(19, 7);
  p.setBrush(Qt::black);
  const double side = back ? 1 : -1;
  p.drawPolygon(QPolygonF{ tip + QPointF(-2 * side, -4), tip + QPointF(4 * side, 1), tip });
}

/// A well with a ball at its foot: the geometry goes down to its energy minimum.
void minimum(QPainter& p, const char* mark)
{
  QPainterPath well;
  const double top = *mark ? 9 : 4;
  well.moveTo(2, top);
  well.cubicTo(8, 26, 16, 26, 22, top);
  p.drawPath(well);
  p.setBrush(QColor(0xc0, 0x20, 0x20));
  p.drawEllipse(QPointF(12, 15.5), 3.0, 3.0);
  if (*mark) {
    QFont font = p.font();
    font.setPixelSize(7);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(0, 0, iconSide, 8), Qt::AlignCenter, QString::fromLatin1(mark));
  }
}

void element(QPainter& p, const char* symbol, QColor colour)
{
  QFont font = p.font();
  font.setPixelSize(17);
  font.setBold(true);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(QRectF(0, 0, iconSide, iconSide), Qt::AlignCenter, QString::fromLatin1(symbol));
}

using Painter = void (*)(QPainter&);

struct ToolItem
{
  Command command;
  int tag;
  const char* tip;
  Painter draw;
  bool separatorBefore = false;
};

constexpr int optimizeGeometry = static_cast<int>(OptimiseCommand::OptimizeGeometry);
constexpr int mmff94 = static_cast<int>(ForceFieldChoice::MMFF94);

// The pictures in order. A BuildCode's tag is the code it arms; an AddAtom's the element.
const std::array<ToolItem, 19> toolItems{ {
  { Command::Reset, 0, "Reset: arm nothing", pointer },
  { Command::Undo, -1, "Undo", [](QPainter& p) { turnArrow(p, true); } },
  { Command::Redo, 0, "Redo", [](QPainter& p) { turnArrow(p, false); } },
  { Command::BuildCode, 151, "Ring of 3", [](QPainter& p) { polygon(p, 3); }, true },
  { Command::BuildCode, 152, "Ring of 4", [](QPainter& p) { polygon(p, 4); } },
  { Command::BuildCode, 153, "Ring of 5", [](QPainter& p) { polygon(p, 5); } },
  { Command::BuildCode, 154, "Ring of 6", [](QPainter& p) { polygon(p, 6); } },
  { Command::BuildCode, 155, "Ring of 7", [](QPainter& p) { polygon(p, 7); } },
  { Command::BuildCode, 156, "Ring of 8", [](QPainter& p) { polygon(p, 8); } },
  { Command::BuildCode, 701, "Benzene", benzene },
  { Command::BuildCode, 505, "Chain: pentane", chain },
  { Command::AddAtom, 6, "Carbon atom", [](QPainter& p) { element(p, "C", Qt::black); }, true },
  { Command::AddAtom,
    7,
    "Nitrogen atom",
    [](QPainter& p) { element(p, "N", QColor(0x20, 0x40, 0xd0)); } },
  { Command::AddAtom,
    8,
    "Oxygen atom",
    [](QPainter& p) { element(p, "O", QColor(0xd0, 0x10, 0x10)); } },
  { Command::AddAtom,
    16,
    "Sulfur atom",
    [](QPainter& p) { element(p, "S", QColor(0xb0, 0x90, 0x00)); } },
  { Command::BuildCode, 720, "Reaction arrow", arrow, true },
  { Command::Optimise,
    optimizeGeometry,
    "Optimize Geometry",
    [](QPainter& p) { minimum(p, ""); },
    true },
  { Command::OptimiseForceField,
    mmff94,
    "Optimize (MMFF94)",
    [](QPainter& p) { minimum(p, "MMFF"); } },
  { Command::DrawMode3D, 0, "3D Draw Mode", [](QPainter& p) { element(p, "3D", Qt::black); } },
} };

} // namespace

ToolBar::ToolBar(MenuBars& menus, QWidget* parent)
  : QToolBar(tr("Tools"), parent)
{
  setObjectName(QStringLiteral("tools"));
  setMovable(false);
  setIconSize(QSize(iconSide, iconSide));
  for (const ToolItem& item : toolItems) {
    if (item.separatorBefore)
      addSeparator();
    auto* picture =
      new QAction(paintedIcon(QSize(iconSide, iconSide), devicePixelRatioF(), 1.5, item.draw),
                  QString::fromLatin1(item.tip),
                  this);
    const Command command = item.command;
    const int tag = item.tag;
    connect(
      picture, &QAction::triggered, this, [this, command, tag] { emit triggered(command, tag); });
    // A menu item's picture is enabled and checked as the item is (the menus keep their texts:
    // the item itself carries no picture).
    if (QAction* menuItem = menus.action(MenuBarId::MainMenu1, command, tag)) {
      const auto follow = [picture, menuItem] {
        picture->setEnabled(menuItem->isEnabled());
        picture->setCheckable(menuItem->isCheckable());
        picture->setChecked(menuItem->isChecked());
      };
      connect(menuItem, &QAction::changed, picture, follow);
      follow();
    }
    addAction(picture);
  }
  addSeparator();
  m_styles = new QComboBox(this);
  m_styles->setObjectName(QStringLiteral("styles"));
  m_styles->setToolTip(tr("Display style"));
  for (const StyleItem& style : styleItems())
    m_styles->addItem(withoutAccessKeys(QString::fromUtf8(style.caption)), style.code);
  connect(m_styles, &QComboBox::activated, this, [this](int index) {
    emit triggered(Command::Style, m_styles->itemData(index).toInt());
  });
  addWidget(m_styles);
}

void ToolBar::showStyle(int code)
{
  const int index = m_styles->findData(code);
  if (index >= 0)
    m_styles->setCurrentIndex(index);
}

} // namespace trelvix
