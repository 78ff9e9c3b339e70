#pragma once

namespace trelvix {

/// Parameter tables of the force field. Angles are radians, energies cal/mol, contact radii
/// Ångström.

/// Ideal valence angle at an apex of the given element, hybridisation code (1 sp, 2 sp2, 3 sp3,
/// 4 aromatic) and neighbour count: the element-and-hybridisation table while the apex has fewer
/// than four neighbours, else (and for any key the table lacks) the angle for the neighbour count.
double idealAngle(int element, int hybridisation, int neighbours);

/// Contact parameters of one atom for the non-bonded pair terms.
struct ContactParameters
{
  double wellDepth = 0; ///< w, cal/mol
  double radius = 0;    ///< s, Ångström (halved for the main-group elements)
  double third = 0;     ///< t, kept for the stored geometric mean
};

/// The contact table applied in its three steps: carbon by hybridisation and hydrogen count, then
/// by element and hybridisation, then by element (radius halved for the main-group elements,
/// values replaced for all others).
ContactParameters contactParameters(int element, int hybridisation, int hydrogens);

/// Well depth of an element outside the contact table's main groups, cal/mol.
double elementWellDepth(int element);

/// Barrier, periodicity and phase of a torsion about an axis, before the barrier is shared out.
struct TorsionParameters
{
  double barrier = 0; ///< V, cal/mol
  int periodicity = 2;
  double phase = 0; ///< radians
};

/// Parameters for a torsion key (axis bond type x 1000 + (h2 + h3) h2 h3); the defaults (V 0,
/// n 2, phase 0) for a key the table lacks.
TorsionParameters torsionParameters(int key);

} // namespace trelvix
