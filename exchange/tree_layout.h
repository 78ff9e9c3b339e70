#pragma once

namespace RDKit {
class RWMol;
}

namespace trelvix {

/// Places a molecule whose rings stand apart (each of its pieces a tree once every ring counts as
/// one unit) flat in time linear in its atoms: each piece's longest path as a zigzag of 120°
/// angles, every branch leaving its atom at an angle of its own and zigzagging on, every ring a
/// regular polygon with its substituents leaving outwards, bonds 1.5 Å long, pieces side by
/// side. Returns false (the molecule unchanged) when two rings share an atom.
bool layOutTree(RDKit::RWMol& mol);

} // namespace trelvix
