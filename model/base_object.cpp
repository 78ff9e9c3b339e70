#include "model/base_object.h"

#include "platform/shell.h"

namespace trelvix {

tbaseobject::~tbaseobject() = default;

void tbaseobject::print()
{
  canvas = &currentShell().mainCanvas();
}

Canvas& tbaseobject::canvasdc()
{
  print();
  return *canvas;
}

void tbaseobject::setbrush(BrushStyle style, Colour colour)
{
  Canvas& c = canvasdc();
  c.setBrush(Brush{ style, colour });
}

void tbaseobject::setpen(int style, std::int16_t width, Colour colour)
{
  Canvas& c = canvasdc();
  Pen pen = c.pen();
  pen.colour = colour;
  pen.width = width;
  if (style >= 0 && style <= static_cast<int>(PenStyle::Clear))
    pen.style = static_cast<PenStyle>(style);
  c.setPen(pen);
}

} // namespace trelvix
