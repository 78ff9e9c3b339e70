#include "app/drawing_surface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

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

void DrawingSurface::setView(const ViewTransform* view)
{
  m_view = view;
  syncView();
}

void DrawingSurface::syncView()
{
  const ViewTransform view = m_view ? *m_view : ViewTransform{};
  m_canvas.setView(view.scale, view.offsetX, view.offsetY);
}

QPointF DrawingSurface::toDrawing(QPointF surface) const
{
  if (!m_view)
    return surface;
  return { m_view->drawingX(surface.x()), m_view->drawingY(surface.y()) };
}

QPointF DrawingSurface::toSurface(QPointF drawing) const
{
  if (!m_view)
    return drawing;
  return { m_view->surfaceX(drawing.x()), m_view->surfaceY(drawing.y()) };
}

void DrawingSurface::mousePressEvent(QMouseEvent* event)
{
  m_lastPointer = toDrawing(event->position());
  emit pressed(m_lastPointer, event->button(), event->modifiers());
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event)
{
  m_lastPointer = toDrawing(event->position());
  emit moved(m_lastPointer, event->buttons(), event->modifiers());
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent* event)
{
  m_lastPointer = toDrawing(event->position());
  emit released(m_lastPointer, event->button(), event->modifiers());
}

void DrawingSurface::wheelEvent(QWheelEvent* event)
{
  const int degrees = event->angleDelta().y();
  if (degrees == 0) {
    event->ignore();
    return;
  }
  event->accept();
  emit wheeled(event->position(), degrees, event->modifiers());
}

namespace {

bool commandKeysHeld(Qt::KeyboardModifiers keys)
{
  return (keys & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != Qt::NoModifier;
}

} // namespace

void DrawingSurface::keyPressEvent(QKeyEvent* event)
{
  if (event->key() == Qt::Key_Space)
    m_spaceHeld = true;
  if (commandKeysHeld(event->modifiers()))
    m_plainKeys.remove(event->key());
  else
    m_plainKeys.insert(event->key());
  QWidget::keyPressEvent(event);
}

void DrawingSurface::keyReleaseEvent(QKeyEvent* event)
{
  if (event->isAutoRepeat())
    return;
  if (event->key() == Qt::Key_Space)
    m_spaceHeld = false;
  const bool pressedPlain = m_plainKeys.remove(event->key());
  if (!pressedPlain || commandKeysHeld(event->modifiers()))
    return;
  emit keyReleased(event->key(), event->modifiers());
}

} // namespace trelvix
