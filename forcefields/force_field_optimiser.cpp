#include "forcefields/force_field_optimiser.h"

#include "document/drawing.h"
#include "forcefields/keyed_molecule.h"
#include "forcefields/rdkit_force_field.h"
#include "mechanics/stop_tool.h"
#include "platform/shell.h"

#include <GraphMol/Conformer.h>
#include <vector>

namespace trelvix {

namespace {

// RDKit's BFGS stops when the largest gradient component, relative to the energy's size, falls
// below this; tight enough that normal modes of the result show no spurious imaginary mode.
constexpr double gradientTolerance = 1e-6;
constexpr double energyTolerance = 1e-9;

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

} // namespace

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
    target.protonate3d();
    run.protonsAdded = true;
  }
  KeyedMolecule keyed = keyedMolecule(target);
  if (!keyed.mol) {
    run.failure = keyed.failure;
    return run;
  }
  BuiltForceField built = buildForceField(*keyed.mol, choice);
  if (!built.field) {
    run.failure = built.failure;
    return run;
  }
  run.forceField = built.name;
  Shell& shell = currentShell();
  stop.FormShow();
  const RDKit::Conformer& conformer = keyed.mol->getConformer();
  bool more = true;
  while (more && run.iterations < forceFieldIterationLimit) {
    more = built.field->minimize(forceFieldChunk, gradientTolerance, energyTolerance) != 0;
    run.iterations += forceFieldChunk;
    run.energy = built.field->calcEnergy();
    writePositions(keyed, conformerPositions(conformer).data());
    stop.showEnergy(run.energy * 1000);
    if (progress)
      progress(run);
    shell.requestRepaint();
    shell.processEvents();
    if (shell.stopRequested() || stop.stopFlag())
      break;
  }
  run.converged = !more;
  stop.hide();
  target.Atoms.update();
  if (CurrentDrawing)
    CurrentDrawing->savedFlag = 0;
  shell.requestRepaint();
  return run;
}

} // namespace trelvix
