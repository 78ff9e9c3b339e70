// The elements in their reference states, and the formation functions of a species from them.
#include "thermo/element_references.h"

#include "thermo/reference_table.h"

#include <map>

namespace trelvix {

namespace {

// An element's reference state: a species of the tables and the atoms of the element in it.
struct ElementReference
{
  int element;
  const char* smiles;
  SpeciesPhase phase;
  int atoms;
};

constexpr ElementReference elementReferences[] = {
  { 1, "[H][H]", SpeciesPhase::Gas, 2 },  { 2, "[He]", SpeciesPhase::Gas, 1 },
  { 5, "[B]", SpeciesPhase::Solid, 1 },   { 6, "[C]", SpeciesPhase::Solid, 1 },
  { 7, "N#N", SpeciesPhase::Gas, 2 },     { 8, "O=O", SpeciesPhase::Gas, 2 },
  { 9, "FF", SpeciesPhase::Gas, 2 },      { 10, "[Ne]", SpeciesPhase::Gas, 1 },
  { 11, "[Na]", SpeciesPhase::Solid, 1 }, { 12, "[Mg]", SpeciesPhase::Solid, 1 },
  { 13, "[Al]", SpeciesPhase::Solid, 1 }, { 14, "[Si]", SpeciesPhase::Solid, 1 },
  { 15, "[P]", SpeciesPhase::Solid, 1 },  { 16, "[S]", SpeciesPhase::Solid, 1 },
  { 17, "ClCl", SpeciesPhase::Gas, 2 },   { 18, "[Ar]", SpeciesPhase::Gas, 1 },
  { 29, "[Cu]", SpeciesPhase::Solid, 1 }, { 35, "BrBr", SpeciesPhase::Liquid, 2 },
  { 36, "[Kr]", SpeciesPhase::Gas, 1 },   { 53, "II", SpeciesPhase::Solid, 2 },
  { 54, "[Xe]", SpeciesPhase::Gas, 1 },
};

// The first species of the tables with that identity and phase.
const ReferenceSpecies* findSpecies(const char* smiles, SpeciesPhase phase)
{
  const auto& table = phase == SpeciesPhase::Gas ? referenceSpecies() : condensedSpecies();
  for (const ReferenceSpecies& s : table) {
    if (s.smiles == smiles && s.phase == phase)
      return &s;
  }
  return nullptr;
}

} // namespace

std::optional<FormationValues> formationValues(const SpeciesThermo& thermo,
                                               const SpeciesGraph& graph,
                                               double T)
{
  std::map<int, int> composition;
  for (const GraphAtom& a : graph.atoms) {
    ++composition[a.element];
    if (a.hydrogens > 0)
      composition[1] += a.hydrogens;
  }
  double h = thermo.enthalpy(T), s = thermo.entropy(T);
  for (const auto& [element, count] : composition) {
    const ElementReference* ref = nullptr;
    for (const ElementReference& r : elementReferences) {
      if (r.element == element)
        ref = &r;
    }
    const ReferenceSpecies* species = ref ? findSpecies(ref->smiles, ref->phase) : nullptr;
    if (!species)
      return std::nullopt;
    const NasaThermo reference = species->thermo();
    if (!reference.covers(T))
      return std::nullopt;
    const double per = static_cast<double>(count) / ref->atoms;
    h -= per * reference.enthalpy(T);
    s -= per * reference.entropy(T);
  }
  return FormationValues{ h, h - T * s };
}

} // namespace trelvix
