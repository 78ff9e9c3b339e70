// A drawn structure as a species graph: heavy atoms, their hydrogens, their bonds.
#include "thermo/structure_graph.h"

#include "document/structure.h"
#include "model/atom.h"
#include "model/link.h"

#include <map>

namespace trelvix {

namespace {

// The order a bond code stands for: 0 for an aromatic or resonance bond, -1 for a hydrogen bond.
int orderOf(const tLink& bond)
{
  if (bond.typeCode >= AromaticMark)
    return 0;
  switch (bond.bondType()) {
    case HydrogenBond:
      return -1;
    case ResonanceBond:
      return 0;
    case DoubleBond:
    case TripleResonanceBond:
      return 2;
    case TripleBond:
      return 3;
    default:
      return 1;
  }
}

bool isElementAtom(const tXY* a)
{
  return a && a->element > 0 && !a->textFlag;
}

} // namespace

SpeciesGraph structureGraph(const tStructure& structure)
{
  // Every element atom first, hydrogens included; hydrogens bonded to one other atom are then
  // folded into that atom's count, as the species' own hydrogens.
  std::vector<const tXY*> atoms;
  std::map<const tXY*, int> index;
  for (const tXY* a : structure.Atoms) {
    if (isElementAtom(a) && !index.count(a)) {
      index[a] = static_cast<int>(atoms.size());
      atoms.push_back(a);
    }
  }
  std::vector<GraphBond> bonds;
  for (const tLink* b : structure.Bonds) {
    const auto i = index.find(b->Atm1), j = index.find(b->Atm2);
    const int order = orderOf(*b);
    if (i != index.end() && j != index.end() && order >= 0 && i->second != j->second)
      bonds.push_back({ i->second, j->second, order });
  }
  std::vector<int> hydrogens(atoms.size(), 0), bondCount(atoms.size(), 0);
  for (std::size_t i = 0; i < atoms.size(); ++i)
    hydrogens[i] = countsImplicitHydrogens(atoms[i]->element) ? atoms[i]->mult() : 0;
  for (const GraphBond& b : bonds) {
    ++bondCount[b.a];
    ++bondCount[b.b];
  }
  std::vector<bool> folded(atoms.size(), false);
  for (const GraphBond& b : bonds) {
    for (const auto& [h, other] : { std::pair{ b.a, b.b }, std::pair{ b.b, b.a } }) {
      const bool lone = atoms[h]->element == 1 && bondCount[h] == 1 && !folded[other];
      if (lone && !folded[h] && (atoms[other]->element != 1 || h > other)) {
        folded[h] = true;
        hydrogens[other] += 1 + hydrogens[h];
      }
    }
  }
  SpeciesGraph graph;
  std::vector<int> kept(atoms.size(), -1);
  for (std::size_t i = 0; i < atoms.size(); ++i) {
    if (folded[i])
      continue;
    kept[i] = static_cast<int>(graph.atoms.size());
    graph.atoms.push_back({ atoms[i]->element, hydrogens[i], atoms[i]->charge, false });
  }
  for (const GraphBond& b : bonds) {
    if (kept[b.a] >= 0 && kept[b.b] >= 0)
      graph.bonds.push_back({ kept[b.a], kept[b.b], b.order });
  }
  for (const GraphBond& b : graph.bonds) {
    if (b.order == 0)
      graph.atoms[b.a].aromatic = graph.atoms[b.b].aromatic = true;
  }
  return graph;
}

} // namespace trelvix
