#include "exchange/structure_record.h"

#include "document/drawing.h"
#include "model/atom.h"
#include "model/defaults.h"
#include "model/element_table.h"
#include "model/link.h"

#include <numeric>
#include <optional>
#include <unordered_map>
#include <vector>

namespace trelvix {

namespace {

// Type codes as records carry them: resonance stays 3 (aromatic), triple resonance counts as
// triple, the dative bond keeps its direction.
int recordCode(const tLink& bond)
{
  switch (bond.bondType()) {
    case TripleResonanceBond:
      return TripleBond;
    default:
      return bond.bondType();
  }
}

bool isMoleculeAtom(const tXY& atom)
{
  return atom.isatom() && atom.element <= maxElement;
}

Wedge wedgeOf(const tLink& bond)
{
  if (bond.bondType() != SingleBond)
    return Wedge::None;
  switch (bond.lineStyle) {
    case 2:
      return Wedge::Solid;
    case 3:
      return Wedge::Hashed;
    default:
      return Wedge::None;
  }
}

// The record of the given element atoms and of those bonds that join two of them.
template<typename Atoms, typename Bonds>
MoleculeRecord recordOf(const Atoms& atoms, const Bonds& bonds)
{
  MoleculeRecord m;
  m.dimensions = 2;
  const double factor = angstromsPerUnit();
  std::unordered_map<const tXY*, int> index;
  for (const tXY* a : atoms) {
    if (!isMoleculeAtom(*a))
      continue;
    index.emplace(a, static_cast<int>(m.atoms.size()));
    AtomRecord r;
    r.element = a->element;
    r.charge = a->charge;
    r.hydrogens = countsImplicitHydrogens(a->element) ? a->mult() : 0;
    r.x = a->x3 * factor;
    // 0 - v rather than -v: a zero stays +0 and is written "0.0000", not "-0.0000".
    r.y = 0.0 - a->y3 * factor;
    r.z = 0.0 - a->z3 * factor;
    if (r.z != 0)
      m.dimensions = 3;
    m.atoms.push_back(r);
  }
  for (const tLink* b : bonds) {
    const auto first = index.find(b->Atm1);
    const auto second = index.find(b->Atm2);
    if (first == index.end() || second == index.end() || first->second == second->second ||
        b->bondType() == HydrogenBond)
      continue;
    BondRecord r;
    r.a = first->second;
    r.b = second->second;
    r.code = recordCode(*b);
    r.aromatic = b->isAromatic();
    r.wedge = wedgeOf(*b);
    // The point of a wedge is at atom 1 with flip side 2, else at atom 2.
    if (r.wedge != Wedge::None && b->flipSide != 2)
      std::swap(r.a, r.b);
    m.bonds.push_back(r);
  }
  return m;
}

// Disjoint sets of atom positions, joined by union by size.
class AtomSets
{
public:
  explicit AtomSets(std::size_t n)
    : m_parent(n)
    , m_size(n, 1)
  {
    std::iota(m_parent.begin(), m_parent.end(), 0);
  }

  std::size_t root(std::size_t i)
  {
    while (m_parent[i] != i) {
      m_parent[i] = m_parent[m_parent[i]];
      i = m_parent[i];
    }
    return i;
  }

  void join(std::size_t a, std::size_t b)
  {
    a = root(a);
    b = root(b);
    if (a == b)
      return;
    if (m_size[a] < m_size[b])
      std::swap(a, b);
    m_parent[b] = a;
    m_size[a] += m_size[b];
  }

private:
  std::vector<std::size_t> m_parent;
  std::vector<std::size_t> m_size;
};

} // namespace

MoleculeRecord structureRecord(const tStructure& structure)
{
  MoleculeRecord m = recordOf(structure.Atoms, structure.Bonds);
  m.data = structure.dataItems;
  return m;
}

std::vector<MoleculeRecord> documentRecords(const tDrawing& drawing)
{
  std::vector<const tXY*> atoms;
  std::unordered_map<const tXY*, std::size_t> index;
  for (const tXY* a : drawing.Atoms) {
    if (isMoleculeAtom(*a) && index.emplace(a, atoms.size()).second)
      atoms.push_back(a);
  }
  AtomSets sets(atoms.size());
  std::unordered_map<const tXY*, const tStructure*> pieceOf;
  for (const tStructure* piece : drawing.Groups) {
    std::optional<std::size_t> first;
    for (const tXY* a : piece->Atoms) {
      const auto found = index.find(a);
      if (found == index.end())
        continue;
      pieceOf.emplace(a, piece);
      if (first)
        sets.join(*first, found->second);
      else
        first = found->second;
    }
  }
  std::vector<const tLink*> bonds;
  for (const tLink* b : drawing.Bonds) {
    const auto first = index.find(b->Atm1);
    const auto second = index.find(b->Atm2);
    if (first == index.end() || second == index.end() || b->bondType() == HydrogenBond)
      continue;
    sets.join(first->second, second->second);
    bonds.push_back(b);
  }
  // One record per set, in the order of each set's first atom in the document.
  std::unordered_map<std::size_t, std::size_t> recordOfRoot;
  std::vector<std::vector<const tXY*>> recordAtoms;
  for (std::size_t i = 0; i < atoms.size(); ++i) {
    const auto [it, added] = recordOfRoot.emplace(sets.root(i), recordAtoms.size());
    if (added)
      recordAtoms.emplace_back();
    recordAtoms[it->second].push_back(atoms[i]);
  }
  std::vector<std::vector<const tLink*>> recordBonds(recordAtoms.size());
  for (const tLink* b : bonds)
    recordBonds[recordOfRoot[sets.root(index[b->Atm1])]].push_back(b);
  std::vector<MoleculeRecord> records;
  records.reserve(recordAtoms.size());
  for (std::size_t r = 0; r < recordAtoms.size(); ++r) {
    records.push_back(recordOf(recordAtoms[r], recordBonds[r]));
    // The data items of the piece the molecule's first atom belongs to.
    const auto piece = pieceOf.find(recordAtoms[r].front());
    if (piece != pieceOf.end())
      records.back().data = piece->second->dataItems;
  }
  return records;
}

} // namespace trelvix
