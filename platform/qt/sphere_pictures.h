#pragma once

#include "platform/canvas.h"

#include <QImage>

namespace trelvix {

/// Shaded spheres as ready pictures, one per radius and colour, kept for the life of the program
/// and shared by every canvas (a redraw of a molecule needs only a few: one per element and
/// depth). A picture holds exactly the pixels the four discs put on a page, drawn without
/// antialiasing on a transparent background: every pixel is either the discs' or untouched, so
/// blitting it gives the same page as drawing them. (Antialiased edges would blend twice and
/// could differ in the last bit, so smooth drawing does not use pictures.)
class SpherePictures
{
public:
  /// Pixels of transparent border around the discs' box.
  static constexpr int margin = 1;
  /// Larger spheres are drawn directly: their pictures would cost more memory than they save time.
  static constexpr int largestRadius = 160;

  /// The picture of the sphere of radius r (5..largestRadius) in colour: its pixel (margin + r,
  /// margin + r) is the sphere's centre. Made on first use; safe to call from several threads.
  static QImage picture(int r, Colour colour);
};

} // namespace trelvix
