#pragma once

#include "exchange/molecule_record.h"

#include <memory>
#include <vector>

namespace trelvix {

class tDrawing;

/// Turns the Ångström coordinates of a file (y up) into drawing units (y down, z turned with
/// it so the model is not mirrored), scaled so the mean bond is BondScalePixels long; a
/// molecule without bonds takes the plain scale of 1.53 Å per bond length.
void toDrawingUnits(MoleculeRecord& molecule);

/// A new document holding each molecule as a structure, laid out side by side in rows from the
/// top left, their depths centred on 0; or, without sideBySide, where their coordinates put
/// them. Coordinates must be drawing units already.
std::unique_ptr<tDrawing> buildDrawing(const std::vector<MoleculeRecord>& molecules,
                                       bool sideBySide = true);

/// Moves every atom, bond and piece of source into target (the objects are new to it, so they
/// are appended without a search); source is left empty.
void mergeDrawing(tDrawing& target, tDrawing& source);

} // namespace trelvix
