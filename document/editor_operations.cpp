// The chemistry the editors' edits rest on: walks, covering tests and selections over a
// document, apart from the command layer that undoes and announces them.
#include "document/editor_operations.h"

#include "document/drawing.h"
#include "document/structure.h"
#include "model/atom.h"
#include "model/link.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <set>
#include <utility>

namespace trelvix {

std::vector<tXY*> sideOf(const tDrawing& doc, const tLink& bond, tXY* start)
{
  std::vector<tXY*> side{ start };
  std::set<tXY*> seen{ start };
  for (std::size_t i = 0; i < side.size(); ++i) {
    for (tLink* b : doc.Bonds) {
      if (b == &bond)
        continue;
      tXY* next = b->partner(side[i]);
      if (next && seen.insert(next).second)
        side.push_back(next);
    }
  }
  const tXY* other = bond.partner(start);
  return seen.contains(const_cast<tXY*>(other)) ? std::vector<tXY*>{} : side;
}

void cycleBondSide(tLink& bond)
{
  // The sum of the offsets tells the three sides apart: 5 right, 2 centred, 0 left or unset.
  switch (bond.offsetX + bond.offsetY) {
    case 0:
      bond.offsetX = 4;
      bond.offsetY = 1;
      break;
    case 2:
      bond.offsetY = -1;
      break;
    case 5:
      bond.offsetX = 1;
      bond.offsetY = 1;
      break;
    default:
      break;
  }
}

std::vector<tStructure*> piecesCoveredBy(const tDrawing& doc, const tStructure& group)
{
  const std::set<tXY*> members(group.Atoms.begin(), group.Atoms.end());
  std::vector<tStructure*> covered;
  for (tStructure* piece : doc.Groups) {
    if (piece != &group && !piece->Atoms.empty() &&
        std::all_of(
          piece->Atoms.begin(), piece->Atoms.end(), [&](tXY* a) { return members.contains(a); }))
      covered.push_back(piece);
  }
  return covered;
}

BandGroup encloseGroup(tDrawing& doc, double x1, double y1, double x2, double y2, BandEdges edges)
{
  const auto inside = [&](const tXY* a) {
    return edges == BandEdges::Included ? a->x3 >= x1 && a->x3 <= x2 && a->y3 >= y1 && a->y3 <= y2
                                        : a->x3 > x1 && a->x3 < x2 && a->y3 > y1 && a->y3 < y2;
  };
  std::set<tXY*> atoms;
  for (tXY* a : doc.Atoms) {
    if (a->isatom() && inside(a))
      atoms.insert(a);
  }
  if (atoms.empty())
    return {};
  // A piece that is exactly what the rectangle holds is edited itself.
  for (tStructure* piece : doc.Groups) {
    const std::set<tXY*> own(piece->Atoms.begin(), piece->Atoms.end());
    if (own == atoms)
      return { piece, false };
  }
  auto selection = std::make_unique<tStructure>();
  for (tXY* a : doc.Atoms) {
    if (atoms.contains(a))
      selection->Atoms.Add(a);
  }
  for (tLink* b : doc.Bonds) {
    if (atoms.contains(b->Atm1) && atoms.contains(b->Atm2))
      selection->Bonds.Add(b);
  }
  tStructure* made = selection.release();
  doc.Groups.Add(made);
  return { made, true };
}

} // namespace trelvix
