#include "platform/qt/svg_canvas.h"

#include <algorithm>
#include <cmath>

namespace trelvix {

SvgCanvas::SvgCanvas(int width, int height, std::string_view title, int dotsPerInch, SvgPage page)
  : m_buffer(&m_data)
{
  const QSize size(std::max(width, 0), std::max(height, 0));
  m_buffer.open(QIODevice::WriteOnly);
  m_generator.setOutputDevice(&m_buffer);
  // The view box keeps the drawing's units; the document's size scales the printed picture.
  const double scale = page.printScale > 0 ? page.printScale : 1.0;
  m_generator.setSize(QSize(static_cast<int>(std::lround(size.width() * scale)),
                            static_cast<int>(std::lround(size.height() * scale))));
  m_generator.setViewBox(QRect(QPoint(0, 0), size));
  m_generator.setResolution(dotsPerInch);
  // The generator writes the title into the file as it stands, so XML markup in it is escaped here.
  m_generator.setTitle(qText(title).toHtmlEscaped());
  if (!m_painter.begin(&m_generator)) {
    return;
  }
  setPainter(&m_painter);
  if (page.white)
    m_painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
}

SvgCanvas::~SvgCanvas()
{
  finish();
}

bool SvgCanvas::finish()
{
  if (m_painter.isActive()) {
    m_written = m_painter.end();
  }
  return m_written;
}

} // namespace trelvix
