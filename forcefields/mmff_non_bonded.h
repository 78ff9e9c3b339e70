#pragma once

// MMFF94's non-bonded energy in one loop over the atom pairs: the buffered 14-7 van der Waals
// term and the buffered Coulomb term of every pair three or more bonds apart within one fragment,
// the electrostatics of 1-4 pairs scaled by 0.75 (Halgren, J. Comput. Chem. 17, 490 (1996)).
// RDKit builds one term object per pair, which costs most of an iteration for a large molecule;
// here the parameters come from RDKit's typing as a table per pair of atom types, and no pair is
// left out, so the energy is MMFF94's in full. Only the force-field library's own sources include
// this header: RDKit stays inside it.
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

/// The constants of one pair of atom types' terms.
struct MmffPairConstants
{
  double shift;              ///< Å, 0.07 R*: the 14-7 curve's buffer
  double softShift;          ///< 0.12 R*⁷
  double repulsion;          ///< 1.12 R*⁷
  double well;               ///< ε (1.07 R*)⁷
  double constantDielectric; ///< 1 with a constant dielectric, else 0
  double distanceDielectric; ///< 1 with one proportional to the distance, else 0
  double coulombPower;       ///< the power of the Coulomb term's distance: 1 or 2
};

class MmffNonBonded
{
public:
  /// The pairs of mol (explicit hydrogens) with the parameters, charges and dielectric of
  /// properties (MMFF94-typed).
  MmffNonBonded(const RDKit::ROMol& mol, RDKit::MMFF::MMFFMolProperties& properties);

  /// The energy (kcal/mol) at x (Å, 3N values); its gradient (kcal mol⁻¹ Å⁻¹) is added to
  /// gradient.
  double addEnergyAndGradient(std::span<const double> x, std::span<double> gradient);

private:
  // A pair closer than the full terms: excluded (1-2, 1-3) or 1-4.
  struct Near
  {
    std::uint32_t atom;
    double electrostaticScale;
  };
  // Atoms [begin, end) of the loop's order, all of one fragment and one type.
  struct Block
  {
    std::uint32_t begin;
    std::uint32_t end;
    std::uint32_t type;
  };

  double pairs();

  // The loop's order runs fragment by fragment and, within one, type by type, so that each
  // atom's partners come in blocks of one set of parameters and none from another fragment.
  std::vector<std::uint32_t> m_atom; // per place in the order, the molecule's atom
  std::vector<std::uint32_t> m_type; // per place, index into the type tables
  std::vector<double> m_charge;      // per place, e, times √(332.0716 / D)
  std::vector<Block> m_blocks;       // fragment by fragment
  // Per place, its fragment's blocks: [m_firstBlock, m_endBlock) of m_blocks.
  std::vector<std::uint32_t> m_firstBlock, m_endBlock;
  std::size_t m_types = 0;
  std::vector<MmffPairConstants> m_constants; // per pair of types
  std::vector<std::vector<Near>> m_near;      // per place, its closer partners later in the order
  // Per place, the coordinates, gradient and pair scales of one evaluation.
  std::vector<double> m_x, m_y, m_z, m_gx, m_gy, m_gz;
  std::vector<double> m_vdwScale, m_electrostaticScale;
};

} // namespace trelvix
