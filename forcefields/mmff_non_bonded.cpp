#include "forcefields/mmff_non_bonded.h"

// RDKit's header of the pair terms brings its typer with what the typer leans on.
#include <ForceField/MMFF/Nonbonded.h>
#include <GraphMol/MolOps.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace trelvix {

namespace {

// kcal Å mol⁻¹ e⁻²: the Coulomb constant of MMFF94.
constexpr double coulomb = 332.0716;
// Å: the buffer that keeps the Coulomb energy finite at contact.
constexpr double coulombBuffer = 0.05;
constexpr double oneFourElectrostatics = 0.75;
// The buffered 14-7 curve's constants.
constexpr double vdwA = 1.07;
constexpr double vdwB = 1.12;

// Bonds between atom and each atom up to three bonds away (0 for atom itself); distance holds
// -1 for every other atom on entry and for the reached ones it gives their bonds.
void bondsAway(const RDKit::ROMol& mol,
               unsigned int atom,
               std::vector<int>& distance,
               std::vector<unsigned int>& reached)
{
  reached.assign(1, atom);
  distance[atom] = 0;
  for (std::size_t head = 0; head < reached.size(); ++head) {
    const unsigned int from = reached[head];
    if (distance[from] == 3)
      continue;
    for (const RDKit::Atom* next : mol.atomNeighbors(mol.getAtomWithIdx(from))) {
      const unsigned int to = next->getIdx();
      if (distance[to] < 0) {
        distance[to] = distance[from] + 1;
        reached.push_back(to);
      }
    }
  }
}

// The arrays of one evaluation, in the loop's order.
struct PairArrays
{
  const double* x;
  const double* y;
  const double* z;
  const double* charge; // e √(332.0716 / D)
  const double* vdwScale;
  const double* electrostaticScale;
  double* gx;
  double* gy;
  double* gz;
};

using PairConstants = MmffPairConstants;

// One pair of atom types' van der Waals parameters.
struct VdW
{
  double rStar = 1; // Å, the minimum of the 14-7 curve
  double depth = 0; // kcal/mol
};

PairConstants pairConstants(VdW v, bool distanceDielectric)
{
  const double rStar2 = v.rStar * v.rStar;
  const double rStar7 = rStar2 * rStar2 * rStar2 * v.rStar;
  const double a = vdwA * v.rStar, a2 = a * a;
  return { (vdwA - 1) * v.rStar,
           (vdwB - 1) * rStar7,
           vdwB * rStar7,
           v.depth * a2 * a2 * a2 * a,
           distanceDielectric ? 0.0 : 1.0,
           distanceDielectric ? 1.0 : 0.0,
           distanceDielectric ? 2.0 : 1.0 };
}

// One pair's two energies at r² (qq: the charges' product as held), their derivatives by r and
// 1/r. Every reciprocal comes from one division.
struct PairEnergy
{
  double vdw, electrostatic, vdwSlope, electrostaticSlope, inverseR;
};

[[gnu::always_inline]] inline PairEnergy pairEnergy(double r2, double qq, const PairConstants& c)
{
  const double r = std::sqrt(r2);
  const double r6 = r2 * r2 * r2;
  const double shifted = r + c.shift;
  const double soft = r6 * r + c.softShift;
  const double buffered = r + coulombBuffer;
  const double p = soft * buffered, q = shifted * r;
  const double inverse = 1 / (p * q);
  const double ip = inverse * p, iq = inverse * q;
  const double inverseShifted = ip * r, inverseR = ip * shifted;
  const double inverseSoft = iq * buffered, inverseBuffered = iq * soft;
  const double s2 = inverseShifted * inverseShifted, s4 = s2 * s2;
  const double attraction = c.well * s4 * s2 * inverseShifted; // ε (1.07 R* / (r + 0.07 R*))⁷
  const double bTerm = c.repulsion * inverseSoft;
  // The Coulomb term over (r + 0.05) to the power 1 (a constant dielectric) or 2 (one
  // proportional to the distance), as arithmetic so that the loop has no branch.
  const double coulombFactor =
    inverseBuffered * (c.constantDielectric + c.distanceDielectric * inverseBuffered);
  const double electrostatic = qq * coulombFactor;
  return { attraction * (bTerm - 2),
           electrostatic,
           -7 * attraction * ((bTerm - 2) * inverseShifted + bTerm * r6 * inverseSoft),
           -c.coulombPower * electrostatic * inverseBuffered,
           inverseR };
}

// Atom i against atoms [begin, end), all of one pair of types c with it: their gradients take their
// share, i's is added to gi, and the pairs' energy is returned.
[[gnu::always_inline]] inline double pairRow(const PairArrays& in,
                                             std::size_t i,
                                             std::size_t begin,
                                             std::size_t end,
                                             const PairConstants& c,
                                             double* gi)
{
  const double xi = in.x[i], yi = in.y[i], zi = in.z[i], qi = in.charge[i];
  double energy = 0, gx = 0, gy = 0, gz = 0;
#pragma omp simd reduction(+ : energy, gx, gy, gz)
  for (std::size_t j = begin; j < end; ++j) {
    const double dx = xi - in.x[j], dy = yi - in.y[j], dz = zi - in.z[j];
    const PairEnergy e = pairEnergy(dx * dx + dy * dy + dz * dz, qi * in.charge[j], c);
    const double vdwScale = in.vdwScale[j], electrostaticScale = in.electrostaticScale[j];
    energy += vdwScale * e.vdw + electrostaticScale * e.electrostatic;
    const double f =
      (vdwScale * e.vdwSlope + electrostaticScale * e.electrostaticSlope) * e.inverseR;
    gx += f * dx;
    gy += f * dy;
    gz += f * dz;
    in.gx[j] -= f * dx;
    in.gy[j] -= f * dy;
    in.gz[j] -= f * dz;
  }
  gi[0] += gx;
  gi[1] += gy;
  gi[2] += gz;
  return energy;
}

} // namespace

