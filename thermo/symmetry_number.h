#pragma once

#include "thermo/molecule_graph.h"

#include <array>
#include <utility>
#include <vector>

namespace trelvix {

/// A molecule with every atom explicit: its elements, positions (Ångström) and bonds (pairs of
/// atom indices).
struct MoleculeGeometry
{
  std::vector<int> elements;
  std::vector<std::array<double, 3>> positions;
  std::vector<std::pair<int, int>> bonds;
};

/// The rotational symmetry number: how many proper rotations about the molecule's centre carry
/// every atom onto an atom of its element within tolerance (Ångström) and bonded atoms onto
/// bonded atoms, that is the graph automorphisms that are rotations of the geometry. 1 for a
/// single atom; for a linear molecule 2 when it is its own reverse, else 1. Water 2, ammonia 3,
/// methane and benzene 12.
int rotationalSymmetryNumber(const MoleculeGeometry& molecule, double tolerance = 0.1);

/// The spin multiplicity of a species by its unfilled valences (H 1, B 3, C 4, N 3, O 2, F 1,
/// Si 4, P 3, S 2, Cl, Br, I 1; an aromatic bond 1.5): a closed shell 1, a radical 2, every
/// unpaired electron one more (high spin); O2 and S2 are triplets. Charged atoms and elements
/// beyond those count as closed shells.
int spinMultiplicity(const SpeciesGraph& graph);

} // namespace trelvix
