// The classic vibrational levels hold 3N - 6 modes (3N - 5 on a line) for rings too: a ring's
// bends and torsions no longer add the six coordinates its closure takes away.
#include "forcefield_fixture.h"
#include "mechanics/partition_function.h"
#include "mechanics/reaction.h"
#include "mechanics/thermochemistry.h"

#include <gtest/gtest.h>

namespace trelvix {
namespace {

struct CountCase
{
  const char* smiles;
  double modes;
};

// N atoms with every hydrogen drawn: 3N - 6, or 3N - 5 for the linear ones.
const CountCase countCases[] = {
  { "c1ccccc1", 3 * 12 - 6 },       // benzene
  { "C1CCCCC1", 3 * 18 - 6 },       // cyclohexane
  { "C1CC1", 3 * 9 - 6 },           // cyclopropane
  { "c1ccc2ccccc2c1", 3 * 18 - 6 }, // naphthalene: two rings
  { "CCC", 3 * 11 - 6 },            // propane: no ring, as before
  { "O=C=O", 3 * 3 - 5 },           // carbon dioxide, linear, as before
};

using ClassicModeCountTest = ForceFieldTest;

TEST_F(ClassicModeCountTest, RingsHoldThreeNMinusSixModes)
{
  for (const CountCase& c : countCases) {
    std::unique_ptr<CommandLayer> layer = layerOf(c.smiles);
    layer->AddProtons3D();
    ReactionThermo thermo(writableDocument(*layer));
    prepareThermochemistry(thermo);
    ASSERT_EQ(thermo.species().size(), 1u) << c.smiles;
    double modes = 0;
    for (const tNu& level : thermo.species().front().pf->levels())
      modes += level.g * level.w;
    EXPECT_NEAR(modes, c.modes, 1e-9) << c.smiles;
  }
}

} // namespace
} // namespace trelvix