// The loop is compiled also for the wider vector units of newer x86 processors (four or eight
// pairs at a time instead of two); the processor picks its version when the program loads.
#if defined(__x86_64__) && defined(__GNUC__)
#define TRELVIX_WIDE_VECTORS                                                                       \
  __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#else
#define TRELVIX_WIDE_VECTORS
#endif

MmffNonBonded::MmffNonBonded(const RDKit::ROMol& mol, RDKit::MMFF::MMFFMolProperties& properties)
{
  const unsigned int n = mol.getNumAtoms();
  std::array<int, 256> typeIndex;
  typeIndex.fill(-1);
  std::vector<unsigned int> representative;
  std::vector<std::uint32_t> typeOf(n);
  for (unsigned int i = 0; i < n; ++i) {
    const std::uint8_t t = properties.getMMFFAtomType(i);
    if (typeIndex[t] < 0) {
      typeIndex[t] = static_cast<int>(representative.size());
      representative.push_back(i);
    }
    typeOf[i] = static_cast<std::uint32_t>(typeIndex[t]);
  }
  m_types = representative.size();
  const bool distanceDielectric = properties.getMMFFDielectricModel() == RDKit::MMFF::DISTANCE;
  m_constants.resize(m_types * m_types, pairConstants({}, distanceDielectric));
  for (std::size_t a = 0; a < m_types; ++a) {
    for (std::size_t b = 0; b < m_types; ++b) {
      RDKit::MMFF::MMFFVdWRijstarEps p;
      if (properties.getMMFFVdWParams(representative[a], representative[b], p))
        m_constants[a * m_types + b] =
          pairConstants({ p.R_ij_star, p.epsilon }, distanceDielectric);
    }
  }

  std::vector<int> fragment;
  RDKit::MolOps::getMolFrags(mol, fragment);
  m_atom.resize(n);
  std::iota(m_atom.begin(), m_atom.end(), 0u);
  std::stable_sort(m_atom.begin(), m_atom.end(), [&](std::uint32_t a, std::uint32_t b) {
    return std::pair(fragment[a], typeOf[a]) < std::pair(fragment[b], typeOf[b]);
  });
  std::vector<std::uint32_t> place(n);
  const double chargeScale = std::sqrt(coulomb / properties.getMMFFDielectricConstant());
  for (std::uint32_t k = 0; k < n; ++k) {
    const std::uint32_t i = m_atom[k];
    place[i] = k;
    m_type.push_back(typeOf[i]);
    m_charge.push_back(properties.getMMFFPartialCharge(i) * chargeScale);
    const bool newFragment = k == 0 || fragment[i] != fragment[m_atom[k - 1]];
    if (newFragment || typeOf[i] != typeOf[m_atom[k - 1]])
      m_blocks.push_back({ k, k + 1, typeOf[i] });
    else
      ++m_blocks.back().end;
  }
  m_firstBlock.resize(n);
  m_endBlock.resize(n);
  for (std::uint32_t b = 0; b < m_blocks.size();) {
    std::uint32_t e = b + 1;
    while (e < m_blocks.size() &&
           fragment[m_atom[m_blocks[e].begin]] == fragment[m_atom[m_blocks[b].begin]])
      ++e;
    for (std::uint32_t k = m_blocks[b].begin; k < m_blocks[e - 1].end; ++k) {
      m_firstBlock[k] = b;
      m_endBlock[k] = e;
    }
    b = e;
  }

  m_near.resize(n);
  std::vector<int> distance(n, -1);
  std::vector<unsigned int> reached;
  for (unsigned int i = 0; i < n; ++i) {
    bondsAway(mol, i, distance, reached);
    for (const unsigned int j : reached) {
      if (place[j] > place[i])
        m_near[place[i]].push_back({ place[j], distance[j] == 3 ? oneFourElectrostatics : 0.0 });
      distance[j] = -1;
    }
  }
  for (std::vector<double>* v : { &m_x, &m_y, &m_z, &m_gx, &m_gy, &m_gz })
    v->assign(n, 0.0);
  m_vdwScale.assign(n, 1.0);
  m_electrostaticScale.assign(n, 1.0);
}

