#pragma once

namespace trelvix {

/// A rectangle of the drawing in drawing units, by its edges.
struct DrawnExtent
{
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

/// How the window shows the page: a point of the drawing (drawing units) lands on the surface at
/// drawing × scale + offset (surface pixels). A view, not an edit: it is not saved with the
/// document and changes no coordinate, so lengths in Ångström stay what they are.
struct ViewTransform
{
  static constexpr double minScale = 0.05;
  static constexpr double maxScale = 20.0;

  double scale = 1.0;
  double offsetX = 0.0;
  double offsetY = 0.0;

  double surfaceX(double x) const { return x * scale + offsetX; }
  double surfaceY(double y) const { return y * scale + offsetY; }
  double drawingX(double x) const { return (x - offsetX) / scale; }
  double drawingY(double y) const { return (y - offsetY) / scale; }
  bool identity() const { return scale == 1.0 && offsetX == 0.0 && offsetY == 0.0; }
};

} // namespace trelvix
