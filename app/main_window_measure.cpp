#include "main_window.h"

namespace trelvix {

void TTrelvix3D::openMetricTool() {}

} // namespace trelvix
