// The build codes: every code a left press can perform, the menu item that arms it and the
// building procedure behind it. The main window builds its drawing menus from this table and
// BuildAt dispatches through it.
#include "document/code_table.h"

#include "document/drawing.h"
#include "document/molecules.h"
#include "document/placing_procedures.h"
#include "document/ring_procedures.h"
#include "document/substituents.h"
#include "model/element_table.h"

#include <vector>

namespace trelvix {

namespace {

constexpr const char* ringSizeCaptions[] = { "&3", "&4", "&5", "&6", "&7", "&8", "&9", "&10" };

std::vector<BuildCodeItem> makeTable()
{
  std::vector<BuildCodeItem> t;
  const auto ringMenu = [&](const char* path, int first, BuildProcedure procedure) {
    for (int i = 0; i < 8; ++i)
      t.push_back({ static_cast<std::uint16_t>(first + i), path, ringSizeCaptions[i], procedure });
  };
  ringMenu("&Ring/&Add", 151, placeRing);
  t.push_back({ 159, "&Ring/&Add", "6 &Boat", placeRing, true, true });
  t.push_back({ 161, "&Ring/&Add", "6 &Chair", placeRing, false, true });
  ringMenu("&Ring/&Branch", 301, ringProcedure);
  ringMenu("&Ring/&Fuse", 201, ringProcedure);
  ringMenu("&Ring/Join", 401, ringProcedure);

  constexpr const char* alkanes[] = { "&2-ethane",  "&3-propane", "&4-butane",
                                      "&5-pentane", "&6-hexane",  "&7-heptane",
                                      "&8-octane",  "&9-nonane",  "1&0-decane" };
  for (int i = 0; i < 9; ++i)
    t.push_back({ static_cast<std::uint16_t>(501 + i), "Al&kane/&Add", alkanes[i], placeAlkane });
  t.push_back({ 510, "Al&kane/&Add", "i-&butane", addSubstituent });
  t.push_back({ 592, "Al&kane/&Add", "i-&pentane", addSubstituent });

  t.push_back({ 511, "Al&kane/&Branch", "&1-methyl", placeBranchElement });
  constexpr const char* alkyls[] = { "&2-ethyl", "&3-propyl", "&4-butyl", "&5-pentyl",
                                     "&6-hexyl", "&7-heptyl", "&8-octyl", "&9-nonyl" };
  for (int i = 0; i < 8; ++i)
    t.push_back(
      { static_cast<std::uint16_t>(512 + i), "Al&kane/&Branch", alkyls[i], placeAlkylBranch });
  t.push_back({ 531, "Al&kane/&Branch", "1&0-decane", placeAlkylBranch });
  t.push_back({ 520, "Al&kane/&Branch", "i-&propyl", addSubstituent });
  t.push_back({ 521, "Al&kane/&Branch", "i-&butyl", addSubstituent });

  // The Branch menu: the one-atom groups, then the substituent recipes ("%" is a triple bond).
  struct Group
  {
    std::uint16_t code;
    const char* caption;
    BuildProcedure procedure;
  };
  static constexpr Group groups[] = {
    { 511, "C", placeBranchElement },   { 522, "H", placeBranchElement },
    { 523, "CH3", placeMethyl },        { 543, "OH", placeOneAtomGroup },
    { 544, "NH2", placeOneAtomGroup },  { 549, "SH", placeOneAtomGroup },
    { 550, "PH2", placeOneAtomGroup },  { 569, "SeH", placeOneAtomGroup },
    { 570, "SiH3", placeOneAtomGroup }, { 546, "F", placeOneAtomGroup },
    { 547, "Cl", placeOneAtomGroup },   { 548, "Br", placeOneAtomGroup },
    { 553, "I", placeOneAtomGroup },    { 545, "=O", placeOneAtomGroup },
    { 552, "=NH", placeOneAtomGroup },  { 551, "=CH2", placeOneAtomGroup },
    { 555, "=S", placeOneAtomGroup },   { 525, "NO2", addSubstituent },
    { 526, "=N=O", addSubstituent },    { 527, "COOH", addSubstituent },
    { 528, "COCH3", addSubstituent },   { 529, "CHO", addSubstituent },
    { 530, "NO", addSubstituent },      { 532, "CONH2", addSubstituent },
    { 533, "CN", addSubstituent },      { 534, "OCH3", addSubstituent },
    { 535, "CH2OH", addSubstituent },   { 536, "SO3H", addSubstituent },
    { 537, "SO2", addSubstituent },     { 538, "NCO", addSubstituent },
    { 539, "CH=CH2", addSubstituent },  { 540, "CO", addSubstituent },
    { 541, "SO2NH2", addSubstituent },  { 542, "=NOH", addSubstituent },
    { 554, "SO2CH3", addSubstituent },  { 556, "SCH3", addSubstituent },
    { 557, "NHCH3", addSubstituent },   { 558, "OPO(OH)2", addSubstituent },
    { 559, "NHCOCH3", addSubstituent }, { 560, "PO(OH)2", addSubstituent },
    { 561, "SCOCH3", addSubstituent },  { 562, "C%CH", addSubstituent },
    { 563, "OP(OH)2", addSubstituent }, { 564, "OCOCH3", addSubstituent },
    { 565, "N%CH", addSubstituent },    { 566, "CH=C=CH2", addSubstituent },
    { 567, "OCOOH", addSubstituent },   { 568, "OCONH2", addSubstituent },
  };
  for (const Group& g : groups)
    t.push_back({ g.code, "&Branch", g.caption, g.procedure });

  t.push_back({ 701, "Ben&zene", "&Add", placeBenzene });
  t.push_back({ 704, "Ben&zene", "&Branch", ringProcedure });
  t.push_back({ 702, "Ben&zene", "&Fuse", ringProcedure });

  constexpr const char* molecules[] = { "CH4", "NH3", "H2O",  "H2S",  "BH3", "H2", "Cl2",
                                        "Br2", "I2",  "N2",   "O2",   "CO2", "F2", "SO2",
                                        "NO2", "PH3", "SiH4", "SiO2", "CO",  "NO", "HCN" };
  for (int i = 0; i < 21; ++i)
    t.push_back(
      { static_cast<std::uint16_t>(571 + i), "&Atom/Add &Molecule", molecules[i], addMolecule });

  // Codes no menu item arms: the methyl of the old menus and the symbol palette's buttons.
  t.push_back({ 499, nullptr, nullptr, placeMethyl });
  for (std::uint16_t code = 720; code <= 729; ++code)
    t.push_back({ code, nullptr, nullptr, placeSymbol });
  t.push_back({ 730, nullptr, nullptr, placePlusSign });
  return t;
}

const std::vector<BuildCodeItem>& table()
{
  static const std::vector<BuildCodeItem> items = makeTable();
  return items;
}

} // namespace

std::span<const BuildCodeItem> buildCodeItems()
{
  return table();
}

const BuildCodeItem* findBuildCode(int code)
{
  for (const BuildCodeItem& item : table()) {
    if (item.code == code)
      return &item;
  }
  return nullptr;
}

bool buildProcedure(int code, double x, double y)
{
  if (!CurrentDrawing)
    return false;
  const BuildCodeItem* item = findBuildCode(code);
  return item && item->procedure(code, x, y);
}

bool isBuildCode(int code)
{
  constexpr int linkAtoms = 524, label = 607, formula = 608, firstElement = 800;
  return findBuildCode(code) || code == linkAtoms || code == label || code == formula ||
         (code > firstElement && code <= firstElement + maxElement);
}

} // namespace trelvix
