#pragma once

#include "commands/view_transform.h"

#include <QWidget>
#include <optional>

class QScrollBar;

namespace trelvix {

class DrawingSurface;

/// Where a scroll bar stands along one axis, in surface pixels: the value is the visible part's
/// start (minus the view's offset), and the range reaches from the drawing's start to its end less
/// the visible length, widened so that it always holds the value (a view panned past the drawing
/// can be scrolled back).
struct ScrollSpan
{
  int minimum = 0;
  int maximum = 0;
  int value = 0;
};

/// The span of one axis: the drawing from low to high (drawing units) seen at scale with offset
/// on a surface visible pixels long; margin pixels of room are left beyond each end.
ScrollSpan scrollSpan(double low,
                      double high,
                      double scale,
                      double offset,
                      int visible,
                      int margin);

/// The drawing surface with a horizontal and a vertical scroll bar, as in every editor: the bars
/// show where the visible part lies in the drawing, and moving them pans the view. They stay
/// shown (disabled while the whole drawing is in sight), so the surface never changes size.
class ScrolledSurface : public QWidget
{
  Q_OBJECT

public:
  explicit ScrolledSurface(QWidget* parent = nullptr);

  DrawingSurface* surface() const { return m_surface; }
  /// The width of the vertical bar and the height of the horizontal one.
  int barExtent() const;

  /// Sets the bars to the drawing's extent as the view shows it; nothing is signalled.
  void showExtent(const std::optional<DrawnExtent>& extent, const ViewTransform& view);

signals:
  /// A bar was moved: the view is to move by (dx, dy) surface pixels.
  void scrolled(double dx, double dy);

private:
  void barMoved();

  DrawingSurface* m_surface;
  QScrollBar* m_horizontal;
  QScrollBar* m_vertical;
  int m_shownX = 0;
  int m_shownY = 0;
};

} // namespace trelvix
