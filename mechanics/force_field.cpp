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
  m_scale = bondScale();
  const auto n = static_cast<std::size_t>(m_targetCount);
  m_wellDepth.resize(n);
  m_radius.resize(n);
  m_third.resize(n);
  m_charge.resize(n);
  m_donor.assign(n, -1);
  m_acceptor.resize(n);
  m_text.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    tXY* a = m_atoms[i];
    const ContactParameters contact = contactParameters(a->element, a->hybridisation, a->mult());
    m_wellDepth[i] = contact.wellDepth;
    m_radius[i] = contact.radius;
    m_third[i] = contact.third;
    m_charge[i] = a->charge;
    m_acceptor[i] = a->HBA() ? 1 : 0;
    m_text[i] = a->textFlag != 0 ? 1 : 0;
    if (!m_text[i] && m_acceptor[i])
      m_acceptors.push_back(static_cast<std::int32_t>(i));
    if (a->element == 1 && a->textFlag == 0) {
      const std::vector<tXY*>& around = neighboursOf(static_cast<int>(i));
      if (!around.empty() && around.front()->HBA())
        m_donor[i] = addAtom(around.front());
    }
  }
}

tpair ForceField::makePair(int i, int j) const
{
  const auto a = static_cast<std::size_t>(i);
  const auto b = static_cast<std::size_t>(j);
  tpair p;
  if (m_donor[a] >= 0 && m_acceptor[b])
    p.atoms = { i, j, m_donor[a] };
  else if (m_donor[b] >= 0 && m_acceptor[a])
    p.atoms = { j, i, m_donor[b] };
  else
    p.atoms = { i, j, -1 };
  p.type = p.atoms[2] >= 0 ? tpair::HydrogenBond : tpair::VanDerWaals;
  p.epsilon = 0.5 * (m_wellDepth[a] + m_wellDepth[b]);
  p.rstar = (m_radius[a] + m_radius[b]) * m_scale * contactToScale;
  p.geoMean = std::sqrt(m_third[a] * m_third[b]);
  p.Q = m_charge[a] * coulomb * m_charge[b];
  if (p.Q != 0)
    p.type = tpair::Charged;
  return p;
}

bool ForceField::specialPair(int i, int j) const
{
  const auto a = static_cast<std::size_t>(i);
  const auto b = static_cast<std::size_t>(j);
  return (m_donor[a] >= 0 && m_acceptor[b]) || (m_donor[b] >= 0 && m_acceptor[a]) ||
         (m_charge[a] != 0 && m_charge[b] != 0);
}

bool ForceField::excluded(int i, int j) const
{
  const std::vector<std::int32_t>& list = m_excluded[static_cast<std::size_t>(i)];
  return std::binary_search(list.begin(), list.end(), j);
}

double ForceField::pairEnergy(int i, int j, const Vector3* xyz) const
{
  if (specialPair(i, j))
    return makePair(i, j).energyAt(xyz, m_angstroms);
  const auto a = static_cast<std::size_t>(i);
  const auto b = static_cast<std::size_t>(j);
  const double epsilon = 0.5 * (m_wellDepth[a] + m_wellDepth[b]);
  const double rstar = (m_radius[a] + m_radius[b]) * m_scale * contactToScale;
  const double dx = xyz[b][0] - xyz[a][0];
  const double dy = xyz[b][1] - xyz[a][1];
  const double dz = xyz[b][2] - xyz[a][2];
  return vanDerWaals(epsilon, rstar, std::sqrt(dx * dx + dy * dy + dz * dz));
}

template<class Visit>
void ForceField::eachPair(Visit visit) const
{
  for (std::int32_t i = 0; i < m_targetCount; ++i) {
    if (m_text[static_cast<std::size_t>(i)])
      continue;
    // The excluded partners are ascending: one walk beside j skips them.
    const std::vector<std::int32_t>& skip = m_excluded[static_cast<std::size_t>(i)];
    auto next = std::upper_bound(skip.begin(), skip.end(), i);
    for (std::int32_t j = i + 1; j < m_targetCount; ++j) {
      while (next != skip.end() && *next < j)
        ++next;
      if (m_text[static_cast<std::size_t>(j)] || (next != skip.end() && *next == j))
        continue;
      visit(i, j);
    }
  }
}

PairList::iterator::iterator(const ForceField* field, int i, int j)
  : m_field(field)
  , m_i(i)
  , m_j(j)
{
  settle();
}

void PairList::iterator::settle()
{
  const int n = m_field->m_targetCount;
  for (; m_i < n; ++m_i, m_j = m_i + 1) {
    if (m_field->m_text[static_cast<std::size_t>(m_i)])
      continue;
    for (; m_j < n; ++m_j) {
      if (!m_field->m_text[static_cast<std::size_t>(m_j)] && !m_field->excluded(m_i, m_j)) {
        m_pair = m_field->makePair(m_i, m_j);
        return;
      }
    }
  }
  m_i = n;
  m_j = n;
}

