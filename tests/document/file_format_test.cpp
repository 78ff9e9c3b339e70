#include "document/file_format.h"
#include "document/symbol.h"
#include "document_fixture.h"
#include "tvx_builder.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <random>
#include <unistd.h>

namespace trelvix {
namespace {

namespace fs = std::filesystem;

// Six-byte reals worked by hand: exponent byte 129 + e, 39 fraction bits, sign in the top bit.
const std::initializer_list<std::uint8_t> r6_0 = { 0, 0, 0, 0, 0, 0 };
const std::initializer_list<std::uint8_t> r6_100 = { 0x87, 0, 0, 0, 0, 0x48 }; // 1.5625 x 2^6
const std::initializer_list<std::uint8_t> r6_128 = { 0x88, 0, 0, 0, 0, 0 };    // 2^7
const std::initializer_list<std::uint8_t> r6_m28 = { 0x85, 0, 0, 0, 0, 0xE0 }; // -(1.75 x 2^4)

class FileFormatTest : public DocumentTest
{
protected:
  std::unique_ptr<tDrawing> read(const TvxBuilder& file) { return readDrawing(file.bytes); }

  std::vector<std::string> messages() const
  {
    std::vector<std::string> texts;
    for (const auto& m : shell.messages())
      texts.push_back(m.text);
    return texts;
  }

  // Carbon at (100, 100) double-bonded to oxygen at (128, 100), one piece holding both.
  static TvxBuilder molecule(std::uint16_t version, std::uint16_t scale)
  {
    TvxBuilder f;
    f.header(version, scale, "CO")
      .u16(2)
      .atom(0, 6, 100, 100, "C", 0, 4)
      .atom(0, 8, 128, 100, "O", 0, 0)
      .u16(1)
      .bond(4, 0, 1)
      .u16(1)
      .section(100, { 0, 1 }, { 0 })
      .u16(0)  // rings
      .u16(0); // symbols
    return f;
  }

