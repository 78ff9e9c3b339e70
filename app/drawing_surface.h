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

  /// Where the pointer was last seen over the surface (the keys act on what lies there).
  QPointF lastPointer() const { return m_lastPointer; }

signals:
  // Pointer events at point (surface coordinates = drawing units) with the keys held.
  void pressed(QPointF point, Qt::MouseButton button, Qt::KeyboardModifiers keys);
  void moved(QPointF point, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys);
  void released(QPointF point, Qt::MouseButton button, Qt::KeyboardModifiers keys);
  /// A key let go while the surface has the focus.
  void keyReleased(int key, Qt::KeyboardModifiers keys);
  /// The buffer changed size and needs the document drawn again.
  void redrawNeeded();

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

private:
  void fitBuffer();

  BackBufferCanvas m_canvas;
  QPointF m_lastPointer{ 1, 1 };
};

} // namespace trelvix
