// Cost of the reaction analysis of a 20-species reaction built from the Add Molecule items: the
// force-field estimate alone, and the best source per species (recognition in the reference
// table and group additivity on top of it).
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

BENCHMARK(BM_ReactionEstimate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReactionBestSources)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace trelvix
