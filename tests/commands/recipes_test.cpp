// Every Add Molecule item and every Branch group gives the species its caption names.
#include "../model/model_fixture.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "model/atom.h"
#include "model/link.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace trelvix {
namespace {

using Formula = std::map<std::string, int>;

// Element symbols with their implicit hydrogens, over atoms from index first on.
Formula formulaOf(const tAtoms& atoms, int first)
{
  Formula f;
  for (int i = first; i < atoms.Count(); ++i) {
    const tXY* a = atoms.At(i);
    ++f[a->symbol.str()];
    if (a->mult() > 0)
      f["H"] += a->mult();
  }
  return f;
}

std::vector<int> bondTypes(const tbondlist& bonds, int first)
{
  std::vector<int> types;
  for (int i = first; i < bonds.Count(); ++i)
    types.push_back(bonds.At(i)->bondType());
  std::sort(types.begin(), types.end());
  return types;
}

using RecipeTest = ModelTest;

TEST_F(RecipeTest, EveryMoleculeIsTheSpeciesOfItsCaption)
{
  struct Case
  {
    int code;
    Formula formula;
    std::vector<int> types;
  };
  const Case cases[] = {
    { 571, { { "C", 1 }, { "H", 4 } }, { 2, 2, 2, 2 } },
    { 572, { { "N", 1 }, { "H", 3 } }, { 2, 2, 2 } },
    { 573, { { "O", 1 }, { "H", 2 } }, { 2, 2 } },
    { 574, { { "S", 1 }, { "H", 2 } }, { 2, 2 } },
    { 575, { { "B", 1 }, { "H", 3 } }, { 2, 2, 2 } },
    { 576, { { "H", 2 } }, { 2 } },
    { 577, { { "Cl", 2 } }, { 2 } },
    { 578, { { "Br", 2 } }, { 2 } },
    { 579, { { "I", 2 } }, { 2 } },
    { 580, { { "N", 2 } }, { 6 } },
    { 581, { { "O", 2 } }, { 4 } },
    { 582, { { "C", 1 }, { "O", 2 } }, { 4, 4 } },
    { 583, { { "F", 2 } }, { 2 } },
    { 584, { { "S", 1 }, { "O", 2 } }, { 4, 4 } },
    { 585, { { "N", 1 }, { "O", 2 } }, { 2, 4 } }, // not HONO
    { 586, { { "P", 1 }, { "H", 3 } }, { 2, 2, 2 } },
    { 587, { { "Si", 1 }, { "H", 4 } }, { 2, 2, 2, 2 } },
    { 588, { { "Si", 1 }, { "O", 2 } }, { 4, 4 } },
    { 589, { { "C", 1 }, { "O", 1 } }, { 6 } },
    { 590, { { "N", 1 }, { "O", 1 } }, { 4 } }, // not HNO
    { 591, { { "C", 1 }, { "H", 1 }, { "N", 1 } }, { 2, 6 } },
  };
  for (const Case& c : cases) {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    layer.BuildAt(100, 100, c.code);
    const tDrawing& d = layer.drawing();
    ASSERT_EQ(d.Groups.Count(), 1) << c.code;
    EXPECT_EQ(formulaOf(d.Atoms, 0), c.formula) << c.code;
    EXPECT_EQ(bondTypes(d.Bonds, 0), c.types) << c.code;
    // Bonded atoms at their ideal distance: no bond twice its length.
    for (const tLink* b : d.Bonds)
      EXPECT_NEAR(b->RLength(), b->RAB(), 0.35 * b->RAB()) << c.code;
  }
  EXPECT_TRUE(shell.messages().empty());
}

TEST_F(RecipeTest, EveryBranchGroupOnABenzeneIsTheGroupOfItsCaption)
{
  struct Case
  {
    int code;
    Formula group;          // the new atoms with their implicit hydrogens
    std::vector<int> types; // the new bonds, the one to the ring included
  };
  const Case cases[] = {
    { 511, { { "C", 1 }, { "H", 3 } }, { 2 } },
    { 522, { { "H", 1 } }, { 2 } },
    { 523, { { "C", 1 }, { "H", 3 } }, { 2 } },
    { 543, { { "O", 1 }, { "H", 1 } }, { 2 } },
    { 544, { { "N", 1 }, { "H", 2 } }, { 2 } },
    { 546, { { "F", 1 } }, { 2 } },
    { 547, { { "Cl", 1 } }, { 2 } },
    { 548, { { "Br", 1 } }, { 2 } },
    { 553, { { "I", 1 } }, { 2 } },
    { 549, { { "S", 1 }, { "H", 1 } }, { 2 } },
    { 550, { { "P", 1 }, { "H", 2 } }, { 2 } },
    { 569, { { "Se", 1 }, { "H", 1 } }, { 2 } },
    { 570, { { "Si", 1 }, { "H", 3 } }, { 2 } },
    { 545, { { "O", 1 } }, { 4 } },
    { 552, { { "N", 1 }, { "H", 1 } }, { 4 } },
    { 551, { { "C", 1 }, { "H", 2 } }, { 4 } },
    { 555, { { "S", 1 } }, { 4 } },
    { 520, { { "C", 3 }, { "H", 7 } }, { 2, 2, 2 } },
    { 521, { { "C", 4 }, { "H", 9 } }, { 2, 2, 2, 2 } },
    { 525, { { "N", 1 }, { "O", 2 } }, { 2, 4, 4 } },
    { 526, { { "N", 1 }, { "O", 1 } }, { 4, 4 } },
    { 527, { { "C", 1 }, { "H", 1 }, { "O", 2 } }, { 2, 2, 4 } },
    { 528, { { "C", 2 }, { "H", 3 }, { "O", 1 } }, { 2, 2, 4 } },
    { 529, { { "C", 1 }, { "H", 1 }, { "O", 1 } }, { 2, 4 } },
    { 530, { { "N", 1 }, { "O", 1 } }, { 2, 4 } },
    { 532, { { "C", 1 }, { "H", 2 }, { "N", 1 }, { "O", 1 } }, { 2, 2, 4 } },
    { 533, { { "C", 1 }, { "N", 1 } }, { 2, 6 } },
    { 534, { { "C", 1 }, { "H", 3 }, { "O", 1 } }, { 2, 2 } },
    { 535, { { "C", 1 }, { "H", 3 }, { "O", 1 } }, { 2, 2 } },
    { 536, { { "S", 1 }, { "O", 3 }, { "H", 1 } }, { 2, 2, 4, 4 } },
    { 537, { { "S", 1 }, { "O", 2 } }, { 2, 4, 4 } },
    { 538, { { "C", 1 }, { "N", 1 }, { "O", 1 } }, { 2, 4, 4 } },
    { 539, { { "C", 2 }, { "H", 3 } }, { 2, 4 } },
    { 540, { { "C", 1 }, { "O", 1 } }, { 2, 6 } },
    { 541, { { "S", 1 }, { "O", 2 }, { "N", 1 }, { "H", 2 } }, { 2, 2, 4, 4 } },
    { 542, { { "N", 1 }, { "O", 1 }, { "H", 1 } }, { 2, 4 } },
    { 554, { { "S", 1 }, { "O", 2 }, { "C", 1 }, { "H", 3 } }, { 2, 2, 4, 4 } },
    { 556, { { "C", 1 }, { "H", 3 }, { "S", 1 } }, { 2, 2 } },
    { 557, { { "C", 1 }, { "H", 4 }, { "N", 1 } }, { 2, 2 } },
    { 558, { { "O", 4 }, { "P", 1 }, { "H", 2 } }, { 2, 2, 2, 2, 4 } },
    { 559, { { "C", 2 }, { "H", 4 }, { "N", 1 }, { "O", 1 } }, { 2, 2, 2, 4 } },
    { 560, { { "P", 1 }, { "O", 3 }, { "H", 2 } }, { 2, 2, 2, 4 } },
    { 561, { { "C", 2 }, { "H", 3 }, { "O", 1 }, { "S", 1 } }, { 2, 2, 2, 4 } },
    { 562, { { "C", 2 }, { "H", 1 } }, { 2, 6 } },
    { 563, { { "O", 3 }, { "P", 1 }, { "H", 2 } }, { 2, 2, 2, 2 } },
    { 564, { { "C", 2 }, { "H", 3 }, { "O", 2 } }, { 2, 2, 2, 4 } },
    { 565, { { "C", 1 }, { "H", 1 }, { "N", 1 } }, { 2, 6 } },
    { 566, { { "C", 3 }, { "H", 3 } }, { 2, 4, 4 } },
    { 567, { { "C", 1 }, { "H", 1 }, { "O", 3 } }, { 2, 2, 2, 4 } },
    { 568, { { "C", 1 }, { "H", 2 }, { "N", 1 }, { "O", 2 } }, { 2, 2, 2, 4 } },
  };
  for (const Case& c : cases) {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    layer.BuildAt(200, 200, 701); // benzene: atom 1 on top at (200, 200 - 28)
    layer.BuildAt(200, 168, c.code);
    const tDrawing& d = layer.drawing();
    ASSERT_GT(d.Atoms.Count(), 6) << c.code;
    EXPECT_EQ(formulaOf(d.Atoms, 6), c.group) << c.code;
    EXPECT_EQ(bondTypes(d.Bonds, 6), c.types) << c.code;
    // A tree on the ring: one new bond per new atom, the first from the top ring atom.
    EXPECT_EQ(d.Bonds.Count() - 6, d.Atoms.Count() - 6) << c.code;
    EXPECT_EQ(d.Bonds.At(6)->Atm1, d.Atoms.At(0)) << c.code;
  }
  EXPECT_TRUE(shell.messages().empty());
}

TEST_F(RecipeTest, BranchedAlkanesStandAlone)
{
  struct Case
  {
    int code;
    int carbons;
    int hydrogens;
  };
  const Case cases[] = { { 510, 4, 10 }, { 592, 5, 12 } };
  for (const Case& c : cases) {
    CommandLayer layer{ std::make_unique<tDrawing>() };
    layer.BuildAt(100, 100, c.code);
    const tDrawing& d = layer.drawing();
    const Formula expected = { { "C", c.carbons }, { "H", c.hydrogens } };
    EXPECT_EQ(formulaOf(d.Atoms, 0), expected) << c.code;
    ASSERT_EQ(d.Groups.Count(), 1) << c.code;
    // One carbon with three carbon neighbours: the branch is on the second atom.
    int branched = 0;
    for (const tXY* a : d.Atoms)
      branched += a->freeValence == 2 ? 1 : 0;
    EXPECT_EQ(branched, 1) << c.code;
  }
  EXPECT_TRUE(shell.messages().empty());
}

} // namespace
} // namespace trelvix
