#include "exchange/exchange_init.h"

#include "exchange/canonical_smiles.h"
#include "thermo/recognition.h"

namespace trelvix {

void initialiseExchange()
{
  setCanonicalSmiles(canonicalSmiles);
}

} // namespace trelvix
