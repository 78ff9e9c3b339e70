#pragma once

#include "commands/force_field_command.h"

namespace trelvix {

/// Chunks of iterations between the repaints, energy reports and stop checks.
inline constexpr int forceFieldChunk = 50;
/// No run takes more iterations than this.
inline constexpr int forceFieldIterationLimit = 10000;

/// The ForceFieldOptimiser the program, the CLI and the tests give the command layer: target as a
/// molecule keyed atom for atom, its implicit hydrogens first added in 3D (Add Protons 3D) when it
/// has any, then minimised with the chosen force field (limited-memory BFGS on RDKit's terms,
/// MMFF94's pair terms in one loop of its own, the steps shaped by the bonds' and angles'
/// stiffness; converged when no gradient component exceeds 1e-5 kcal mol⁻¹ Å⁻¹) in chunks of
/// iterations, each chunk's positions written back to the atoms (drawing units = Å /
/// angstromsPerUnit()), the energy shown in the stop tool, the shell's events processed and its
/// stop request heeded. An atom the choice cannot type refuses the run before anything changes.
ForceFieldRun optimizeWithForceField(tStructure& target,
                                     ForceFieldChoice choice,
                                     StopTool& stop,
                                     const ForceFieldProgress& progress);

/// Gives the exchange library this minimiser for the clean-up of its 3D embeddings (SMILES to
/// 3D) in place of RDKit's own, which is several times slower on large molecules.
void installEmbeddingCleanUp();

} // namespace trelvix
