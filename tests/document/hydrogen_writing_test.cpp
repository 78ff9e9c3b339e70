#include "document/hydrogen_writing.h"
#include "document/structure.h"
#include "document_fixture.h"

#include <cstdint>

namespace trelvix {
namespace {

using HydrogenWritingTest = DocumentTest;

// An atom written with its hydrogens puts them away from the one atom it hangs on, whatever its
// writing was before: after the symbol when that atom is to its left, in front when to its
// right. The one hydrogen of an O or S comes in front by turning the text round ("HO"); a count
// or a two-letter symbol would read backwards that way ("2HN"), so they come in front as a group.
TEST_F(HydrogenWritingTest, AnAtomWritesItsHydrogensAwayFromTheBond)
{
  struct Case
  {
    int z;
    double x; // of the atom; its carbon stands at 100
    std::int8_t direction;
    std::uint8_t shift; // 0: hydrogens after the symbol, 2: in front of it
    const char* reads;
  };
  const Case cases[] = {
    { 8, 128, 1, 0, "OH" },  { 8, 72, -1, 0, "HO" },  { 16, 72, -1, 0, "HS" },
    { 7, 128, 1, 0, "NH2" }, { 7, 72, 1, 2, "H2N" },  { 15, 72, 1, 2, "H2P" },
    { 6, 72, 1, 2, "H3C" },  { 34, 72, 1, 2, "HSe" }, { 34, 128, 1, 0, "SeH" },
  };
  // Each case a pair of its own, a row apart, its writing first set the wrong way round.
  double row = 100;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reads);
    row += 50;
    tAtm* carbon = atom(6, 100, row);
    tAtm* end = atom(c.z, c.x, row);
    end->ChangeStyle(2, false);
    bond(carbon, end);
    end->textDirection = static_cast<std::int8_t>(-c.direction);
    end->shiftFlag = static_cast<std::uint8_t>(2 - c.shift);
    ASSERT_GT(end->mult(), 0);
    orientHydrogenLabels(doc);
    EXPECT_EQ(end->textDirection, c.direction);
    EXPECT_EQ(end->shiftFlag, c.shift);
  }
}

// A lone O, S or halogen is written hydrogen first, H2O, H2S and HCl, as chemists write them;
// a lone C, N or P keeps its hydrogens after (CH4, NH3, PH3). An O between two atoms (an ether)
// keeps its writing.
TEST_F(HydrogenWritingTest, LoneHydridesAndInnerAtomsAreWrittenAsChemistsWriteThem)
{
  struct Case
  {
    int z;
    std::uint8_t shift;
  };
  const Case cases[] = { { 8, 2 }, { 16, 2 }, { 17, 2 }, { 9, 2 }, { 6, 0 }, { 7, 0 }, { 15, 0 } };
  double x = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.z);
    tAtm* lone = atom(c.z, x += 60, 0);
    lone->ChangeStyle(2, false);
    ASSERT_GT(lone->mult(), 0);
    orientHydrogenLabels(doc);
    EXPECT_EQ(lone->shiftFlag, c.shift);
    EXPECT_EQ(lone->textDirection, 1);
  }
  tAtm* left = atom(6, 40, 300);
  tAtm* ether = atom(8, 68, 300);
  tAtm* right = atom(6, 96, 300);
  ether->ChangeStyle(2, false);
  bond(left, ether);
  bond(ether, right);
  ether->textDirection = -1;
  orientHydrogenLabels(doc);
  EXPECT_EQ(ether->textDirection, -1);
}

} // namespace
} // namespace trelvix
