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

/// The mean drawing-plane position of atoms first .. last - 1 of a chain.
template<std::size_t N>
std::array<double, 2> meanOf(const std::array<tXY*, N>& atoms, std::size_t first, std::size_t last)
{
  double x = 0, y = 0;
  for (std::size_t i = first; i < last; ++i) {
    x += atoms[i]->x3;
    y += atoms[i]->y3;
  }
  const double n = static_cast<double>(last - first);
  return { x / n, y / n };
}

double squared(const std::array<double, 2>& p, double x, double y)
{
  return (p[0] - x) * (p[0] - x) + (p[1] - y) * (p[1] - y);
}

/// The term a press at (x, y) picks. A term is anchored at the inner atoms of its chain: the
/// apex of an angle, the middle of a torsion's axis bond. The anchor nearest the press wins,
/// within one bond length (a press on empty paper picks nothing); among the terms that share it
/// (the angles at one apex, the torsions about one bond) the one whose atoms' centroid lies
/// nearest the press, so a press inside an angle or towards an arm picks that one; the earlier
/// of equals. nullptr when no anchor is that near.
template<class Term, std::size_t N>
const Term* termAt(const ForceField& field,
                   const std::vector<Term>& terms,
                   const std::array<int, N>& slots,
                   double x,
                   double y)
{
  const double reach = bondScale();
  const Term* best = nullptr;
  double bestAnchor = reach * reach;
  double bestCentroid = 0;
  for (const Term& term : terms) {
    const std::array<tXY*, N> atoms = chain(field, term, slots);
    const double anchor = squared(meanOf(atoms, 1, N - 1), x, y);
    const double centroid = squared(meanOf(atoms, 0, N), x, y);
    if (anchor > bestAnchor)
      continue;
    if (!best || anchor < bestAnchor || centroid < bestCentroid) {
      best = &term;
      bestAnchor = anchor;
      bestCentroid = centroid;
    }
  }
  return best;
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
