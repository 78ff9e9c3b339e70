#pragma once

#include "exchange/molecule_record.h"

#include <vector>

namespace trelvix {

class tDrawing;
class tStructure;

/// The molecule a structure holds: its element atoms (text atoms and symbol points left out)
/// with the hydrogens the program counts for them, its bonds between those atoms (hydrogen
/// bonds left out), coordinates in Ångström with y up. dimensions is 3 when any atom lies off
/// the drawing plane, else 2; its data items are the structure's.
MoleculeRecord structureRecord(const tStructure& structure);

/// The molecules of a document, each written once: atoms of one piece, or joined by a bond, are
/// one molecule (a branch shares atoms with the ring it grew on; a salt drawn as one piece stays
/// one), in the order of their first atoms in the document, each with the data items of the
/// piece holding its first atom.
std::vector<MoleculeRecord> documentRecords(const tDrawing& drawing);

} // namespace trelvix
