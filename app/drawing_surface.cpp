#include "app/drawing_surface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace trelvix {

DrawingSurface::DrawingSurface(QWidget* parent)
  : QWidget(parent)
{
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::CrossCursor);
  setFocusPolicy(Qt::StrongFocus);
  setToolTip(tr("Type F1 for Help"));
  setMinimumSize(100, 80);
}

void DrawingSurface::fitBuffer()
{
  m_canvas.resize(size(), devicePixelRatioF());
}

void DrawingSurface::paintEvent(QPaintEvent* event)
{
  if (m_canvas.image().devicePixelRatio() != devicePixelRatioF()) {
    fitBuffer();
    emit redrawNeeded();
  }
  QPainter painter(this);
  painter.setClipRegion(event->region());
  painter.fillRect(rect(), Qt::white);
  painter.drawImage(0, 0, m_canvas.image());
}

void DrawingSurface::resizeEvent(QResizeEvent*)
{
  fitBuffer();
  emit redrawNeeded();
}

void DrawingSurface::mousePressEvent(QMouseEvent* event)
{
  if (event->button() == Qt::LeftButton)
    emit leftPressed(event->position());
}

} // namespace trelvix
