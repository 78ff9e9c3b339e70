// Cost of the force field and the optimiser over a ladder of molecules: the strain energy of a
// built document, one atom relaxation, and a whole Optimize Geometry run; and the time and heap
// memory of the strain energy and of one optimisation pass on chains of 1 000 to 12 000 atoms.
#include "allocation_counter.h"
#include "document/code_table.h"
#include "document/drawing.h"
#include "mechanics/force_field.h"
#include "mechanics/optimiser.h"
#include "mechanics/stop_tool.h"
#include "mechanics/thermochemistry.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/structure_atom.h"
#include "platform/scripted_shell.h"
#include "sample_chain.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <sys/resource.h>
#include <vector>

namespace trelvix {
namespace {

// An all-anti carbon chain of n atoms, the zig-zag in the drawing plane, as one piece.
void zigzagChain(tDrawing& doc, int n)
{
  const double s = bondScale();
  addChain(doc, n, [s](int i) {
    return ChainAtom{ 6, 40 + i * s * 0.8166, 200 + (i % 2) * s * 0.5774, 0, true };
  });
}

// An atom of element z bonded to the first atom of the document's first piece, straight above it.
void substitute(tDrawing& doc, int z)
{
  tXY* ring = doc.Atoms.At(0);
  auto* a = new tAtm(z, 0, 0, 0);
  a->setRXYZ(ring->x3, ring->y3 - 1.15 * bondScale(), ring->z3);
  auto* b = new tbond(ring, a);
  b->ssingle();
  doc.Atoms.Add(a);
  doc.Bonds.Add(b);
  doc.Groups.At(0)->Atoms.Add(a);
  doc.Groups.At(0)->Bonds.Add(b);
}

struct Molecule
{
  const char* name;
  void (*build)(tDrawing&);
};

// The ladder: menu codes as the CLI's build steps use them, then Add Protons 3D.
const Molecule ladder[] = {
  { "ethane", [](tDrawing&) { buildProcedure(501, 200, 200); } },
  { "cyclohexane chair",
    [](tDrawing&) {
      modelDefaults().DrawMode3D = true;
      buildProcedure(161, 200, 200);
    } },
  { "benzene", [](tDrawing&) { buildProcedure(701, 200, 200); } },
  { "n-decane", [](tDrawing&) { buildProcedure(509, 100, 200); } },
  { "chlorobenzene",
    [](tDrawing& d) {
      buildProcedure(701, 200, 200);
      substitute(d, 17);
    } },
  { "C30 alkane", [](tDrawing& d) { zigzagChain(d, 30); } },
  { "C100 chain", [](tDrawing& d) { zigzagChain(d, 100); } },
  { "C333 chain", [](tDrawing& d) { zigzagChain(d, 333); } },
};

// One molecule of the ladder with its hydrogens, in a fresh current document.
struct Built
{
  ModelDefaultsScope defaults;
  ScriptedShell shell;
  tDrawing doc;
  std::vector<Vector3> start;

