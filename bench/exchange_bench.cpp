// Reading other programs' files: a molecule of 100 000 atoms and an SD file of 10 000 records
// must read in time proportional to their size. The work runs on a thread of its own (for its
// stack), so the times to read are the real ones.
#include "document/drawing.h"
#include "exchange/molecule_export.h"
#include "exchange/molecule_import.h"
#include "model/defaults.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

using namespace trelvix;

// A zigzag chain of n carbons as a V3000 molfile (V2000 holds at most 999 atoms): a polyene
// (alternate bonds double) or an alkane.
std::string chainMolfile(int n, bool conjugated)
{
  std::string text = "polyene\n  bench\n\n  0  0  0     0  0            999 V3000\n"
                     "M  V30 BEGIN CTAB\n";
  text += "M  V30 COUNTS " + std::to_string(n) + " " + std::to_string(n - 1) + " 0 0 0\n";
  text += "M  V30 BEGIN ATOM\n";
  char line[96];
  for (int i = 0; i < n; ++i) {
    std::snprintf(line, sizeof line, "M  V30 %d C %.4f %.4f 0 0\n", i + 1, i * 1.3, (i % 2) * 0.75);
    text += line;
  }
  text += "M  V30 END ATOM\nM  V30 BEGIN BOND\n";
  for (int i = 1; i < n; ++i) {
    std::snprintf(
      line, sizeof line, "M  V30 %d %d %d %d\n", i, conjugated && i % 2 ? 2 : 1, i, i + 1);
    text += line;
  }
  text += "M  V30 END BOND\nM  V30 END CTAB\nM  END\n";
  return text;
}

// n water molecules on a grid 3 Å apart, as XYZ.
std::string waterXyz(int n)
{
  std::string text = std::to_string(3 * n) + "\nwater grid\n";
  char line[96];
  const int side = 64;
  for (int i = 0; i < n; ++i) {
    const double x = (i % side) * 3.0;
    const double y = ((i / side) % side) * 3.0;
    const double z = (i / (side * side)) * 3.0;
    std::snprintf(line,
                  sizeof line,
                  "O %.4f %.4f %.4f\nH %.4f %.4f %.4f\nH %.4f %.4f %.4f\n",
                  x,
                  y,
                  z + 0.1173,
                  x,
                  y + 0.7572,
                  z - 0.4692,
                  x,
                  y - 0.7572,
                  z - 0.4692);
    text += line;
  }
  return text;
}

// n records of acetic acid.
std::string aceticAcidSdf(int n)
{
  const std::string record =
    "acetic acid\n  bench\n\n"
    "  4  3  0  0  0  0  0  0  0  0999 V2000\n"
    "    0.0000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "    1.5000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "    2.2500    1.2990    0.0000 O   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "    2.2500   -1.2990    0.0000 O   0  0  0  0  0  0  0  0  0  0  0  0\n"
    "  1  2  1  0\n  2  3  2  0\n  2  4  1  0\nM  END\n$$$$\n";
  std::string text;
  text.reserve(record.size() * static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i)
    text += record;
  return text;
}

/// Places the SMILES in 2D once per iteration, as Add from SMILES does.
void timePlacing(benchmark::State& state, const std::string& smiles)
{
  ModelDefaultsScope defaults;
  for (auto _ : state) {
    ImportResult r = readMolecules(smiles, ExchangeFormat::Smiles, "bench");
    benchmark::DoNotOptimize(r.drawing);
  }
}

void readAndCount(benchmark::State& state, const std::string& text, ExchangeFormat format)
{
  ModelDefaultsScope defaults;
  for (auto _ : state) {
    ImportResult r = readMolecules(text, format, "bench");
    if (!r.drawing)
      state.SkipWithError(r.message.c_str());
    benchmark::DoNotOptimize(r.drawing);
  }
  state.SetComplexityN(state.range(0));
}

void BM_ReadAlkaneMolfile(benchmark::State& state)
{
  readAndCount(state, chainMolfile(static_cast<int>(state.range(0)), false), ExchangeFormat::Mol);
}
BENCHMARK(BM_ReadAlkaneMolfile)
  ->RangeMultiplier(10)
  ->Range(1000, 100000)
  ->Unit(benchmark::kMillisecond)
  ->UseRealTime()
  ->Complexity();

// One conjugated system across the whole chain: RDKit's molfile reader sets the directions of
// the double bonds' neighbours through it in time that grows faster than its length (about a
// minute at 100 000 atoms), so the range stops at 10 000.
void BM_ReadPolyeneMolfile(benchmark::State& state)
{
  readAndCount(state, chainMolfile(static_cast<int>(state.range(0)), true), ExchangeFormat::Mol);
}
BENCHMARK(BM_ReadPolyeneMolfile)
  ->RangeMultiplier(10)
  ->Range(1000, 10000)
  ->Unit(benchmark::kMillisecond)
  ->UseRealTime()
  ->Complexity();

