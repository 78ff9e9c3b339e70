#pragma once

// A structure as an RDKit molecule whose atom i is the structure's i-th element atom, so that
// coordinates computed on the molecule come back to the atoms they belong to. Only the
// force-field library's own sources include this header: RDKit stays inside it.
#include <GraphMol/RWMol.h>
#include <memory>
#include <string>
#include <vector>

namespace trelvix {

class tStructure;
class tXY;

struct KeyedMolecule
{
  /// Sanitised, with one conformer in Ångström (y up), nullptr when the structure has no
  /// element atom or its chemistry does not sanitise (then failure says why).
  std::unique_ptr<RDKit::RWMol> mol;
  /// The structure's atom behind each of the molecule's atoms.
  std::vector<tXY*> atoms;
  std::string failure;
};

/// The molecule of the element atoms and chemical bonds of structure, each atom with the
/// hydrogens the structure shows on it; withHydrogenAtoms adds those implicit hydrogens as atoms
/// of their own (placed by RDKit, behind the keyed ones, keyed to no atom).
KeyedMolecule keyedMolecule(tStructure& structure, bool withHydrogenAtoms = false);

/// The positions (Ångström, RDKit's atom order) back to the keyed atoms in drawing units.
void writePositions(const KeyedMolecule& molecule, const double* positions);

/// Whether any element atom of structure carries hydrogens it does not draw as atoms.
bool hasImplicitHydrogens(const tStructure& structure);

} // namespace trelvix
