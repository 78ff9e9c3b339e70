#pragma once

// MMFF94's bonded energy in plain loops over tables of terms: bond stretching, angle bending,
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
  struct Angle
  {
    Atoms3 atoms;
    double theta0; // degrees
    double ka;     // mdyn Å rad⁻²
    bool linear;   // a linear centre's bend, ka (1 + cos θ)
  };
  struct StretchBend
  {
    Atoms3 atoms;
    double r01, r02; // Å, the two bonds' rest lengths
    double theta0;   // degrees
    double k1, k2;   // mdyn/rad, for the first and the second bond
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
  std::vector<StretchBend> m_stretchBends;
  std::vector<OutOfPlane> m_outOfPlanes;
  std::vector<Torsion> m_torsions;
};

} // namespace trelvix
