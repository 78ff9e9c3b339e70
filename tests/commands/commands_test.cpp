#include "../model/model_fixture.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/symbol.h"
#include "model/atom.h"
#include "model/link.h"

#include <cmath>

namespace trelvix {
namespace {

class CommandTest : public ModelTest
{
protected:
  CommandLayer layer{ std::make_unique<tDrawing>() };

  std::vector<std::string> messages() const
  {
    std::vector<std::string> texts;
    for (const auto& m : shell.messages())
      texts.push_back(m.text);
    return texts;
  }
};

TEST_F(CommandTest, BuildCodesPlacePiecesAndUndoTakesThemBack)
{
  layer.BuildAt(100, 100, 154); // Ring, Add, 6
  EXPECT_EQ(CurrentDrawing, &layer.drawing());
  EXPECT_EQ(layer.drawing().Atoms.Count(), 6);
  layer.BuildAt(300, 100, 505); // Alkane, Add, 6-hexane
  EXPECT_EQ(layer.drawing().Atoms.Count(), 12);
  EXPECT_EQ(layer.drawing().Groups.Count(), 2);
  layer.BuildAt(200, 300, 720); // a reaction arrow
  EXPECT_TRUE(layer.drawing().isReaction());
  EXPECT_EQ(shell.repaintRequests(), 3);

  ASSERT_TRUE(layer.Undo().changed);
  EXPECT_FALSE(layer.drawing().isReaction());
  EXPECT_EQ(layer.drawing().Atoms.Count(), 12);
  EXPECT_EQ(CurrentDrawing, &layer.drawing());
  EXPECT_TRUE(messages().empty());
}

TEST_F(CommandTest, BranchingNeedsAnAtom)
{
  layer.BuildAt(0, 0, 511); // link one carbon into an empty drawing
  EXPECT_EQ(messages(), std::vector<std::string>{ "No Atoms" });
  shell.clearMessages();
  layer.BuildAt(0, 0, 514); // butyl branch
  EXPECT_EQ(messages(), std::vector<std::string>{ "No Atoms to link" });
  EXPECT_EQ(layer.drawing().Atoms.Count(), 0);
}

TEST_F(CommandTest, AlkylBranchGrowsFromTheAtomUnderThePointer)
{
  layer.BuildAt(100, 100, 501); // ethane
  const tXY* end = layer.drawing().Atoms.At(1);
  layer.BuildAt(end->x3, end->y3, 513); // propyl on the second carbon
  EXPECT_EQ(layer.drawing().Atoms.Count(), 2 + 3);
  EXPECT_EQ(layer.drawing().Bonds.Count(), 1 + 3);
  for (const tLink* b : layer.drawing().Bonds)
    EXPECT_NEAR(b->RLength(), 28, 1e-9);
}

TEST_F(CommandTest, AnOverflowPutsTheDocumentBack)
{
  layer.BuildAt(100, 100, 151); // a three-ring
  layer.BuildAt(3e9, 0, 505);   // a chain beyond any screen coordinate
  EXPECT_EQ(messages(), std::vector<std::string>{ "Arithmetic overflow" });
  EXPECT_EQ(layer.drawing().Atoms.Count(), 3);
  EXPECT_EQ(layer.drawing().Groups.Count(), 1);
  EXPECT_EQ(CurrentDrawing, &layer.drawing());
}

TEST_F(CommandTest, OneAtomGroupsLinkTheirElement)
{
  struct Case
  {
    int code;
    int element;
    int type;
    int freeValence; // of the new atom
  };
  const Case cases[] = {
    { 543, 8, 2, 4 - 2 },  // OH
    { 547, 17, 2, 2 - 2 }, // Cl
    { 570, 14, 2, 8 - 2 }, // SiH3
    { 545, 8, 4, 4 - 4 },  // =O
    { 551, 6, 4, 8 - 4 },  // =CH2
  };
  for (const Case& c : cases) {
    CommandLayer fresh{ std::make_unique<tDrawing>() };
    fresh.BuildAt(100, 100, 501); // ethane
    const tXY* end = fresh.drawing().Atoms.At(1);
    fresh.BuildAt(end->x3, end->y3, c.code);
    ASSERT_EQ(fresh.drawing().Atoms.Count(), 3) << c.code;
    const tLink* bond = fresh.drawing().Bonds.At(1);
    EXPECT_EQ(bond->Atm1, end) << c.code;
    EXPECT_EQ(bond->Atm2->element, c.element) << c.code;
    EXPECT_EQ(bond->bondType(), c.type) << c.code;
    EXPECT_EQ(bond->Atm2->freeValence, c.freeValence) << c.code;
    EXPECT_NEAR(bond->RLength(), bond->RAB(), 1e-9) << c.code;
  }
  EXPECT_TRUE(messages().empty());
}

TEST_F(CommandTest, SubstituentRecipesMakeTheirGroups)
{
  struct Case
  {
    int code;
    std::vector<int> elements; // of the new atoms a1, a2, ...
    int doubles;               // new double bonds
  };
  const Case cases[] = {
    { 520, { 6, 6, 6 }, 0 },     // i-propyl
    { 521, { 6, 6, 6, 6 }, 0 },  // i-butyl
    { 527, { 6, 8, 8 }, 1 },     // COOH
    { 532, { 6, 7, 8 }, 1 },     // CONH2
    { 525, { 7, 8, 8 }, 2 },     // NO2
    { 535, { 6, 8 }, 0 },        // CH2OH
    { 534, { 8, 6 }, 0 },        // OCH3
    { 529, { 6, 8 }, 1 },        // CHO
    { 539, { 6, 6 }, 1 },        // CH=CH2
    { 533, { 6, 7 }, 0 },        // CN
    { 536, { 16, 8, 8, 8 }, 2 }, // SO3H: S(=O)2OH
    { 541, { 16, 8, 7, 8 }, 2 }, // SO2NH2
    { 564, { 8, 6, 6, 8 }, 1 },  // OCOCH3
    { 568, { 8, 6, 7, 8 }, 1 },  // OCONH2
  };
  for (const Case& c : cases) {
    CommandLayer fresh{ std::make_unique<tDrawing>() };
    fresh.BuildAt(100, 100, 501); // ethane
    const tXY* end = fresh.drawing().Atoms.At(1);
    fresh.BuildAt(end->x3, end->y3, c.code);
    const tAtoms& atoms = fresh.drawing().Atoms;
    ASSERT_EQ(atoms.Count(), 2 + static_cast<int>(c.elements.size())) << c.code;
    std::vector<int> made;
    for (int i = 2; i < atoms.Count(); ++i)
      made.push_back(atoms.At(i)->element);
    EXPECT_EQ(made, c.elements) << c.code;
    int doubles = 0;
    for (const tLink* b : fresh.drawing().Bonds)
      doubles += b->bondType() == 4 ? 1 : 0;
    EXPECT_EQ(doubles, c.doubles) << c.code;
    // No atom over its valence, but for the hypervalent sulphur and phosphorus centres, whose
    // table valence counts two bonds only.
    for (const tXY* a : atoms) {
      if (a->element != 15 && a->element != 16) {
        EXPECT_GE(a->freeValence, 0) << c.code;
      }
    }
  }
  EXPECT_TRUE(messages().empty());
}

TEST_F(CommandTest, MethylIsWrittenWithItsHydrogens)
{
  layer.BuildAt(100, 100, 501);
  const tXY* end = layer.drawing().Atoms.At(1);
  layer.BuildAt(end->x3, end->y3, 523);
  ASSERT_EQ(layer.drawing().Atoms.Count(), 3);
  EXPECT_EQ(layer.drawing().Atoms.At(2)->style, 2);
  layer.BuildAt(5000, 5000, 543); // nothing under the pointer: nothing made
  EXPECT_EQ(layer.drawing().Atoms.Count(), 3);
  CommandLayer empty{ std::make_unique<tDrawing>() };
  empty.BuildAt(0, 0, 545);
  ASSERT_EQ(messages(), std::vector<std::string>{ "No Atoms" });
  EXPECT_EQ(shell.messages()[0].icon, MessageIcon::Warning);
}

TEST_F(CommandTest, ProtonsComeAndGoAndUndoRemembersTheLastStep)
{
  layer.AddAtom(6, 100, 100);
  ASSERT_EQ(layer.drawing().Atoms.Count(), 1);
  EXPECT_EQ(layer.drawing().Atoms.At(0)->style, 1);
  layer.AddProtons2D();
  ASSERT_EQ(layer.drawing().Atoms.Count(), 5);
  const tXY* c = layer.drawing().Atoms.At(0);
  // In the plane at 0, 90, 180 and 270 degrees, each at the C-H ideal length.
  const double angles[] = { 0, 90, 180, 270 };
  for (int i = 0; i < 4; ++i) {
    const tXY* h = layer.drawing().Atoms.At(i + 1);
    const double a = angles[i] * M_PI / 180;
    const double r = h->Dist3d(*c);
    EXPECT_NEAR(h->x3 - c->x3, r * std::cos(a), 1e-9) << i;
    EXPECT_NEAR(h->y3 - c->y3, r * std::sin(a), 1e-9) << i;
    EXPECT_NEAR(r, layer.drawing().Bonds.At(i)->RAB(), 1e-9) << i;
  }
  layer.RemoveProtons();
  EXPECT_EQ(layer.drawing().Atoms.Count(), 1);
  ASSERT_TRUE(layer.Undo().changed); // back to before the removal only
  EXPECT_EQ(layer.drawing().Atoms.Count(), 5);

  // Four bonds and the pointer on the atom itself: no direction to add in, so nothing is added.
  const int before = layer.drawing().Atoms.Count();
  layer.BranchAtom(8, layer.drawing().Atoms.At(0)->x3, layer.drawing().Atoms.At(0)->y3);
  EXPECT_EQ(layer.drawing().Atoms.Count(), before);
  EXPECT_TRUE(messages().empty());
}

TEST_F(CommandTest, ThreeDimensionalProtonsMakeMethaneAPiece)
{
  layer.AddAtom(6, 100, 100);
  layer.AddProtons3D();
  ASSERT_EQ(layer.drawing().Atoms.Count(), 5);
  ASSERT_EQ(layer.drawing().Groups.Count(), 1);
  EXPECT_EQ(layer.drawing().Groups.At(0)->Atoms.Count(), 5);
  bool outOfPlane = false;
  for (const tXY* a : layer.drawing().Atoms)
    outOfPlane = outOfPlane || std::fabs(a->z3) > 1;
  EXPECT_TRUE(outOfPlane);
}

} // namespace
} // namespace trelvix
