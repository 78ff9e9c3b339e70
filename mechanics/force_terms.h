#pragma once

#include "model/rotation.h"

#include <array>
#include <cstdint>

namespace trelvix {

/// The force-field terms. Each term names its atoms by their index in the force field's atom
/// table and reads positions (drawing units) from the table it is handed. Energies are cal/mol,
/// angles radians. A term caches the energy it computed last (`energy`).

enum class TermKind : std::uint8_t
{
  Pair = 0,
  Stretch = 1,
  Bend = 2,
  Torsion = 3,
  Planarity = 4
};

/// Converts the energy constants to the units of the vibrational analysis.
inline constexpr double vibrationalUnits = 6.947e-06;

// Geometry of positions, drawing units.
double distance(const Vector3& a, const Vector3& b);
/// (to - from) / |to - from|; the zero vector when the two points coincide.
Vector3 unitVector(const Vector3& from, const Vector3& to);
/// Angle between two directions (normalised first), the dot product clamped to [-1, 1]; a zero
/// vector gives pi / 2.
double vectorAngle(const Vector3& u, const Vector3& v);
/// Torsion angle of 1-2-3-4 in [0, pi]: 0 eclipsed, pi anti; pi / 2 when either plane is
/// undefined (three atoms in a line or coincident).
double torsionAngle(const Vector3& x1, const Vector3& x2, const Vector3& x3, const Vector3& x4);

/// What every bonded term shares: its kind, its atoms, the direction vectors and force constant
/// the vibrational analysis reads, and the last computed energy.
struct tcoordinate
{
  TermKind kind = TermKind::Stretch;
  /// Atom indexes; unused slots hold -1.
  std::array<std::int32_t, 4> atoms{ -1, -1, -1, -1 };
  std::int16_t atomCount = 0;
  /// Per-atom direction vectors of the internal coordinate (getvectors).
  std::array<Vector3, 4> vectors{};
  /// Force constant handed to the vibrational analysis.
  double vibConstant = 0;
  /// Weight of the coordinate in the vibrational analysis (bends and torsions).
  double redundancy = 0;
  double cosine = 0;
  double sine = 0;
  double energy = 0;

  bool HasAtom(std::int32_t atom) const;
  /// True when the two terms share at least one atom.
  bool Interacts(const tcoordinate& other) const;
};

/// Bond stretch: slots (atom 1, atom 2).
struct tstretch : tcoordinate
{
  /// D is the dissociation energy (cal/mol) of the bond at its order, r0 its ideal length and
  /// scale the bond-length scale (both drawing units).
  tstretch(std::int32_t a1, std::int32_t a2, double D, double r0, double scale);

  double D;
  double stretchConstant; ///< 10 D
  double r0;              ///< ideal length, drawing units
  double kh;              ///< 0.5 x stretch constant / scale

  /// kh (r / r0 - 1)^2 at the given positions; 0 for a bond without ideal length.
  double energyAt(const Vector3* xyz) const;
  double GetPE(const Vector3* xyz) { return energy = energyAt(xyz); }
  /// The Morse energy minus D: -D at r0, tending to 0 at dissociation.
  double BondEnergy(const Vector3* xyz) const;
  /// vector 1: unit vector from atom 1 to atom 2; vector 2 its negation.
  void getvectors(const Vector3* xyz);
};

/// Angle bend at Apex: slots (A1, A2, Apex).
struct tangle : tcoordinate
{
  static constexpr double k = 50000;
  static constexpr double Da = 2 * k * 0.1;

  /// neighbours: the apex's attached bonds; theta0: its ideal angle.
  tangle(std::int32_t a1, std::int32_t apex, std::int32_t a2, int neighbours, double theta0);

  std::int16_t neighbours;
  double theta0;
  double theta = 0; ///< the angle at the last GetAngle

