#include "forcefields/mmff_non_bonded.h"

// RDKit's header of the pair terms brings its typer with what the typer leans on.
#include <ForceField/MMFF/Nonbonded.h>
#include <GraphMol/MolOps.h>
#include <array>
#include <cmath>

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
constexpr double vdwR7 = 7;

// Bonds between atom and each atom up to three bonds away (0 for atom itself, or more than 3).
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

} // namespace

MmffNonBonded::MmffNonBonded(const RDKit::ROMol& mol, RDKit::MMFF::MMFFMolProperties& properties)
{
  const unsigned int n = mol.getNumAtoms();
  std::array<int, 256> typeIndex;
  typeIndex.fill(-1);
  std::vector<unsigned int> representative;
  for (unsigned int i = 0; i < n; ++i) {
    const std::uint8_t t = properties.getMMFFAtomType(i);
    if (typeIndex[t] < 0) {
      typeIndex[t] = static_cast<int>(representative.size());
      representative.push_back(i);
    }
    m_type.push_back(static_cast<std::uint32_t>(typeIndex[t]));
  }
  m_types = representative.size();
  m_vdw.resize(m_types * m_types);
  for (std::size_t a = 0; a < m_types; ++a) {
    for (std::size_t b = 0; b < m_types; ++b) {
      RDKit::MMFF::MMFFVdWRijstarEps p;
      if (properties.getMMFFVdWParams(representative[a], representative[b], p))
        m_vdw[a * m_types + b] = { p.R_ij_star, p.epsilon };
    }
  }
  const double dielectric = properties.getMMFFDielectricConstant();
  m_distanceDielectric = properties.getMMFFDielectricModel() == RDKit::MMFF::DISTANCE;
  for (unsigned int i = 0; i < n; ++i)
    m_charge.push_back(properties.getMMFFPartialCharge(i) / std::sqrt(dielectric));

  std::vector<int> fragment;
  RDKit::MolOps::getMolFrags(mol, fragment);
  m_fragment.assign(fragment.begin(), fragment.end());

  m_near.resize(n);
  std::vector<int> distance(n, -1);
  std::vector<unsigned int> reached;
  for (unsigned int i = 0; i < n; ++i) {
    bondsAway(mol, i, distance, reached);
    for (const unsigned int j : reached) {
      if (j > i)
        m_near[i].push_back({ j, distance[j] == 3 ? oneFourElectrostatics : 0.0 });
      distance[j] = -1;
    }
  }
}

double MmffNonBonded::addEnergyAndGradient(std::span<const double> x,
                                           std::span<double> gradient) const
{
  const std::size_t n = m_type.size();
  // The scales of atom i's pairs: 1 but for its near partners, set before its row and reset
  // after it.
  std::vector<double> vdwScale(n, 1.0);
  std::vector<double> electrostaticScale(n, 1.0);
  double energy = 0;
  for (std::size_t i = 0; i < n; ++i) {
    for (const Near& p : m_near[i]) {
      vdwScale[p.atom] = p.electrostaticScale > 0 ? 1.0 : 0.0;
      electrostaticScale[p.atom] = p.electrostaticScale;
    }
    const double xi = x[3 * i], yi = x[3 * i + 1], zi = x[3 * i + 2];
    const VdW* row = &m_vdw[m_type[i] * m_types];
    const double qi = coulomb * m_charge[i];
    const std::uint32_t fi = m_fragment[i];
    double gx = 0, gy = 0, gz = 0;
    for (std::size_t j = i + 1; j < n; ++j) {
      if (m_fragment[j] != fi)
        continue;
      const double dx = xi - x[3 * j], dy = yi - x[3 * j + 1], dz = zi - x[3 * j + 2];
      const double r2 = dx * dx + dy * dy + dz * dz;
      const double r = std::sqrt(r2);
      const VdW& v = row[m_type[j]];
      const double rStar2 = v.rStar * v.rStar;
      const double rStar7 = rStar2 * rStar2 * rStar2 * v.rStar;
      const double r7 = r2 * r2 * r2 * r;
      const double shifted = r + (vdwA - 1) * v.rStar;
      const double a = vdwA * v.rStar / shifted;
      const double a2 = a * a;
      const double a7 = a2 * a2 * a2 * a;
      const double soft = r7 + (vdwB - 1) * rStar7;
      const double b = vdwB * rStar7 / soft;
      const double vdw = vdwScale[j] * v.depth * a7;
      double dEdr = -vdwR7 * vdw * ((b - 2) / shifted + b * r2 * r2 * r2 / soft);
      energy += vdw * (b - 2);
      const double buffered = r + coulombBuffer;
      const double denominator = m_distanceDielectric ? buffered * buffered : buffered;
      const double electrostatic = electrostaticScale[j] * qi * m_charge[j] / denominator;
      energy += electrostatic;
      dEdr -= (m_distanceDielectric ? 2 : 1) * electrostatic / buffered;
      const double f = dEdr / r;
      gx += f * dx;
      gy += f * dy;
      gz += f * dz;
      gradient[3 * j] -= f * dx;
      gradient[3 * j + 1] -= f * dy;
      gradient[3 * j + 2] -= f * dz;
    }
    gradient[3 * i] += gx;
    gradient[3 * i + 1] += gy;
    gradient[3 * i + 2] += gz;
    for (const Near& p : m_near[i]) {
      vdwScale[p.atom] = 1.0;
      electrostaticScale[p.atom] = 1.0;
    }
  }
  return energy;
}

} // namespace trelvix
