// Molfiles, SD files, XYZ and PDB files written here line by line, read into documents.
#include "../model/model_fixture.h"
#include "document/drawing.h"
#include "exchange/molecule_import.h"
#include "model/link.h"
#include "model/structure_atom.h"

#include <cmath>
#include <gtest/gtest.h>

namespace trelvix {
namespace {

// Acetate: the C-C bond 1.5 Å long, the C-O bonds nearly so; the single-bonded oxygen
// charged -1.
const std::string acetateV2000 =
  "acetate\n"
  "  handmade\n"
  "\n"
  "  4  3  0  0  0  0  0  0  0  0999 V2000\n"
  "    0.0000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
  "    1.5000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
  "    2.2500    1.2990    0.0000 O   0  0  0  0  0  0  0  0  0  0  0  0\n"
  "    2.2500   -1.2990    0.0000 O   0  0  0  0  0  0  0  0  0  0  0  0\n"
  "  1  2  1  0\n"
  "  2  3  2  0\n"
  "  2  4  1  0\n"
  "M  CHG  1   4  -1\n"
  "M  END\n";

// Methylammonium in 3D: one bond of 1.5 Å rising 0.9 Å out of the plane.
const std::string methylammoniumV3000 = "methylammonium\n"
                                        "  handmade\n"
                                        "\n"
                                        "  0  0  0     0  0            999 V3000\n"
                                        "M  V30 BEGIN CTAB\n"
                                        "M  V30 COUNTS 2 1 0 0 0\n"
                                        "M  V30 BEGIN ATOM\n"
                                        "M  V30 1 C 0.0 0.0 0.0 0\n"
                                        "M  V30 2 N 1.2 0.0 0.9 0 CHG=1\n"
                                        "M  V30 END ATOM\n"
                                        "M  V30 BEGIN BOND\n"
                                        "M  V30 1 1 1 2\n"
                                        "M  V30 END BOND\n"
                                        "M  V30 END CTAB\n"
                                        "M  END\n";

const std::string methaneRecord =
  "methane\n"
  "  handmade\n"
  "\n"
  "  1  0  0  0  0  0  0  0  0  0999 V2000\n"
  "    0.0000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
  "M  END\n";

const std::string waterXyz = "3\n"
                             "water\n"
                             "O  0.0000  0.0000  0.1173\n"
                             "H  0.0000  0.7572 -0.4692\n"
                             "H  0.0000 -0.7572 -0.4692\n";

class FileImport : public ModelTest
{
protected:
  ~FileImport() override { setCurrentDrawing(nullptr); }

