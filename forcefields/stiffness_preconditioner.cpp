#include "forcefields/stiffness_preconditioner.h"

#include <Eigen/Core>
#include <algorithm>
#include <cmath>

namespace trelvix {

namespace {

// kcal mol⁻¹ Å⁻²: about MMFF94's C–C and C–H stretches.
constexpr double bondStiffness = 700;
// kcal mol⁻¹ rad⁻²: about MMFF94's bends at carbon.
constexpr double angleStiffness = 100;
// kcal mol⁻¹ Å⁻²: every coordinate, so that the soft motions take steps of a useful length.
constexpr double softStiffness = 5;
// An angle this close to 0 or 180° has no usable B vector (its sine below this).
constexpr double nearlyLinear = 0.1;

using Vector = Eigen::Vector3d;

Vector position(std::span<const double> x, std::uint32_t atom)
{
  return Vector(x[3 * atom], x[3 * atom + 1], x[3 * atom + 2]);
}

// Adds k b bᵀ for the coordinate whose gradient is b[0..count) on atoms[0..count).
void addOuterProduct(std::vector<Eigen::Triplet<double>>& entries,
                     const std::uint32_t* atoms,
                     const Vector* b,
                     int count,
                     double k)
{
  for (int p = 0; p < count; ++p) {
    for (int q = 0; q < count; ++q) {
      const Eigen::Matrix3d block = k * b[p] * b[q].transpose();
      for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c)
          entries.emplace_back(3 * atoms[p] + r, 3 * atoms[q] + c, block(r, c));
      }
    }
  }
}

} // namespace

StiffnessPreconditioner::StiffnessPreconditioner(std::size_t atoms,
                                                 std::vector<Bond> bonds,
                                                 std::vector<Angle> angles)
  : m_atoms(atoms)
  , m_bonds(std::move(bonds))
  , m_angles(std::move(angles))
{
}

void StiffnessPreconditioner::update(std::span<const double> x)
{
  const auto size = static_cast<Eigen::Index>(3 * m_atoms);
  std::vector<Eigen::Triplet<double>>& entries = m_entries;
  entries.clear();
  entries.reserve(size + 36 * m_bonds.size() + 81 * m_angles.size());
  for (Eigen::Index i = 0; i < size; ++i)
    entries.emplace_back(i, i, softStiffness);
  for (const Bond& bond : m_bonds) {
    const Vector u = (position(x, bond[0]) - position(x, bond[1])).normalized();
    const Vector b[] = { u, -u };
    addOuterProduct(entries, bond.data(), b, 2, bondStiffness);
  }
  for (const Angle& angle : m_angles) {
    const Vector centre = position(x, angle[2]);
    Vector e1 = position(x, angle[0]) - centre;
    Vector e2 = position(x, angle[1]) - centre;
    const double r1 = e1.norm(), r2 = e2.norm();
    e1 /= r1;
    e2 /= r2;
    const double c = e1.dot(e2);
    const double s = std::sqrt(std::max(0.0, 1 - c * c));
    // A nearly straight angle keeps its entries, as zeros: the matrix's pattern stays the same
    // from update to update, so its ordering and symbolic analysis are done once.
    const bool usable = s >= nearlyLinear;
    const Vector b1 = usable ? Vector((c * e1 - e2) / (r1 * s)) : Vector::Zero();
    const Vector b2 = usable ? Vector((c * e2 - e1) / (r2 * s)) : Vector::Zero();
    const Vector b[] = { b1, b2, -(b1 + b2) };
    addOuterProduct(entries, angle.data(), b, 3, angleStiffness);
  }
  if (m_places.empty()) {
    m_matrix.resize(size, size);
    m_matrix.setFromTriplets(entries.begin(), entries.end());
    const int* starts = m_matrix.outerIndexPtr();
    const int* rows = m_matrix.innerIndexPtr();
    for (const Eigen::Triplet<double>& e : entries) {
      const int* place =
        std::lower_bound(rows + starts[e.col()], rows + starts[e.col() + 1], e.row());
      m_places.push_back(place - rows);
    }
    m_solver.analyzePattern(m_matrix);
  } else {
    double* values = m_matrix.valuePtr();
    std::fill(values, values + m_matrix.nonZeros(), 0.0);
    for (std::size_t t = 0; t < entries.size(); ++t)
      values[m_places[t]] += entries[t].value();
  }
  m_solver.factorize(m_matrix);
  m_factored = m_solver.info() == Eigen::Success;
}

void StiffnessPreconditioner::apply(std::span<double> v) const
{
  Eigen::Map<Eigen::VectorXd> vector(v.data(), static_cast<Eigen::Index>(v.size()));
  if (m_factored)
    vector = m_solver.solve(vector);
  else
    vector /= softStiffness;
}

} // namespace trelvix
