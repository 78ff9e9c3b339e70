#pragma once

#include "platform/qt/qt_canvas.h"

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QTransform>

namespace trelvix {

/// The drawing surface's back buffer: an image at the screen's device pixel ratio that the
/// document draws into through the canvas interface, in logical (drawing-unit) coordinates. It
/// stays painted on between redraws, so the model's immediate show/hide drawing lands on it
/// exactly as on a device context. Lines, text and spheres are antialiased at the screen's device
/// pixel ratio; NotXor figures (the rubber band) are not, so drawing one twice still restores the
/// buffer, and the window redraws the whole document after every move of a drag, so nothing
/// erased by drawing it again in white leaves a fringe for long.
class BackBufferCanvas : public QtCanvas
{
public:
  BackBufferCanvas();
  ~BackBufferCanvas() override;

  /// Makes the buffer cover size logical pixels at ratio device pixels per logical pixel; what
  /// was drawn stays in the part both sizes share, the rest is white.
  void resize(QSize size, qreal ratio);
  const QImage& image() const { return m_image; }
  /// The view: what the document draws in drawing units lands at drawing × scale + offset.
  void setView(double scale, double offsetX, double offsetY);
  QSize logicalSize() const { return m_size; }

private:
  QImage m_image;
  QPainter m_painter;
  QSize m_size;
  QTransform m_view;
};

} // namespace trelvix
