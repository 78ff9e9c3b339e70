#include "document/arrows.h"
#include "document/report.h"
#include "document/symbol.h"
#include "document_fixture.h"

namespace trelvix {
namespace {

using ReportTest = DocumentTest;

TEST(ReportText, LinesInTheirFixedFormats)
{
  // dG = -10000 - 298 x (-10) = -7020; log K = 0.4342944819 x (-dG / (1.98717 x 298)) = 5.148.
  const auto lines = reportTexts(ReactionDeltas{ -10000, -10, {} }, 298, 1.0);
  EXPECT_EQ(lines[0], "    Summary");
  EXPECT_EQ(lines[1], "P =  1.0  T = 298K");
  EXPECT_EQ(lines[2], "deltaG =     -7.0 Kcal");
  EXPECT_EQ(lines[3], "deltaH =    -10.0 Kcal");
  EXPECT_EQ(lines[4], "deltaS = -10.00 cal/K");
  EXPECT_EQ(lines[5], "logK   =  5.148");
}

TEST(ReportText, AtZeroKelvinLogKIsUndefinedAndNoZeroIsNegative)
{
  // T = 0: dG = dH; log K divides by T and has no value.
  auto lines = reportTexts(ReactionDeltas{ -10000, -10, {} }, 0, 1.0);
  EXPECT_EQ(lines[1], "P =  1.0  T =   0K");
  EXPECT_EQ(lines[2], "deltaG =    -10.0 Kcal");
  EXPECT_EQ(lines[5], "logK   = undefined");
  // Nothing happens: every value is zero, none of them "-0".
  lines = reportTexts(ReactionDeltas{ -0.0, -0.0, {} }, 298, 1.0);
  EXPECT_EQ(lines[2], "deltaG =      0.0 Kcal");
  EXPECT_EQ(lines[3], "deltaH =      0.0 Kcal");
  EXPECT_EQ(lines[5], "logK   =  0.000");
}

TEST_F(ReportTest, TheReportReadsTheFrontArrowAndComesOff)
{
  atom(6, 0, 0);
  atom(6, 0, 100); // the drawing's lowest atom: y max 101
  std::unique_ptr<tSymbol> first = makeSymbol(102);
  first->Add(100, 50);
  first.release();
  std::unique_ptr<tSymbol> second = makeSymbol(104);
  second->Add(400, 50);
  second.release();
  const tSymbol* front = doc.Symbols->At(0);
  ASSERT_EQ(front->symbolKind, 104);

  const tArrow* used = nullptr;
  setReactionDeltasSource([&](const tDrawing&, const tArrow& arrow, double, double) {
    used = &arrow;
    return ReactionDeltas{ -10000, -10, {} };
  });
  const int atomsBefore = doc.Atoms.Count();
  doc.CreateReport(298, 1.0);
  setReactionDeltasSource(nullptr);
  EXPECT_EQ(used, front);
  ASSERT_TRUE(doc.hasReport());
  ASSERT_EQ(doc.Atoms.Count(), atomsBefore + 6);
  EXPECT_EQ(doc.reportLines[2]->symbol.str(), "deltaG =     -7.0 Kcal");
  // Text metric of the default font: 13 high, 7 wide; lines 13 x 4 / 3 = 17 apart.
  const auto* arrow = static_cast<const tArrow*>(front);
  const int width = 22 * 7;
  EXPECT_EQ(doc.reportLines[0]->px(), (arrow->left() + arrow->right() - width) / 2);
  EXPECT_EQ(doc.reportLines[0]->py(), 101 + 2 * 17);
  EXPECT_EQ(doc.reportLines[5]->py(), 101 + 7 * 17);

  doc.DestroyReport();
  EXPECT_FALSE(doc.hasReport());
  EXPECT_EQ(doc.Atoms.Count(), atomsBefore);
}

} // namespace
} // namespace trelvix
