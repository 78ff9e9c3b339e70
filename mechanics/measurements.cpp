// Bond and torsion angles measured with the pointer on the document's force-field terms.
#include "mechanics/measurements.h"

#include "document/drawing.h"
#include "document/measurements.h"
#include "mechanics/force_field.h"
#include "model/atom.h"
#include "model/defaults.h"

#include <array>
#include <cstddef>
#include <vector>

namespace trelvix {

namespace {

/// The term whose atoms' centroid lies nearest (x, y) in the drawing plane, the earlier of
/// equals, and only within one bond length: a press on the middle of an angle or a torsion
/// picks it, a press on empty paper picks nothing. nullptr when none is that near.
template<class Term, std::size_t N>
const Term* termAt(const ForceField& field,
                   const std::vector<Term>& terms,
                   const std::array<int, N>& slots,
                   double x,
                   double y)
{
  const double reach = bondScale();
  const Term* best = nullptr;
  double bestDistance = reach * reach;
  for (const Term& term : terms) {
    double cx = 0, cy = 0;
    for (int slot : slots) {
      const tXY* atom = field.atom(term.atoms[static_cast<std::size_t>(slot)]);
      cx += atom->x3 / N;
      cy += atom->y3 / N;
    }
    const double d = (cx - x) * (cx - x) + (cy - y) * (cy - y);
    if (d < bestDistance || (!best && d == bestDistance)) {
      best = &term;
      bestDistance = d;
    }
  }
  return best;
}

/// The term's atoms in the order of the slots: the chain the highlight follows.
template<class Term, std::size_t N>
std::array<tXY*, N> chain(const ForceField& field,
                          const Term& term,
                          const std::array<int, N>& slots)
{
  std::array<tXY*, N> atoms{};
  for (std::size_t i = 0; i < N; ++i)
    atoms[i] = field.atom(term.atoms[static_cast<std::size_t>(slots[i])]);
  return atoms;
}

// An angle term holds (A1, A2, Apex); its chain runs A1, apex, A2.
constexpr std::array<int, 3> angleChain{ 0, 2, 1 };
// A torsion term holds its four atoms in chain order.
constexpr std::array<int, 4> torsionChain{ 0, 1, 2, 3 };

} // namespace

std::string ShowBondAngle(tDrawing& drawing, ForceField& field, double x, double y)
{
  const tangle* term = termAt(field, field.angles(), angleChain, x, y);
  if (!term)
    return {};
  field.readPositions();
  const std::string text = angleText(term->GetAngle(field.positions()));
  const std::array<tXY*, 3> atoms = chain(field, *term, angleChain);
  drawing.showMeasurement(atoms, text, Point{ atoms[1]->screenX, atoms[1]->screenY });
  return text;
}

std::string ShowTorsionAngle(tDrawing& drawing, ForceField& field, double x, double y)
{
  const ttorque* term = termAt(field, field.torques(), torsionChain, x, y);
  if (!term)
    return {};
  field.readPositions();
  const std::string text = angleText(term->GetAngle(field.positions()));
  const std::array<tXY*, 4> atoms = chain(field, *term, torsionChain);
  const Point axisMiddle{ (atoms[1]->screenX + atoms[2]->screenX) / 2,
                          (atoms[1]->screenY + atoms[2]->screenY) / 2 };
  drawing.showMeasurement(atoms, text, axisMiddle);
  return text;
}

} // namespace trelvix
