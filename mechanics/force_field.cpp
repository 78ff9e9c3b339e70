// Building the term lists of a structure, the per-atom term index and the energy sums.
#include "mechanics/force_field.h"

#include "document/structure.h"
#include "mechanics/force_parameters.h"
#include "model/defaults.h"
#include "model/link.h"
#include "model/pair_energy.h"
#include "model/structure_atom.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trelvix {

namespace {

// Axis keys (h1 + h2) h1 h2 of the hybridisation pairs that carry torsions.
constexpr int torsionAxisKeys[] = { 16, 20, 30, 48, 54, 84, 128 };
// Ideal angles at or above this are linear centres: no torsion about their bonds.
constexpr double straightAngle = 3.05;
constexpr double straightDegrees = 175 * std::numbers::pi / 180;
// 1 / 1.54: contact radii in Ångström to scale lengths.
constexpr double contactToScale = 0.6493506493506493;
// Coulomb constant of the charged pairs, cal Å / mol.
constexpr double coulomb = 322063.7;

int axisKey(int h1, int h2)
{
  return (h1 + h2) * h1 * h2;
}

// The document's bonds at atom (none for an atom that is not a structure atom).
std::vector<tLink*> bondsAt(tXY* atom)
{
  std::vector<tLink*> result;
  if (auto* a = dynamic_cast<tAtm*>(atom)) {
    a->AttachedBonds();
    result.assign(a->bonds->begin(), a->bonds->end());
  }
  return result;
}

} // namespace

ForceField::ForceField(tStructure& target)
  : m_angstroms(angstromsPerUnit())
{
  for (tXY* a : target.Atoms)
    addAtom(a);
  m_targetCount = atomCount();
  target.Hybridizations();
  buildStretches(target);
  buildAngles();
  buildTorsions(target);
  buildPlanarity(target);
  buildPairs();
  buildIndex();
}

int ForceField::addAtom(tXY* atom)
{
  const auto [it, added] = m_indexOf.emplace(atom, atomCount());
  if (added) {
    m_atoms.push_back(atom);
    m_xyz.push_back({ atom->x3, atom->y3, atom->z3 });
    m_neighbours.emplace_back();
    m_neighboursKnown.push_back(0);
    m_excluded.emplace_back();
  }
  return it->second;
}

int ForceField::indexOf(const tXY* atom) const
{
  const auto it = m_indexOf.find(atom);
  return it == m_indexOf.end() ? -1 : it->second;
}

const std::vector<tXY*>& ForceField::neighboursOf(int atom)
{
  const auto a = static_cast<std::size_t>(atom);
  if (!m_neighboursKnown[a]) {
    m_neighboursKnown[a] = 1;
    std::vector<tXY*> found;
    for (tLink* b : bondsAt(m_atoms[a])) {
      if (b->Atm1 && b->Atm2 && b->Atm1 != b->Atm2)
        found.push_back(b->partner(m_atoms[a]));
    }
    m_neighbours[a] = std::move(found);
  }
  return m_neighbours[a];
}

void ForceField::exclude(int a, int b)
{
  std::vector<std::int32_t>& list = m_excluded[static_cast<std::size_t>(a)];
  if (std::find(list.begin(), list.end(), b) != list.end())
    return;
  list.push_back(b);
  m_excluded[static_cast<std::size_t>(b)].push_back(a);
  m_abPairs.push_back({ a, b });
}

void ForceField::readPositions()
{
  for (std::size_t i = 0; i < m_atoms.size(); ++i)
    m_xyz[i] = { m_atoms[i]->x3, m_atoms[i]->y3, m_atoms[i]->z3 };
}

void ForceField::writePositions() const
{
  for (std::size_t i = 0; i < m_atoms.size(); ++i) {
    tXY* a = m_atoms[i];
    a->x3 = m_xyz[i][0];
    a->y3 = m_xyz[i][1];
    a->z3 = m_xyz[i][2];
    a->update3d();
  }
}

void ForceField::buildStretches(tStructure& target)
{
  const double scale = bondScale();
  m_stretches.reserve(static_cast<std::size_t>(target.Bonds.Count()));
  for (tLink* b : target.Bonds) {
    if (!b->visible || !b->Atm1 || !b->Atm2 || b->Atm1 == b->Atm2)
      continue;
    const int a1 = addAtom(b->Atm1);
    const int a2 = addAtom(b->Atm2);
    const double D = pairBondEnergy(b->Atm1->element, b->Atm2->element, b->order());
    m_stretches.emplace_back(a1, a2, D, b->RAB(), scale);
    m_stretches.back().GetPE(positions());
    exclude(a1, a2);
  }
}

