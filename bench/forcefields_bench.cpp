// The force fields beside the classic one: MMFF94 optimisation of alkanes of 29, 101, 302 and
// 1001 atoms (C9H20, C33H68, C100H202, C333H668) from their ETKDG embeddings with the hydrogens
// added in 3D, the SMILES-to-3D build of C100 and C333, and the normal modes (MMFF94 Hessian,
// projection, diagonalisation) of the optimised C9H20, C33H68 and C100H202. The optimisation
// reports its energy and, from RDKit's complete MMFF94 field on the result, the energy and the
// largest gradient component: the check that the run's pair loop and steps changed nothing of
// MMFF94.
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "exchange/molecule_import.h"
#include "forcefields/force_field_check.h"
#include "forcefields/force_field_optimiser.h"
#include "forcefields/vibrations.h"
#include "mechanics/stop_tool.h"
#include "model/defaults.h"
#include "platform/scripted_shell.h"

#include <benchmark/benchmark.h>
#include <map>
#include <string>

namespace {

using namespace trelvix;

std::string alkane(int carbons)
{
  return std::string(static_cast<std::size_t>(carbons), 'C');
}

std::unique_ptr<tDrawing> embedded(int carbons)
{
  ImportOptions options;
  options.embed3D = true;
  ImportResult imported = readMolecules(alkane(carbons), ExchangeFormat::Smiles, "bench", options);
  return std::move(imported.drawing);
}

// The embedded alkane with its hydrogens placed by Add Protons 3D, made once per size.
const tDrawing& protonated(int carbons)
{
  static std::map<int, std::unique_ptr<CommandLayer>> made;
  std::unique_ptr<CommandLayer>& layer = made[carbons];
  if (!layer) {
    layer = std::make_unique<CommandLayer>(embedded(carbons));
    layer->AddProtons3D();
  }
  return layer->drawing();
}

// The same, optimised with MMFF94.
CommandLayer& optimised(int carbons)
{
  static std::map<int, std::unique_ptr<CommandLayer>> made;
  std::unique_ptr<CommandLayer>& layer = made[carbons];
  if (!layer) {
    layer = std::make_unique<CommandLayer>(protonated(carbons).clone());
    layer->setForceFieldOptimiser(optimizeWithForceField);
    StopTool stop;
    layer->OptimizeWith(ForceFieldChoice::MMFF94, stop);
  }
  return *layer;
}

void BM_MMFF94Optimize(benchmark::State& state)
{
  ScriptedShell shell;
  setCurrentShell(&shell);
  const int carbons = static_cast<int>(state.range(0));
  const tDrawing& start = protonated(carbons);
  ForceFieldRun run;
  ForceFieldCheck check;
  for (auto _ : state) {
    state.PauseTiming();
    CommandLayer layer(start.clone());
    layer.setUndoCopies(false);
    layer.setForceFieldOptimiser(optimizeWithForceField);
    StopTool stop;
    state.ResumeTiming();
    layer.OptimizeWith(ForceFieldChoice::MMFF94, stop, {}, &run);
    state.PauseTiming();
    // The check builds RDKit's force field on a copy: the layer's document is only read.
    check = checkWithRDKit(*layer.drawing().clone(), ForceFieldChoice::MMFF94);
    state.ResumeTiming();
  }
  state.counters["atoms"] = 3 * carbons + 2;
  state.counters["iterations"] = run.iterations;
  state.counters["converged"] = run.converged;
  state.counters["kcal"] = run.energy;
  state.counters["rdkit_kcal"] = check.energy;
  state.counters["rdkit_gmax"] = check.largestGradient;
  setCurrentShell(nullptr);
}
BENCHMARK(BM_MMFF94Optimize)->Arg(9)->Arg(33)->Arg(100)->Arg(333)->Unit(benchmark::kMillisecond);

// The embedding cleaned up by the program's own minimiser, as the program installs it.
void BM_SmilesTo3D(benchmark::State& state)
{
  installEmbeddingCleanUp();
  const int carbons = static_cast<int>(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(embedded(carbons));
  state.counters["atoms"] = 3 * carbons + 2;
}
BENCHMARK(BM_SmilesTo3D)->Arg(100)->Arg(333)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_NormalModes(benchmark::State& state)
{
  ScriptedShell shell;
  setCurrentShell(&shell);
  const int carbons = static_cast<int>(state.range(0));
  // The analysis keeps its terms on the structure it is given: a copy of the layer's document.
  const std::unique_ptr<tDrawing> molecule = optimised(carbons).drawing().clone();
  for (auto _ : state)
    benchmark::DoNotOptimize(normalModesOf(*molecule, VibrationField::MMFF94));
  state.counters["atoms"] = 3 * carbons + 2;
  setCurrentShell(nullptr);
}
BENCHMARK(BM_NormalModes)->Arg(9)->Arg(33)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
