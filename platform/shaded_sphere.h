#pragma once

#include "platform/canvas.h"

namespace trelvix {

/// Multiplies each of the three colour channels by num / den (integer division per channel).
Colour scaleChannels(Colour colour, int num, int den);

/// The grey of ball and circle outlines, and of spheres too small to shade.
inline constexpr Colour outlineGrey = 0x777777;

/// A flat disc of radius r pixels centred on centre: solid brush of fill, solid pen of width 0 in
/// outline, box (x - r, y - r)-(x + r, y + r). The canvas's pen and brush are restored after.
void drawDisc(Canvas& canvas, Point centre, int r, Colour fill, Colour outline);

/// The shaded sphere as four discs, the figure Canvas::shadedSphere stands for. Disc k (0..3) has
/// the colour scaled by (13 + k) / 16, radius r - k * (r / 5) and is moved up and to the right by
/// (k * (r / 5)) / 3, so the discs brighten towards a highlight at the upper right. The first disc
/// has an outline of width 0 in three quarters of the colour, the others none. Below r = 5 the
/// steps would vanish: the sphere is then a flat disc with the grey outline. The canvas's pen and
/// brush are restored after.
void drawShadedDiscs(Canvas& canvas, Point centre, int r, Colour colour);

} // namespace trelvix
