#include "app/drawing_surface.h"

#include <QKeyEvent>
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
  setMouseTracking(true); // the keys act on the object under the pointer
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
  m_lastPointer = event->position();
  emit pressed(event->position(), event->button(), event->modifiers());
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event)
{
  m_lastPointer = event->position();
  emit moved(event->position(), event->buttons(), event->modifiers());
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent* event)
{
  m_lastPointer = event->position();
  emit released(event->position(), event->button(), event->modifiers());
}

void DrawingSurface::keyReleaseEvent(QKeyEvent* event)
{
  if (event->isAutoRepeat())
    return;
  emit keyReleased(event->key(), event->modifiers());
}

} // namespace trelvix