PairList::iterator& PairList::iterator::operator++()
{
  ++m_j;
  settle();
  return *this;
}

PairList::iterator PairList::iterator::operator++(int)
{
  iterator before = *this;
  ++*this;
  return before;
}

PairList::iterator PairList::begin() const
{
  return iterator(m_field, 0, 1);
}

PairList::iterator PairList::end() const
{
  return iterator(m_field, m_field->m_targetCount, m_field->m_targetCount);
}

std::size_t PairList::size() const
{
  return m_field->m_pairCount;
}

tpair PairList::operator[](std::size_t k) const
{
  auto it = begin();
  std::advance(it, static_cast<std::ptrdiff_t>(k));
  return *it;
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
  for (std::vector<std::int32_t>& list : m_excluded)
    std::sort(list.begin(), list.end());
  m_donated.resize(static_cast<std::size_t>(n));
  m_inPair.assign(static_cast<std::size_t>(n), 0);
  for (std::size_t h = 0; h < m_donor.size(); ++h) {
    if (m_donor[h] >= 0)
      m_donated[static_cast<std::size_t>(m_donor[h])].push_back(static_cast<std::int32_t>(h));
  }
  // Pair count, well-depth sum and the atoms that pairs hold; the energies fill the caches.
  const Vector3* xyz = positions();
  eachPair([&](int i, int j) {
    ++m_pairCount;
    m_pairSum +=
      0.5 * (m_wellDepth[static_cast<std::size_t>(i)] + m_wellDepth[static_cast<std::size_t>(j)]);
    m_pairEnergy += pairEnergy(i, j, xyz);
    m_inPair[static_cast<std::size_t>(i)] = 1;
    m_inPair[static_cast<std::size_t>(j)] = 1;
    if (specialPair(i, j)) {
      const std::int32_t donor = makePair(i, j).atoms[2];
      if (donor >= 0)
        m_inPair[static_cast<std::size_t>(donor)] = 1;
    }
  });
}

std::size_t ForceField::termCount() const
{
  return m_stretches.size() + m_angles.size() + m_torques.size() + m_strains.size() + m_pairCount;
}

bool ForceField::inAnyTerm(int atom) const
{
  const auto a = static_cast<std::size_t>(atom);
  for (const AtomIndex* index :
       { &m_stretchIndex, &m_angleIndex, &m_torqueIndex, &m_strainIndex }) {
    if (index->start[a] != index->start[a + 1])
      return true;
  }
  return m_inPair[a] != 0;
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

  // Hydrogen bonds whose donor is the atom: their angle term follows the donor.
  for (const std::int32_t h : m_donated[a]) {
    for (const std::int32_t j : m_acceptors) {
      if (j == h || excluded(h, j))
        continue;
      const tpair p = h < j ? makePair(h, j) : makePair(j, h);
      if (p.type == tpair::HydrogenBond && p.atoms[2] == atom)
        e += p.energyAt(xyz, m_angstroms);
    }
  }
  if (atom >= m_targetCount || m_text[a])
    return e;

  // The atom's own pairs, made as they are needed; the van der Waals ones inline.
  const double x = xyz[a][0];
  const double y = xyz[a][1];
  const double z = xyz[a][2];
  const std::vector<std::int32_t>& skip = m_excluded[a];
  auto next = skip.begin();
  double vdw = 0;
  for (std::int32_t j = 0; j < m_targetCount; ++j) {
    while (next != skip.end() && *next < j)
      ++next;
    const auto b = static_cast<std::size_t>(j);
    if (j == atom || m_text[b] || (next != skip.end() && *next == j))
      continue;
    if (specialPair(atom, j)) {
      const tpair p = atom < j ? makePair(atom, j) : makePair(j, atom);
      e += p.energyAt(xyz, m_angstroms);
      continue;
    }
    const double epsilon = 0.5 * (m_wellDepth[a] + m_wellDepth[b]);
    const double rstar = (m_radius[a] + m_radius[b]) * m_scale * contactToScale;
    const double dx = xyz[b][0] - x;
    const double dy = xyz[b][1] - y;
    const double dz = xyz[b][2] - z;
    vdw += vanDerWaals(epsilon, rstar, std::sqrt(dx * dx + dy * dy + dz * dz));
  }
  return e + vdw;
}

EnergySums ForceField::sums()
{
  const Vector3* xyz = m_xyz.data();
  EnergySums s;
  eachPair([&](int i, int j) { s.pairs += pairEnergy(i, j, xyz); });
  m_pairEnergy = s.pairs;
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
  return s.pairs + s.stretches + s.angles + s.torsions + s.planarity;
}

double ForceField::storedEnergy() const
{
  double e = m_pairEnergy;
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
