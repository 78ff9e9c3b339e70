#include "main_window.h"

namespace trelvix {

void TTrelvix3D::importStructureFile() {}

void TTrelvix3D::exportStructureFile() {}

void TTrelvix3D::addFromSmiles() {}

} // namespace trelvix