void ForceField::buildAngles()
{
  for (int apex = 0; apex < m_targetCount; ++apex) {
    tXY* atom = m_atoms[static_cast<std::size_t>(apex)];
    if (!atom->isatom())
      continue;
    const std::vector<tXY*> around = neighboursOf(apex);
    if (around.size() < 2)
      continue;
    const int n = static_cast<int>(bondsAt(atom).size());
    const double theta0 = idealAngle(atom->element, atom->hybridisation, n);
    for (std::size_t i = 0; i < around.size(); ++i) {
      for (std::size_t j = i + 1; j < around.size(); ++j) {
        const int a1 = addAtom(around[i]);
        const int a2 = addAtom(around[j]);
        m_angles.emplace_back(a1, apex, a2, n, theta0);
        if (a1 != a2)
          exclude(a1, a2);
      }
    }
  }
}

void ForceField::buildTorsions(tStructure& target)
{
  if (target.Bonds.Count() <= 2)
    return;
  for (tLink* axis : target.Bonds) {
    tXY* x2 = axis->Atm1;
    tXY* x3 = axis->Atm2;
    if (!x2 || !x3 || x2 == x3 || !axis->visible || axis->order() >= 5)
      continue;
    const int h2 = x2->hybridisation;
    const int h3 = x3->hybridisation;
    const int key = axisKey(h2, h3);
    if (std::find(std::begin(torsionAxisKeys), std::end(torsionAxisKeys), key) ==
        std::end(torsionAxisKeys))
      continue;
    const std::vector<tLink*> bonds2 = bondsAt(x2);
    const std::vector<tLink*> bonds3 = bondsAt(x3);
    const int n2 = static_cast<int>(bonds2.size());
    const int n3 = static_cast<int>(bonds3.size());
    const double ideal2 = idealAngle(x2->element, h2, n2);
    const double ideal3 = idealAngle(x3->element, h3, n3);
    if (ideal2 >= straightAngle || ideal3 >= straightAngle || ideal2 >= straightDegrees ||
        ideal3 >= straightDegrees || n2 <= 1 || n3 <= 1)
      continue;
    const int i2 = addAtom(x2);
    const int i3 = addAtom(x3);
    const std::array<int, 2> neighbourCounts{ static_cast<int>(neighboursOf(i2).size()),
                                              static_cast<int>(neighboursOf(i3).size()) };
    // Ring torsions are kept: they carry the conformational preference of rings (a chair
    // cyclohexane below its boat), which is what users expect of an optimised ring.
    int count = 0;
    for (tLink* b1 : bonds2) {
      if (b1 == axis || b1->order() >= 5)
        continue;
      for (tLink* b2 : bonds3) {
        if (b2 == axis || b2->order() >= 5)
          continue;
        const bool share = b1->Atm1 == b2->Atm1 || b1->Atm1 == b2->Atm2 || b1->Atm2 == b2->Atm1 ||
                           b1->Atm2 == b2->Atm2;
        tXY* x1 = b1->partner(x2);
        tXY* x4 = b2->partner(x3);
        if (share || !x1 || !x4)
          continue;
        ++count;
        const int i1 = addAtom(x1);
        const int i4 = addAtom(x4);
        m_torques.emplace_back(std::array<std::int32_t, 4>{ i1, i2, i3, i4 },
                               axis->bondType() * 1000 + key,
                               axis->bondType(),
                               std::array<int, 2>{ x2->element, x3->element },
                               neighbourCounts,
                               count);
        m_torques.back().GeTPE(positions());
        exclude(i1, i4);
      }
    }
  }
  std::erase_if(m_torques, [&](const ttorque& t) { return !t.isTorsion(positions()); });
}

void ForceField::buildPlanarity(tStructure& target)
{
  if (target.Bonds.Count() <= 2)
    return;
  for (int centre = 0; centre < m_targetCount; ++centre) {
    tXY* atom = m_atoms[static_cast<std::size_t>(centre)];
    if (!atom->isatom() || (atom->hybridisation != 2 && atom->hybridisation != 4))
      continue;
    const std::vector<tLink*> bonds = bondsAt(atom);
    if (bonds.size() != 3 || std::any_of(bonds.begin(), bonds.end(), [](const tLink* b) {
          return !b->partner(b->Atm1);
        }))
      continue;
    std::array<std::int32_t, 4> slots{ -1, -1, -1, centre };
    for (std::size_t i = 0; i < 3; ++i)
      slots[i] = addAtom(bonds[i]->partner(atom));
    m_strains.emplace_back(slots, positions());
    m_strains.back().GeTPE(positions());
  }
}

