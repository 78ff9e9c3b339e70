#pragma once

#include "platform/qt/qt_canvas.h"

#include <QImage>
#include <QPainter>

namespace trelvix {

/// A canvas on an image of its own: ARGB32, filled white like the drawing surface, drawn on
/// without antialiasing unless asked (see QtCanvas).
class ImageCanvas : public QtCanvas
{
public:
  /// A white image of width × height pixels (an empty image when either is not positive).
  ImageCanvas(int width, int height);
  ~ImageCanvas() override;

  /// The image as drawn so far. Later drawing changes it in place: take image().copy() to keep
  /// a picture of this moment.
  const QImage& image() const { return m_image; }
  /// The image encoded as PNG; empty for an empty image.
  QByteArray png() const;

private:
  QImage m_image;
  QPainter m_painter;
};

} // namespace trelvix
