#include "platform/canvas.h"

#include "platform/shaded_sphere.h"

namespace trelvix {

Canvas::~Canvas() = default;

void Canvas::shadedSphere(Point centre, int r, Colour colour)
{
  drawShadedDiscs(*this, centre, r, colour);
}

} // namespace trelvix