void BM_ReadWaterXyz(benchmark::State& state)
{
  readAndCount(state, waterXyz(static_cast<int>(state.range(0)) / 3), ExchangeFormat::Xyz);
}
BENCHMARK(BM_ReadWaterXyz)
  ->RangeMultiplier(10)
  ->Range(1000, 100000)
  ->Unit(benchmark::kMillisecond)
  ->UseRealTime()
  ->Complexity();

void BM_ReadSdfRecords(benchmark::State& state)
{
  readAndCount(state, aceticAcidSdf(static_cast<int>(state.range(0))), ExchangeFormat::Sdf);
}
BENCHMARK(BM_ReadSdfRecords)
  ->RangeMultiplier(10)
  ->Range(100, 10000)
  ->Unit(benchmark::kMillisecond)
  ->UseRealTime()
  ->Complexity();

void BM_WriteSdfRecords(benchmark::State& state)
{
  ModelDefaultsScope defaults;
  ImportResult r =
    readMolecules(aceticAcidSdf(static_cast<int>(state.range(0))), ExchangeFormat::Sdf, "bench");
  for (auto _ : state)
    benchmark::DoNotOptimize(exportDrawing(*r.drawing, ExchangeFormat::Sdf));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_WriteSdfRecords)
  ->RangeMultiplier(10)
  ->Range(100, 10000)
  ->Unit(benchmark::kMillisecond)
  ->UseRealTime()
  ->Complexity();

void BM_WritePolyeneMolfile(benchmark::State& state)
{
  ModelDefaultsScope defaults;
  ImportResult r = readMolecules(
    chainMolfile(static_cast<int>(state.range(0)), true), ExchangeFormat::Mol, "bench");
  for (auto _ : state)
    benchmark::DoNotOptimize(exportDrawing(*r.drawing, ExchangeFormat::Mol));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_WritePolyeneMolfile)
  ->RangeMultiplier(10)
  ->Range(1000, 10000)
  ->Unit(benchmark::kMillisecond)
  ->UseRealTime()
  ->Complexity();

// A ring of n carbons from SMILES, placed in 2D: macrocycles must place in well under a second.
void BM_PlaceCarbonRing(benchmark::State& state)
{
  const auto n = static_cast<std::size_t>(state.range(0));
  const std::string smiles = "C1" + std::string(n - 2, 'C') + "C1";
  timePlacing(state, smiles);
}
BENCHMARK(BM_PlaceCarbonRing)
  ->Arg(20)
  ->Arg(40)
  ->Arg(80)
  ->Unit(benchmark::kMillisecond)
  ->UseRealTime();

// A chain of n carbons from SMILES, placed in 2D: 500 well under a second, 10 000 under ten.
void BM_PlaceCarbonChain(benchmark::State& state)
{
  const std::string smiles(static_cast<std::size_t>(state.range(0)), 'C');
  timePlacing(state, smiles);
}
BENCHMARK(BM_PlaceCarbonChain)
  ->Arg(500)
  ->Arg(1000)
  ->Arg(4000)
  ->Arg(10000)
  ->Unit(benchmark::kMillisecond)
  ->UseRealTime();

// A para-polyphenylene of n rings from SMILES (6 n heavy atoms), placed in 2D.
void BM_PlacePolyphenylene(benchmark::State& state)
{
  const auto n = static_cast<std::size_t>(state.range(0));
  std::string smiles = "c1ccccc1";
  for (std::size_t k = 1; k < n; ++k)
    smiles = "c1ccc(cc1)" + smiles;
  timePlacing(state, smiles);
}
BENCHMARK(BM_PlacePolyphenylene)
  ->Arg(10)
  ->Arg(20)
  ->Arg(40)
  ->Arg(80)
  ->Unit(benchmark::kMillisecond)
  ->UseRealTime();

// Polystyrene of n units from SMILES (8 n heavy atoms, n isolated benzene rings), placed in 2D:
// 62 units (496 heavy atoms) are to place in under a second, 1 250 (10 000) in under ten.
void BM_PlacePolystyrene(benchmark::State& state)
{
  std::string smiles;
  for (long k = 0; k < state.range(0); ++k)
    smiles += "CC(c1ccccc1)";
  timePlacing(state, smiles);
}
BENCHMARK(BM_PlacePolystyrene)
  ->Arg(12)
  ->Arg(25)
  ->Arg(62)
  ->Arg(500)
  ->Arg(1250)
  ->Unit(benchmark::kMillisecond)
  ->UseRealTime();

} // namespace
