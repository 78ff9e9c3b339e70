// Cost of saving and loading documents of growing size, and of the undo snapshot.
#include "document/drawing.h"
#include "document/file_format.h"
#include "model/bond.h"
#include "model/structure_atom.h"
#include "platform/scripted_shell.h"

#include <benchmark/benchmark.h>

namespace trelvix {
namespace {

// A zig-zag carbon chain of n atoms as one piece of a fresh current document.
struct ChainDocument
{
  ScriptedShell shell;
  tDrawing doc;

  explicit ChainDocument(int n)
  {
    setCurrentShell(&shell);
    setCurrentDrawing(&doc);
    auto* piece = new tStructure;
    tAtm* previous = nullptr;
    for (int i = 0; i < n; ++i) {
      auto* a = new tAtm(6, 24.0 * (i % 1000), 14.0 * (i % 2) + 40.0 * (i / 1000), 0);
      doc.Atoms.Add(a);
      piece->Atoms.Add(a);
      if (previous) {
        auto* b = new tbond(previous, a);
        b->ssingle();
        doc.Bonds.Add(b);
        piece->Bonds.Add(b);
      }
      previous = a;
    }
    doc.Groups.Add(piece);
  }

  ~ChainDocument()
  {
    setCurrentDrawing(nullptr);
    setCurrentShell(nullptr);
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
}
BENCHMARK(BM_UndoSnapshot)->Arg(100)->Arg(1000)->Arg(10000);

} // namespace
} // namespace trelvix
