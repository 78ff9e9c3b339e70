#pragma once

namespace trelvix {

/// Single-bond energy of the element pair in cal/mol from the table of 91 pairs (looked up in
/// either order), or 70000 for a pair not in it.
double pairSingleBondEnergy(int a, int b);

/// Dissociation energy D in cal/mol of a bond between elements a and b with the given order
/// (twice the bond order; aromatic bonds have their own order codes). C-C, C-N, C-O, N-N and O-O
/// have their own forms; every other pair is the table value x order x 0.5.
double pairBondEnergy(int a, int b, int order);

} // namespace trelvix
