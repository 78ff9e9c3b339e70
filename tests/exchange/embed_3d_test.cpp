// 3D models of large molecules from SMILES: random starting coordinates, a bounded number of
// attempts and a force-field clean-up give real 3D models, never a flat layout.
#include "../model/model_fixture.h"
#include "document/drawing.h"
#include "exchange/molecule_import.h"
#include "model/atom.h"
#include "model/defaults.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace trelvix {
namespace {

using Embed3dTest = ModelTest;

std::string repeated(const std::string& unit, int times)
{
  std::string text;
  for (int i = 0; i < times; ++i)
    text += unit;
  return text;
}

struct LargeCase
{
  const char* name;
  std::string smiles;
};

TEST_F(Embed3dTest, LargeMoleculesAreNotFlatAndNoAtomsCollide)
{
  const LargeCase cases[] = {
    { "C100H202", repeated("C", 100) },
    // Twenty L-alanines joined by peptide bonds.
    { "(Ala)20", "N" + repeated("[C@@H](C)C(=O)N", 19) + "[C@@H](C)C(=O)O" },
  };
  ImportOptions options;
  options.embed3D = true;
  for (const LargeCase& c : cases) {
    ImportResult imported = readMolecules(c.smiles, ExchangeFormat::Smiles, c.name, options);
    ASSERT_TRUE(imported.drawing) << c.name << ": " << imported.message;
    std::vector<const tXY*> atoms(imported.drawing->Atoms.begin(), imported.drawing->Atoms.end());
    const double perUnit = angstromsPerUnit();
    double low = std::numeric_limits<double>::max(), high = std::numeric_limits<double>::lowest();
    double closest = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < atoms.size(); ++i) {
      low = std::min(low, atoms[i]->z3);
      high = std::max(high, atoms[i]->z3);
      for (std::size_t j = i + 1; j < atoms.size(); ++j) {
        const double d = std::hypot(
          atoms[i]->x3 - atoms[j]->x3, atoms[i]->y3 - atoms[j]->y3, atoms[i]->z3 - atoms[j]->z3);
        closest = std::min(closest, d * perUnit);
      }
    }
    EXPECT_GT((high - low) * perUnit, 3.0) << c.name;
    EXPECT_GT(closest, 0.9) << c.name;
  }
}

} // namespace
} // namespace trelvix
