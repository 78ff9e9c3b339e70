#pragma once

#include "app/back_buffer.h"

#include <QPointF>
#include <QWidget>

namespace trelvix {

/// The white drawing surface of the main window. It owns the back buffer the document draws
/// into; painting only copies the buffer to the screen, so nothing flickers. A resize keeps the
/// buffer's drawing and asks for a full redraw.
class DrawingSurface : public QWidget
{
  Q_OBJECT

public:
  explicit DrawingSurface(QWidget* parent = nullptr);

  BackBufferCanvas& canvas() { return m_canvas; }
  QSize sizeHint() const override { return { 640, 440 }; }

signals:
  /// A left press at point (surface coordinates = drawing units).
  void leftPressed(QPointF point);
  /// The buffer changed size and needs the document drawn again.
  void redrawNeeded();

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

private:
  void fitBuffer();

  BackBufferCanvas m_canvas;
};

} // namespace trelvix