void ForceField::buildPairs()
{
  const double scale = bondScale();
  const auto n = static_cast<std::size_t>(m_targetCount);
  std::vector<ContactParameters> contact(n);
  std::vector<std::int32_t> donor(n, -1); // the N, O or F of a donor hydrogen
  for (std::size_t i = 0; i < n; ++i) {
    tXY* a = m_atoms[i];
    contact[i] = contactParameters(a->element, a->hybridisation, a->mult());
    if (a->element == 1 && a->textFlag == 0) {
      const std::vector<tXY*>& around = neighboursOf(static_cast<int>(i));
      if (!around.empty() && around.front()->HBA())
        donor[i] = addAtom(around.front());
    }
  }
  std::vector<std::uint8_t> excluded(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    tXY* a = m_atoms[i];
    if (a->textFlag != 0)
      continue;
    for (std::int32_t e : m_excluded[i]) {
      if (static_cast<std::size_t>(e) < n)
        excluded[static_cast<std::size_t>(e)] = 1;
    }
    for (std::size_t j = i + 1; j < n; ++j) {
      tXY* b = m_atoms[j];
      if (b->textFlag != 0 || excluded[j])
        continue;
      tpair p;
      const auto ii = static_cast<std::int32_t>(i);
      const auto jj = static_cast<std::int32_t>(j);
      if (donor[i] >= 0 && b->HBA())
        p.atoms = { ii, jj, donor[i] };
      else if (donor[j] >= 0 && a->HBA())
        p.atoms = { jj, ii, donor[j] };
      else
        p.atoms = { ii, jj, -1 };
      p.type = p.atoms[2] >= 0 ? tpair::HydrogenBond : tpair::VanDerWaals;
      p.epsilon = 0.5 * (contact[i].wellDepth + contact[j].wellDepth);
      p.rstar = (contact[i].radius + contact[j].radius) * scale * contactToScale;
      p.geoMean = std::sqrt(contact[i].third * contact[j].third);
      p.Q = a->charge * coulomb * b->charge;
      if (p.Q != 0)
        p.type = tpair::Charged;
      p.GetPE(positions(), m_angstroms);
      m_pairSum += p.epsilon;
      m_pairs.push_back(p);
    }
    for (std::int32_t e : m_excluded[i]) {
      if (static_cast<std::size_t>(e) < n)
        excluded[static_cast<std::size_t>(e)] = 0;
    }
  }
}

template<class Term>
ForceField::AtomIndex ForceField::indexTerms(const std::vector<Term>& terms, int atomCount)
{
  AtomIndex index;
  index.start.assign(static_cast<std::size_t>(atomCount) + 1, 0);
  const auto eachAtom = [](const Term& t, auto visit) {
    for (std::size_t s = 0; s < t.atoms.size(); ++s) {
      const std::int32_t a = t.atoms[s];
      // An atom listed twice in one term (a collapsed angle) is indexed once.
      if (a >= 0 &&
          std::find(t.atoms.begin(), t.atoms.begin() + static_cast<std::ptrdiff_t>(s), a) ==
            t.atoms.begin() + static_cast<std::ptrdiff_t>(s))
        visit(a);
    }
  };
  for (const Term& t : terms)
    eachAtom(t, [&](std::int32_t a) { ++index.start[static_cast<std::size_t>(a) + 1]; });
  for (std::size_t a = 1; a < index.start.size(); ++a)
    index.start[a] += index.start[a - 1];
  index.items.resize(static_cast<std::size_t>(index.start.back()));
  std::vector<std::int32_t> fill(index.start.begin(), index.start.end() - 1);
  for (std::size_t k = 0; k < terms.size(); ++k) {
    eachAtom(terms[k], [&](std::int32_t a) {
      index.items[static_cast<std::size_t>(fill[static_cast<std::size_t>(a)]++)] =
        static_cast<std::int32_t>(k);
    });
  }
  return index;
}

void ForceField::buildIndex()
{
  const int n = atomCount();
  m_stretchIndex = indexTerms(m_stretches, n);
  m_angleIndex = indexTerms(m_angles, n);
  m_torqueIndex = indexTerms(m_torques, n);
  m_strainIndex = indexTerms(m_strains, n);
  std::vector<tpair> special;
  std::vector<std::int32_t> specialIds;
  m_vdwStart.assign(static_cast<std::size_t>(n) + 1, 0);
  for (std::size_t k = 0; k < m_pairs.size(); ++k) {
    const tpair& p = m_pairs[k];
    if (p.type == tpair::VanDerWaals) {
      ++m_vdwStart[static_cast<std::size_t>(p.atoms[0]) + 1];
      ++m_vdwStart[static_cast<std::size_t>(p.atoms[1]) + 1];
    } else {
      special.push_back(p);
      specialIds.push_back(static_cast<std::int32_t>(k));
    }
  }
  // The special pairs are few: index them through a copy, then map back to the pair list.
  m_specialPairIndex = indexTerms(special, n);
  for (std::int32_t& item : m_specialPairIndex.items)
    item = specialIds[static_cast<std::size_t>(item)];
  for (std::size_t a = 1; a < m_vdwStart.size(); ++a)
    m_vdwStart[a] += m_vdwStart[a - 1];
  const auto total = static_cast<std::size_t>(m_vdwStart.back());
  m_vdwPartner.resize(total);
  m_vdwEpsilon.resize(total);
  m_vdwRstar.resize(total);
  std::vector<std::int32_t> fill(m_vdwStart.begin(), m_vdwStart.end() - 1);
  for (const tpair& p : m_pairs) {
    if (p.type != tpair::VanDerWaals)
      continue;
    for (int side = 0; side < 2; ++side) {
      const auto at = static_cast<std::size_t>(fill[static_cast<std::size_t>(p.atoms[side])]++);
      m_vdwPartner[at] = p.atoms[1 - side];
      m_vdwEpsilon[at] = p.epsilon;
      m_vdwRstar[at] = p.rstar;
    }
  }
}

