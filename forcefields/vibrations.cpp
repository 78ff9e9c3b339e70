#include "forcefields/vibrations.h"

#include "document/structure.h"
#include "forcefields/keyed_molecule.h"
#include "forcefields/lbfgs.h"
#include "forcefields/rdkit_force_field.h"
#include "mechanics/force_field.h"
#include "model/atom.h"
#include "model/defaults.h"

#include <GraphMol/PartialCharges/GasteigerCharges.h>
#include <algorithm>

namespace trelvix {

namespace {

constexpr double calPerKcal = 1000;
// Å: small enough that the differences' third-derivative error leaves the rotations' residue
// below 1 cm⁻¹, large enough that the gradient's rounding stays far below it.
constexpr double gradientStep = 3e-5;

std::string stoppedMessage()
{
  return "The normal-mode analysis was stopped";
}

std::vector<double> gasteigerCharges(const RDKit::ROMol& mol)
{
  std::vector<double> charges(mol.getNumAtoms());
  try {
    RDKit::computeGasteigerCharges(mol, charges);
  } catch (const std::exception&) {
    charges.assign(mol.getNumAtoms(), 0.0); // no charges: no intensities
  }
  return charges;
}

// A minimum for normal modes: no gradient component above this (kcal mol⁻¹ Å⁻¹), as the
// optimiser's own runs.
constexpr double minimumTolerance = 1e-5;
constexpr int minimumIterationLimit = 10000;

// The Hessian of MMFF94 or UFF from RDKit's analytic gradients, at result's coordinates or, with
// minimise, at the field's minimum next to them (the coordinates become the minimum's).
bool rdkitHessian(KeyedMolecule& keyed,
                  VibrationField field,
                  StructureVibrations& result,
                  std::vector<double>& hessian,
                  std::vector<double>& charges,
                  const HessianProgress& progress,
                  bool minimise)
{
  const ForceFieldChoice choice = field == VibrationField::UFF      ? ForceFieldChoice::UFF
                                  : field == VibrationField::MMFF94 ? ForceFieldChoice::MMFF94
                                                                    : ForceFieldChoice::Automatic;
  BuiltForceField built = buildForceField(*keyed.mol, choice);
  if (!built.ready()) {
    result.failure = built.failure;
    return false;
  }
  result.forceField = built.name;
  charges = built.charges;
  if (minimise) {
    LimitedMemoryBfgs minimiser(
      [&built](std::span<const double> x, std::span<double> gradient) {
        return energyAndGradient(built, x, gradient);
      },
      result.coordinates,
      minimumTolerance,
      0.3);
    while (!minimiser.converged() && minimiser.iterations() < minimumIterationLimit)
      minimiser.iterate(100);
    if (!minimiser.converged()) {
      result.failure = "The force field found no minimum for the structure";
      return false;
    }
    result.coordinates = minimiser.x();
  }
  std::optional<std::vector<double>> h = hessianFromGradients(
    [&built](std::span<const double> x, std::span<double> gradient) {
      energyAndGradient(built, x, gradient);
    },
    result.coordinates,
    gradientStep,
    progress);
  if (!h) {
    result.failure = stoppedMessage();
    return false;
  }
  hessian = std::move(*h);
  return true;
}

// The Hessian of the classic force field from its strain energy.
bool classicHessian(tStructure& target,
                    StructureVibrations& result,
                    std::vector<double>& hessian,
                    const HessianProgress& progress)
{
  ForceField field(target);
  std::vector<int> index;
  for (const tXY* a : result.atoms)
    index.push_back(field.indexOf(a));
  const double unitsPerAngstrom = 1 / angstromsPerUnit();
  Vector3* positions = field.positions();
  const std::vector<Vector3> start(positions, positions + field.atomCount());
  std::optional<std::vector<double>> h = hessianFromEnergies(
    [&](std::span<const double> x) {
      for (std::size_t i = 0; i < index.size(); ++i) {
        if (index[i] < 0)
          continue;
        Vector3& p = positions[index[i]];
        p[0] = x[3 * i] * unitsPerAngstrom;
        p[1] = -x[3 * i + 1] * unitsPerAngstrom;
        p[2] = -x[3 * i + 2] * unitsPerAngstrom;
      }
      return field.strainEnergy() / calPerKcal;
    },
    result.coordinates,
    5e-3,
    progress);
  std::copy(start.begin(), start.end(), positions);
  if (!h) {
    result.failure = stoppedMessage();
    return false;
  }
  result.forceField = "classic";
  hessian = std::move(*h);
  return true;
}

} // namespace

namespace {

StructureVibrations analyse(tStructure& target,
                            VibrationField field,
                            const HessianProgress& progress,
                            bool minimise)
{
  StructureVibrations result;
  if (field != VibrationField::Classic && hasImplicitHydrogens(target)) {
    result.failure =
      "The structure has hydrogens not drawn as atoms: add protons in 3D before the analysis";
    return result;
  }
  KeyedMolecule keyed = keyedMolecule(target);
  if (keyed.atoms.empty()) {
    result.failure = "There are no atoms to analyse";
    return result;
  }
  if (!keyed.mol && field != VibrationField::Classic) {
    result.failure = keyed.failure;
    return result;
  }
  result.atoms = keyed.atoms;
  const double factor = angstromsPerUnit();
  for (const tXY* a : keyed.atoms) {
    result.masses.push_back(a->atomicWeight);
    result.coordinates.insert(result.coordinates.end(),
                              { a->x3 * factor, -a->y3 * factor, -a->z3 * factor });
  }
  std::vector<double> hessian;
  std::vector<double> charges;
  if (field == VibrationField::Classic) {
    if (!classicHessian(target, result, hessian, progress))
      return result;
    if (keyed.mol)
      charges = gasteigerCharges(*keyed.mol);
  } else if (!rdkitHessian(keyed, field, result, hessian, charges, progress, minimise)) {
    return result;
  }
  result.analysis = analyseNormalModes(result.masses, result.coordinates, hessian, charges);
  return result;
}

} // namespace

StructureVibrations normalModesOf(tStructure& target,
                                  VibrationField field,
                                  const HessianProgress& progress)
{
  return analyse(target, field, progress, false);
}

StructureVibrations minimumModesOf(tStructure& target, VibrationField field)
{
  if (field == VibrationField::Classic) {
    StructureVibrations refused;
    refused.failure = "The classic force field's modes are its levels";
    return refused;
  }
  return analyse(target, field, {}, true);
}

void displaceAlongMode(const StructureVibrations& vibrations, std::size_t mode, double amplitude)
{
  if (mode >= vibrations.analysis.modes.size())
    return;
  const std::vector<double>& d = vibrations.analysis.modes[mode].displacement;
  const double unitsPerAngstrom = 1 / angstromsPerUnit();
  for (std::size_t i = 0; i < vibrations.atoms.size(); ++i) {
    tXY* a = vibrations.atoms[i];
    a->x3 = (vibrations.coordinates[3 * i] + amplitude * d[3 * i]) * unitsPerAngstrom;
    a->y3 = -(vibrations.coordinates[3 * i + 1] + amplitude * d[3 * i + 1]) * unitsPerAngstrom;
    a->z3 = -(vibrations.coordinates[3 * i + 2] + amplitude * d[3 * i + 2]) * unitsPerAngstrom;
    a->update3d();
  }
}

} // namespace trelvix
