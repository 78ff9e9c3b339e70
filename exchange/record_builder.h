#pragma once

#include "exchange/molecule_record.h"

#include <memory>
#include <vector>

namespace trelvix {

class tDrawing;

/// Turns the Ångström coordinates of a file (y up) into drawing units (y down, z turned with
/// it so the model is not mirrored): a 3D molecule exactly (Å x BondScalePixels / 1.53), a flat
/// one scaled so its mean bond is BondScalePixels long (without bonds, at the plain scale).
void toDrawingUnits(MoleculeRecord& molecule);

/// A new document holding each molecule as a structure (with its data items), laid out side by side
/// in rows from the top left, their depths centred on 0; or, without sideBySide, where their
/// coordinates put them. Coordinates must be drawing units already.
std::unique_ptr<tDrawing> buildDrawing(const std::vector<MoleculeRecord>& molecules,
                                       bool sideBySide = true);

/// Moves every atom, bond and piece of source into target (the objects are new to it, so they
/// are appended without a search); source is left empty.
void mergeDrawing(tDrawing& target, tDrawing& source);

} // namespace trelvix
