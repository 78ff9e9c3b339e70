#pragma once

// MMFF94's bonded energy in plain loops over tables of terms: bond stretching, angle bending with
// stretch-bend, out-of-plane bending at three-connected centres and torsions (Halgren, J. Comput.
// Chem. 17, 490 (1996)), the terms and their parameters those of RDKit's MMFF94 builder. RDKit's
// own term objects share a table of every atom pair's distance that each evaluation clears and
// refills in part, which costs more than the terms for a large molecule; here each term computes
// the few distances it needs. Only the force-field library's own sources include this header:
// RDKit stays inside it.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace RDKit {
class ROMol;
namespace MMFF {
class MMFFMolProperties;
}
} // namespace RDKit

namespace trelvix {

class MmffBonded
{
public:
  /// The bonded terms of mol (explicit hydrogens, MMFF94-typed by properties).
  MmffBonded(const RDKit::ROMol& mol, RDKit::MMFF::MMFFMolProperties& properties);

  /// The energy (kcal/mol) at x (Å, 3N values); its gradient (kcal mol⁻¹ Å⁻¹) is added to
  /// gradient.
  double addEnergyAndGradient(std::span<const double> x, std::span<double> gradient) const;

private:
  using Atoms2 = std::array<std::uint32_t, 2>;
  using Atoms3 = std::array<std::uint32_t, 3>; // the centre in the middle
  using Atoms4 = std::array<std::uint32_t, 4>;
  struct Bond
  {
    Atoms2 atoms;
    double r0; // Å
    double kb; // mdyn/Å
  };
  // An angle's bend and its stretch-bend, which share the angle's geometry; a term the builder
  // does not have has force constants 0.
  struct Angle
  {
    Atoms3 atoms;
    double theta0 = 0;     // degrees
    double ka = 0;         // mdyn Å rad⁻²
    bool linear = false;   // a linear centre's bend, ka (1 + cos θ), and no stretch-bend
    double r01 = 0;        // Å, the stretch-bend's rest length of the first bond
    double r02 = 0;        // and of the second
    double stbnTheta0 = 0; // degrees
    double k1 = 0, k2 = 0; // mdyn/rad, the stretch-bend's constants for the two bonds
  };
  struct OutOfPlane
  {
    Atoms4 atoms; // a plane's end, the centre, the other end, the atom out of the plane
    double koop;  // mdyn Å rad⁻²
  };
  struct Torsion
  {
    Atoms4 atoms;
    double v1, v2, v3; // kcal/mol
  };

  std::vector<Bond> m_bonds;
  std::vector<Angle> m_angles;
  std::vector<OutOfPlane> m_outOfPlanes;
  std::vector<Torsion> m_torsions;
};

} // namespace trelvix
