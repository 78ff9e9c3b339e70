// Cost of the atom and bond records that loading and saving a document are made of.
#include "model/atom_list.h"
#include "model/bond.h"
#include "model/structure_atom.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace trelvix {
namespace {

struct Chain
{
  std::vector<std::unique_ptr<tAtm>> atoms;
  std::vector<std::unique_ptr<tbond>> bonds;
  tAtoms list;

  explicit Chain(int n)
  {
    for (int i = 0; i < n; ++i) {
      atoms.push_back(std::make_unique<tAtm>(6, 24.0 * i, (i % 2) * 14.0, 0));
      list.Add(atoms.back().get());
    }
    for (int i = 1; i < n; ++i) {
      bonds.push_back(std::make_unique<tbond>(atoms[i - 1].get(), atoms[i].get()));
      bonds.back()->ssingle();
    }
  }
};

void BM_WriteStructureRecords(benchmark::State& state)
{
  Chain chain(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    BinaryWriter out;
    for (const auto& atom : chain.atoms)
      atom->write3ddata(out);
    for (const auto& bond : chain.bonds)
      bond->Write3ddata(out, chain.list);
    benchmark::DoNotOptimize(out.data().data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteStructureRecords)->Arg(100)->Arg(1000)->Arg(10000);

void BM_ReadStructureRecords(benchmark::State& state)
{
  Chain chain(static_cast<int>(state.range(0)));
  BinaryWriter out;
  for (const auto& atom : chain.atoms)
    atom->write3ddata(out);
  for (const auto& bond : chain.bonds)
    bond->Write3ddata(out, chain.list);
  for (auto _ : state) {
    BinaryReader in(out.data());
    for (const auto& atom : chain.atoms)
      atom->Read3ddata(in);
    for (const auto& bond : chain.bonds)
      bond->Read3ddata(in, chain.list);
    benchmark::DoNotOptimize(in.position());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadStructureRecords)->Arg(100)->Arg(1000)->Arg(10000);

} // namespace
} // namespace trelvix
