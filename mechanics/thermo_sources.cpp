// The better sources of a reaction's species: the reference table and group additivity.
#include "mechanics/thermo_sources.h"

#include "mechanics/reaction.h"
#include "thermo/group_additivity.h"
#include "thermo/recognition.h"
#include "thermo/structure_graph.h"

namespace trelvix {

void findBetterSources(ReactionThermo& thermo)
{
  for (ReactionSpecies& sp : thermo.species()) {
    sp.reference = recogniseSpecies(*sp.structure);
    if (sp.reference)
      sp.referenceThermo = std::make_shared<NasaThermo>(sp.reference->thermo());
    sp.groupThermo = groupAdditivity(structureGraph(*sp.structure));
  }
}

} // namespace trelvix
