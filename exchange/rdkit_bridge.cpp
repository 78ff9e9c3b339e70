#include "exchange/rdkit_bridge.h"

#include "model/atom.h"
#include "model/element_table.h"
#include "model/link.h"

#include <GraphMol/Chirality.h>
#include <GraphMol/Conformer.h>
#include <GraphMol/MolOps.h>
#include <GraphMol/SanitException.h>
#include <RDGeneral/RDLog.h>

namespace trelvix {

namespace {

int codeOf(const RDKit::Bond& bond)
{
  switch (bond.getBondType()) {
    case RDKit::Bond::DOUBLE:
      return DoubleBond;
    case RDKit::Bond::TRIPLE:
      return TripleBond;
    case RDKit::Bond::DATIVE:
      return CoordinateBond;
    default:
      return SingleBond;
  }
}

Wedge wedgeOf(const RDKit::Bond& bond)
{
  unsigned int stereo = 0;
  if (bond.getPropIfPresent(RDKit::common_properties::_MolFileBondStereo, stereo)) {
    if (stereo == 1)
      return Wedge::Solid;
    if (stereo == 6)
      return Wedge::Hashed;
  }
  switch (bond.getBondDir()) {
    case RDKit::Bond::BEGINWEDGE:
      return Wedge::Solid;
    case RDKit::Bond::BEGINDASH:
      return Wedge::Hashed;
    default:
      return Wedge::None;
  }
}

RDKit::Bond::BondType rdkitType(int code)
{
  switch (code) {
    case CoordinateBond:
      return RDKit::Bond::DATIVE;
    case ResonanceBond:
      return RDKit::Bond::AROMATIC;
    case DoubleBond:
      return RDKit::Bond::DOUBLE;
    case TripleBond:
    case TripleResonanceBond:
      return RDKit::Bond::TRIPLE;
    default:
      return RDKit::Bond::SINGLE;
  }
}

// RDKit's stereo perception ranks the atoms in time growing with the square of a long chain's
// length: molecules beyond the size a V2000 molfile holds (polymers, proteins) are written
// without it.
constexpr unsigned int stereoAtomLimit = 999;

// Stereo the coordinates and wedges show: centres and double bonds from a 3D model, or in a
// flat drawing the double bonds from their substituents' sides and the centres from the wedges.
void assignStereo(RDKit::RWMol& mol, int dimensions)
{
  if (dimensions == 3) {
    RDKit::MolOps::assignStereochemistryFrom3D(mol);
    return;
  }
  if (dimensions == 2) {
    RDKit::MolOps::detectBondStereochemistry(mol);
    RDKit::MolOps::assignChiralTypesFromBondDirs(mol);
    RDKit::MolOps::assignStereochemistry(mol, true, true);
  }
}

} // namespace

void silenceRDKit()
{
  static const bool silenced = [] {
    boost::logging::disable_logs("rdApp.*");
    // RDKit's newer stereo perception: the legacy one ranks atoms in time that grows with the
    // square of a long chain's length.
    RDKit::Chirality::setUseLegacyStereoPerception(false);
    return true;
  }();
  (void)silenced;
}

MoleculeRecord fromRDKit(RDKit::RWMol& mol, bool keepAromatic, std::string& error)
{
  // Hydrogens on an atom whose hydrogens the program neither shows nor counts become atoms.
  std::vector<unsigned int> hydrideAtoms;
  for (const RDKit::Atom* atom : mol.atoms()) {
    const int z = atom->getAtomicNum();
    if (z < 1 || z > maxElement) {
      error = "atom " + std::to_string(atom->getIdx() + 1) + ": element " + atom->getSymbol() +
              " is not one the program holds";
      return {};
    }
    if (atom->getFormalCharge() < -9 || atom->getFormalCharge() > 9) {
      error = "atom " + std::to_string(atom->getIdx() + 1) + ": charge " +
              std::to_string(atom->getFormalCharge()) + " is beyond -9..+9";
      return {};
    }
    if (atom->getTotalNumHs() > 0 && !countsImplicitHydrogens(z))
      hydrideAtoms.push_back(atom->getIdx());
  }
  if (!hydrideAtoms.empty())
    RDKit::MolOps::addHs(mol, false, mol.getNumConformers() > 0, &hydrideAtoms);
  RDKit::MolOps::Kekulize(mol, false);

  MoleculeRecord m;
  const RDKit::Conformer* conformer = mol.getNumConformers() > 0 ? &mol.getConformer() : nullptr;
  m.dimensions = conformer ? (conformer->is3D() ? 3 : 2) : 0;
  m.atoms.reserve(mol.getNumAtoms());
  for (const RDKit::Atom* atom : mol.atoms()) {
    AtomRecord a;
    a.element = atom->getAtomicNum();
    a.charge = atom->getFormalCharge();
    a.hydrogens = static_cast<int>(atom->getTotalNumHs());
    if (conformer) {
      const RDGeom::Point3D& p = conformer->getAtomPos(atom->getIdx());
      a.x = p.x;
      a.y = p.y;
      a.z = m.dimensions == 3 ? p.z : 0;
    }
    m.atoms.push_back(a);
  }
  m.bonds.reserve(mol.getNumBonds());
  for (const RDKit::Bond* bond : mol.bonds()) {
    BondRecord b;
    b.a = static_cast<int>(bond->getBeginAtomIdx());
    b.b = static_cast<int>(bond->getEndAtomIdx());
    b.code = codeOf(*bond);
    b.aromatic = keepAromatic && bond->getIsAromatic();
    b.wedge = b.code == SingleBond ? wedgeOf(*bond) : Wedge::None;
    m.bonds.push_back(b);
  }
  return m;
}

std::unique_ptr<RDKit::RWMol> toRDKit(const MoleculeRecord& molecule)
{
  auto mol = std::make_unique<RDKit::RWMol>();
  for (const AtomRecord& a : molecule.atoms) {
    RDKit::Atom atom(a.element);
    atom.setFormalCharge(a.charge);
    atom.setNoImplicit(true);
    atom.setNumExplicitHs(static_cast<unsigned int>(a.hydrogens));
    mol->addAtom(&atom, true, false);
  }
  for (const BondRecord& b : molecule.bonds) {
    const auto begin = static_cast<unsigned int>(b.a);
    const auto end = static_cast<unsigned int>(b.b);
    if (mol->getBondBetweenAtoms(begin, end))
      continue; // two bonds drawn between one pair of atoms are one bond to other programs
    mol->addBond(begin, end, rdkitType(b.code));
    RDKit::Bond* bond = mol->getBondBetweenAtoms(begin, end);
    if (b.code == ResonanceBond) {
      bond->setIsAromatic(true);
      mol->getAtomWithIdx(begin)->setIsAromatic(true);
      mol->getAtomWithIdx(end)->setIsAromatic(true);
    }
    if (b.wedge != Wedge::None)
      bond->setBondDir(b.wedge == Wedge::Solid ? RDKit::Bond::BEGINWEDGE : RDKit::Bond::BEGINDASH);
  }
  if (molecule.dimensions > 0) {
    auto* conformer = new RDKit::Conformer(mol->getNumAtoms());
    for (std::size_t i = 0; i < molecule.atoms.size(); ++i) {
      const AtomRecord& a = molecule.atoms[i];
      conformer->setAtomPos(static_cast<unsigned int>(i), RDGeom::Point3D(a.x, a.y, a.z));
    }
    conformer->set3D(molecule.dimensions == 3);
    mol->addConformer(conformer, true);
  }
  try {
    RDKit::MolOps::sanitizeMol(*mol);
  } catch (const RDKit::MolSanitizeException&) {
    // A drawing beyond the valence rules (a five-bonded carbon) is still written as drawn.
    mol->updatePropertyCache(false);
    RDKit::MolOps::findSSSR(*mol);
    return mol;
  }
  if (mol->getNumAtoms() <= stereoAtomLimit)
    assignStereo(*mol, molecule.dimensions);
  return mol;
}

} // namespace trelvix
