#pragma once

#include "exchange/molecule_record.h"

namespace trelvix {

class tStructure;

/// The molecule a structure holds: its element atoms (text atoms and symbol points left out)
/// with the hydrogens the program counts for them, its bonds between those atoms (hydrogen
/// bonds left out), coordinates in Ångström with y up. dimensions is 3 when any atom lies off
/// the drawing plane, else 2.
MoleculeRecord structureRecord(const tStructure& structure);

} // namespace trelvix