  static const tXY& atom(const tDrawing& d, int i) { return *d.Atoms.At(i); }
};

TEST_F(FileImport, MolV2000KeepsCoordinatesChargesAndHydrogens)
{
  ImportResult r = readMolecules(acetateV2000, ExchangeFormat::Mol, "acetate.mol");
  ASSERT_TRUE(r.drawing) << r.message;
  const tDrawing& d = *r.drawing;
  ASSERT_EQ(d.Atoms.Count(), 4);
  EXPECT_EQ(d.title, "acetate");
  // The mean bond becomes 28 drawing units; y points down the page.
  const double meanBond = (1.5 + 2 * std::sqrt(0.75 * 0.75 + 1.299 * 1.299)) / 3;
  const double f = 28 / meanBond;
  EXPECT_NEAR(atom(d, 1).x3 - atom(d, 0).x3, 1.5 * f, 1e-9);
  EXPECT_NEAR(atom(d, 2).x3 - atom(d, 0).x3, 2.25 * f, 1e-9);
  EXPECT_NEAR(atom(d, 2).y3 - atom(d, 0).y3, -1.299 * f, 1e-9);
  EXPECT_NEAR(atom(d, 3).y3 - atom(d, 0).y3, 1.299 * f, 1e-9);
  // Laid out two bond lengths from the top left corner.
  EXPECT_NEAR(atom(d, 0).x3, 2 * 28.0, 1e-9);
  EXPECT_NEAR(atom(d, 2).y3, 2 * 28.0, 1e-9);
  const int charges[] = { 0, 0, 0, -1 };
  const int hydrogens[] = { 3, 0, 0, 0 };
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(atom(d, i).charge, charges[i]) << i;
    EXPECT_EQ(atom(d, i).mult(), hydrogens[i]) << i;
  }
  ASSERT_EQ(d.Bonds.Count(), 3);
  EXPECT_EQ(d.Bonds.At(1)->typeCode, DoubleBond);
}

TEST_F(FileImport, MolV3000KeepsDepthAndCharge)
{
  ImportResult r = readMolecules(methylammoniumV3000, ExchangeFormat::Mol, "m.mol");
  ASSERT_TRUE(r.drawing) << r.message;
  const tDrawing& d = *r.drawing;
  ASSERT_EQ(d.Atoms.Count(), 2);
  // A 3D model keeps its ångström lengths: 28 drawing units per 1.53 Å.
  const double f = 28 / 1.53;
  EXPECT_NEAR(atom(d, 1).x3 - atom(d, 0).x3, 1.2 * f, 1e-9);
  // The depth turns with y (so the model is not mirrored) and is centred on 0.
  EXPECT_NEAR(atom(d, 0).z3, 0.45 * f, 1e-9);
  EXPECT_NEAR(atom(d, 1).z3, -0.45 * f, 1e-9);
  EXPECT_EQ(atom(d, 1).charge, 1);
  EXPECT_EQ(atom(d, 1).mult(), 3);
  EXPECT_EQ(atom(d, 0).mult(), 3);
}

TEST_F(FileImport, SdfOfThreeRecordsGivesThreeStructuresSideBySide)
{
  const std::string sdf = acetateV2000 + "> <NOTE>\nsome data\n\n$$$$\n" + methaneRecord +
                          "$$$$\n" + methylammoniumV3000 + "$$$$\n";
  ImportResult r = readMolecules(sdf, ExchangeFormat::Sdf, "three.sdf");
  ASSERT_TRUE(r.drawing) << r.message;
  ASSERT_EQ(r.drawing->Groups.Count(), 3);
  EXPECT_EQ(r.drawing->Groups.At(0)->Atoms.Count(), 4);
  EXPECT_EQ(r.drawing->Groups.At(1)->Atoms.Count(), 1);
  EXPECT_EQ(r.drawing->Groups.At(2)->Atoms.Count(), 2);
  // Methane starts two bond lengths right of acetate's rightmost atom.
  const tXY& lastOfAcetate = *r.drawing->Groups.At(0)->Atoms.At(3);
  const tXY& methane = *r.drawing->Groups.At(1)->Atoms.At(0);
  EXPECT_NEAR(methane.x3 - lastOfAcetate.x3, 2 * 28.0, 1e-9);
  EXPECT_EQ(methane.mult(), 4);
  EXPECT_EQ(methane.style, 2); // a lone atom shows its symbol
}

TEST_F(FileImport, WedgesOfAMolfileBecomeWedgeBonds)
{
  const std::string mol = "wedged\n"
                          "  handmade\n"
                          "\n"
                          "  4  3  0  0  0  0  0  0  0  0999 V2000\n"
                          "    0.0000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
                          "    0.0000    1.5000    0.0000 F   0  0  0  0  0  0  0  0  0  0  0  0\n"
                          "    1.3000   -0.7500    0.0000 Cl  0  0  0  0  0  0  0  0  0  0  0  0\n"
                          "   -1.3000   -0.7500    0.0000 Br  0  0  0  0  0  0  0  0  0  0  0  0\n"
                          "  1  2  1  1\n"
                          "  1  3  1  6\n"
                          "  1  4  1  0\n"
                          "M  END\n";
  ImportResult r = readMolecules(mol, ExchangeFormat::Mol, "w.mol");
  ASSERT_TRUE(r.drawing) << r.message;
  const tDrawing& d = *r.drawing;
  const int styles[] = { 2, 3, 1 };
  for (int i = 0; i < 3; ++i) {
    const tLink& b = *d.Bonds.At(i);
    EXPECT_EQ(b.lineStyle, styles[i]) << i;
    EXPECT_EQ(b.Atm1, d.Atoms.At(0)) << i;
    if (styles[i] != 1) {
      EXPECT_EQ(b.flipSide, 2) << i; // the point at the carbon
    }
  }
}

TEST_F(FileImport, XyzOfWaterGivesTwoOxygenHydrogenBonds)
{
  ImportResult r = readMolecules(waterXyz, ExchangeFormat::Xyz, "water.xyz");
  ASSERT_TRUE(r.drawing) << r.message;
  const tDrawing& d = *r.drawing;
  ASSERT_EQ(d.Atoms.Count(), 3);
  ASSERT_EQ(d.Bonds.Count(), 2);
  for (const tLink* b : d.Bonds) {
    EXPECT_EQ(b->Atm1->element, 8);
    EXPECT_EQ(b->Atm2->element, 1);
    EXPECT_EQ(b->typeCode, SingleBond);
  }
  EXPECT_EQ(atom(d, 0).mult(), 0);
  EXPECT_EQ(d.title, "water");
}

struct BadInput
{
  const char* label;
  ExchangeFormat format;
  const char* name;
  std::string text;
  const char* message;
};

class MalformedInput
  : public FileImport
  , public ::testing::WithParamInterface<BadInput>
{};

TEST_P(MalformedInput, IsRefusedWithItsMessage)
{
  const BadInput& bad = GetParam();
  ImportResult r = readMolecules(bad.text, bad.format, bad.name);
  EXPECT_FALSE(r.drawing);
  EXPECT_EQ(r.message, bad.message);
}

INSTANTIATE_TEST_SUITE_P(
  Cases,
  MalformedInput,
  ::testing::Values(BadInput{ "xyz_count_too_large",
                              ExchangeFormat::Xyz,
                              "bad.xyz",
                              "4\n" + waterXyz.substr(2),
                              "bad.xyz: line 6: expected 4 atoms, found 3" },
                    BadInput{ "xyz_count_too_small",
                              ExchangeFormat::Xyz,
                              "bad.xyz",
                              "2\n" + waterXyz.substr(2),
                              "bad.xyz: line 5: more atoms than the count 2 says" },
                    BadInput{ "xyz_unknown_element",
                              ExchangeFormat::Xyz,
                              "bad.xyz",
                              "1\n\nQq 0 0 0\n",
                              "bad.xyz: line 3: unknown element \"Qq\"" },
                    BadInput{ "xyz_no_count",
                              ExchangeFormat::Xyz,
                              "bad.xyz",
                              "water\n",
                              "bad.xyz: line 1: expected the number of atoms" },
                    BadInput{ "smiles_unclosed_ring",
                              ExchangeFormat::Smiles,
                              "bad.smi",
                              "C1CC\n",
                              "bad.smi: line 1: not a valid SMILES: \"C1CC\"" },
                    BadInput{ "smiles_dummy_atom",
                              ExchangeFormat::Smiles,
                              "bad.smi",
                              "C*\n",
                              "bad.smi: line 1: atom 2: element * is not one the program holds" },
                    BadInput{ "empty_smiles",
                              ExchangeFormat::Smiles,
                              "bad.smi",
                              "\n\n",
                              "bad.smi: no SMILES in the input" }),
  [](const auto& info) { return std::string(info.param.label); });

TEST_F(FileImport, TruncatedMolfileNamesTheFileAndLine)
{
  // Cut after the second atom line: the atom block ends early.
  const std::string truncated = acetateV2000.substr(0, acetateV2000.find("    2.2500"));
  ImportResult r = readMolecules(truncated, ExchangeFormat::Mol, "cut.mol");
  EXPECT_FALSE(r.drawing);
  EXPECT_EQ(r.message.rfind("cut.mol: line ", 0), 0u) << r.message;
}

TEST_F(FileImport, FuzzedMolfileWithAMangledBondLineIsRefused)
{
  // Found by the molfile fuzzer (RDKit leaked the bonds it had read): a bond line overwritten
  // by part of a V3000 counts line.
  const std::string mol = "ethanol\n  handmade         \"3D\n\n"
                          "  3  2  0  0  0  0  0  0  0  0999 V2000\n"
                          "    0.0000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
                          "    1.5200    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
                          "    2.0300    1.3450    0.0000 O   0  0  0  0  0  0  0  0  0  0  0  0\n"
                          "  1  2  1  0\n"
                          "  1   0            999 V30002  8  1  0\n"
                          "M  END\n";
  ImportResult r = readMolecules(mol, ExchangeFormat::Mol, "fuzzed.mol");
  EXPECT_FALSE(r.drawing);
  EXPECT_EQ(r.message.rfind("fuzzed.mol: line ", 0), 0u) << r.message;
  EXPECT_NE(r.message.find("bond topology"), std::string::npos) << r.message;
}

TEST_F(FileImport, PdbAtomsWithConectBonds)
{
  // Methanol as HETATM records; the CONECT lines give its one bond.
  const std::string pdb =
    "HETATM    1  C1  MOH A   1       0.000   0.000   0.000  1.00  0.00           C\n"
    "HETATM    2  O1  MOH A   1       1.430   0.000   0.000  1.00  0.00           O\n"
    "CONECT    1    2\n"
    "CONECT    2    1\n"
    "END\n";
  ImportResult r = readMolecules(pdb, ExchangeFormat::Pdb, "m.pdb");
  ASSERT_TRUE(r.drawing) << r.message;
  ASSERT_EQ(r.drawing->Atoms.Count(), 2);
  ASSERT_EQ(r.drawing->Bonds.Count(), 1);
  EXPECT_EQ(r.drawing->Atoms.At(0)->mult(), 3);
  EXPECT_EQ(r.drawing->Atoms.At(1)->mult(), 1);
}

TEST_F(FileImport, PlaceSmilesCentresTheMoleculeOnThePoint)
{
  tDrawing doc;
  setCurrentDrawing(&doc);
  EXPECT_EQ(placeSmiles("OCCO", 200, 100, {}), "");
  ASSERT_EQ(doc.Groups.Count(), 1);
  ASSERT_EQ(doc.Atoms.Count(), 4);
  double x = 0, y = 0;
  for (const tXY* a : doc.Atoms) {
    x += a->x3 / 4;
    y += a->y3 / 4;
  }
  EXPECT_NEAR(x, 200, 1e-9);
  EXPECT_NEAR(y, 100, 1e-9);

  EXPECT_EQ(placeSmiles("C1CC", 0, 0, {}), "not a valid SMILES: \"C1CC\"");
  EXPECT_EQ(doc.Atoms.Count(), 4);
  EXPECT_EQ(doc.Groups.Count(), 1);
}

TEST_F(FileImport, CheckSmilesAnswersAsPlaceSmilesWouldWithoutPlacing)
{
  tDrawing doc;
  setCurrentDrawing(&doc);
  const std::pair<const char*, const char*> cases[] = {
    { "c1ccccc1", "" },
    { "[NH4+]", "" },
    { "C1CC", "not a valid SMILES: \"C1CC\"" },
    { "", "not a valid SMILES: \"\"" },
    { "CCO ethanol", "not a valid SMILES: \"CCO ethanol\"" },
  };
  for (const auto& [smiles, reason] : cases) {
    SCOPED_TRACE(smiles);
    EXPECT_EQ(checkSmiles(smiles, {}), reason);
    ImportOptions model;
    model.embed3D = true;
    EXPECT_EQ(checkSmiles(smiles, model), reason);
  }
  EXPECT_EQ(doc.Atoms.Count(), 0);
}

} // namespace
} // namespace trelvix