  explicit Built(const Molecule& m)
  {
    setCurrentShell(&shell);
    setCurrentDrawing(&doc);
    m.build(doc);
    doc.protonate3d();
    for (const tXY* a : doc.Atoms)
      start.push_back({ a->x3, a->y3, a->z3 });
  }
  ~Built()
  {
    setCurrentDrawing(nullptr);
    setCurrentShell(nullptr);
  }
  void restart()
  {
    for (int i = 0; i < doc.Atoms.Count(); ++i) {
      tXY* a = doc.Atoms.At(i);
      a->setRXYZ(start[static_cast<std::size_t>(i)][0],
                 start[static_cast<std::size_t>(i)][1],
                 start[static_cast<std::size_t>(i)][2]);
    }
    doc.update();
    shell.seedRandom(1);
  }
};

void label(benchmark::State& state, const Built& b, const ForceField& field)
{
  state.SetLabel(ladder[state.range(0)].name);
  state.counters["atoms"] = b.doc.Atoms.Count();
  state.counters["terms"] = static_cast<double>(field.termCount());
}

void BM_StrainEnergy(benchmark::State& state)
{
  Built b(ladder[state.range(0)]);
  ForceField field(b.doc);
  for (auto _ : state)
    benchmark::DoNotOptimize(field.strainEnergy());
  label(state, b, field);
}
BENCHMARK(BM_StrainEnergy)->DenseRange(0, std::size(ladder) - 1)->Unit(benchmark::kMicrosecond);

void BM_RelaxOneAtom(benchmark::State& state)
{
  Built b(ladder[state.range(0)]);
  ForceField field(b.doc);
  StopTool stop;
  Optimiser optimiser(b.doc, field, stop);
  optimiser.resetEnergy();
  const int middle = b.doc.Atoms.Count() / 2;
  for (auto _ : state) {
    state.PauseTiming();
    field.readPositions();
    optimiser.resetEnergy();
    state.ResumeTiming();
    optimiser.relax(middle);
  }
  label(state, b, field);
}
BENCHMARK(BM_RelaxOneAtom)->DenseRange(0, std::size(ladder) - 1)->Unit(benchmark::kMicrosecond);

void BM_OptimizeGeometry(benchmark::State& state)
{
  Built b(ladder[state.range(0)]);
  StopTool stop;
  OptimiseResult result;
  for (auto _ : state) {
    state.PauseTiming();
    b.restart();
    state.ResumeTiming();
    result = optimizeGeometry(b.doc, OptimiseCommand::OptimizeGeometry, stop);
  }
  ForceField field(b.doc);
  label(state, b, field);
  state.counters["passes"] = result.passes;
  state.counters["kcal"] = result.energy * 0.001;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["maxrss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}
BENCHMARK(BM_OptimizeGeometry)
  ->DenseRange(0, std::size(ladder) - 1)
  ->Unit(benchmark::kMillisecond)
  ->MeasureProcessCPUTime()
  ->UseRealTime();

// An all-anti alkane of about the given number of atoms (a third of them carbons), with its
// hydrogens, in a fresh current document.
struct BigChain
{
  ModelDefaultsScope defaults;
  CurrentDocument current;

  explicit BigChain(int atoms)
  {
    zigzagChain(current.doc, atoms / 3);
    current.doc.protonate3d();
  }
};

void memoryCounters(benchmark::State& state, const BigChain& chain, std::size_t peak)
{
  state.counters["atoms"] = chain.current.doc.Atoms.Count();
  state.counters["peak_added_MB"] = static_cast<double>(peak) / 1e6;
}

// The strain energy as the properties command computes it: the force field built, every term
// summed. Its memory must grow with the atoms, not with their pairs.
void BM_StrainMemory(benchmark::State& state)
{
  BigChain chain(static_cast<int>(state.range(0)));
  std::size_t peak = 0;
  for (auto _ : state) {
    const AllocationCounter counter;
    benchmark::DoNotOptimize(totalStrainEnergy(chain.current.doc));
    peak = std::max(peak, counter.peakAdded());
  }
  memoryCounters(state, chain, peak);
}
BENCHMARK(BM_StrainMemory)->Arg(1000)->Arg(6000)->Arg(12000)->Unit(benchmark::kMillisecond);

// What the properties command computes of a large document: charges, dipole, principal moments
// and strain. The charges and the pair energies weigh every pair of atoms.
void BM_Properties(benchmark::State& state)
{
  BigChain chain(static_cast<int>(state.range(0)));
  tDrawing& doc = chain.current.doc;
  for (auto _ : state) {
    doc.GetCharges();
    benchmark::DoNotOptimize(doc.DipoleMoment());
    benchmark::DoNotOptimize(doc.principalmoments());
    benchmark::DoNotOptimize(totalStrainEnergy(doc));
  }
  state.counters["atoms"] = doc.Atoms.Count();
}
BENCHMARK(BM_Properties)
  ->Arg(1000)
  ->Arg(3000)
  ->Arg(10000)
  ->Arg(30000)
  ->Unit(benchmark::kMillisecond)
  ->Iterations(1);

// The partial charges alone.
void BM_PartialCharges(benchmark::State& state)
{
  BigChain chain(static_cast<int>(state.range(0)));
  for (auto _ : state)
    chain.current.doc.GetCharges();
  state.counters["atoms"] = chain.current.doc.Atoms.Count();
}
BENCHMARK(BM_PartialCharges)
  ->Arg(1000)
  ->Arg(3000)
  ->Arg(10000)
  ->Unit(benchmark::kMillisecond)
  ->Iterations(1);

// One optimisation pass: the force field built and every atom relaxed once.
void BM_OptimisePassMemory(benchmark::State& state)
{
  BigChain chain(static_cast<int>(state.range(0)));
  tDrawing& doc = chain.current.doc;
  std::size_t peak = 0;
  for (auto _ : state) {
    const AllocationCounter counter;
    ForceField field(doc);
    StopTool stop;
    Optimiser optimiser(doc, field, stop);
    optimiser.resetEnergy();
    for (int i = 0; i < field.targetAtomCount(); ++i)
      optimiser.relax(i);
    benchmark::DoNotOptimize(optimiser.energy());
    peak = std::max(peak, counter.peakAdded());
  }
  memoryCounters(state, chain, peak);
}
BENCHMARK(BM_OptimisePassMemory)
  ->Arg(1000)
  ->Arg(6000)
  ->Arg(12000)
  ->Unit(benchmark::kMillisecond)
  ->Iterations(1);

} // namespace
} // namespace trelvix
