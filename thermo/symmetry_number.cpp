// The rotational symmetry number of a geometry and the spin multiplicity of a species graph.
#include "thermo/symmetry_number.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

namespace trelvix {

namespace {

using Point = std::array<double, 3>;

Point minus(const Point& a, const Point& b)
{
  return { a[0] - b[0], a[1] - b[1], a[2] - b[2] };
}

double dot(const Point& a, const Point& b)
{
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Point cross(const Point& a, const Point& b)
{
  return { a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0] };
}

double norm(const Point& a)
{
  return std::sqrt(dot(a, a));
}

Point scaled(const Point& a, double f)
{
  return { a[0] * f, a[1] * f, a[2] * f };
}

// An orthonormal frame whose first axis points along a and whose second lies in the plane of a
// and b; the rows are the axes.
std::array<Point, 3> frame(const Point& a, const Point& b)
{
  const Point e1 = scaled(a, 1 / norm(a));
  const Point side = minus(b, scaled(e1, dot(b, e1)));
  const Point e2 = scaled(side, 1 / norm(side));
  return { e1, e2, cross(e1, e2) };
}

// The atoms by grid cell of the tolerance's size: the atom near a point is found among the 27
// cells around it.
class AtomGrid
{
public:
  AtomGrid(const std::vector<Point>& points, double cell)
    : points_(points)
    , cell_(cell)
  {
    for (std::size_t i = 0; i < points.size(); ++i)
      cells_[key(cellOf(points[i]))].push_back(static_cast<int>(i));
  }

  // An atom within tolerance of p for which accept holds; -1 when there is none.
  template<class Accept>
  int near(const Point& p, double tolerance, Accept accept) const
  {
    const std::array<long, 3> c = cellOf(p);
    for (long dx = -1; dx <= 1; ++dx)
      for (long dy = -1; dy <= 1; ++dy)
        for (long dz = -1; dz <= 1; ++dz) {
          const auto it = cells_.find(key({ c[0] + dx, c[1] + dy, c[2] + dz }));
          if (it == cells_.end())
            continue;
          for (int j : it->second) {
            if (norm(minus(points_[j], p)) < tolerance && accept(j))
              return j;
          }
        }
    return -1;
  }

private:
  std::array<long, 3> cellOf(const Point& p) const
  {
    return { std::lround(std::floor(p[0] / cell_)),
             std::lround(std::floor(p[1] / cell_)),
             std::lround(std::floor(p[2] / cell_)) };
  }
  static long key(const std::array<long, 3>& c)
  {
    return (c[0] * 73856093L) ^ (c[1] * 19349663L) ^ (c[2] * 83492791L);
  }

  const std::vector<Point>& points_;
  double cell_;
  std::unordered_map<long, std::vector<int>> cells_;
};

class SymmetrySearch
{
public:
  SymmetrySearch(const MoleculeGeometry& m, double tolerance)
    : m_(m)
    , tol_(tolerance)
    , n_(static_cast<int>(m.elements.size()))
  {
    Point centre{};
    for (const Point& p : m.positions)
      for (int k = 0; k < 3; ++k)
        centre[k] += p[k] / n_;
    for (const Point& p : m.positions)
      r_.push_back(minus(p, centre));
    degree_.assign(n_, 0);
    for (const auto& [a, b] : m.bonds) {
      ++degree_[a];
      ++degree_[b];
      bonded_.insert(pairKey(a, b));
    }
  }

  int count()
  {
    if (n_ < 2)
      return 1;
    const AtomGrid grid(r_, tol_);
    const int a = referenceAtom(-1);
    if (a < 0)
      return 1; // every atom at the centre
    const int b = referenceAtom(a);
    if (b < 0) // every atom on one line through the centre
      return maps(grid, [](const Point& p) { return scaled(p, -1); }) ? 2 : 1;
    const std::array<Point, 3> from = frame(r_[a], r_[b]);
    const double ra = norm(r_[a]), rb = norm(r_[b]), ab = norm(minus(r_[a], r_[b]));
    int rotations = 0;
    for (int a2 = 0; a2 < n_; ++a2) {
      if (classOf(a2) != classOf(a) || std::fabs(norm(r_[a2]) - ra) > tol_)
        continue;
      for (int b2 = 0; b2 < n_; ++b2) {
        if (b2 == a2 || classOf(b2) != classOf(b) || std::fabs(norm(r_[b2]) - rb) > tol_ ||
            std::fabs(norm(minus(r_[a2], r_[b2])) - ab) > tol_)
          continue;
        const std::array<Point, 3> to = frame(r_[a2], r_[b2]);
        // R = toᵀ from: the frame at a, b turned onto the frame at a2, b2.
        const auto rotate = [&](const Point& p) {
          const Point local{ dot(from[0], p), dot(from[1], p), dot(from[2], p) };
          Point out{};
          for (int k = 0; k < 3; ++k)
            out[k] = to[0][k] * local[0] + to[1][k] * local[1] + to[2][k] * local[2];
          return out;
        };
        if (maps(grid, rotate))
          ++rotations;
      }
    }
    return std::max(rotations, 1);
  }

private:
  const MoleculeGeometry& m_;
  double tol_;
  int n_;
  std::vector<Point> r_;
  std::vector<int> degree_;
  std::unordered_set<long> bonded_;

