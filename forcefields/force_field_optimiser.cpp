#include "forcefields/force_field_optimiser.h"

#include "document/drawing.h"
#include "exchange/embedding_cleanup.h"
#include "forcefields/keyed_molecule.h"
#include "forcefields/lbfgs.h"
#include "forcefields/rdkit_force_field.h"
#include "forcefields/stiffness_preconditioner.h"
#include "mechanics/stop_tool.h"
#include "platform/shell.h"

#include <GraphMol/Conformer.h>
#include <GraphMol/ROMol.h>
#include <GraphMol/RWMol.h>
#include <vector>

namespace trelvix {

namespace {

// Converged when no gradient component exceeds this (kcal mol⁻¹ Å⁻¹): tight enough that the
// translations and rotations of the result's normal modes stay below 1 cm⁻¹.
constexpr double gradientTolerance = 1e-5;
// Å: no atom moves further in one iteration.
constexpr double maxStep = 0.3;

std::vector<double> conformerPositions(const RDKit::Conformer& conformer)
{
  std::vector<double> xyz;
  xyz.reserve(3 * conformer.getNumAtoms());
  for (const RDGeom::Point3D& p : conformer.getPositions()) {
    xyz.push_back(p.x);
    xyz.push_back(p.y);
    xyz.push_back(p.z);
  }
  return xyz;
}

// The bonds and angles of mol, for the steps' preconditioner.
StiffnessPreconditioner stiffnessOf(const RDKit::ROMol& mol)
{
  std::vector<StiffnessPreconditioner::Bond> bonds;
  for (const RDKit::Bond* bond : mol.bonds())
    bonds.push_back({ bond->getBeginAtomIdx(), bond->getEndAtomIdx() });
  std::vector<StiffnessPreconditioner::Angle> angles;
  for (const RDKit::Atom* centre : mol.atoms()) {
    std::vector<std::uint32_t> ends;
    for (const RDKit::Atom* end : mol.atomNeighbors(centre))
      ends.push_back(end->getIdx());
    for (std::size_t a = 0; a < ends.size(); ++a) {
      for (std::size_t b = a + 1; b < ends.size(); ++b)
        angles.push_back({ ends[a], ends[b], centre->getIdx() });
    }
  }
  return StiffnessPreconditioner(mol.getNumAtoms(), std::move(bonds), std::move(angles));
}

// The embedding's clean-up: the same minimiser on the molecule's conformer, MMFF94 or UFF,
// for at most iterations steps, without events or repaints (the molecule is no document yet).
void cleanUpEmbedding(RDKit::RWMol& mol, int iterations)
{
  BuiltForceField built = buildForceField(mol, ForceFieldChoice::Automatic);
  if (!built.ready())
    return; // no field types it: the embedding stands as it is
  StiffnessPreconditioner stiffness = stiffnessOf(mol);
  RDKit::Conformer& conformer = mol.getConformer();
  LimitedMemoryBfgs minimiser(
    [&built](std::span<const double> x, std::span<double> gradient) {
      return energyAndGradient(built, x, gradient);
    },
    conformerPositions(conformer),
    gradientTolerance,
    maxStep,
    &stiffness);
  minimiser.iterate(iterations);
  const std::vector<double>& x = minimiser.x();
  for (unsigned int i = 0; i < conformer.getNumAtoms(); ++i)
    conformer.setAtomPos(i, RDGeom::Point3D(x[3 * i], x[3 * i + 1], x[3 * i + 2]));
}

// Add Protons 3D on a group gives the hydrogens it makes to the document alone: they join the
// group here (the document's atoms and bonds beyond the first atoms and bonds, which it had
// before), so that the group is optimised with them.
void joinNewHydrogens(tStructure& group, int atoms, int bonds)
{
  if (!CurrentDrawing || &group == CurrentDrawing)
    return;
  for (int i = atoms; i < CurrentDrawing->Atoms.Count(); ++i)
    group.Atoms.Add(CurrentDrawing->Atoms.At(i));
  for (int i = bonds; i < CurrentDrawing->Bonds.Count(); ++i)
    group.Bonds.Add(CurrentDrawing->Bonds.At(i));
  group.GetLigands();
}

} // namespace

void installEmbeddingCleanUp()
{
  setEmbeddingCleanUp(cleanUpEmbedding);
}

ForceFieldRun optimizeWithForceField(tStructure& target,
                                     ForceFieldChoice choice,
                                     StopTool& stop,
                                     const ForceFieldProgress& progress)
{
  ForceFieldRun run;
  if (hasImplicitHydrogens(target)) {
    // The typing of the structure with its hydrogens as atoms decides before the document
    // changes; then Add Protons 3D places them.
    KeyedMolecule preview = keyedMolecule(target, true);
    run.failure = preview.mol ? typingFailure(*preview.mol, choice) : preview.failure;
    if (!run.failure.empty())
      return run;
    const int atoms = CurrentDrawing ? CurrentDrawing->Atoms.Count() : 0;
    const int bonds = CurrentDrawing ? CurrentDrawing->Bonds.Count() : 0;
    target.protonate3d();
    joinNewHydrogens(target, atoms, bonds);
    run.protonsAdded = true;
  }
  KeyedMolecule keyed = keyedMolecule(target);
  if (!keyed.mol) {
    run.failure = keyed.failure;
    return run;
  }
  BuiltForceField built = buildForceField(*keyed.mol, choice);
  if (!built.ready()) {
    run.failure = built.failure;
    return run;
  }
  run.forceField = built.name;
  Shell& shell = currentShell();
  stop.FormShow();
  StiffnessPreconditioner stiffness = stiffnessOf(*keyed.mol);
  LimitedMemoryBfgs minimiser(
    [&built](std::span<const double> x, std::span<double> gradient) {
      return energyAndGradient(built, x, gradient);
    },
    conformerPositions(keyed.mol->getConformer()),
    gradientTolerance,
    maxStep,
    &stiffness);
  while (!minimiser.converged() && minimiser.iterations() < forceFieldIterationLimit) {
    minimiser.iterate(forceFieldChunk);
    run.iterations = minimiser.iterations();
    run.energy = minimiser.energy();
    writePositions(keyed, minimiser.x().data());
    stop.showEnergy(run.energy * 1000);
    if (progress)
      progress(run);
    shell.requestRepaint();
    shell.processEvents();
    if (shell.stopRequested() || stop.stopFlag())
      break;
  }
  run.iterations = minimiser.iterations();
  run.energy = minimiser.energy();
  run.converged = minimiser.converged();
  stop.hide();
  target.Atoms.update();
  if (CurrentDrawing)
    CurrentDrawing->savedFlag = 0;
  shell.requestRepaint();
  return run;
}

} // namespace trelvix
