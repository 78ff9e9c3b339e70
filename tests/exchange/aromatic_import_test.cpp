// Aromatic rings from other programs take the state of the Benzene menu's ring: alternating
// single and double bonds, each with the aromatic mark, so the force field gives benzene six
// equal bonds (1.39-1.40 Å measured, CRC Handbook), and SMILES goes out aromatic again.
#include "../model/model_fixture.h"
#include "document/drawing.h"
#include "exchange/molecule_export.h"
#include "exchange/molecule_import.h"
#include "mechanics/optimiser.h"
#include "mechanics/stop_tool.h"
#include "model/atom.h"
#include "model/link.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace trelvix {
namespace {

// Benzene as a Kekulé molfile: the ring of 1.40 Å, alternating single and double bonds.
const std::string kekuleMolfile =
  "benzene\n"
  "  handmade\n"
  "\n"
  "  6  6  0  0  0  0  0  0  0  0999 V2000\n"
  "    1.4000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
  "    0.7000    1.2124    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
  "   -0.7000    1.2124    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
  "   -1.4000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
  "   -0.7000   -1.2124    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
  "    0.7000   -1.2124    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
  "  1  2  2  0\n"
  "  2  3  1  0\n"
  "  3  4  2  0\n"
  "  4  5  1  0\n"
  "  5  6  2  0\n"
  "  6  1  1  0\n"
  "M  END\n";

struct AromaticCase
{
  const char* label;
  ExchangeFormat format;
  std::string text;
};

class AromaticImport : public ModelTest
{
protected:
  ~AromaticImport() override { setCurrentDrawing(nullptr); }
};

TEST_F(AromaticImport, BenzeneOptimisesToSixEqualBondsAndWritesAromaticSmiles)
{
  const AromaticCase cases[] = {
    { "aromatic smiles", ExchangeFormat::Smiles, "c1ccccc1\n" },
    { "kekule smiles", ExchangeFormat::Smiles, "C1=CC=CC=C1\n" },
    { "kekule molfile", ExchangeFormat::Mol, kekuleMolfile },
  };
  for (const AromaticCase& c : cases) {
    SCOPED_TRACE(c.label);
    ImportResult r = readMolecules(c.text, c.format, c.label);
    ASSERT_TRUE(r.drawing) << r.message;
    tDrawing& d = *r.drawing;
    ASSERT_EQ(d.Bonds.Count(), 6);
    std::map<int, int> codes;
    for (const tLink* b : d.Bonds)
      ++codes[b->typeCode];
    EXPECT_EQ(
      codes,
      (std::map<int, int>{ { SingleBond + AromaticMark, 3 }, { DoubleBond + AromaticMark, 3 } }));
    const std::string name = d.title.empty() ? "" : " " + d.title;
    EXPECT_EQ(exportDrawing(d, ExchangeFormat::Smiles), "c1ccccc1" + name + "\n");

    // Optimised as the Benzene menu's ring is, its hydrogens implicit.
    setCurrentDrawing(&d);
    StopTool stop;
    optimizeGeometry(d, OptimiseCommand::OptimizeGeometry, stop);
    std::vector<double> ring;
    for (const tLink* b : d.Bonds) {
      if (b->Atm1->element == 6 && b->Atm2->element == 6)
        ring.push_back(b->Atm1->Angstroms(*b->Atm2));
    }
    ASSERT_EQ(ring.size(), 6u);
    const auto [shortest, longest] = std::minmax_element(ring.begin(), ring.end());
    EXPECT_LT(*longest - *shortest, 0.02) << *shortest << " .. " << *longest;
  }
}

} // namespace
} // namespace trelvix
