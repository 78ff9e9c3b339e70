// Cost of saving and loading documents of growing size, and of the undo snapshot: its time and
// the heap bytes one step of the undo history holds.
#include "allocation_counter.h"
#include "document/file_format.h"
#include "sample_chain.h"

#include <benchmark/benchmark.h>

namespace trelvix {
namespace {

// A zig-zag carbon chain of n atoms as one piece of a fresh current document.
struct ChainDocument : CurrentDocument
{
  explicit ChainDocument(int n)
  {
    addChain(doc, n, [](int i) {
      return ChainAtom{ 6, 24.0 * (i % 1000), 14.0 * (i % 2) + 40.0 * (i / 1000), 0, true };
    });
  }
};

void BM_SaveDocument(benchmark::State& state)
{
  ChainDocument chain(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(writeDrawing(chain.doc).size());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SaveDocument)->Arg(100)->Arg(1000)->Arg(10000);

void BM_LoadDocument(benchmark::State& state)
{
  ChainDocument chain(static_cast<int>(state.range(0)));
  const std::vector<std::uint8_t> bytes = writeDrawing(chain.doc);
  for (auto _ : state)
    benchmark::DoNotOptimize(readDrawing(bytes).get());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadDocument)->Arg(100)->Arg(1000)->Arg(10000);

void BM_UndoSnapshot(benchmark::State& state)
{
  ChainDocument chain(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(chain.doc.clone().get());
  state.SetItemsProcessed(state.iterations() * state.range(0));
  const AllocationCounter counter;
  const std::unique_ptr<tDrawing> step = chain.doc.clone();
  state.counters["bytes_per_step"] = static_cast<double>(counter.peakAdded());
}
BENCHMARK(BM_UndoSnapshot)->Arg(100)->Arg(1000)->Arg(10000);

} // namespace
} // namespace trelvix
