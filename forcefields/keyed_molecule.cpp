#include "forcefields/keyed_molecule.h"

#include "document/structure.h"
#include "exchange/rdkit_bridge.h"
#include "exchange/structure_record.h"
#include "model/atom.h"
#include "model/defaults.h"
#include "model/element_table.h"

#include <GraphMol/MolOps.h>
#include <GraphMol/SanitException.h>

namespace trelvix {

namespace {

// The atoms structureRecord keeps, in its order: element atoms, no texts or symbol points.
bool isMoleculeAtom(const tXY& atom)
{
  return atom.isatom() && atom.element <= maxElement;
}

} // namespace

KeyedMolecule keyedMolecule(tStructure& structure, bool withHydrogenAtoms)
{
  silenceRDKit();
  KeyedMolecule keyed;
  for (tXY* a : structure.Atoms) {
    if (isMoleculeAtom(*a))
      keyed.atoms.push_back(a);
  }
  if (keyed.atoms.empty()) {
    keyed.failure = "There are no atoms to optimize";
    return keyed;
  }
  MoleculeRecord record = structureRecord(structure);
  record.dimensions = 3;
  keyed.mol = toRDKit(record);
  try {
    RDKit::MolOps::sanitizeMol(*keyed.mol);
  } catch (const RDKit::AtomValenceException& e) {
    keyed.failure = "Atom " + std::to_string(e.getAtomIdx() + 1) + " (" +
                    keyed.mol->getAtomWithIdx(e.getAtomIdx())->getSymbol() +
                    ") has more bonds than its valence allows";
    keyed.mol.reset();
    return keyed;
  } catch (const RDKit::MolSanitizeException& e) {
    keyed.failure = std::string("The structure's chemistry does not check: ") + e.what();
    keyed.mol.reset();
    return keyed;
  }
  if (withHydrogenAtoms)
    RDKit::MolOps::addHs(*keyed.mol, false, true);
  return keyed;
}

void writePositions(const KeyedMolecule& molecule, const double* positions)
{
  const double unitsPerAngstrom = 1 / angstromsPerUnit();
  for (std::size_t i = 0; i < molecule.atoms.size(); ++i) {
    tXY* a = molecule.atoms[i];
    // Back from y up to the drawing's y down, z turned with it (as the record turned them).
    a->x3 = positions[3 * i] * unitsPerAngstrom;
    a->y3 = -positions[3 * i + 1] * unitsPerAngstrom;
    a->z3 = -positions[3 * i + 2] * unitsPerAngstrom;
    a->update3d();
  }
}

bool hasImplicitHydrogens(const tStructure& structure)
{
  for (const tXY* a : structure.Atoms) {
    if (isMoleculeAtom(*a) && countsImplicitHydrogens(a->element) && a->mult() > 0)
      return true;
  }
  return false;
}

} // namespace trelvix
