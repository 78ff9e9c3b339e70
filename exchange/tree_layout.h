#pragma once

namespace RDKit {
class RWMol;
}

namespace trelvix {

/// Places a molecule without rings (each of its pieces a tree) flat in time linear in its atoms:
/// each piece's longest path as a zigzag of 120° angles, every branch leaving its atom at an
/// angle of its own and zigzagging on, bonds 1.5 Å long, pieces side by side. Returns false
/// (the molecule unchanged) when the molecule has a ring.
bool layOutTree(RDKit::RWMol& mol);

} // namespace trelvix