double MmffNonBonded::addEnergyAndGradient(std::span<const double> x, std::span<double> gradient)
{
  const std::size_t n = m_atom.size();
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t i = m_atom[k];
    m_x[k] = x[3 * i];
    m_y[k] = x[3 * i + 1];
    m_z[k] = x[3 * i + 2];
  }
  std::fill(m_gx.begin(), m_gx.end(), 0.0);
  std::fill(m_gy.begin(), m_gy.end(), 0.0);
  std::fill(m_gz.begin(), m_gz.end(), 0.0);
  const double energy = pairs();
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t i = m_atom[k];
    gradient[3 * i] += m_gx[k];
    gradient[3 * i + 1] += m_gy[k];
    gradient[3 * i + 2] += m_gz[k];
  }
  return energy;
}

TRELVIX_WIDE_VECTORS double MmffNonBonded::pairs()
{
  const std::size_t n = m_atom.size();
  const PairArrays arrays{ m_x.data(),      m_y.data(),        m_z.data(),
                           m_charge.data(), m_vdwScale.data(), m_electrostaticScale.data(),
                           m_gx.data(),     m_gy.data(),       m_gz.data() };
  double energy = 0;
  for (std::size_t i = 0; i < n; ++i) {
    // The scales of i's pairs: 1 but for its near partners, set before its row, reset after.
    for (const Near& p : m_near[i]) {
      m_vdwScale[p.atom] = p.electrostaticScale > 0 ? 1.0 : 0.0;
      m_electrostaticScale[p.atom] = p.electrostaticScale;
    }
    double gi[3] = {};
    for (std::uint32_t b = m_firstBlock[i]; b < m_endBlock[i]; ++b) {
      const Block& block = m_blocks[b];
      if (block.end <= i + 1)
        continue;
      energy += pairRow(arrays,
                        i,
                        std::max<std::size_t>(block.begin, i + 1),
                        block.end,
                        m_constants[m_type[i] * m_types + block.type],
                        gi);
    }
    m_gx[i] += gi[0];
    m_gy[i] += gi[1];
    m_gz[i] += gi[2];
    for (const Near& p : m_near[i]) {
      m_vdwScale[p.atom] = 1.0;
      m_electrostaticScale[p.atom] = 1.0;
    }
  }
  return energy;
}

} // namespace trelvix
