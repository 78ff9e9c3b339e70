// The better sources of a reaction's species, all on the formation basis: the reference tables
// of gases and of liquids and solids, group additivity, the force-field estimate converted
// through the gaseous atoms, and the van der Waals fluid model.
#include "mechanics/thermo_sources.h"

#include "document/structure.h"
#include "mechanics/harmonic_modes_source.h"
#include "mechanics/reaction.h"
#include "model/atom.h"
#include "model/defaults.h"
#include "model/element_table.h"
#include "model/link.h"
#include "thermo/group_additivity.h"
#include "thermo/recognition.h"
#include "thermo/statistical_thermo.h"
#include "thermo/structure_graph.h"
#include "thermo/symmetry_number.h"

#include <cmath>
#include <map>

namespace trelvix {

namespace {

HarmonicModesSource g_harmonicModes;

/// " on MMFF94 normal modes" when the statistical mechanics of thermo ran on a force field's
/// modes, else nothing (the classic levels).
std::string modesText(const SpeciesThermo* thermo)
{
  const auto* statistical = dynamic_cast<const StatisticalThermo*>(thermo);
  return statistical && !statistical->modesFrom().empty() ? " on " + statistical->modesFrom()
                                                          : std::string{};
}

// The temperature the force field's enthalpy is taken at and the fluid model's change of phase.
constexpr double estimateT = referenceT;
// The classic model's molar volume of its ideal gas, litres (its entropy's fixed reference).
constexpr double classicGasVolume = 22.413;

enum class PhaseKind
{
  Gas,
  Liquid,
  Solid,
  Solution,
};

PhaseKind phaseKind(const tStructure& s)
{
  switch (s.phase) {
    case tbasefragment::Solid:
      return PhaseKind::Solid;
    case tbasefragment::Liquid:
    case tbasefragment::Solvent:
      return PhaseKind::Liquid;
    case tbasefragment::Solution:
      return PhaseKind::Solution;
    default:
      return PhaseKind::Gas;
  }
}

const char* phaseWords(PhaseKind kind)
{
  switch (kind) {
    case PhaseKind::Liquid:
      return "as a liquid";
    case PhaseKind::Solid:
      return "as a solid";
    case PhaseKind::Solution:
      return "in solution";
    default:
      return "as a gas";
  }
}

const char* phaseName(PhaseKind kind)
{
  switch (kind) {
    case PhaseKind::Liquid:
      return "liquid";
    case PhaseKind::Solid:
      return "solid";
    case PhaseKind::Solution:
      return "solution";
    default:
      return "gas";
  }
}

bool covers(const std::shared_ptr<const SpeciesThermo>& thermo, double T)
{
  return thermo && thermo->covers(T);
}

// The gaseous atom of an element in the reference table; nullptr when the table has none.
const ReferenceSpecies* gaseousAtom(int element)
{
  static const std::map<int, const ReferenceSpecies*> atoms = [] {
    std::map<int, const ReferenceSpecies*> found;
    for (const ReferenceSpecies& s : referenceSpecies()) {
      const std::optional<SpeciesGraph> g = graphFromSmiles(s.smiles);
      if (g && g->atoms.size() == 1 && g->atoms[0].hydrogens == 0 && g->atoms[0].charge == 0 &&
          s.formula == elementData(g->atoms[0].element).symbol)
        found.emplace(g->atoms[0].element, &s);
    }
    return found;
  }();
  const auto it = atoms.find(element);
  return it == atoms.end() ? nullptr : it->second;
}

// A gas's functions moved into a condensed phase by constant changes of enthalpy and entropy;
// the heat capacity stays the gas's. The gas takes the first of its sources that covers T.
class ShiftedThermo : public SpeciesThermo
{
public:
  ShiftedThermo(std::vector<std::shared_ptr<const SpeciesThermo>> gas, double dH, double dS)
    : gas_(std::move(gas))
    , dH_(dH)
    , dS_(dS)
  {
  }

  double enthalpy(double T) const override { return gasAt(T)->enthalpy(T) + dH_; }
  double entropy(double T) const override { return gasAt(T)->entropy(T) + dS_; }
  double heatCapacity(double T) const override { return gasAt(T)->heatCapacity(T); }
  bool covers(double T) const override { return gasAt(T) != nullptr; }

private:
  const SpeciesThermo* gasAt(double T) const
  {
    for (const auto& g : gas_) {
      if (g && g->covers(T))
        return g.get();
    }
    return nullptr;
  }

