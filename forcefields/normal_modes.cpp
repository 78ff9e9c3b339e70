#include "forcefields/normal_modes.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace trelvix {

namespace {

// √(4184 J / 6.02214076e23 / (1e-20 m² · 1.66053906660e-27 kg)) / (2π · 2.99792458e10 cm/s):
// s⁻¹ of one √(kcal mol⁻¹ Å⁻² u⁻¹), as cm⁻¹.
const double wavenumberFactor = std::sqrt(4184.0 / 6.02214076e23 / (1e-20 * 1.66053906660e-27)) /
                                (2 * std::numbers::pi * 2.99792458e10);

// N_A e² / (12 ε₀ c² u) / 1000: km/mol of one (e u^-½)² of dipole derivative per mass-weighted
// normal coordinate (974.9 km/mol).
const double intensityFactor =
  6.02214076e23 * 1.602176634e-19 * 1.602176634e-19 /
  (12 * 8.8541878128e-12 * 2.99792458e8 * 2.99792458e8 * 1.66053906660e-27) / 1000;

// A unit motion left shorter than this after Gram-Schmidt is one the molecule does not have: the
// rotation about the axis of a linear molecule, which an optimised model holds only to within
// about a milliradian.
constexpr double vanishing = 1e-3;

// An orthonormal basis of the mass-weighted translations and rotations about the centre of mass.
Eigen::MatrixXd externalBasis(const Eigen::VectorXd& rootMass, const Eigen::MatrixX3d& r)
{
  const Eigen::Index n = r.rows();
  std::vector<Eigen::VectorXd> motions;
  for (int axis = 0; axis < 3; ++axis) {
    Eigen::VectorXd t = Eigen::VectorXd::Zero(3 * n);
    for (Eigen::Index i = 0; i < n; ++i)
      t(3 * i + axis) = rootMass(i);
    motions.push_back(t);
  }
  for (int axis = 0; axis < 3; ++axis) {
    Eigen::VectorXd w = Eigen::VectorXd::Zero(3 * n);
    const Eigen::Vector3d e = Eigen::Vector3d::Unit(axis);
    for (Eigen::Index i = 0; i < n; ++i)
      w.segment<3>(3 * i) = rootMass(i) * e.cross(r.row(i).transpose());
    motions.push_back(w);
  }
  std::vector<Eigen::VectorXd> basis;
  for (Eigen::VectorXd v : motions) {
    const double scale = v.norm();
    if (scale == 0)
      continue;
    v /= scale;
    for (const Eigen::VectorXd& b : basis)
      v -= b.dot(v) * b;
    const double rest = v.norm();
    if (rest > vanishing)
      basis.push_back(v / rest);
  }
  Eigen::MatrixXd result(3 * n, static_cast<Eigen::Index>(basis.size()));
  for (std::size_t k = 0; k < basis.size(); ++k)
    result.col(static_cast<Eigen::Index>(k)) = basis[k];
  return result;
}

double signedWavenumber(double curvature)
{
  return curvature < 0 ? -wavenumberOfCurvature(-curvature) : wavenumberOfCurvature(curvature);
}

} // namespace

bool NormalModeAnalysis::minimum(double threshold) const
{
  return std::none_of(modes.begin(), modes.end(), [threshold](const NormalMode& m) {
    return m.wavenumber < -threshold;
  });
}

double wavenumberOfCurvature(double curvature)
{
  return wavenumberFactor * std::sqrt(curvature);
}

NormalModeAnalysis analyseNormalModes(std::span<const double> masses,
                                      std::span<const double> coordinates,
                                      std::span<const double> hessian,
                                      std::span<const double> charges)
{
  NormalModeAnalysis analysis;
  const auto n = static_cast<Eigen::Index>(masses.size());
  const Eigen::Index dof = 3 * n;
  if (n == 0 || coordinates.size() != static_cast<std::size_t>(dof) ||
      hessian.size() != static_cast<std::size_t>(dof * dof))
    return analysis;

  Eigen::VectorXd rootMass(n);
  double total = 0;
  Eigen::Vector3d centre = Eigen::Vector3d::Zero();
  Eigen::MatrixX3d r(n, 3);
  for (Eigen::Index i = 0; i < n; ++i) {
    rootMass(i) = std::sqrt(masses[static_cast<std::size_t>(i)]);
    r.row(i) << coordinates[static_cast<std::size_t>(3 * i)],
      coordinates[static_cast<std::size_t>(3 * i + 1)],
      coordinates[static_cast<std::size_t>(3 * i + 2)];
    centre += masses[static_cast<std::size_t>(i)] * r.row(i).transpose();
    total += masses[static_cast<std::size_t>(i)];
  }
  centre /= total;
  r.rowwise() -= centre.transpose();

  // F = M^-½ H M^-½, symmetrised against the finite differences' noise.
  const Eigen::Map<const Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>> h(
    hessian.data(), dof, dof);
  Eigen::VectorXd inverseRoot(dof);
  for (Eigen::Index k = 0; k < dof; ++k)
    inverseRoot(k) = 1 / rootMass(k / 3);
  Eigen::MatrixXd f =
    inverseRoot.asDiagonal() * (0.5 * (h + h.transpose())) * inverseRoot.asDiagonal();

  const Eigen::MatrixXd external = externalBasis(rootMass, r);
  const Eigen::Index kept = external.cols();
  analysis.linear = n > 1 && kept == 5;
  if (kept > 0) {
    const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> residue(external.transpose() * f *
                                                                 external);
    for (Eigen::Index k = 0; k < kept; ++k)
      analysis.external.push_back(signedWavenumber(residue.eigenvalues()(k)));
  }
  if (dof == kept)
    return analysis;

  // The internal motions: the orthogonal complement of the external ones, from the full Q of
  // their Householder QR.
  const Eigen::MatrixXd q = Eigen::HouseholderQR<Eigen::MatrixXd>(external).householderQ();
  const Eigen::MatrixXd internal = q.rightCols(dof - kept);
  const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(internal.transpose() * f * internal);
  const Eigen::MatrixXd modes = internal * solver.eigenvectors();

  for (Eigen::Index k = 0; k < modes.cols(); ++k) {
    NormalMode mode;
    mode.wavenumber = signedWavenumber(solver.eigenvalues()(k));
    const Eigen::VectorXd cartesian = inverseRoot.asDiagonal() * modes.col(k);
    const double length = cartesian.norm();
    mode.reducedMass = 1 / (length * length);
    mode.displacement.resize(static_cast<std::size_t>(dof));
    for (Eigen::Index c = 0; c < dof; ++c)
      mode.displacement[static_cast<std::size_t>(c)] = cartesian(c) / length;
    if (charges.size() == masses.size()) {
      // dμ/dQ = Σ qᵢ (∂rᵢ/∂Q), with ∂rᵢ/∂Q the Cartesian part of the mass-weighted unit mode.
      Eigen::Vector3d derivative = Eigen::Vector3d::Zero();
      for (Eigen::Index i = 0; i < n; ++i)
        derivative += charges[static_cast<std::size_t>(i)] * cartesian.segment<3>(3 * i);
      mode.intensity = intensityFactor * derivative.squaredNorm();
    }
    analysis.modes.push_back(std::move(mode));
  }
  return analysis;
}

} // namespace trelvix
