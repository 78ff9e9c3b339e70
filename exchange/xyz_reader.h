#pragma once

#include "exchange/molecule_record.h"

#include <string>
#include <string_view>
#include <vector>

namespace trelvix {

/// The molecules of an XYZ file (one or more frames: an atom count, a comment that names the
/// molecule, then one "Symbol x y z" line per atom, in Ångström). Bonds are the single bonds of
/// perceiveBonds; every hydrogen is an atom of
/// the file, so no atom carries implicit ones. On a fault, error is "line N: what" and the
/// result is empty.
std::vector<MoleculeRecord> readXyz(std::string_view text, std::string& error);

/// Single bonds between the atoms of molecule that lie within 1.2 times the sum of their
/// covalent radii but not closer than 0.4 Å (Ångström coordinates), found through a grid so
/// large files stay linear; each pair is bonded once, however far out the atoms lie.
void perceiveBonds(MoleculeRecord& molecule);

} // namespace trelvix
