#include "platform/canvas.h"

namespace trelvix {

Canvas::~Canvas() = default;

} // namespace trelvix
