// SMILES into the document and back: through the document file, the molecule must come back
// as RDKit itself reads it, and the program's formula must be RDKit's.
#include "../model/model_fixture.h"
#include "document/drawing.h"
#include "document/file_format.h"
#include "document/molecular_data.h"
#include "exchange/canonical_smiles.h"
#include "exchange/molecule_import.h"
#include "model/link.h"
#include "model/structure_atom.h"
#include "rdkit_oracle.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <set>
#include <sstream>
#include <vector>

namespace trelvix {
namespace {

struct SmilesCase
{
  const char* label;
  const char* smiles;
};

constexpr SmilesCase cases[] = {
  { "ethanol", "CCO" },
  { "benzene", "c1ccccc1" },
  { "naphthalene", "c1ccc2ccccc2c1" },
  { "pyridine", "c1ccncc1" },
  { "pyrrole", "c1cc[nH]c1" },
  { "indole", "c1ccc2[nH]ccc2c1" },
  { "acetonitrile", "CC#N" },
  { "butyne", "CC#CC" },
  { "ammonium", "[NH4+]" },
  { "acetate", "CC(=O)[O-]" },
  { "nitromethane", "C[N+](=O)[O-]" },
  { "glycine_zwitterion", "[NH3+]CC(=O)[O-]" },
  { "salt", "[Na+].[Cl-]" },
  { "explicit_hydrogens", "[H]OC([H])([H])[H]" },
  { "cyclohexanone", "O=C1CCCCC1" },
  { "sulfuric_acid", "OS(=O)(=O)O" },
  { "dmso", "CS(C)=O" },
  { "phosphoric_acid", "OP(O)(O)=O" },
  { "boric_acid", "OB(O)O" },
  { "halides", "FC(F)(Cl)Br" },
  { "lithium_hydride", "[LiH]" },
  { "water", "O" },
  { "stereo_centre", "C[C@H](O)F" },
  { "other_stereo_centre", "C[C@@H](O)CC" },
  { "trans_butene", "C/C=C/C" },
  { "cis_difluoroethene", "F/C=C\\F" },
};

class SmilesRoundTrip
  : public ModelTest
  , public ::testing::WithParamInterface<SmilesCase>
{
protected:
  ~SmilesRoundTrip() override { setCurrentDrawing(nullptr); }
};

// "C H4 O " as element symbol to count.
std::map<std::string, int> parseFormula(const std::string& text)
{
  std::map<std::string, int> counts;
  std::istringstream in(text);
  std::string item;
  while (in >> item) {
    std::size_t digits = 0;
    while (digits < item.size() && !std::isdigit(static_cast<unsigned char>(item[digits])))
      ++digits;
    counts[item.substr(0, digits)] += digits < item.size() ? std::stoi(item.substr(digits)) : 1;
  }
  return counts;
}

TEST_P(SmilesRoundTrip, CanonicalSmilesSurvivesTheDocumentFile)
{
  const std::string smiles = GetParam().smiles;
  ImportResult imported = readMolecules(smiles, ExchangeFormat::Smiles, "table");
  ASSERT_TRUE(imported.drawing) << imported.message;
  ASSERT_EQ(imported.drawing->Groups.Count(), 1);

  std::unique_ptr<tDrawing> reread = readDrawing(writeDrawing(*imported.drawing));
  ASSERT_TRUE(reread);
  setCurrentDrawing(reread.get());
  ASSERT_EQ(reread->Groups.Count(), 1);
  EXPECT_EQ(canonicalSmiles(*reread->Groups.At(0)), rdkitCanonical(smiles));
}

TEST_P(SmilesRoundTrip, FormulaIsRDKits)
{
  const std::string smiles = GetParam().smiles;
  ImportResult imported = readMolecules(smiles, ExchangeFormat::Smiles, "table");
  ASSERT_TRUE(imported.drawing) << imported.message;
  setCurrentDrawing(imported.drawing.get());
  EXPECT_EQ(parseFormula(formulaText(*imported.drawing->Groups.At(0))), rdkitFormula(smiles));
}

INSTANTIATE_TEST_SUITE_P(Table, SmilesRoundTrip, ::testing::ValuesIn(cases), [](const auto& info) {
  return std::string(info.param.label);
});

class SmilesImport : public ModelTest
{
protected:
  ~SmilesImport() override { setCurrentDrawing(nullptr); }
};

TEST_F(SmilesImport, AtomsCarryTheirHydrogensAndCharges)
{
  // Glycine as a zwitterion: N+ with three hydrogens, O- with none, the other O none.
  ImportResult r = readMolecules("[NH3+]CC(=O)[O-]", ExchangeFormat::Smiles, "t");
  ASSERT_TRUE(r.drawing) << r.message;
  std::map<int, std::vector<std::pair<int, int>>> byElement; // element -> (charge, hydrogens)
  for (const tXY* a : r.drawing->Atoms)
    byElement[a->element].emplace_back(a->charge, a->mult());
  EXPECT_EQ(byElement[7], (std::vector<std::pair<int, int>>{ { 1, 3 } }));
  EXPECT_EQ(byElement[6], (std::vector<std::pair<int, int>>{ { 0, 2 }, { 0, 0 } }));
  std::vector<std::pair<int, int>> oxygens = byElement[8];
  std::sort(oxygens.begin(), oxygens.end());
  EXPECT_EQ(oxygens, (std::vector<std::pair<int, int>>{ { -1, 0 }, { 0, 0 } }));
}

TEST_F(SmilesImport, BenzeneIsKekulisedUnlessAromaticBondsAreAsked)
{
  for (const bool aromatic : { false, true }) {
    ImportOptions options;
    options.aromaticBonds = aromatic;
    ImportResult r = readMolecules("c1ccccc1", ExchangeFormat::Smiles, "t", options);
    ASSERT_TRUE(r.drawing) << r.message;
    std::map<int, int> codes;
    for (const tLink* b : r.drawing->Bonds)
      ++codes[b->typeCode];
    const int mark = aromatic ? AromaticMark : 0;
    EXPECT_EQ(codes, (std::map<int, int>{ { SingleBond + mark, 3 }, { DoubleBond + mark, 3 } }));
  }
}

TEST_F(SmilesImport, MeanBondIsTheBondLengthScale)
{
  modelDefaults().BondScalePixels = 40;
  ImportResult r = readMolecules("CC(C)CCO", ExchangeFormat::Smiles, "t");
  ASSERT_TRUE(r.drawing) << r.message;
  double sum = 0;
  for (const tLink* b : r.drawing->Bonds)
    sum += b->RLength();
  EXPECT_NEAR(sum / r.drawing->Bonds.Count(), 40.0, 1e-9);
  for (const tXY* a : r.drawing->Atoms)
    EXPECT_EQ(a->z3, 0.0);
}

TEST_F(SmilesImport, ThreeDimensionalEmbeddingIsSeeded)
{
  ImportOptions options;
  options.embed3D = true;
  ImportResult first = readMolecules("CC(O)C(=O)N", ExchangeFormat::Smiles, "t", options);
  ImportResult second = readMolecules("CC(O)C(=O)N", ExchangeFormat::Smiles, "t", options);
  ASSERT_TRUE(first.drawing && second.drawing);
  bool offPlane = false;
  for (int i = 0; i < first.drawing->Atoms.Count(); ++i) {
    const tXY* a = first.drawing->Atoms.At(i);
    const tXY* b = second.drawing->Atoms.At(i);
    offPlane = offPlane || std::abs(a->z3) > 1;
    EXPECT_EQ(a->x3, b->x3);
    EXPECT_EQ(a->z3, b->z3);
  }
  EXPECT_TRUE(offPlane);
}

TEST_F(SmilesImport, SmiFileGivesOneStructurePerLineAndTheFirstNameAsTitle)
{
  ImportResult r = readMolecules(
    "CCO ethanol\n\n# a comment\nc1ccccc1 benzene ring\n", ExchangeFormat::Smiles, "t");
  ASSERT_TRUE(r.drawing) << r.message;
  EXPECT_EQ(r.drawing->Groups.Count(), 2);
  EXPECT_EQ(r.drawing->title, "ethanol");
}

TEST_F(SmilesImport, MacrocyclesPlaceAsRingsOfEqualBonds)
{
  // Their time is measured in bench/ (BM_PlaceCarbonRing); here they only have to place.
  for (const std::size_t n : { std::size_t{ 40 }, std::size_t{ 80 } }) {
    SCOPED_TRACE(n);
    ImportResult r =
      readMolecules("C1" + std::string(n - 2, 'C') + "C1", ExchangeFormat::Smiles, "ring");
    ASSERT_TRUE(r.drawing) << r.message;
    ASSERT_EQ(r.drawing->Atoms.Count(), static_cast<int>(n));
    ASSERT_EQ(r.drawing->Bonds.Count(), static_cast<int>(n));
    for (const tLink* b : r.drawing->Bonds)
      EXPECT_NEAR(b->RLength(), 28, 28 * 0.1); // the mean is 28: every bond near it
  }
}

// Long chains and trees place in linear time (BM_PlaceCarbonChain times them): as 120° zigzags
// of equal bonds, where the nearest atoms that share no bond are two bonds apart, at
// 2 sin 60° = 1.732 bond lengths.
TEST_F(SmilesImport, LongChainsAndTreesPlaceAsZigzagsOfEqualBondsWithoutCrowding)
{
  std::string comb = "C";
  for (int i = 0; i < 300; ++i)
    comb += "C(C)";
  const std::string chain(1000, 'C');
  for (const std::string& smiles : { chain, comb, chain + "." + comb }) {
    SCOPED_TRACE(smiles.substr(0, 12));
    ImportResult r = readMolecules(smiles, ExchangeFormat::Smiles, "tree");
    ASSERT_TRUE(r.drawing) << r.message;
    const int atoms = r.drawing->Atoms.Count();
    ASSERT_GT(atoms, 500);
    std::set<std::pair<const tXY*, const tXY*>> bonded;
    for (const tLink* b : r.drawing->Bonds) {
      EXPECT_NEAR(b->RLength(), 28, 28 * 1e-6);
      bonded.insert({ b->Atm1, b->Atm2 });
      bonded.insert({ b->Atm2, b->Atm1 });
    }
    double nearest = 1e300;
    for (int i = 0; i < atoms; ++i) {
      const tXY* a = r.drawing->Atoms.At(i);
      for (int j = i + 1; j < atoms; ++j) {
        const tXY* c = r.drawing->Atoms.At(j);
        if (!bonded.contains({ a, c }))
          nearest = std::min(nearest, std::hypot(a->x3 - c->x3, a->y3 - c->y3, a->z3 - c->z3));
      }
    }
    EXPECT_NEAR(nearest, 28 * 1.7320508, 0.01);
  }
}

// Large molecules whose rings stand apart place in linear time too (BM_PlacePolystyrene times
// them): every ring a regular polygon, its atoms one circumradius L / (2 sin(180°/n)) from its
// centre (a hexagon's is L itself). The phenyls of polystyrene alternate sides of a crankshaft
// backbone; worked by hand, its closest atoms that share no bond, an ortho carbon and the
// backbone carbon three bonds from its ring's, or two phenyls on one side, lie exactly one bond
// length apart. In the second molecule the closest are the corners across the cyclobutane,
// sqrt 2 L apart (a cyclopentane's are 2 L sin 54° = 1.618 L, a zigzag's 1.732 L).
TEST_F(SmilesImport, LargeMoleculesWithSeparateRingsPlaceAsRegularPolygons)
{
  constexpr double L = 28;
  struct Case
  {
    const char* name;
    std::string smiles;
    // First atom and size of each ring, in SMILES order.
    std::vector<std::pair<int, int>> rings;
    double nearest; // bond lengths
  };
  std::vector<Case> cases;
  Case polystyrene{ "polystyrene of 62 units", "", {}, 1 };
  for (int k = 0; k < 62; ++k) {
    polystyrene.smiles += "CC(c1ccccc1)";
    polystyrene.rings.push_back({ 8 * k + 2, 6 });
  }
  cases.push_back(polystyrene);
  // A chain between a cyclohexane and a cyclobutane, with a cyclopentyl branch halfway.
  cases.push_back(
    { "rings at the ends and on a branch",
      "C1CCCCC1" + std::string(150, 'C') + "C(C2CCCC2)" + std::string(150, 'C') + "C3CCC3",
      { { 0, 6 }, { 157, 5 }, { 312, 4 } },
      std::sqrt(2.0) });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ImportResult r = readMolecules(c.smiles, ExchangeFormat::Smiles, "rings");
    ASSERT_TRUE(r.drawing) << r.message;
    const tAtoms& atoms = r.drawing->Atoms;
    ASSERT_GT(atoms.Count(), 300);
    std::set<std::pair<const tXY*, const tXY*>> bonded;
    for (const tLink* b : r.drawing->Bonds) {
      EXPECT_NEAR(b->RLength(), L, L * 1e-6);
      bonded.insert({ b->Atm1, b->Atm2 });
      bonded.insert({ b->Atm2, b->Atm1 });
    }
    for (const auto& [first, size] : c.rings) {
      double cx = 0, cy = 0;
      for (int i = first; i < first + size; ++i) {
        cx += atoms.At(i)->x3 / size;
        cy += atoms.At(i)->y3 / size;
      }
      const double radius = L / (2 * std::sin(std::numbers::pi / size));
      for (int i = first; i < first + size; ++i)
        EXPECT_NEAR(std::hypot(atoms.At(i)->x3 - cx, atoms.At(i)->y3 - cy), radius, L * 1e-6)
          << "ring at " << first;
    }
    double nearest = 1e300;
    for (int i = 0; i < atoms.Count(); ++i) {
      const tXY* a = atoms.At(i);
      for (int j = i + 1; j < atoms.Count(); ++j) {
        const tXY* b = atoms.At(j);
        if (!bonded.contains({ a, b }))
          nearest = std::min(nearest, std::hypot(a->x3 - b->x3, a->y3 - b->y3));
      }
    }
    EXPECT_NEAR(nearest, c.nearest * L, L * 1e-6);
  }
}

TEST_F(SmilesImport, BadSmilesNamesTheSourceAndLine)
{
  ImportResult r = readMolecules("CCO\nC1CC\n", ExchangeFormat::Smiles, "bad.smi");
  EXPECT_FALSE(r.drawing);
  EXPECT_EQ(r.message, "bad.smi: line 2: not a valid SMILES: \"C1CC\"");
}

} // namespace
} // namespace trelvix
