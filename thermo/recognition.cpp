// Which reference species a drawn structure is.
#include "thermo/recognition.h"

#include "thermo/structure_graph.h"

#include <map>
#include <mutex>

namespace trelvix {

namespace {

CanonicalSmiles g_canonicalSmiles;

// The graphs of a table's species by formula, read once per table.
using GraphIndex = std::multimap<std::string, std::pair<SpeciesGraph, const ReferenceSpecies*>>;

const GraphIndex& graphIndex(const std::vector<ReferenceSpecies>& table)
{
  static std::mutex guard;
  static std::map<const std::vector<ReferenceSpecies>*, std::pair<std::size_t, GraphIndex>> cache;
  const std::lock_guard lock(guard);
  auto& [size, index] = cache[&table];
  if (size != table.size() || index.empty()) {
    index.clear();
    for (const ReferenceSpecies& s : table) {
      if (std::optional<SpeciesGraph> g = graphFromSmiles(s.smiles))
        index.emplace(s.formula, std::pair{ std::move(*g), &s });
    }
    size = table.size();
  }
  return index;
}

} // namespace

void setCanonicalSmiles(CanonicalSmiles canonicalSmiles)
{
  g_canonicalSmiles = std::move(canonicalSmiles);
}

const ReferenceSpecies* speciesWithGraph(const SpeciesGraph& graph,
                                         const std::vector<ReferenceSpecies>& table)
{
  if (graph.atoms.empty())
    return nullptr;
  const GraphIndex& index = graphIndex(table);
  const auto [first, last] = index.equal_range(hillFormula(graph));
  const ReferenceSpecies* found = nullptr;
  for (auto it = first; it != last; ++it) {
    if (!sameConnectivity(graph, it->second.first))
      continue;
    if (found)
      return nullptr; // isomers the graph cannot tell apart
    found = it->second.second;
  }
  return found;
}

const ReferenceSpecies* recogniseSpecies(const tStructure& structure,
                                         const std::vector<ReferenceSpecies>& table)
{
  if (g_canonicalSmiles) {
    const std::string smiles = g_canonicalSmiles(structure);
    for (const ReferenceSpecies& s : table) {
      if (!smiles.empty() && s.smiles == smiles)
        return &s;
    }
  }
  return speciesWithGraph(structureGraph(structure), table);
}

const ReferenceSpecies* recogniseInPhase(const tStructure& structure,
                                         SpeciesPhase phase,
                                         const std::vector<ReferenceSpecies>& table)
{
  if (g_canonicalSmiles) {
    const std::string smiles = g_canonicalSmiles(structure);
    for (const ReferenceSpecies& s : table) {
      if (!smiles.empty() && s.smiles == smiles && s.phase == phase)
        return &s;
    }
  }
  const SpeciesGraph graph = structureGraph(structure);
  if (graph.atoms.empty())
    return nullptr;
  const GraphIndex& index = graphIndex(table);
  const auto [first, last] = index.equal_range(hillFormula(graph));
  for (auto it = first; it != last; ++it) {
    if (it->second.second->phase == phase && sameConnectivity(graph, it->second.first))
      return it->second.second;
  }
  return nullptr;
}

} // namespace trelvix
