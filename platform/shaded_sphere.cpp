#include "platform/shaded_sphere.h"

#include <array>

namespace trelvix {

namespace {

Rect boxAround(Point centre, int r, int dx, int dy)
{
  return Rect{ centre.x - r + dx, centre.y - r + dy, centre.x + r + dx, centre.y + r + dy };
}

} // namespace

Colour scaleChannels(Colour colour, int num, int den)
{
  Colour result = 0;
  for (int shift : std::array{ 0, 8, 16 }) {
    const int channel = static_cast<int>((colour >> shift) & 0xFF);
    result |= static_cast<Colour>((channel * num / den) & 0xFF) << shift;
  }
  return result;
}

void drawDisc(Canvas& canvas, Point centre, int r, Colour fill, Colour outline)
{
  const Pen savedPen = canvas.pen();
  const Brush savedBrush = canvas.brush();
  canvas.setBrush(Brush{ BrushStyle::Solid, fill });
  canvas.setPen(Pen{ PenStyle::Solid, 0, outline });
  canvas.ellipse(boxAround(centre, r, 0, 0));
  canvas.setPen(savedPen);
  canvas.setBrush(savedBrush);
}

void drawShadedDiscs(Canvas& canvas, Point centre, int r, Colour colour)
{
  if (r < 5) {
    drawDisc(canvas, centre, r, colour, outlineGrey);
    return;
  }
  const Pen savedPen = canvas.pen();
  const Brush savedBrush = canvas.brush();
  const int step = r / 5;
  canvas.setPen(Pen{ PenStyle::Solid, 0, scaleChannels(colour, 3, 4) });
  for (int k = 0; k < 4; ++k) {
    const int rk = r - k * step;
    const int d = k * step / 3;
    canvas.setBrush(Brush{ BrushStyle::Solid, scaleChannels(colour, 13 + k, 16) });
    canvas.ellipse(boxAround(centre, rk, d, -d));
    if (k == 0)
      canvas.setPen(Pen{ PenStyle::Clear, 0, colour });
  }
  canvas.setPen(savedPen);
  canvas.setBrush(savedBrush);
}

} // namespace trelvix
