#include "app/scrolled_surface.h"

#include "app/drawing_surface.h"

#include <QGridLayout>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

namespace trelvix {

namespace {

/// Room beyond the drawing's ends, surface pixels, so its last atom does not touch the edge;
/// less than Fit to Window leaves, so a fitted drawing has nothing to scroll.
constexpr int scrollMargin = 16;
/// One arrow click of a bar moves the view this many pixels, about a bond.
constexpr int arrowStep = 20;

} // namespace

ScrollSpan scrollSpan(double low, double high, double scale, double offset, int visible, int margin)
{
  ScrollSpan span;
  span.value = static_cast<int>(std::lround(-offset));
  const int start = static_cast<int>(std::floor(low * scale)) - margin;
  const int end = static_cast<int>(std::ceil(high * scale)) + margin;
  span.minimum = std::min(start, span.value);
  span.maximum = std::max(end - visible, span.value);
  return span;
}

ScrolledSurface::ScrolledSurface(QWidget* parent)
  : QWidget(parent)
  , m_surface(new DrawingSurface(this))
  , m_horizontal(new QScrollBar(Qt::Horizontal, this))
  , m_vertical(new QScrollBar(Qt::Vertical, this))
{
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  grid->addWidget(m_surface, 0, 0);
  grid->addWidget(m_vertical, 0, 1);
  grid->addWidget(m_horizontal, 1, 0);
  for (QScrollBar* bar : { m_horizontal, m_vertical }) {
    bar->setSingleStep(arrowStep);
    bar->setEnabled(false);
    // The bars pan the view; the keys stay with the drawing.
    bar->setFocusPolicy(Qt::NoFocus);
    connect(bar, &QScrollBar::valueChanged, this, &ScrolledSurface::barMoved);
  }
}

int ScrolledSurface::barExtent() const
{
  return m_vertical->sizeHint().width();
}

void ScrolledSurface::showExtent(const std::optional<DrawnExtent>& extent,
                                 const ViewTransform& view)
{
  const DrawnExtent drawn = extent.value_or(DrawnExtent{});
  const int margin = extent ? scrollMargin : 0;
  const struct
  {
    QScrollBar* bar;
    ScrollSpan span;
    int page;
  } axes[] = {
    { m_horizontal,
      scrollSpan(drawn.left, drawn.right, view.scale, view.offsetX, m_surface->width(), margin),
      m_surface->width() },
    { m_vertical,
      scrollSpan(drawn.top, drawn.bottom, view.scale, view.offsetY, m_surface->height(), margin),
      m_surface->height() },
  };
  for (const auto& axis : axes) {
    const QSignalBlocker quiet(axis.bar);
    axis.bar->setRange(axis.span.minimum, axis.span.maximum);
    axis.bar->setPageStep(std::max(1, axis.page));
    axis.bar->setValue(axis.span.value);
    axis.bar->setEnabled(axis.span.minimum < axis.span.maximum);
  }
  m_shownX = m_horizontal->value();
  m_shownY = m_vertical->value();
}

void ScrolledSurface::barMoved()
{
  const int dx = m_shownX - m_horizontal->value();
  const int dy = m_shownY - m_vertical->value();
  m_shownX = m_horizontal->value();
  m_shownY = m_vertical->value();
  if (dx != 0 || dy != 0)
    emit scrolled(dx, dy);
}

} // namespace trelvix
