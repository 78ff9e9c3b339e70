#include "model/atom.h"
#include "model_fixture.h"
#include "platform/checked.h"

#include <cmath>

namespace trelvix {
namespace {

using AtomTest = ModelTest;

TEST_F(AtomTest, NewAtomTakesItsElementRowAndPosition)
{
  tXY c(6, 10.4, -3.5, 0);
  EXPECT_EQ(c.symbol.str(), "C");
  EXPECT_EQ(c.freeValence, 8);
  EXPECT_EQ(c.pairCount, 4);
  EXPECT_EQ(c.mult(), 4);
  EXPECT_FLOAT_EQ(c.atomicWeight, 12.01115f);
  EXPECT_EQ(c.hybridisation, 3);
  EXPECT_EQ(c.textDirection, 1);
  EXPECT_EQ(c.screenX, 10);
  EXPECT_EQ(c.screenY, -4); // -3.5 rounds away from zero
  EXPECT_EQ(c.z3, 0.0);
  EXPECT_EQ(c.savedX3, 10.4);
  EXPECT_EQ(c.font, modelDefaults().font);
  ASSERT_NE(c.atoms, nullptr);
  EXPECT_TRUE(c.isatom());
}

TEST_F(AtomTest, ImplicitHydrogensFollowFreeValence)
{
  tXY c(6, 0, 0, 0);
  c.freeValence = 4; // two single bonds taken
  EXPECT_EQ(c.mult(), 2);
  c.freeValence = 104; // the +100 mark is ignored
  EXPECT_EQ(c.mult(), 2);
  c.freeValence = -3;
  EXPECT_EQ(c.mult(), 0);
  tXY fe(26, 0, 0, 0); // metals carry no implicit hydrogens
  EXPECT_EQ(fe.mult(), 0);
  tXY o(8, 0, 0, 0);
  EXPECT_DOUBLE_EQ(o.AW(), 2 * 1.00797 + static_cast<double>(15.9994f));
  EXPECT_EQ(o.Hybmult(), 2 + 10 * 3);
}

TEST_F(AtomTest, ChargeIsClampedAndWritten)
{
  tXY n(7, 0, 0, 0);
  EXPECT_EQ(n.SCharge(), "");
  n.ChangeQ(5);
  n.ChangeQ(5);
  EXPECT_EQ(n.charge, 9);
  EXPECT_EQ(n.SCharge(), "+9");
  n.ChangeQ(-20);
  EXPECT_EQ(n.charge, -9);
  n.setcharge(-1);
  EXPECT_EQ(n.SCharge(), "-1");
  n.setcharge(2);
  EXPECT_EQ(n.SCharge(), "+2");
}

TEST_F(AtomTest, ChangeMovesValenceAndResolvesStyle)
{
  struct Case
  {
    int element;
    std::uint8_t askedStyle;
    std::uint8_t style;
    int freeValence; // from a carbon with free valence 8
  };
  const Case cases[] = {
    { 6, 3, 0, 8 },         // carbon is always style 0
    { 8, 2, 2, 8 + 4 - 8 }, // oxygen shows its symbol
    { 26, 2, 1, 8 + 20 - 8 }, { 53, 2, 2, 8 + 2 - 8 },
    { 7, 4, 4, 8 + 6 - 8 },   { 7, 9, 0, 8 + 6 - 8 }, // an unknown style keeps the old one
  };
  for (const Case& c : cases) {
    tXY atom(6, 0, 0, 0);
    atom.charge = 3;
    atom.fixedFlag = 1;
    atom.neighbourCount = 2;
    atom.Change(c.element, c.askedStyle);
    EXPECT_EQ(atom.style, c.style) << c.element;
    EXPECT_EQ(atom.freeValence, c.freeValence) << c.element;
    EXPECT_EQ(atom.element, c.element);
    EXPECT_EQ(atom.charge, 0);
    EXPECT_EQ(atom.fixedFlag, 0);
    EXPECT_EQ(atom.neighbourCount, 0);
    EXPECT_EQ(atom.pairCount, std::max(0, c.freeValence / 2));
  }
}

TEST_F(AtomTest, ChangeStyleReturnsThePreviousStyle)
{
  tXY o(8, 0, 0, 1);
  EXPECT_EQ(o.ChangeStyle(255, false), 1);
  EXPECT_EQ(o.ChangeStyle(7, false), 255);
  EXPECT_EQ(o.style, 255);
  EXPECT_EQ(o.setstyle(17), 255);
  EXPECT_EQ(o.style, 17);
}

TEST_F(AtomTest, ColourIsKeptForStylesOfSixteenAndAbove)
{
  tXY a(6, 0, 0, 0);
  EXPECT_EQ(a.Color(0x0000FF), black);
  EXPECT_EQ(a.colour, 0x0000FFu);
  EXPECT_EQ(a.savedColour, black);
  a.setstyle(16);
  EXPECT_EQ(a.Color(0x00FF00), 0x0000FFu);
  EXPECT_EQ(a.colour, 0x0000FFu);
}

TEST_F(AtomTest, HydrogenChangeOpensValenceOnlyWhenSomeRemains)
{
  tXY c(6, 0, 0, 0);
  c.freeValence = 0;
  c.ChangeH(1);
  EXPECT_EQ(c.hydrogenChange, 1);
  EXPECT_EQ(c.freeValence, 2);
  c.ChangeH(-3); // 2 - 3 < 1: nothing taken
  EXPECT_EQ(c.freeValence, 2);
  c.ValExpand();
  EXPECT_EQ(c.freeValence, 4);
}

TEST_F(AtomTest, ValenceArithmeticOverflowRaisesAndKeepsTheField)
{
  tXY c(6, 0, 0, 0);
  c.freeValence = 126;
  EXPECT_THROW(c.ValExpand(), OverflowError);
  EXPECT_EQ(c.freeValence, 126);
}

TEST_F(AtomTest, SymbolKeepsThirtyTwoCharacters)
{
  tXY a(6, 0, 0, 0);
  a.SetSymbol("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn");
  EXPECT_EQ(a.symbol.str(), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdef");
}

TEST_F(AtomTest, MovesRespectTheFixedFlag)
{
  tXY a(6, 1, 2, 0);
  a.fixedFlag = 1;
  a.Move(5, 5, 5);
  a.MoveToXYZ(9, 9, 9);
  EXPECT_EQ(a.x3, 1.0);
  EXPECT_EQ(a.y3, 2.0);
  a.shift(0.5, 0.5, 0.5);
  EXPECT_EQ(a.x3, 1.5);
  EXPECT_EQ(a.z3, 0.5);
  EXPECT_EQ(a.screenX, 1); // shift does not update
  a.fixedFlag = 0;
  a.Move(1.2, -0.2, 2.0);
  EXPECT_DOUBLE_EQ(a.x3, 2.7);
  EXPECT_EQ(a.screenX, 3);
  EXPECT_EQ(a.screenY, 2);
  EXPECT_EQ(a.depth, 3); // 2.5 rounds away from zero
  EXPECT_EQ(a.prevScreenX, 3);
  EXPECT_DOUBLE_EQ(a.savedZ3, 2.5);
}

TEST_F(AtomTest, DistancesUseTheBondScale)
{
  tXY a(6, 0, 0, 0);
  tXY b(6, 0, 0, 0);
  b.setRXYZ(0, 0, 28);
  EXPECT_DOUBLE_EQ(a.Angstroms(b), 1.53);
  b.setRXYZ(12, 16, 0); // 3-4-5 triangle
  EXPECT_DOUBLE_EQ(a.Dist3d(b), 20.0);
  modelDefaults().BondScalePixels = 14;
  EXPECT_DOUBLE_EQ(a.Angstroms(b), 20.0 * 1.53 / 14);
  EXPECT_DOUBLE_EQ(b.xAng(), 12 * 1.53 / 14);
  EXPECT_DOUBLE_EQ(a.dAngstroms(0, 14, 0), 1.53);
  EXPECT_EQ(b.Xmax(), 13);
  EXPECT_EQ(b.Ymin(), 15);
  EXPECT_EQ(b.Zmin(), -1);
}

TEST_F(AtomTest, RadiusOfAnIonScalesBySlaterSize)
{
  tXY na(11, 0, 0, 0);
  EXPECT_DOUBLE_EQ(na.Radius(), static_cast<double>(1.86f));
  na.setcharge(1);
  // Na: 3s electron, Zeff = 11 - (8 x 0.85 + 2 x 1.0) = 2.2, n* = 3.
  // Na+: outermost shell 2 (2s2 2p6), Zeff = 11 - (7 x 0.35 + 2 x 0.85) = 6.85, n* = 2.
  const double neutral = 3.0 * 3.0 * 0.5292 / 2.2;
  const double ion = 2.0 * 2.0 * 0.5292 / 6.85;
  EXPECT_NEAR(na.Radius(), static_cast<double>(1.86f) * ion / neutral, 1e-12);
  EXPECT_EQ(tXY(11, 0, 0, 0).energy(), 0.0);
  EXPECT_GT(na.energy(), 0.0); // taking an electron away costs energy
}

TEST_F(AtomTest, CloneDataCopiesTheStoredState)
{
  tXY a(8, 3.3, 4.4, 2);
  a.setRXYZ(3.3, 4.4, -5.5);
  a.setcharge(-1);
  a.atomNumber = 7;
  a.colour = 0x123456;
  a.hydrogenChange = 2;
  a.SetSymbol("OH");
  tXY b(6, 0, 0, 0);
  b.CloneData(a);
  EXPECT_EQ(b.element, 8);
  EXPECT_EQ(b.charge, -1);
  EXPECT_EQ(b.atomNumber, 7);
  EXPECT_EQ(b.colour, 0x123456u);
  EXPECT_EQ(b.hydrogenChange, 2);
  EXPECT_EQ(b.symbol.str(), "OH");
  EXPECT_EQ(b.z3, -5.5);
  EXPECT_EQ(b.savedZ3, -5.5);
  EXPECT_EQ(b.depth, a.depth);
  EXPECT_EQ(b.style, 2);
}

TEST_F(AtomTest, TextAtomsAreNotElementAtoms)
{
  tLAtm label(5, 6, "Step 1");
  tFormula formula(5, 6, "CH4");
  EXPECT_EQ(label.textFlag, 1);
  EXPECT_EQ(formula.textFlag, 2);
  EXPECT_EQ(label.symbol.str(), "Step 1");
  EXPECT_FALSE(label.isatom());
  EXPECT_FALSE(formula.isatom());
}

} // namespace
} // namespace trelvix
