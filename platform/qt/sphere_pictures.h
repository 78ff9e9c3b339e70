#pragma once

#include "platform/canvas.h"

#include <QImage>

namespace trelvix {

/// Shaded spheres as ready pictures, one per radius, colour and antialiasing, kept for the life of
/// the program and shared by every canvas (a redraw of a molecule needs only a few: one per element
/// and depth). A picture holds exactly the pixels the four discs put on a page, around a
/// transparent background, so blitting it with source-over gives the same page as drawing them.
class SpherePictures
{
public:
  /// Pixels of transparent border around the discs' box, where an antialiased outline spills.
  static constexpr int margin = 1;
  /// Larger spheres are drawn directly: their pictures would cost more memory than they save time.
  static constexpr int largestRadius = 160;

  /// The picture of the sphere of radius r (5..largestRadius) in colour: its pixel (margin + r,
  /// margin + r) is the sphere's centre. Made on first use; safe to call from several threads.
  static QImage picture(int r, Colour colour, bool antialiased);
};

} // namespace trelvix