std::size_t ForceField::termCount() const
{
  return m_stretches.size() + m_angles.size() + m_torques.size() + m_strains.size() +
         m_pairs.size();
}

bool ForceField::inAnyTerm(int atom) const
{
  const auto a = static_cast<std::size_t>(atom);
  for (const AtomIndex* index :
       { &m_stretchIndex, &m_angleIndex, &m_torqueIndex, &m_strainIndex, &m_specialPairIndex }) {
    if (index->start[a] != index->start[a + 1])
      return true;
  }
  return m_vdwStart[a] != m_vdwStart[a + 1];
}

double ForceField::atomEnergy(int atom) const
{
  const Vector3* xyz = m_xyz.data();
  const auto a = static_cast<std::size_t>(atom);
  double e = 0;
  const auto sum = [&](const AtomIndex& index, const auto& terms, auto energy) {
    for (std::int32_t k = index.start[a]; k < index.start[a + 1]; ++k)
      e += energy(terms[static_cast<std::size_t>(index.items[static_cast<std::size_t>(k)])]);
  };
  sum(m_stretchIndex, m_stretches, [&](const tstretch& t) { return t.energyAt(xyz); });
  sum(m_angleIndex, m_angles, [&](const tangle& t) { return t.energyAt(xyz); });
  sum(m_torqueIndex, m_torques, [&](const ttorque& t) { return t.energyAt(xyz); });
  sum(m_strainIndex, m_strains, [&](const tStrain& t) { return t.energyAt(xyz); });
  sum(m_specialPairIndex, m_pairs, [&](const tpair& p) { return p.energyAt(xyz, m_angstroms); });

  const double x = xyz[a][0];
  const double y = xyz[a][1];
  const double z = xyz[a][2];
  const std::int32_t* partner = m_vdwPartner.data();
  const double* epsilon = m_vdwEpsilon.data();
  const double* rstar = m_vdwRstar.data();
  double vdw = 0;
  for (std::int32_t k = m_vdwStart[a]; k < m_vdwStart[a + 1]; ++k) {
    const Vector3& p = xyz[partner[k]];
    const double dx = p[0] - x;
    const double dy = p[1] - y;
    const double dz = p[2] - z;
    vdw += vanDerWaals(epsilon[k], rstar[k], std::sqrt(dx * dx + dy * dy + dz * dz));
  }
  return e + vdw;
}

EnergySums ForceField::sums()
{
  const Vector3* xyz = m_xyz.data();
  EnergySums s;
  for (tpair& p : m_pairs)
    s.pairs += p.GetPE(xyz, m_angstroms);
  for (tstretch& t : m_stretches) {
    s.stretches += t.GetPE(xyz);
    s.bondEnergies += t.BondEnergy(xyz);
  }
  for (tangle& t : m_angles)
    s.angles += t.GetPE(xyz);
  for (ttorque& t : m_torques)
    s.torsions += t.GeTPE(xyz);
  for (tStrain& t : m_strains)
    s.planarity += t.GeTPE(xyz);
  return s;
}

double ForceField::strainEnergy()
{
  if (m_targetCount < 2)
    return 0;
  const EnergySums s = sums();
  return s.pairs + m_pairSum + s.stretches + s.angles + s.torsions + s.planarity;
}

double ForceField::storedEnergy() const
{
  double e = 0;
  for (const tpair& p : m_pairs)
    e += p.energy + p.epsilon;
  const auto add = [&](const auto& terms) {
    for (const auto& t : terms)
      e += t.energy;
  };
  add(m_stretches);
  add(m_angles);
  add(m_torques);
  add(m_strains);
  return e;
}

double ForceField::formationEnergy()
{
  if (m_targetCount < 2)
    return 0;
  getvectors();
  const EnergySums s = sums();
  return s.pairs + s.bondEnergies + s.angles + s.torsions + s.planarity;
}

void ForceField::getvectors()
{
  for (tstretch& t : m_stretches)
    t.getvectors(positions());
  for (tangle& t : m_angles)
    t.getvectors(positions());
}

} // namespace trelvix
