// 3D structures keep their geometry in ångström through every format: ethanol and a cyclohexane
// chair, built by hand (C-C 1.52 and 1.53 Å, C-O 1.438 Å, C-H 1.09 Å, O-H 0.961 Å), written here
// as XYZ, MOL, SDF and PDB text, read, saved as a document, written to each format and read back.
#include "../model/model_fixture.h"
#include "document/drawing.h"
#include "document/file_format.h"
#include "exchange/molecule_export.h"
#include "exchange/molecule_import.h"
#include "model/atom.h"
#include "model/defaults.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

namespace trelvix {
namespace {

struct FixtureAtom
{
  const char* element;
  double x, y, z;
};

struct Fixture
{
  const char* name;
  std::vector<FixtureAtom> atoms;
  std::vector<std::pair<int, int>> bonds; // 0-based
};

// Ethanol: C1 at the origin, C2 along x, O in the xy plane; tetrahedral hydrogens.
const Fixture ethanol{
  "ethanol",
  { { "C", 0.000, 0.000, 0.000 },
    { "C", 1.520, 0.000, 0.000 },
    { "O", 2.030, 1.345, 0.000 },
    { "H", -0.363, -1.028, 0.000 },
    { "H", -0.363, 0.514, 0.890 },
    { "H", -0.363, 0.514, -0.890 },
    { "H", 1.883, -0.514, 0.890 },
    { "H", 1.883, -0.514, -0.890 },
    { "H", 2.990, 1.300, 0.000 } },
  { { 0, 1 }, { 1, 2 }, { 0, 3 }, { 0, 4 }, { 0, 5 }, { 1, 6 }, { 1, 7 }, { 2, 8 } }
};

// The chair: carbons on a hexagon of radius 1.446 Å, 0.25 Å above and below the mean plane in
// turn (C-C 1.53 Å); each carbon's axial hydrogen straight up or down, its equatorial one
// outwards, 1.09 Å away.
const Fixture chair{ "cyclohexane",
                     { { "C", 1.446, 0.000, 0.250 },
                       { "C", 0.723, 1.252, -0.250 },
                       { "C", -0.723, 1.252, 0.250 },
                       { "C", -1.446, 0.000, -0.250 },
                       { "C", -0.723, -1.252, 0.250 },
                       { "C", 0.723, -1.252, -0.250 },
                       { "H", 1.446, 0.000, 1.340 },
                       { "H", 2.474, 0.000, -0.113 },
                       { "H", 0.723, 1.252, -1.340 },
                       { "H", 1.237, 2.142, 0.113 },
                       { "H", -0.723, 1.252, 1.340 },
                       { "H", -1.237, 2.142, -0.113 },
                       { "H", -1.446, 0.000, -1.340 },
                       { "H", -2.474, 0.000, 0.113 },
                       { "H", -0.723, -1.252, 1.340 },
                       { "H", -1.237, -2.142, -0.113 },
                       { "H", 0.723, -1.252, -1.340 },
                       { "H", 1.237, -2.142, 0.113 } },
                     { { 0, 1 },
                       { 1, 2 },
                       { 2, 3 },
                       { 3, 4 },
                       { 4, 5 },
                       { 5, 0 },
                       { 0, 6 },
                       { 0, 7 },
                       { 1, 8 },
                       { 1, 9 },
                       { 2, 10 },
                       { 2, 11 },
                       { 3, 12 },
                       { 3, 13 },
                       { 4, 14 },
                       { 4, 15 },
                       { 5, 16 },
                       { 5, 17 } } };

std::string line(const char* format, auto... values)
{
  char text[128];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

std::string xyzText(const Fixture& f)
{
  std::string s = std::to_string(f.atoms.size()) + "\n" + f.name + "\n";
  for (const FixtureAtom& a : f.atoms)
    s += line("%-2s %9.3f %9.3f %9.3f\n", a.element, a.x, a.y, a.z);
  return s;
}

std::string molText(const Fixture& f)
{
  std::string s = std::string(f.name) + "\n  handmade          3D\n\n";
  s += line("%3zu%3zu  0  0  0  0  0  0  0  0999 V2000\n", f.atoms.size(), f.bonds.size());
  for (const FixtureAtom& a : f.atoms)
    s += line(
      "%10.4f%10.4f%10.4f %-3s 0  0  0  0  0  0  0  0  0  0  0  0\n", a.x, a.y, a.z, a.element);
  for (const auto& [i, j] : f.bonds)
    s += line("%3d%3d  1  0\n", i + 1, j + 1);
  return s + "M  END\n";
}

std::string sdfText(const Fixture& f)
{
  return molText(f) + "> <SOURCE>\nbuilt by hand\n\n$$$$\n";
}

// HETATM records in their columns (name 13-16, x y z 31-54, element 77-78), then CONECT.
std::string pdbText(const Fixture& f)
{
  std::string s;
  for (std::size_t i = 0; i < f.atoms.size(); ++i) {
    const FixtureAtom& a = f.atoms[i];
    const std::string name = a.element + std::to_string(i + 1);
    s += line("HETATM%5zu %-4s LIG A   1    %8.3f%8.3f%8.3f  1.00  0.00          %2s\n",
              i + 1,
              name.c_str(),
              a.x,
              a.y,
              a.z,
              a.element);
  }
  for (std::size_t i = 0; i < f.atoms.size(); ++i) {
    s += line("CONECT%5zu", i + 1);
    for (const auto& [p, q] : f.bonds) {
      if (p == static_cast<int>(i) || q == static_cast<int>(i))
        s += line("%5d", (p == static_cast<int>(i) ? q : p) + 1);
    }
    s += "\n";
  }
  return s + "END\n";
}

struct Format
{
  const char* label;
  ExchangeFormat format;
  std::string (*text)(const Fixture&);
};

const Format formats[] = {
  { "xyz", ExchangeFormat::Xyz, xyzText },
  { "mol", ExchangeFormat::Mol, molText },
  { "sdf", ExchangeFormat::Sdf, sdfText },
  { "pdb", ExchangeFormat::Pdb, pdbText },
};

double fixtureDistance(const Fixture& f, std::size_t i, std::size_t j)
{
  const FixtureAtom& a = f.atoms[i];
  const FixtureAtom& b = f.atoms[j];
  return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) +
                   (a.z - b.z) * (a.z - b.z));
}

// Every interatomic distance of the document, in ångström, against the fixture's.
void expectDistances(const tDrawing& d, const Fixture& f)
{
  ASSERT_EQ(d.Atoms.Count(), static_cast<int>(f.atoms.size()));
  for (std::size_t i = 0; i < f.atoms.size(); ++i) {
    const tXY& a = *d.Atoms.At(static_cast<int>(i));
    EXPECT_EQ(a.element, f.atoms[i].element[0] == 'C' ? 6 : f.atoms[i].element[0] == 'O' ? 8 : 1);
    for (std::size_t j = i + 1; j < f.atoms.size(); ++j) {
      const tXY& b = *d.Atoms.At(static_cast<int>(j));
      EXPECT_NEAR(a.Angstroms(b), fixtureDistance(f, i, j), 0.001) << i << "-" << j;
    }
  }
}

class CoordinateRoundTrip : public ModelTest
{
protected:
  ~CoordinateRoundTrip() override { setCurrentDrawing(nullptr); }
};

TEST_F(CoordinateRoundTrip, EveryDistanceSurvivesEveryFormatAndTheDocumentFile)
{
  for (const int scale : { 28, 20 }) {
    modelDefaults().BondScalePixels = static_cast<std::uint16_t>(scale);
    for (const Fixture* f : { &ethanol, &chair }) {
      for (const Format& in : formats) {
        SCOPED_TRACE(std::string(f->name) + " from " + in.label + " at " + std::to_string(scale));
        ImportResult read = readMolecules(in.text(*f), in.format, in.label);
        ASSERT_TRUE(read.drawing) << read.message;
        expectDistances(*read.drawing, *f);
        // A 3D model is drawn at exactly BondScalePixels per 1.53 Å.
        const tXY& c1 = *read.drawing->Atoms.At(0);
        const tXY& c2 = *read.drawing->Atoms.At(1);
        EXPECT_NEAR(c1.Dist3d(c2), fixtureDistance(*f, 0, 1) * scale / 1.53, 1e-9);
        // The document file restores a drawing saved at 16 to 32 pixels a bond exactly.
        std::unique_ptr<tDrawing> saved = readDrawing(writeDrawing(*read.drawing));
        ASSERT_TRUE(saved);
        for (const Format& out : formats) {
          SCOPED_TRACE(std::string("to ") + out.label);
          const std::string text = exportDrawing(*saved, out.format);
          ImportResult back = readMolecules(text, out.format, out.label);
          ASSERT_TRUE(back.drawing) << back.message << "\n" << text;
          expectDistances(*back.drawing, *f);
        }
      }
    }
  }
}

// Every atom where the fixture has it, in ångström: drawing units are Å × scale / 1.53, with y
// and z pointing the other way (down the page and into the screen).
void expectCoordinates(const tDrawing& d, const Fixture& f, int scale)
{
  ASSERT_EQ(d.Atoms.Count(), static_cast<int>(f.atoms.size()));
  const double perUnit = 1.53 / scale;
  for (std::size_t i = 0; i < f.atoms.size(); ++i) {
    const tXY& a = *d.Atoms.At(static_cast<int>(i));
    EXPECT_NEAR(a.x3 * perUnit, f.atoms[i].x, 0.001) << i;
    EXPECT_NEAR(-a.y3 * perUnit, f.atoms[i].y, 0.001) << i;
    EXPECT_NEAR(-a.z3 * perUnit, f.atoms[i].z, 0.001) << i;
  }
}

TEST_F(CoordinateRoundTrip, ConvertedBetweenFormatsEveryCoordinateStaysWhereTheFileHasIt)
{
  // Not placed on a page: a conversion from one exchange format to another.
  ImportOptions kept;
  kept.placeOnPage = false;
  for (const Fixture* f : { &ethanol, &chair }) {
    for (const Format& in : formats) {
      SCOPED_TRACE(std::string(f->name) + " from " + in.label);
      ImportResult read = readMolecules(in.text(*f), in.format, in.label, kept);
      ASSERT_TRUE(read.drawing) << read.message;
      expectCoordinates(*read.drawing, *f, 28);
      for (const Format& out : formats) {
        SCOPED_TRACE(std::string("to ") + out.label);
        const std::string text = exportDrawing(*read.drawing, out.format);
        ImportResult back = readMolecules(text, out.format, out.label, kept);
        ASSERT_TRUE(back.drawing) << back.message << "\n" << text;
        expectCoordinates(*back.drawing, *f, 28);
      }
    }
  }
}

TEST_F(CoordinateRoundTrip, SdfDataItemsStayWithTheirRecords)
{
  const std::string sdf = molText(ethanol) +
                          "> <NAME>\nethyl alcohol\n\n> 2 <CAS> (1)\n64-17-5\n\n" +
                          "> <NOTE>\nfirst line\nsecond line\n\n$$$$\n" + molText(chair) +
                          "> <NAME>\ncyclohexane\n\n$$$$\n";
  ImportResult r = readMolecules(sdf, ExchangeFormat::Sdf, "two.sdf");
  ASSERT_TRUE(r.drawing) << r.message;
  ASSERT_EQ(r.drawing->Groups.Count(), 2);
  using Items = std::vector<std::pair<std::string, std::string>>;
  const Items first{ { "NAME", "ethyl alcohol" },
                     { "CAS", "64-17-5" },
                     { "NOTE", "first line\nsecond line" } };
  const Items second{ { "NAME", "cyclohexane" } };
  EXPECT_EQ(r.drawing->Groups.At(0)->dataItems, first);
  EXPECT_EQ(r.drawing->Groups.At(1)->dataItems, second);

  std::unique_ptr<tDrawing> copy = r.drawing->clone();
  const std::string text = exportDrawing(*copy, ExchangeFormat::Sdf);
  EXPECT_NE(text.find("> <NOTE>\nfirst line\nsecond line\n\n$$$$\n"), std::string::npos) << text;
  ImportResult back = readMolecules(text, ExchangeFormat::Sdf, "back.sdf");
  ASSERT_TRUE(back.drawing) << back.message;
  ASSERT_EQ(back.drawing->Groups.Count(), 2);
  EXPECT_EQ(back.drawing->Groups.At(0)->dataItems, first);
  EXPECT_EQ(back.drawing->Groups.At(1)->dataItems, second);
}

} // namespace
} // namespace trelvix
