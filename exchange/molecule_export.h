#pragma once

#include "exchange/exchange_format.h"

#include <string>

namespace trelvix {

class tDrawing;
class tStructure;

/// Text of a file in format (not Tvx) holding every molecule of the document: one record per
/// molecule for SDF, one line per molecule for SMILES (a molecule: the atoms of one structure,
/// or joined by bonds, each atom written once), all of them together for MOL, XYZ and PDB.
/// Coordinates in Ångström (drawing units x 1.53 / scale, y up, z from the depth). Text atoms,
/// labels and graphic symbols are left out. SDF and MOL records are named by the document's title.
/// XYZ lists every atom, so the hydrogens the drawing writes as text get positions (RDKit's).
std::string exportDrawing(const tDrawing& drawing, ExchangeFormat format);

/// The same for one structure, its record named name.
std::string exportStructure(const tStructure& structure,
                            ExchangeFormat format,
                            const std::string& name);

} // namespace trelvix
