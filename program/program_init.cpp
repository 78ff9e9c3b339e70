#include "program/program_init.h"

#include "commands/core_init.h"
#include "exchange/exchange_init.h"
#include "forcefields/force_field_optimiser.h"
#include "forcefields/thermo_modes.h"

namespace trelvix {

void initialiseProgram()
{
  initialiseCore();
  initialiseExchange();
  installForceFieldModes();
  installEmbeddingCleanUp();
}

} // namespace trelvix