  std::vector<std::shared_ptr<const SpeciesThermo>> gas_;
  double dH_;
  double dS_;
};

// The van der Waals fluid model's change from its ideal gas to the structure's phase at 298.15 K
// and 1 atm, per mole: ΔH = c − a/V − R T, ΔS = R ln((V − b) / 22.413) − R (and the solute's
// dilution term), as the classic functions have them. nullopt without solute parameters.
std::optional<std::pair<double, double>> fluidChange(const tStructure& s)
{
  const VdwParms v = s.GetVdwParms(estimateT, 1.0);
  if (!(v.a > 0.001 && v.b > 0.001))
    return std::nullopt;
  const double R = tPF::R;
  const double dH = v.c - v.a / v.V - R * estimateT;
  double dS = R * std::log(std::max(v.V - v.b, 1e-12) / classicGasVolume) - R;
  if (s.phase == tbasefragment::Solution)
    dS -= std::log(0.08);
  return std::pair{ dH, dS };
}

MoleculeGeometry geometryOf(const tStructure& s, std::vector<const tXY*>& atoms)
{
  MoleculeGeometry g;
  std::map<const tXY*, int> index;
  const double angstroms = angstromsPerUnit();
  for (const tXY* a : s.Atoms) {
    if (a->element <= 0 || a->textFlag || index.count(a))
      continue;
    index[a] = static_cast<int>(atoms.size());
    atoms.push_back(a);
    g.elements.push_back(a->element);
    g.positions.push_back({ a->x3 * angstroms, a->y3 * angstroms, a->z3 * angstroms });
  }
  for (const tLink* b : s.Bonds) {
    const auto i = index.find(b->Atm1), j = index.find(b->Atm2);
    if (i != index.end() && j != index.end() && i->second != j->second &&
        b->bondType() != HydrogenBond)
      g.bonds.emplace_back(i->second, j->second);
  }
  return g;
}

} // namespace

const char* sourceText(ThermoSource source)
{
  switch (source) {
    case ThermoSource::ReferenceData:
      return "reference data";
    case ThermoSource::GroupAdditivity:
      return "group additivity";
    case ThermoSource::Estimate:
      return "estimate";
    case ThermoSource::FluidModel:
      return "van der Waals fluid model";
    default:
      return "no data";
  }
}

ThermoSource ReactionSpecies::sourceAt(double T) const
{
  if (!structure)
    return ThermoSource::Estimate;
  if (phaseKind(*structure) != PhaseKind::Gas) {
    if (covers(condensedThermo, T))
      return ThermoSource::ReferenceData;
    if (covers(fluidThermo, T))
      return ThermoSource::FluidModel;
    return bestSources ? ThermoSource::None : ThermoSource::Estimate;
  }
  if (covers(referenceThermo, T))
    return ThermoSource::ReferenceData;
  if (covers(groupThermo, T))
    return ThermoSource::GroupAdditivity;
  if (!bestSources)
    return ThermoSource::Estimate;
  return covers(estimateThermo, T) ? ThermoSource::Estimate : ThermoSource::None;
}

const SpeciesThermo* ReactionSpecies::standardAt(double T) const
{
  const bool gas = !structure || phaseKind(*structure) == PhaseKind::Gas;
  switch (sourceAt(T)) {
    case ThermoSource::ReferenceData:
      return gas ? referenceThermo.get() : condensedThermo.get();
    case ThermoSource::GroupAdditivity:
      return groupThermo.get();
    case ThermoSource::Estimate:
      return bestSources ? estimateThermo.get() : nullptr;
    case ThermoSource::FluidModel:
      return fluidThermo.get();
    default:
      return nullptr;
  }
}

std::string ReactionSpecies::name() const
{
  if (reference)
    return reference->name;
  if (condensedReference)
    return condensedReference->name;
  return structure ? hillFormula(structureGraph(*structure)) : std::string{};
}

std::string noDataText(const ReactionSpecies& species, double T)
{
  const PhaseKind kind = species.structure ? phaseKind(*species.structure) : PhaseKind::Gas;
  std::string text = "no data for " + species.name() + " " + phaseWords(kind);
  const bool outOfRange =
    kind == PhaseKind::Gas ? species.estimateThermo != nullptr : species.condensedThermo != nullptr;
  if (outOfRange)
    text += " at " + std::to_string(static_cast<long>(std::lround(T))) + " K";
  else if (kind == PhaseKind::Gas && !species.estimateRefusal.empty())
    text += ": " + species.estimateRefusal;
  return text;
}

std::string speciesSourceText(const ReactionSpecies& species, double T)
{
  const PhaseKind kind = species.structure ? phaseKind(*species.structure) : PhaseKind::Gas;
  const std::string who = species.name() + " (" + phaseName(kind) + "): ";
  const ThermoSource source = species.sourceAt(T);
  switch (source) {
    case ThermoSource::ReferenceData: {
      const ReferenceSpecies* r =
        kind == PhaseKind::Gas ? species.reference : species.condensedReference;
      // The form the table holds, when it has a name of its own: "(graphite)".
      const std::string form =
        r && r->name != species.name() ? " (" + r->name + ")" : std::string{};
      return who + "reference data" + (r ? ", " + r->source + form : std::string{});
    }
    case ThermoSource::GroupAdditivity:
      return who +
             (dynamic_cast<const GroupEnthalpyThermo*>(species.groupThermo.get())
                ? "group additivity for the formation enthalpy, Benson's groups; S and "
                  "Cp from statistical mechanics" +
                    modesText(species.estimateThermo.get()) + " (the groups' own are not published)"
                : "group additivity, Benson's groups");
    case ThermoSource::Estimate:
      return who + (species.bestSources
                      ? "estimate, formation enthalpy through the gaseous atoms (NASA-Glenn, "
                        "NIST-JANAF), S and Cp from statistical mechanics" +
                          modesText(species.estimateThermo.get())
                      : "estimate, force field and partition function");
    case ThermoSource::FluidModel:
      return who + "van der Waals fluid model from its solute parameters, on its gas's best source";
    default:
      return noDataText(species, T);
  }
}

void setHarmonicModesSource(HarmonicModesSource source)
{
  g_harmonicModes = std::move(source);
}

const HarmonicModesSource& harmonicModesSource()
{
  return g_harmonicModes;
}

EstimateResult formationBasisEstimate(const ReactionSpecies& species)
{
  EstimateResult result;
  const tStructure& s = *species.structure;
  std::vector<const tXY*> atoms;
  MoleculeGeometry geometry = geometryOf(s, atoms);
  if (atoms.empty()) {
    result.refusal = "it has no atoms";
    return result;
  }
  // The force field knows the hydrogens it is shown; an atom's implicit ones it leaves out, and
  // with them the bonds whose energy the atoms' enthalpies would count.
  double atomEnthalpies = 0;
  MolecularModel model;
  for (const tXY* a : atoms) {
    if (countsImplicitHydrogens(a->element) && a->mult() > 0) {
      result.refusal = "the force-field estimate needs its hydrogens drawn";
      return result;
    }
    const ReferenceSpecies* atom = gaseousAtom(a->element);
    if (!atom) {
      result.refusal =
        std::string("no formation enthalpy of the gaseous atom ") + elementData(a->element).symbol;
      return result;
    }
    atomEnthalpies += atom->dHf298;
    model.masses.push_back(a->atomicWeight);
  }
  // The force field's bond energies are bond enthalpies at 298.15 K: its formation energy is
  // the species' enthalpy above its separated atoms, without the zero-point and thermal terms
  // of its levels (CH4 -16.3 kcal/mol against -17.9, H2O -58.2 against -57.8, NH3 -9.7
  // against -11.0).
  const double dHf298 = species.formationEnergy + atomEnthalpies;
  // The modes of a force field beside the classic one where it serves the species (its geometry
  // at that field's minimum with them), else the classic levels at the drawn geometry.
  std::optional<HarmonicModes> harmonic;
  if (g_harmonicModes)
    harmonic = g_harmonicModes(*species.structure);
  if (harmonic && harmonic->masses.size() == model.masses.size()) {
    model.masses = harmonic->masses; // in the order of its positions
    model.positions = harmonic->positions;
    for (const double nu : harmonic->wavenumbers)
      model.modes.push_back({ nu, 1 });
    model.modesFrom = harmonic->origin;
  } else {
    model.positions = geometry.positions;
    for (const tNu& level : species.pf->levels())
      model.modes.push_back({ level.nu, level.g * level.w });
  }
  model.symmetryNumber = rotationalSymmetryNumber(geometry);
  model.multiplicity = spinMultiplicity(structureGraph(s));
  StatisticalResult stat = statisticalThermo(model, dHf298);
  if (!stat.thermo) {
    result.refusal = stat.error;
    return result;
  }
  result.thermo = std::move(stat.thermo);
  return result;
}

void findBetterSources(ReactionThermo& thermo)
{
  for (ReactionSpecies& sp : thermo.species())
    findSpeciesSources(sp);
}

void findSpeciesSources(ReactionSpecies& sp)
{
  {
    sp.bestSources = true;
    sp.reference = recogniseSpecies(*sp.structure);
    if (sp.reference)
      sp.referenceThermo = std::make_shared<NasaThermo>(sp.reference->thermo());
    sp.groupThermo = groupAdditivity(structureGraph(*sp.structure));
    EstimateResult estimate = formationBasisEstimate(sp);
    sp.estimateThermo = std::move(estimate.thermo);
    sp.estimateRefusal = std::move(estimate.refusal);
    // Groups with a published enthalpy only: the formation enthalpy from them, S and Cp from the
    // estimate's statistical mechanics.
    if (!sp.groupThermo && sp.estimateThermo) {
      if (const auto dH = groupFormationEnthalpy(structureGraph(*sp.structure)))
        sp.groupThermo = std::make_shared<GroupEnthalpyThermo>(*dH, sp.estimateThermo);
    }
    const PhaseKind kind = phaseKind(*sp.structure);
    if (kind == PhaseKind::Gas)
      return;
    if (kind != PhaseKind::Solution) {
      const SpeciesPhase phase =
        kind == PhaseKind::Solid ? SpeciesPhase::Solid : SpeciesPhase::Liquid;
      sp.condensedReference = recogniseInPhase(*sp.structure, phase);
      if (sp.condensedReference)
        sp.condensedThermo = std::make_shared<NasaThermo>(sp.condensedReference->thermo());
    }
    if (const auto change = fluidChange(*sp.structure))
      sp.fluidThermo = std::make_shared<ShiftedThermo>(
        std::vector{ sp.referenceThermo, sp.groupThermo, sp.estimateThermo },
        change->first,
        change->second);
  }
}

} // namespace trelvix
