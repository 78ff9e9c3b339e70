// On which side of its symbol an atom's hydrogens are written.
#include "document/hydrogen_writing.h"

#include "document/structure.h"
#include "model/atom.h"
#include "model/link.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>

namespace trelvix {

namespace {

constexpr int writtenWithHydrogens = 2;
constexpr double uprightWithin = 1.0;
/// The hydrogens go after the symbol (shiftFlag 0) or in front of it (2).
constexpr std::uint8_t hydrogensAfter = 0;
constexpr std::uint8_t hydrogensInFront = 2;

/// The elements whose hydrides are written hydrogen first: H2O, H2S, H2Se, H2Te, HF, HCl, HBr, HI.
constexpr int hydrogenFirstElements[] = { 8, 16, 34, 52, 9, 17, 35, 53 };

bool writesHydrogens(const tXY& atom)
{
  return atom.isatom() && atom.style == writtenWithHydrogens && atom.mult() > 0;
}

} // namespace

void writeHydrogensAwayFrom(tXY& atom, const tXY& neighbour)
{
  // A bond within a pixel of upright counts as upright: the hydrogens stay after the symbol.
  const bool inFront = neighbour.x3 - atom.x3 > uprightWithin;
  const bool oneLetterWithOneHydrogen = atom.symbol.str().size() == 1 && atom.mult() == 1;
  if (oneLetterWithOneHydrogen && (atom.element == 8 || atom.element == 16)) {
    atom.textDirection = static_cast<std::int8_t>(inFront ? -1 : 1);
    atom.shiftFlag = hydrogensAfter;
    return;
  }
  atom.textDirection = 1;
  atom.shiftFlag = inFront ? hydrogensInFront : hydrogensAfter;
}

void orientHydrogenLabels(tStructure& structure)
{
  // Each atom's bonded neighbours, counted in one pass over the bonds.
  struct Neighbours
  {
    int count = 0;
    const tXY* first = nullptr;
  };
  std::map<const tXY*, Neighbours> neighbours;
  for (const tLink* b : structure.Bonds) {
    if (!b->Atm1 || !b->Atm2 || b->visible == 0)
      continue;
    for (const auto& [end, other] :
         { std::pair{ b->Atm1, b->Atm2 }, std::pair{ b->Atm2, b->Atm1 } }) {
      Neighbours& n = neighbours[end];
      if (n.count++ == 0)
        n.first = other;
    }
  }
  for (tXY* a : structure.Atoms) {
    if (!writesHydrogens(*a))
      continue;
    const auto found = neighbours.find(a);
    const int count = found == neighbours.end() ? 0 : found->second.count;
    if (count == 1) {
      writeHydrogensAwayFrom(*a, *found->second.first);
    } else if (count == 0 && std::ranges::find(hydrogenFirstElements, a->element) !=
                               std::end(hydrogenFirstElements)) {
      a->textDirection = 1;
      a->shiftFlag = hydrogensInFront;
    }
  }
}

} // namespace trelvix
