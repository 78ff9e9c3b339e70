#pragma once

#include <optional>

namespace trelvix {

// Diagonal Wilson G elements of the internal coordinates (masses in amu, lengths in Ångström,
// angles in radians) and the wavenumber of an oscillator along one of them.

/// A bond stretch: 1/m1 + 1/m2.
double stretchGii(double m1, double m2);
/// A bend with end atoms 1 and 2, apex 3, bond lengths r1 and r2 and the angle's cosine.
double bendGii(double m1, double m2, double m3, double r1, double r2, double cosTheta);

/// A torsion 1-2-3-4: the masses, the three bond lengths and the valence angles at atoms 2 and 3.
struct TorsionGeometry
{
  double m1 = 0, m2 = 0, m3 = 0, m4 = 0;
  double r12 = 0, r23 = 0, r34 = 0;
  double theta2 = 0, theta3 = 0;
};
/// Its G element; nullopt when either angle lies within 0.175 rad (10°) of 0 or of π, where the
/// torsion is no coordinate of its own.
std::optional<double> torsionGii(const TorsionGeometry& t);

/// 1302.9 √(G k): cm⁻¹ for G in 1/amu and the force constant k in the vibrational units of the
/// terms.
double wavenumber(double G, double k);

} // namespace trelvix