  /// Angle between the directions from the apex to A1 and to A2.
  double GetAngle(const Vector3* xyz) const;
  /// By neighbour count: harmonic k (theta - theta0)^2 for two or three; the Morse bend for four;
  /// for five to nine the Morse bend while theta < theta0, else 0; any other count the stored
  /// energy.
  double energyAt(const Vector3* xyz) const;
  double GetPE(const Vector3* xyz);
  /// Stores cos and sin of the angle, and the two end-atom vectors of the bend coordinate
  /// (direction components perpendicular to the other bond, over bond length and sine).
  void getvectors(const Vector3* xyz);
};

/// Torsion about a central bond: slots (outer atom at 1, axis atom 1, axis atom 2, outer atom).
struct ttorque : tcoordinate
{
  /// key: axis bond type x 1000 + (h2 + h3) h2 h3; axisType: the axis bond type; elements and
  /// neighbour counts of the two axis atoms; count: the torsion count of the axis at creation.
  ttorque(const std::array<std::int32_t, 4>& slots,
          int key,
          int axisType,
          const std::array<int, 2>& axisElements,
          const std::array<int, 2>& axisNeighbours,
          int count);

  std::int16_t key;
  std::int16_t periodicity;
  double phase;
  double V;  ///< barrier after sharing among the axis neighbours
  double Ve; ///< effective barrier: 0.5 V / torsion count

  double GetAngle(const Vector3* xyz) const;
  /// Ve (1 - cos(n (phi - phase))).
  double energyAt(const Vector3* xyz) const;
  double GeTPE(const Vector3* xyz) { return energy = energyAt(xyz); }
  /// False when the angle at either axis atom is within about 10 degrees of linear.
  bool isTorsion(const Vector3* xyz) const;
};

/// Planarity of a trigonal centre: slots (three neighbours, centre).
struct tStrain : tcoordinate
{
  static constexpr double kp = 20000;

  tStrain(const std::array<std::int32_t, 4>& slots, const Vector3* xyz);

  double deviation; ///< the angle sum less 2 pi at creation

  /// Sum of the three angles between the bond directions, less 2 pi.
  double angleSumDeviation(const Vector3* xyz) const;
  /// kp (angle sum - 2 pi)^2: 0 for a planar centre.
  double energyAt(const Vector3* xyz) const;
  double GeTPE(const Vector3* xyz) { return energy = energyAt(xyz); }
};

/// Non-bonded pair. Van der Waals and charged pairs: slots (a1, a2). Hydrogen bonds: slots
/// (hydrogen, acceptor, donor).
struct tpair
{
  enum Type : std::uint8_t
  {
    VanDerWaals = 0,
    HydrogenBond = 1,
    Charged = 2
  };

  std::array<std::int32_t, 3> atoms{ -1, -1, -1 };
  Type type = VanDerWaals;
  double epsilon = 0; ///< well depth, cal/mol
  double rstar = 0;   ///< contact distance, drawing units
  double geoMean = 0; ///< sqrt(t1 t2) of the contact table
  double Q = 0;       ///< q1 q2 x 322063.7
  double energy = 0;

  bool HasAtom(std::int32_t atom) const;
  /// By type: epsilon (x^2 - 2x), x = (R* / (d + 0.001))^6; the 12-10 hydrogen bond
  /// cos^4 (H-donor, H-acceptor) x (47500 x 2.75^12 / r^12 - 57000 x 2.75^10 / r^10), r the
  /// donor-acceptor distance in Ångström; Q / (r + 0.0001)^2 + epsilon (R* / (d + 0.001))^12
  /// for a charged pair. angstroms: Ångström per drawing unit.
  double energyAt(const Vector3* xyz, double angstroms) const;
  double GetPE(const Vector3* xyz, double angstroms) { return energy = energyAt(xyz, angstroms); }
  double GetSPE(const Vector3* xyz, double angstroms) { return GetPE(xyz, angstroms) + epsilon; }
};

/// The van der Waals energy of one pair at distance d: the form every type-0 pair uses.
inline double vanDerWaals(double epsilon, double rstar, double d)
{
  const double q = rstar / (d + 0.001);
  const double q2 = q * q;
  const double x = q2 * q2 * q2;
  return epsilon * (x * x - 2 * x);
}

/// A pair excluded from the non-bonded terms (bonded, or 1-3 or 1-4 apart).
struct tABPair
{
  std::int32_t A1 = -1;
  std::int32_t A2 = -1;
};

} // namespace trelvix
