#pragma once

#include "app/back_buffer.h"
#include "commands/view_transform.h"

#include <QPointF>
#include <QSet>
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

  /// Where the pointer was last seen over the surface, in drawing units (the keys act on what
  /// lies there).
  QPointF lastPointer() const { return m_lastPointer; }

  /// Shows the page through view (zoom and pan); nullptr for none. The view is read at every
  /// event; syncView gives it to the back buffer after it changed.
  void setView(const ViewTransform* view);
  void syncView();
  /// Surface pixels to drawing units and back, through the view.
  QPointF toDrawing(QPointF surface) const;
  QPointF toSurface(QPointF drawing) const;
  /// Space is held down on the surface (Space + drag pans).
  bool spaceHeld() const { return m_spaceHeld; }

signals:
  // Pointer events at point (surface coordinates = drawing units) with the keys held.
  void pressed(QPointF point, Qt::MouseButton button, Qt::KeyboardModifiers keys);
  void moved(QPointF point, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys);
  void released(QPointF point, Qt::MouseButton button, Qt::KeyboardModifiers keys);
  /// A key let go while the surface has the focus, pressed and let go with no Ctrl, Alt or
  /// Meta held.
  void keyReleased(int key, Qt::KeyboardModifiers keys);
  /// The wheel turned by degrees (eighths of a notch: 120 is one notch forward) with the pointer
  /// at surface (surface pixels).
  void wheeled(QPointF surface, int degrees, Qt::KeyboardModifiers keys);
  /// The buffer changed size and needs the document drawn again.
  void redrawNeeded();

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

private:
  void fitBuffer();

  BackBufferCanvas m_canvas;
  QPointF m_lastPointer{ 1, 1 };
  /// Keys pressed on the surface with no Ctrl, Alt or Meta held and not yet let go: only their
  /// release is reported, so the release of a shortcut's letter (Ctrl+S) never edits an atom,
  /// whichever key is let go first.
  QSet<int> m_plainKeys;
  const ViewTransform* m_view = nullptr;
  bool m_spaceHeld = false;
};

} // namespace trelvix
