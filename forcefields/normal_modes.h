#pragma once

// The harmonic analysis of a molecule at a stationary point: the mass-weighted Hessian with the
// translations and rotations projected out, diagonalised. It needs only masses, coordinates and
// second derivatives, so any force field (or a hand-made energy) feeds it.
#include <cstddef>
#include <span>
#include <vector>

namespace trelvix {

/// One vibration of the molecule.
struct NormalMode
{
  /// Wavenumber in cm⁻¹; an imaginary one (negative curvature: not a minimum) is negative.
  double wavenumber = 0;
  /// Reduced mass in atomic mass units as quantum-chemistry programs report it: 1 / Σ |dᵢ|² of
  /// the Cartesian displacements d of the mass-weighted unit mode (for a diatomic
  /// m₁m₂(m₁ + m₂) / (m₁² + m₂²), not the spectroscopic m₁m₂ / (m₁ + m₂)).
  double reducedMass = 0;
  /// IR intensity in km/mol from the dipole derivative of the fixed partial charges; 0 when no
  /// charges were given.
  double intensity = 0;
  /// The Cartesian displacement of each atom (x, y, z per atom, 3N values), scaled to unit length.
  std::vector<double> displacement;

  bool imaginary() const { return wavenumber < 0; }
};

/// Every vibration of a molecule and the residue of its translations and rotations.
struct NormalModeAnalysis
{
  /// The 3N − 6 vibrations (3N − 5 for a linear molecule), lowest wavenumber first (imaginary
  /// ones, negative, come first).
  std::vector<NormalMode> modes;
  /// Wavenumbers (cm⁻¹, negative when imaginary) of the Hessian within the translations and
  /// rotations before they are projected out: near 0 at a true stationary point with a consistent
  /// Hessian, larger where the structure is not at rest or the Hessian is noisy.
  std::vector<double> external;
  /// The atoms lie on one line: five external motions instead of six.
  bool linear = false;

  /// No imaginary vibration below -threshold cm⁻¹.
  bool minimum(double threshold = 1.0) const;
};

/// 108.59 cm⁻¹ per √(kcal mol⁻¹ Å⁻² u⁻¹): the wavenumber of a mass-weighted curvature.
double wavenumberOfCurvature(double curvature);

/// The normal modes of N atoms: masses in u (N values), coordinates in Å (3N values, x y z per
/// atom), the Cartesian Hessian in kcal mol⁻¹ Å⁻² (3N × 3N, row-major; symmetrised here), and the
/// partial charges in e (N values, or empty for no intensities). The Hessian is mass-weighted,
/// the translations and rotations about the centre of mass are projected out, and the rest is
/// diagonalised (Eigen's self-adjoint solver).
NormalModeAnalysis analyseNormalModes(std::span<const double> masses,
                                      std::span<const double> coordinates,
                                      std::span<const double> hessian,
                                      std::span<const double> charges = {});

} // namespace trelvix