  long pairKey(int a, int b) const
  {
    return static_cast<long>(std::min(a, b)) * n_ + std::max(a, b);
  }
  long classOf(int i) const { return m_.elements[i] * 100L + degree_[i]; }

  // The atom of the rarest class, farthest out, away from the centre and (for the second) off
  // the line of the first; -1 when there is none.
  int referenceAtom(int first) const
  {
    std::unordered_map<long, int> members;
    for (int i = 0; i < n_; ++i)
      ++members[classOf(i)];
    const auto rank = [&](int i) { return std::pair{ members.at(classOf(i)), -norm(r_[i]) }; };
    int best = -1;
    for (int i = 0; i < n_; ++i) {
      if (norm(r_[i]) < tol_)
        continue;
      if (first >= 0 && norm(cross(r_[i], scaled(r_[first], 1 / norm(r_[first])))) < tol_)
        continue;
      if (best < 0 || rank(i) < rank(best))
        best = i;
    }
    return best;
  }

  // Whether the operation carries every atom onto an unused atom of its element and every bond
  // onto a bond.
  template<class Operation>
  bool maps(const AtomGrid& grid, Operation op) const
  {
    std::vector<int> image(n_, -1);
    std::vector<bool> used(n_, false);
    for (int i = 0; i < n_; ++i) {
      const int j = grid.near(
        op(r_[i]), tol_, [&](int k) { return !used[k] && m_.elements[k] == m_.elements[i]; });
      if (j < 0)
        return false;
      image[i] = j;
      used[j] = true;
    }
    return std::all_of(m_.bonds.begin(), m_.bonds.end(), [&](const std::pair<int, int>& b) {
      return bonded_.count(pairKey(image[b.first], image[b.second])) > 0;
    });
  }
};

struct Valence
{
  int element;
  int valence;
};

constexpr Valence valences[] = { { 1, 1 },  { 5, 3 },  { 6, 4 },  { 7, 3 },  { 8, 2 },  { 9, 1 },
                                 { 14, 4 }, { 15, 3 }, { 16, 2 }, { 17, 1 }, { 35, 1 }, { 53, 1 } };

int valenceOf(int element)
{
  for (const Valence& v : valences) {
    if (v.element == element)
      return v.valence;
  }
  return 0;
}

} // namespace

int rotationalSymmetryNumber(const MoleculeGeometry& molecule, double tolerance)
{
  return SymmetrySearch(molecule, tolerance).count();
}

int spinMultiplicity(const SpeciesGraph& graph)
{
  // Half-bonds per atom: an aromatic bond counts three.
  std::vector<int> half(graph.atoms.size(), 0);
  for (const GraphBond& b : graph.bonds) {
    const int h = b.order == 0 ? 3 : 2 * b.order;
    half[b.a] += h;
    half[b.b] += h;
  }
  int unpaired = 0;
  for (std::size_t i = 0; i < graph.atoms.size(); ++i) {
    const GraphAtom& a = graph.atoms[i];
    const int valence = valenceOf(a.element);
    if (valence == 0 || a.charge != 0)
      continue;
    // Rounded down: the odd half of an aromatic ring's bonds is no electron of its own.
    unpaired += std::max(0, (2 * (valence - a.hydrogens) - half[i]) / 2);
  }
  const bool chalcogenDimer = graph.atoms.size() == 2 && graph.bonds.size() == 1 &&
                              graph.bonds[0].order == 2 &&
                              graph.atoms[0].element == graph.atoms[1].element &&
                              (graph.atoms[0].element == 8 || graph.atoms[0].element == 16) &&
                              graph.atoms[0].hydrogens == 0 && graph.atoms[1].hydrogens == 0;
  return chalcogenDimer ? 3 : unpaired + 1;
}

} // namespace trelvix
