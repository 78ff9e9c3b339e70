#include "commands/core_init.h"

#include "document/structure.h"
#include "mechanics/geometry_cleanup.h"
#include "mechanics/thermochemistry.h"

namespace trelvix {

void initialiseCore()
{
  static bool done = false;
  if (done)
    return;
  done = true;
  setGeometryCleanup(cleanGeometry);
  installReactionReport();
}

} // namespace trelvix
