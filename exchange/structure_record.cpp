#include "exchange/structure_record.h"

#include "document/structure.h"
#include "model/atom.h"
#include "model/defaults.h"
#include "model/element_table.h"
#include "model/link.h"

#include <unordered_map>

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

} // namespace

MoleculeRecord structureRecord(const tStructure& structure)
{
  MoleculeRecord m;
  m.dimensions = 2;
  const double factor = angstromsPerUnit();
  std::unordered_map<const tXY*, int> index;
  for (const tXY* a : structure.Atoms) {
    if (!a->isatom() || a->element > maxElement)
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
  for (const tLink* b : structure.Bonds) {
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

} // namespace trelvix