  static TvxBuilder& extended(TvxBuilder& f)
  {
    f.raw(r6_100).raw(r6_100).raw(r6_m28); // carbon at (100, 100, -28)
    f.raw(r6_128).raw(r6_100).raw(r6_0);   // oxygen at (128, 100, 0)
    f.u8(1).u8(3).u16(1).solute(4, 2.0).u16(28);
    return f;
  }
};

TEST_F(FileFormatTest, ReadsAHandMadeMolecule)
{
  TvxBuilder f = molecule(120, 28);
  extended(f);
  std::unique_ptr<tDrawing> d = read(f);
  ASSERT_TRUE(d);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(d->version, 120);
  EXPECT_EQ(d->title, "CO");
  EXPECT_EQ(d->font.face(), "Arial");
  EXPECT_EQ(d->savedFlag, 1);
  ASSERT_EQ(d->Atoms.Count(), 2);
  const tXY* c = d->Atoms.At(0);
  const tXY* o = d->Atoms.At(1);
  EXPECT_EQ(c->element, 6);
  EXPECT_EQ(c->symbol.str(), "C");
  EXPECT_EQ(c->z3, -28.0);
  EXPECT_EQ(o->x3, 128.0);
  ASSERT_EQ(d->Bonds.Count(), 1);
  EXPECT_EQ(d->Bonds.At(0)->Atm1, c);
  EXPECT_EQ(d->Bonds.At(0)->Atm2, o);
  EXPECT_EQ(d->Bonds.At(0)->typeCode, 4);
  ASSERT_EQ(d->Groups.Count(), 1);
  EXPECT_EQ(d->Groups.At(0)->Atoms.Count(), 2);
  EXPECT_EQ(d->Groups.At(0)->Bonds.At(0), d->Bonds.At(0));
  EXPECT_EQ(d->Groups.At(0)->phase, 4);
  EXPECT_EQ(d->Groups.At(0)->amount, 2.0);
  EXPECT_EQ(d->viewMode, 3);
  EXPECT_EQ(d->bondLength, 28);
}

TEST_F(FileFormatTest, AVersion106FileKeepsTheRecordPositions)
{
  TvxBuilder f = molecule(106, 28);
  std::unique_ptr<tDrawing> d = read(f);
  ASSERT_TRUE(d);
  EXPECT_TRUE(messages().empty()); // no "end of file" for the old format
  EXPECT_EQ(d->Atoms.At(0)->x3, 100.0);
  EXPECT_EQ(d->Atoms.At(1)->x3, 128.0);
  EXPECT_EQ(d->Atoms.At(1)->y3, 100.0);
}

TEST_F(FileFormatTest, AFileCutAfterTheSymbolsSaysEndOfFileOnce)
{
  std::unique_ptr<tDrawing> d = read(molecule(120, 28));
  ASSERT_TRUE(d);
  EXPECT_EQ(messages(), std::vector<std::string>{ "end of file" });
  EXPECT_EQ(d->Atoms.At(1)->x3, 128.0);

  shell.clearMessages();
  TvxBuilder cut = molecule(120, 28);
  cut.raw(r6_100).raw({ 0x87, 0, 0 }); // inside the first atom's coordinates
  ASSERT_TRUE(read(cut));
  EXPECT_EQ(messages(), std::vector<std::string>{ "end of file" });
}

TEST_F(FileFormatTest, ACountBeyondTheDataKeepsTheCompleteItems)
{
  TvxBuilder f;
  f.header(120, 28).u16(3).atom(0, 6, 10, 10, "C").atom(0, 7, 40, 10, "N");
  f.zeros(100); // the third record is cut short
  std::unique_ptr<tDrawing> d = read(f);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->Atoms.Count(), 2);
  EXPECT_EQ(d->Bonds.Count(), 0);
  EXPECT_EQ(messages(), std::vector<std::string>{ "end of file" });
}

TEST_F(FileFormatTest, MalformedFilesAreRefusedWithAMessage)
{
  struct Case
  {
    const char* name;
    TvxBuilder file;
  };
  std::vector<Case> cases;
  cases.push_back({ "empty", TvxBuilder{} });
  TvxBuilder shortHeader;
  shortHeader.header(120, 28);
  shortHeader.bytes.resize(567);
  cases.push_back({ "short header", shortHeader });
  TvxBuilder badBond;
  badBond.header(120, 28).u16(1).atom(0, 6, 0, 0, "C").u16(1).bond(2, 0, 1);
  cases.push_back({ "bond end outside the atoms", badBond });
  TvxBuilder badMember;
  badMember.header(120, 28).u16(1).atom(0, 6, 0, 0, "C").u16(0).u16(1).section(100, { 0, 4 }, {});
  cases.push_back({ "group member outside the atoms", badMember });
  TvxBuilder farAway = molecule(120, 28);
  farAway.raw({ 0xF0, 0, 0, 0, 0, 0 }).raw(r6_0).raw(r6_0); // x = 2^111: beyond any surface
  cases.push_back({ "coordinate beyond the page", farAway });
  TvxBuilder badElement;
  badElement.header(120, 28).u16(1).atom(0, 120, 0, 0, "Xx");
  cases.push_back({ "element beyond the table", badElement });
  for (const Case& c : cases) {
    shell.clearMessages();
    EXPECT_FALSE(read(c.file)) << c.name;
    EXPECT_EQ(messages(), std::vector<std::string>{ "Invalid file format" }) << c.name;
  }
}

TEST_F(FileFormatTest, AHeaderAloneIsAnEmptyDocument)
{
  TvxBuilder f;
  f.header(120, 28);
  std::unique_ptr<tDrawing> d = read(f);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->Atoms.Count(), 0);
}

TEST_F(FileFormatTest, RandomBytesNeverCrash)
{
  std::mt19937 random(7);
  for (int trial = 0; trial < 200; ++trial) {
    TvxBuilder f = molecule(120, 28);
    extended(f);
    for (int flips = 0; flips < 8; ++flips)
      f.bytes[random() % f.bytes.size()] = static_cast<std::uint8_t>(random());
    f.bytes.resize(random() % (f.bytes.size() + 1));
    // A document or a message that says why there is none, never a crash or silence.
    const std::size_t shown = shell.messages().size();
    const std::unique_ptr<tDrawing> d = read(f);
    EXPECT_TRUE(d || shell.messages().size() > shown) << "trial " << trial;
  }
}

