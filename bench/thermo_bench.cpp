// Cost of the reaction analysis of a 20-species reaction built from the Add Molecule items: the
// force-field estimate alone, and the best source per species (recognition in the reference
// table and group additivity on top of it); and of two large species.
#include "document/arrows.h"
#include "document/drawing.h"
#include "document/molecules.h"
#include "mechanics/reaction.h"
#include "mechanics/thermochemistry.h"
#include "sample_chain.h"

#include <benchmark/benchmark.h>

namespace trelvix {
namespace {

constexpr int speciesCount = 20;

// Ten molecules left and ten right of an arrow at x = 0, Add Molecule codes 571.. in turn.
void buildReaction(tDrawing& doc)
{
  for (int k = 0; k < speciesCount; ++k) {
    const double x = k < speciesCount / 2 ? -100.0 * (k + 1) : 100.0 * (k - speciesCount / 2 + 1);
    addMolecule(571 + k, x, 200);
  }
  doc.AddSymbol(new tArrow(0, black, 0, 1));
}

void analyse(benchmark::State& state, ThermoModel model)
{
  CurrentDocument current;
  buildReaction(current.doc);
  const tArrow* arrow = reactionArrow(current.doc);
  for (auto _ : state) {
    ReactionThermo thermo(current.doc);
    prepareThermochemistry(thermo);
    if (model == ThermoModel::Best)
      findBetterSources(thermo);
    benchmark::DoNotOptimize(analyseReaction(*arrow, thermo, 298.15, 1.0));
  }
  state.counters["species"] = speciesCount;
}

void BM_ReactionEstimate(benchmark::State& state)
{
  analyse(state, ThermoModel::Estimate);
}

void BM_ReactionBestSources(benchmark::State& state)
{
  analyse(state, ThermoModel::Best);
}

// Two alkane chains of n carbons (their hydrogens implicit), one each side of the arrow: the
// best-source analysis must grow linearly with the atoms (recognition and group assignment
// build their adjacency once). Target: 3000 atoms a species under 0.5 s.
void BM_TwoLargeSpecies(benchmark::State& state)
{
  const int n = static_cast<int>(state.range(0));
  CurrentDocument current;
  for (const double side : { -1.0, 1.0 }) {
    addChain(current.doc, n, [&](int i) {
      // A zigzag along y, 1.25 bond lengths (28 units a bond) apart, away from the arrow.
      return ChainAtom{ 6, side * (100 + 24.0 * (i % 2)), 14.0 * i, 0, true };
    });
  }
  current.doc.AddSymbol(new tArrow(0, black, 0, 1));
  const tArrow* arrow = reactionArrow(current.doc);
  for (auto _ : state) {
    ReactionThermo thermo(current.doc);
    prepareThermochemistry(thermo);
    findBetterSources(thermo);
    benchmark::DoNotOptimize(analyseReaction(*arrow, thermo, 298.15, 1.0));
  }
  state.counters["atoms"] = n;
}

BENCHMARK(BM_ReactionEstimate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReactionBestSources)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TwoLargeSpecies)->Arg(300)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace trelvix
