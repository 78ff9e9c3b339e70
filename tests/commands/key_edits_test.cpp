// Link Atoms and the keys that edit the atom or bond under the pointer.
#include "../model/model_fixture.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/symbol.h"
#include "model/bond.h"
#include "model/structure_atom.h"

namespace trelvix {
namespace {

class KeyEditTest : public ModelTest
{
protected:
  CommandLayer layer{ std::make_unique<tDrawing>() };
  const tDrawing& doc() const { return layer.drawing(); }

  std::vector<std::string> messages() const
  {
    std::vector<std::string> texts;
    for (const auto& m : shell.messages())
      texts.push_back(m.text);
    return texts;
  }

  // Ethane with its first carbon at (100, 100) and its bond's midpoint returned.
  Point ethane()
  {
    layer.BuildAt(100, 100, 501);
    const tLink* b = doc().Bonds.At(0);
    return { static_cast<int>((b->Atm1->x3 + b->Atm2->x3) / 2),
             static_cast<int>((b->Atm1->y3 + b->Atm2->y3) / 2) };
  }
};

TEST_F(KeyEditTest, LinkAtomsSaysMovePointerUntilTwoDifferentAtomsAreHit)
{
  layer.AddAtom(6, 100, 100);
  layer.AddAtom(8, 200, 100);
  const int bonds = doc().Bonds.Count();
  layer.BuildAt(150, 300, 524); // empty space first
  EXPECT_EQ(messages(), std::vector<std::string>{ "Move Pointer" });
  layer.BuildAt(100, 100, 524); // the carbon
  layer.BuildAt(100, 100, 524); // the carbon again
  EXPECT_EQ(messages(), (std::vector<std::string>{ "Move Pointer", "Move Pointer" }));
  layer.BuildAt(150, 300, 524); // empty space: ignored, the carbon stays held
  EXPECT_EQ(messages().size(), 2U);
  ASSERT_NE(layer.firstLinkAtom(), nullptr);
  layer.BuildAt(200, 100, 524); // the oxygen: linked
  ASSERT_EQ(doc().Bonds.Count(), bonds + 1);
  const tLink* link = doc().Bonds.At(bonds);
  EXPECT_EQ(link->Atm1, doc().Atoms.At(0));
  EXPECT_EQ(link->Atm2, doc().Atoms.At(1));
  EXPECT_EQ(link->bondType(), SingleBond);
  EXPECT_EQ(layer.firstLinkAtom(), nullptr);
  EXPECT_EQ(doc().Groups.Count(), 1); // the two pieces are one molecule now
  EXPECT_EQ(messages().size(), 2U);
}

TEST_F(KeyEditTest, LinkAtomsLeavesABondedPairAlone)
{
  ethane();
  const tXY* a = doc().Bonds.At(0)->Atm1;
  const tXY* b = doc().Bonds.At(0)->Atm2;
  layer.BuildAt(a->x3, a->y3, 524);
  layer.BuildAt(b->x3, b->y3, 524);
  EXPECT_EQ(doc().Bonds.Count(), 1); // no second bond between the same two atoms
  EXPECT_EQ(layer.firstLinkAtom(), nullptr);
  EXPECT_TRUE(messages().empty());
}

TEST_F(KeyEditTest, ElementKeysChangeTheAtomUnderThePointer)
{
  layer.AddAtom(7, 100, 100);
  ASSERT_TRUE(layer.KeyUp("C", 101, 101).known);
  const tXY* a = doc().Atoms.At(0);
  EXPECT_EQ(a->element, 6);
  EXPECT_EQ(a->style, 0); // a bare vertex
  ASSERT_TRUE(layer.KeyUp("X", 100, 100).known);
  EXPECT_EQ(doc().Atoms.At(0)->element, 17);
  ASSERT_TRUE(layer.KeyUp("H", 100, 100).known);
  EXPECT_EQ(doc().Atoms.At(0)->element, 1);
  EXPECT_EQ(doc().Atoms.At(0)->style, 1);
  ASSERT_TRUE(layer.KeyUp("N", 500, 500).known); // nothing under the pointer
  EXPECT_EQ(doc().Atoms.At(0)->element, 1);
  EXPECT_FALSE(layer.KeyUp("W", 100, 100).known); // not an edit key
}

TEST_F(KeyEditTest, ChargeKeysAddUpAndAreNotUndoneByTheOneLevelUndo)
{
  layer.setUndoLevels(1);
  layer.AddAtom(7, 100, 100);
  ASSERT_TRUE(layer.KeyUp("U", 100, 100).known); // one more hydrogen; takes the undo copy
  EXPECT_EQ(doc().Atoms.At(0)->mult(), 4);
  layer.KeyUp("+", 100, 100);
  layer.KeyUp("+", 100, 100);
  EXPECT_EQ(doc().Atoms.At(0)->charge, 2);
  layer.KeyUp("-", 100, 100);
  EXPECT_EQ(doc().Atoms.At(0)->charge, 1);
  // Undo goes back to before U: the charges had no undo copy of their own.
  ASSERT_TRUE(layer.Undo().changed);
  EXPECT_EQ(doc().Atoms.At(0)->charge, 0);
  EXPECT_EQ(doc().Atoms.At(0)->mult(), 3);
  layer.KeyUp("D", 100, 100);
  EXPECT_EQ(doc().Atoms.At(0)->mult(), 2);
}

TEST_F(KeyEditTest, BondKeysSetTheTypeOfTheBondUnderThePointer)
{
  struct Case
  {
    const char* key;
    int type;
  };
  const Case cases[] = { { "2", DoubleBond },   { "3", TripleBond },   { "4", ResonanceBond },
                         { "5", HydrogenBond }, { "T", HydrogenBond }, { "1", SingleBond } };
  const Point mid = ethane();
  for (const Case& c : cases) {
    ASSERT_TRUE(layer.KeyUp(c.key, mid.x, mid.y).known) << c.key;
    EXPECT_EQ(doc().Bonds.At(0)->bondType(), c.type) << c.key;
  }
  // A double bond takes two half-bonds more from each carbon.
  layer.KeyUp("2", mid.x, mid.y);
  EXPECT_EQ(doc().Atoms.At(0)->freeValence, 8 - 4);
}

TEST_F(KeyEditTest, AromaticKeyTogglesAndColours)
{
  const Point mid = ethane();
  layer.KeyUp("A", mid.x, mid.y);
  EXPECT_TRUE(doc().Bonds.At(0)->isAromatic());
  EXPECT_EQ(doc().Bonds.At(0)->colour, 0xFF0000U);
  layer.KeyUp("A", mid.x, mid.y);
  EXPECT_FALSE(doc().Bonds.At(0)->isAromatic());
  EXPECT_EQ(doc().Bonds.At(0)->colour, black);
}

TEST_F(KeyEditTest, UndoAfterTwoEditsRestoresOnlyTheSecond)
{
  const Point mid = ethane();
  layer.KeyUp("O", 100, 100);     // first edit: the first carbon becomes oxygen
  layer.KeyUp("2", mid.x, mid.y); // second edit: the bond becomes double
  ASSERT_TRUE(layer.Undo().changed);
  EXPECT_EQ(doc().Atoms.At(0)->element, 8);
  EXPECT_EQ(doc().Bonds.At(0)->bondType(), SingleBond);
}

TEST_F(KeyEditTest, DeleteAndKRemoveAtomsAndBonds)
{
  const Point mid = ethane();
  layer.KeyUp("K", mid.x, mid.y);
  EXPECT_EQ(doc().Bonds.Count(), 0);
  EXPECT_EQ(doc().Atoms.Count(), 2);
  EXPECT_EQ(doc().Atoms.At(0)->style, 2); // a lone carbon shows its symbol
  layer.KeyUp("Delete", 100, 100);
  EXPECT_EQ(doc().Atoms.Count(), 1);
  const tXY* last = doc().Atoms.At(0);
  layer.KeyUp("Delete", last->x3, last->y3);
  EXPECT_EQ(doc().Atoms.Count(), 0);
  EXPECT_EQ(doc().Groups.Count(), 0); // the piece left without atoms is gone
}

TEST_F(KeyEditTest, DeleteOverASymbolDoesNothingButALabelGoes)
{
  layer.BuildAt(200, 200, 720); // a reaction arrow centred on (200, 200)
  const int points = doc().Atoms.Count();
  const tXY* end = doc().Atoms.At(0);
  layer.KeyUp("Delete", end->x3, end->y3);
  EXPECT_EQ(doc().Atoms.Count(), points);
  layer.BuildAt(50, 50, 607);
  ASSERT_NE(layer.textToEdit(), nullptr);
  EXPECT_EQ(doc().Labels.Count(), 1);
  layer.KeyUp("Delete", 50, 50);
  EXPECT_EQ(doc().Labels.Count(), 0);
  EXPECT_EQ(doc().Atoms.Count(), points);
}

TEST_F(KeyEditTest, LabelAndFormulaAreTextAtoms)
{
  layer.BuildAt(50, 60, 607);
  tLAtm* label = layer.textToEdit();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->textFlag, tLAtm::labelKind);
  EXPECT_EQ(label->x3, 50);
  EXPECT_EQ(label->y3, 60);
  layer.BuildAt(80, 60, 608);
  ASSERT_NE(layer.textToEdit(), nullptr);
  EXPECT_EQ(layer.textToEdit()->textFlag, tFormula::formulaKind);
  EXPECT_EQ(doc().Labels.Count(), 2);
  EXPECT_EQ(doc().Atoms.NAtoms(), 0); // text, not chemistry
  layer.BuildAt(0, 0, 154);
  EXPECT_EQ(layer.textToEdit(), nullptr);
}

} // namespace
} // namespace trelvix
