// Documents drawn here, written in other programs' formats.
#include "../document/document_fixture.h"
#include "exchange/canonical_smiles.h"
#include "exchange/molecule_export.h"
#include "exchange/molecule_import.h"

#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace trelvix {
namespace {

class FileExport : public DocumentTest
{
protected:
  /// Formaldehyde drawn by hand: carbon at (0, 0), oxygen one bond length (28) to the right and
  /// 14 units up the page, 7 units deep.
  tStructure* formaldehyde()
  {
    tAtm* c = atom(6, 0, 0);
    tAtm* o = atom(8, 28, -14, 7);
    bond(c, o, DoubleBond);
    return piece({ c, o });
  }

  static std::vector<std::string> lines(const std::string& text)
  {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
      out.push_back(line);
    return out;
  }
};

TEST_F(FileExport, MolfileInAngstromWithYUpAndItsName)
{
  formaldehyde();
  const std::vector<std::string> mol = lines(exportDrawing(doc, ExchangeFormat::Mol));
  ASSERT_GE(mol.size(), 8u);
  EXPECT_EQ(mol[0], "");
  EXPECT_EQ(mol[3].substr(0, 6), "  2  1");
  EXPECT_NE(mol[3].find("V2000"), std::string::npos);
  // 28 units are 1.53 Å: the oxygen at (1.53, 0.765, -0.3825).
  EXPECT_EQ(mol[4].substr(0, 34), "    0.0000    0.0000    0.0000 C  ");
  EXPECT_EQ(mol[5].substr(0, 34), "    1.5300    0.7650   -0.3825 O  ");
  EXPECT_EQ(mol[6].substr(0, 9), "  1  2  2");
}

TEST_F(FileExport, SdfHasOneRecordPerStructureNamedByTheTitle)
{
  formaldehyde();
  tAtm* n = atom(7, 100, 0);
  piece({ n });
  auto* label = new tLAtm(50, 50, "not a molecule");
  doc.Atoms.Add(label);
  doc.Labels.Add(label);
  doc.title = "two molecules";
  const std::string sdf = exportDrawing(doc, ExchangeFormat::Sdf);
  const std::vector<std::string> l = lines(sdf);
  int records = 0;
  for (const std::string& line : l)
    records += line == "$$$$" ? 1 : 0;
  EXPECT_EQ(records, 2);
  EXPECT_EQ(l[0], "two molecules");

  // Read back: the same structures, the label left out.
  ImportResult back = readMolecules(sdf, ExchangeFormat::Sdf, "x.sdf");
  ASSERT_TRUE(back.drawing) << back.message;
  setCurrentDrawing(&doc);
  ASSERT_EQ(back.drawing->Groups.Count(), 2);
  EXPECT_EQ(back.drawing->Atoms.Count(), 3);
  EXPECT_EQ(back.drawing->Groups.At(1)->Atoms.At(0)->mult(), 3);
}

TEST_F(FileExport, RecordsWithoutANameReadBack)
{
  // Without a title each record starts with a blank name line.
  formaldehyde();
  tAtm* n = atom(7, 100, 0);
  piece({ n });
  const std::string sdf = exportDrawing(doc, ExchangeFormat::Sdf);
  ASSERT_EQ(sdf.front(), '\n');
  ImportResult back = readMolecules(sdf, ExchangeFormat::Sdf, "x.sdf");
  setCurrentDrawing(&doc);
  ASSERT_TRUE(back.drawing) << back.message;
  EXPECT_EQ(back.drawing->Groups.Count(), 2);
  EXPECT_EQ(back.drawing->Atoms.Count(), 3);
}

TEST_F(FileExport, LargeMoleculesGoToV3000)
{
  // A chain of 1000 carbons is more than a V2000 counts line holds.
  tAtm* previous = atom(6, 0, 0);
  for (int i = 1; i < 1000; ++i) {
    tAtm* next = atom(6, i * 24.0, (i % 2) * 14.0);
    bond(previous, next);
    previous = next;
  }
  const std::string mol = exportDrawing(doc, ExchangeFormat::Mol);
  EXPECT_NE(mol.find("V3000"), std::string::npos);
  EXPECT_NE(mol.find("M  V30 COUNTS 1000 999"), std::string::npos);
}

TEST_F(FileExport, XyzAndSmilesOfTheDrawnMolecule)
{
  formaldehyde();
  const std::vector<std::string> xyz = lines(exportDrawing(doc, ExchangeFormat::Xyz));
  // Every atom is listed: the carbon's two hydrogens get positions of their own.
  ASSERT_EQ(xyz.size(), 6u);
  EXPECT_EQ(xyz[0], "4");
  EXPECT_EQ(xyz[2].substr(0, 1), "C");
  EXPECT_NE(xyz[3].find("1.530000"), std::string::npos);
  EXPECT_EQ(xyz[4].substr(0, 1), "H");
  EXPECT_EQ(xyz[5].substr(0, 1), "H");
  EXPECT_EQ(exportDrawing(doc, ExchangeFormat::Smiles), "C=O\n");
  EXPECT_EQ(canonicalSmiles(*doc.Groups.At(0)), "C=O");
}

TEST_F(FileExport, DrawnHydrogensCountAsTheirNeighboursHydrogens)
{
  // Water drawn with both hydrogens as atoms, and hydroxide as a lone charged oxygen.
  tAtm* o = atom(8, 0, 0);
  tAtm* h1 = atom(1, 20, 20);
  tAtm* h2 = atom(1, -20, 20);
  bond(o, h1);
  bond(o, h2);
  tStructure* water = piece({ o, h1, h2 });
  EXPECT_EQ(canonicalSmiles(*water), "O");
  tAtm* hydroxide = atom(8, 100, 0);
  hydroxide->ChangeH(-1);
  hydroxide->ChangeQ(-1);
  EXPECT_EQ(canonicalSmiles(*piece({ hydroxide })), "[OH-]");
}

TEST_F(FileExport, ABranchSharingAtomsWithItsRingIsWrittenOnce)
{
  // Propane drawn as one piece, with its last two atoms also a piece of their own (a branch),
  // and a lone sodium ion beside it.
  tAtm* a = atom(6, 0, 0);
  tAtm* b = atom(6, 24, 14);
  tAtm* c = atom(6, 48, 0);
  bond(a, b);
  bond(b, c);
  piece({ a, b, c });
  piece({ b, c });
  tAtm* na = atom(11, 100, 0);
  na->ChangeQ(1);
  piece({ na });
  EXPECT_EQ(exportDrawing(doc, ExchangeFormat::Smiles), "CCC\n[Na+]\n");
}

} // namespace
} // namespace trelvix
