#include "forcefields/force_field_check.h"

#include "forcefields/keyed_molecule.h"
#include "forcefields/rdkit_force_field.h"

#include <ForceField/Contrib.h>
#include <GraphMol/Conformer.h>
#include <GraphMol/ForceFieldHelpers/MMFF/AtomTyper.h>
#include <GraphMol/ForceFieldHelpers/MMFF/Builder.h>
#include <GraphMol/ForceFieldHelpers/UFF/AtomTyper.h>
#include <GraphMol/ForceFieldHelpers/UFF/Builder.h>
#include <algorithm>
#include <cmath>
#include <memory>

namespace trelvix {

namespace {

// Å: beyond any molecule's extent, so that RDKit keeps every pair.
constexpr double everyPair = 1e6;

std::unique_ptr<ForceFields::ForceField> completeField(RDKit::ROMol& mol, ForceFieldChoice choice)
{
  if (choice != ForceFieldChoice::UFF) {
    RDKit::MMFF::MMFFMolProperties properties(mol, "MMFF94");
    if (properties.isValid())
      return std::unique_ptr<ForceFields::ForceField>(
        RDKit::MMFF::constructForceField(mol, &properties, everyPair));
    if (choice == ForceFieldChoice::MMFF94)
      return nullptr;
  }
  const auto [params, complete] = RDKit::UFF::getAtomTypes(mol);
  if (!complete)
    return nullptr;
  return std::unique_ptr<ForceFields::ForceField>(
    RDKit::UFF::constructForceField(mol, params, everyPair));
}

} // namespace

ForceFieldCheck checkWithRDKit(tStructure& target, ForceFieldChoice choice)
{
  ForceFieldCheck check;
  KeyedMolecule keyed = keyedMolecule(target);
  if (!keyed.mol) {
    check.failure = keyed.failure;
    return check;
  }
  std::unique_ptr<ForceFields::ForceField> field = completeField(*keyed.mol, choice);
  if (!field) {
    check.failure = typingFailure(*keyed.mol, choice);
    return check;
  }
  field->initialize();
  std::vector<double> x;
  for (const RDGeom::Point3D& p : keyed.mol->getConformer().getPositions())
    x.insert(x.end(), { p.x, p.y, p.z });
  // The energy first: it refreshes the distances the terms share. The terms' own gradients,
  // since calcGrad rescales them for RDKit's minimiser.
  check.energy = field->calcEnergy(x.data());
  std::vector<double> gradient(x.size());
  for (const ForceFields::ContribPtr& term : field->contribs())
    term->getGrad(x.data(), gradient.data());
  for (const double g : gradient)
    check.largestGradient = std::max(check.largestGradient, std::abs(g));
  return check;
}

} // namespace trelvix
