#include "app/back_buffer.h"

#include <QColor>
#include <cmath>

namespace trelvix {

BackBufferCanvas::BackBufferCanvas()
{
  setAntialiased(true);
  resize(QSize(1, 1), 1.0);
}

BackBufferCanvas::~BackBufferCanvas()
{
  if (m_painter.isActive())
    m_painter.end();
}

void BackBufferCanvas::resize(QSize size, qreal ratio)
{
  size = size.expandedTo(QSize(1, 1));
  if (size == m_size && ratio == m_image.devicePixelRatio())
    return;
  QImage image(static_cast<int>(std::ceil(size.width() * ratio)),
               static_cast<int>(std::ceil(size.height() * ratio)),
               QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  if (m_painter.isActive())
    m_painter.end();
  if (!m_image.isNull()) {
    QPainter copy(&image);
    copy.drawImage(0, 0, m_image);
  }
  m_image = std::move(image);
  m_size = size;
  m_painter.begin(&m_image);
  m_painter.setWorldTransform(m_view);
  setPainter(&m_painter);
}

void BackBufferCanvas::setView(double scale, double offsetX, double offsetY)
{
  m_view = QTransform(scale, 0, 0, scale, offsetX, offsetY);
  if (m_painter.isActive())
    m_painter.setWorldTransform(m_view);
}

} // namespace trelvix
