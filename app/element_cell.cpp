#include "app/element_cell.h"

#include "model/element_table.h"

#include <QMouseEvent>
#include <array>

namespace trelvix {

namespace {

struct ColourRun
{
  int first;
  int last;
  QRgb colour;
};

constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb lightCyan = qRgb(119, 255, 255);
constexpr QRgb grey = qRgb(192, 192, 192);
constexpr QRgb purple = qRgb(119, 0, 120);
constexpr QRgb lightYellow = qRgb(255, 255, 119);

// The group colours by runs of element numbers: noble gases white, s-block (with Ac) cyan,
// metals grey, lanthanides and actinides purple, non-metals and metalloids yellow.
constexpr std::array<ColourRun, 25> colourRuns{ {
  { 1, 1, lightCyan }, { 2, 2, white },         { 3, 4, lightCyan }, { 5, 9, lightYellow },
  { 10, 10, white },   { 11, 12, lightCyan },   { 13, 13, grey },    { 14, 17, lightYellow },
  { 18, 18, white },   { 19, 20, lightCyan },   { 21, 32, grey },    { 33, 35, lightYellow },
  { 36, 36, white },   { 37, 38, lightCyan },   { 39, 51, grey },    { 52, 53, lightYellow },
  { 54, 54, white },   { 55, 56, lightCyan },   { 57, 57, grey },    { 58, 71, purple },
  { 72, 84, grey },    { 85, 85, lightYellow }, { 86, 86, white },   { 87, 89, lightCyan },
  { 90, 103, purple },
} };

} // namespace

QColor telement::groupColour(int z)
{
  for (const ColourRun& run : colourRuns)
    if (z >= run.first && z <= run.last)
      return QColor(run.colour);
  return QColor(white);
}

telement::telement(int z, QWidget* parent)
  : QLabel(QString::fromLatin1(elementData(z).symbol), parent)
  , m_element(static_cast<std::int16_t>(z))
{
  const QColor background = groupColour(z);
  // White letters on the dark purple of the lanthanides and actinides, black on the others.
  const QColor ink = background.lightness() < 128 ? Qt::white : Qt::black;
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, background);
  colours.setColor(QPalette::WindowText, ink);
  setPalette(colours);
  setAlignment(Qt::AlignCenter);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setMargin(2);
  setCursor(Qt::PointingHandCursor);
  setAccessibleName(text());
}

void telement::mouseReleaseEvent(QMouseEvent* event)
{
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked(m_element);
  QLabel::mouseReleaseEvent(event);
}

} // namespace trelvix