TEST_F(FileFormatTest, RescalesToTheCurrentBondLength)
{
  modelDefaults().BondScalePixels = 35;
  TvxBuilder f = molecule(120, 28);
  extended(f);
  std::unique_ptr<tDrawing> d = read(f);
  ASSERT_TRUE(d);
  // Zoomed by 35 / 28 about the centroid x = 114.
  EXPECT_DOUBLE_EQ(d->Atoms.At(0)->x3, 114 + (100 - 114) * 1.25);
  EXPECT_DOUBLE_EQ(d->Atoms.At(1)->x3, 114 + (128 - 114) * 1.25);
  EXPECT_EQ(d->bondLength, 35);

  // Saved at 42 (outside 16..32): the carbon-carbon single bond, 42 long, sets the scale.
  modelDefaults().BondScalePixels = 28;
  TvxBuilder wide;
  wide.header(106, 42).u16(2).atom(0, 6, 0, 0, "C").atom(0, 6, 42, 0, "C").u16(1).bond(2, 0, 1);
  std::unique_ptr<tDrawing> w = read(wide);
  ASSERT_TRUE(w);
  EXPECT_DOUBLE_EQ(w->Atoms.At(1)->x3 - w->Atoms.At(0)->x3, 28.0);
}

TEST_F(FileFormatTest, SymbolsAndLabelsAreRead)
{
  TvxBuilder f;
  f.header(106, 28)
    .u16(5)
    .atom(255, 0, 0, 0, "")
    .atom(255, 0, 50, 0, "")
    .atom(255, 0, 0, 40, "")
    .atom(255, 0, 50, 40, "")
    .atom(1, 0, 10, 80, "Step 1")
    .u16(0)
    .u16(0)
    .u16(0)
    .u16(2)
    .u16(102)
    .section(102, { 0, 1 }, {})
    .u16(104)
    .section(100, { 2, 3 }, {}); // a section kind that disagrees with its entry's kind
  std::unique_ptr<tDrawing> d = read(f);
  ASSERT_TRUE(d);
  ASSERT_EQ(d->Symbols->Count(), 2);
  // The second reaction arrow goes in front.
  EXPECT_EQ(d->Symbols->At(0)->symbolKind, 104);
  EXPECT_EQ(d->Symbols->At(1)->symbolKind, 102);
  EXPECT_EQ(d->Symbols->At(1)->Atoms.At(1), d->Atoms.At(1));
  ASSERT_EQ(d->Labels.Count(), 1);
  EXPECT_EQ(d->Labels.At(0)->symbol.str(), "Step 1");
  EXPECT_TRUE(d->isReaction());
}

