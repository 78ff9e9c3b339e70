#pragma once

// An approximate Hessian of a molecule's stiff coordinates for the minimiser: each bond stretch
// and each angle bend as the outer product of its coordinate's gradient (Wilson's B vector) times
// a typical force constant, plus a small constant on the diagonal for the soft motions (torsions,
// contacts). Its inverse turns a gradient into a step that keeps the bonds and angles near their
// lengths while the soft motions move, so a long chain relaxes in hundreds of iterations instead
// of thousands. It only shapes the steps: the energy and the convergence test stay the force
// field's own.
#include "forcefields/lbfgs.h"

#include <Eigen/SparseCholesky>
#include <array>
#include <cstdint>
#include <vector>

namespace trelvix {

class StiffnessPreconditioner : public Preconditioner
{
public:
  using Bond = std::array<std::uint32_t, 2>;
  /// The two ends and the centre atom between them.
  using Angle = std::array<std::uint32_t, 3>;

  StiffnessPreconditioner(std::size_t atoms, std::vector<Bond> bonds, std::vector<Angle> angles);

  void update(std::span<const double> x) override;
  void apply(std::span<double> v) const override;

private:
  std::size_t m_atoms;
  std::vector<Bond> m_bonds;
  std::vector<Angle> m_angles;
  // The matrix keeps its pattern from update to update: each entry's place among its values is
  // found once, and later updates only write the values.
  Eigen::SparseMatrix<double> m_matrix;
  std::vector<Eigen::Triplet<double>> m_entries;
  std::vector<Eigen::Index> m_places;
  Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> m_solver;
  bool m_factored = false;
};

} // namespace trelvix
