#include "platform/qt/image_canvas.h"

#include <QBuffer>
#include <algorithm>

namespace trelvix {

ImageCanvas::ImageCanvas(int width, int height)
  : m_image(std::max(width, 0), std::max(height, 0), QImage::Format_ARGB32)
{
  if (m_image.isNull()) {
    return;
  }
  m_image.fill(Qt::white);
  if (m_painter.begin(&m_image)) {
    setPainter(&m_painter);
  }
}

ImageCanvas::~ImageCanvas()
{
  if (m_painter.isActive()) {
    m_painter.end();
  }
}

QByteArray ImageCanvas::png() const
{
  QByteArray data;
  if (m_image.isNull())
    return data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  m_image.save(&buffer, "PNG");
  return data;
}

} // namespace trelvix
