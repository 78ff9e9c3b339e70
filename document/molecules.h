#pragma once

namespace trelvix {

/// Adds the small molecule of build code 571..591 (CH4 ... HCN) as a new piece centred on
/// (x, y) in the current document; false for any other code.
bool addMolecule(int code, double x, double y);

/// The drawn length of a bond of type code t (half-bonds) between elements a and b at the
/// current bond-length scale.
double BL(int a, int b, int t);

} // namespace trelvix