TEST_F(FileFormatTest, RoundTripKeepsEverything)
{
  tAtm* c = atom(6, 100, 100, 12.5);
  tAtm* o = atom(8, 128.25, 100, -3);
  tAtm* n = atom(7, 80, 120);
  bond(c, o, DoubleBond);
  bond(c, n);
  tStructure* p = piece({ c, o, n });
  p->phase = 2;
  p->amount = 0.5;
  p->solute[8] = 3.5;
  auto* label = new tLAtm(10, 200, "label");
  doc.Atoms.Add(label);
  doc.Labels.Add(label);
  auto* formula = new tFormula(60, 200, "SO4-2");
  doc.Atoms.Add(formula);
  doc.Labels.Add(formula);
  for (std::uint16_t kind : { 102, 106, 104 }) {
    std::unique_ptr<tSymbol> s = makeSymbol(kind);
    ASSERT_TRUE(s);
    s->Add(300, 100);
    s.release();
  }
  doc.title = "round trip";
  doc.notes = "three symbols";
  doc.viewMode = 112;

  const std::vector<std::uint8_t> bytes = writeDrawing(doc);
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(doc.viewMode, 12);
  std::unique_ptr<tDrawing> d = readDrawing(bytes);
  ASSERT_TRUE(d);
  EXPECT_TRUE(messages().empty());
  ASSERT_EQ(d->Atoms.Count(), doc.Atoms.Count());
  for (int i = 0; i < doc.Atoms.Count(); ++i) {
    EXPECT_EQ(d->Atoms.At(i)->textFlag, doc.Atoms.At(i)->textFlag) << i;
    EXPECT_EQ(d->Atoms.At(i)->element, doc.Atoms.At(i)->element) << i;
    EXPECT_EQ(d->Atoms.At(i)->symbol.str(), doc.Atoms.At(i)->symbol.str()) << i;
    EXPECT_NEAR(d->Atoms.At(i)->x3, doc.Atoms.At(i)->x3, 1e-9) << i;
    EXPECT_NEAR(d->Atoms.At(i)->z3, doc.Atoms.At(i)->z3, 1e-9) << i;
  }
  ASSERT_EQ(d->Bonds.Count(), doc.Bonds.Count());
  for (int i = 0; i < doc.Bonds.Count(); ++i) {
    EXPECT_EQ(d->Atoms.IndexOf(d->Bonds.At(i)->Atm1), doc.Atoms.IndexOf(doc.Bonds.At(i)->Atm1));
    EXPECT_EQ(d->Atoms.IndexOf(d->Bonds.At(i)->Atm2), doc.Atoms.IndexOf(doc.Bonds.At(i)->Atm2));
    EXPECT_EQ(d->Bonds.At(i)->typeCode, doc.Bonds.At(i)->typeCode);
  }
  ASSERT_EQ(d->Groups.Count(), 1);
  EXPECT_EQ(d->Groups.At(0)->Atoms.Count(), 3);
  EXPECT_EQ(d->Groups.At(0)->phase, 2);
  EXPECT_EQ(d->Groups.At(0)->amount, 0.5);
  EXPECT_EQ(d->Groups.At(0)->solute[8], 3.5);
  ASSERT_EQ(d->Symbols->Count(), doc.Symbols->Count());
  for (int i = 0; i < doc.Symbols->Count(); ++i)
    EXPECT_EQ(d->Symbols->At(i)->symbolKind, doc.Symbols->At(i)->symbolKind) << i;
  ASSERT_EQ(d->Labels.Count(), 2);
  EXPECT_EQ(d->Labels.At(1)->textFlag, 2);
  EXPECT_EQ(d->title, "round trip");
  EXPECT_EQ(d->notes, "three symbols");
  EXPECT_EQ(d->viewMode, 12);
}

TEST_F(FileFormatTest, ViewModesBeyondNineteenAreDroppedOnLoad)
{
  atom(6, 0, 0);
  doc.viewMode = 120;
  std::unique_ptr<tDrawing> d = readDrawing(writeDrawing(doc));
  ASSERT_TRUE(d);
  EXPECT_EQ(doc.viewMode, 20);
  EXPECT_EQ(d->viewMode, 0);
}

class SaveTest : public FileFormatTest
{
protected:
  SaveTest()
  {
    dir =
      fs::temp_directory_path() / ("trelvix-save-" + std::to_string(::getpid()) + "-" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  ~SaveTest() override { fs::remove_all(dir); }
  fs::path dir;
};

TEST_F(SaveTest, AnEmptyDrawingWritesNoFile)
{
  EXPECT_FALSE(saveDrawing(doc, (dir / "empty.tvx").string()));
  EXPECT_FALSE(fs::exists(dir / "empty.tvx"));
  EXPECT_TRUE(messages().empty());
}

TEST_F(SaveTest, SaveAndLoadThroughFiles)
{
  atom(6, 10, 10);
  const fs::path path = dir / "one.tvx";
  ASSERT_TRUE(saveDrawing(doc, path.string()));
  EXPECT_EQ(doc.fileName.str(), "one.tvx");
  EXPECT_EQ(doc.savedFlag, 1);
  std::unique_ptr<tDrawing> d = loadDrawing(path.string());
  ASSERT_TRUE(d);
  EXPECT_EQ(d->fileName.str(), "one.tvx");
  EXPECT_EQ(d->Atoms.Count(), 1);
}

TEST_F(SaveTest, AFailedSaveKeepsTheOldFileNameAndFlag)
{
  atom(6, 10, 10);
  const fs::path blocker = dir / "notafolder";
  std::ofstream(blocker) << "old";
  doc.savedFlag = 0;
  EXPECT_FALSE(saveDrawing(doc, (blocker / "doc.tvx").string()));
  EXPECT_EQ(messages(), std::vector<std::string>{ "Path not found" });
  EXPECT_EQ(doc.fileName.str(), "untitled.tvx");
  EXPECT_EQ(doc.savedFlag, 0);
  std::ifstream in(blocker);
  std::string content;
  in >> content;
  EXPECT_EQ(content, "old");
}

TEST_F(SaveTest, MissingFilesGiveTheirIoCode)
{
  EXPECT_FALSE(loadDrawing((dir / "missing.tvx").string()));
  EXPECT_EQ(messages(), std::vector<std::string>{ "I/O Error  2" });
}

TEST_F(SaveTest, ADrawingBeyondTheFormatIsRefused)
{
  tAtm* far = atom(6, 0, 0);
  far->x3 = 1e39; // beyond the six-byte real
  EXPECT_FALSE(saveDrawing(doc, (dir / "far.tvx").string()));
  EXPECT_FALSE(fs::exists(dir / "far.tvx"));
  EXPECT_EQ(messages().size(), 1u);
}

// The file keeps screen positions in signed 16-bit words: a drawing reaching beyond 32 767
// pixels is refused with the position it reaches, and nothing is written.
TEST_F(SaveTest, ADrawingBeyondThePositionsSaysHowFarItReaches)
{
  const std::string prefix = "The drawing is too large to be saved: an atom lies ";
  const std::string suffix = " pixels from the top left corner, and a .tvx file holds positions "
                             "up to 32767 pixels (a shorter bond length draws it smaller)";
  // A zigzag of 10 000 carbons at 28 pixels a bond, 120 degrees apart: each bond advances
  // 28 cos 30 degrees = 24.2487 pixels, so the last atom lies 9 999 x 24.2487 = 242 462.9
  // pixels to the right.
  const double step = 28 * std::cos(std::numbers::pi / 6);
  const struct
  {
    const char* name;
    int atoms;
    double dx, dy, x0, y0;
    std::string reach;
  } cases[] = {
    { "zigzag of 10 000", 10000, step, 14, 0, 0, "242463" },
    { "one atom far right", 1, 0, 0, 40000, 10, "40000" },
    { "one atom far left", 1, 0, 0, -32769, 10, "32769" },
    { "one atom far down", 1, 0, 0, 10, 32768.4, "32768" },
  };
  for (const auto& c : cases) {
    tDrawing fresh;
    setCurrentDrawing(&fresh);
    for (int i = 0; i < c.atoms; ++i) {
      auto* a = new tAtm(6, 0, 0, 0);
      a->setRXYZ(c.x0 + i * c.dx, c.y0 + (i % 2) * c.dy, 0);
      fresh.Atoms.Add(a);
    }
    const fs::path path = dir / "far.tvx";
    shell.clearMessages();
    EXPECT_FALSE(saveDrawing(fresh, path.string())) << c.name;
    EXPECT_FALSE(fs::exists(path)) << c.name;
    EXPECT_EQ(messages(), std::vector<std::string>{ prefix + c.reach + suffix }) << c.name;
    setCurrentDrawing(&doc);
  }
}

TEST_F(SaveTest, ACoordinateBeyondTheRealsIsNamed)
{
  tAtm* far = atom(6, 0, 0);
  far->z3 = 1e39; // beyond the six-byte real, within the screen positions
  EXPECT_FALSE(saveDrawing(doc, (dir / "deep.tvx").string()));
  EXPECT_EQ(messages(),
            std::vector<std::string>{ "The drawing is too large to be saved: a coordinate lies "
                                      "beyond the range a .tvx file holds" });
}

} // namespace
} // namespace trelvix
