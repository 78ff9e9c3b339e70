#pragma once

#include "mechanics/partition_function.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace trelvix {

class SpeciesThermo;
class tArrow;
class tDrawing;
class tStructure;
struct ReferenceSpecies;

/// Where a species' enthalpy and entropy come from, best first; None when no source knows it.
enum class ThermoSource
{
  ReferenceData,
  GroupAdditivity,
  Estimate,
  FluidModel,
  None,
};

/// "reference data", "group additivity", "estimate", "van der Waals fluid model" or "no data".
const char* sourceText(ThermoSource source);

/// One species of a drawn reaction: a structure of the document with its partition function and
/// its force-field formation energy (cal/mol), and what better sources know of it.
struct ReactionSpecies
{
  tStructure* structure = nullptr;
  std::unique_ptr<tPF> pf;
  double formationEnergy = 0;
  /// The gas of the reference table the structure was recognised as; nullptr when none.
  const ReferenceSpecies* reference = nullptr;
  /// Its standard-state thermochemistry from the reference table and from group additivity;
  /// empty when that source does not know it.
  std::shared_ptr<const SpeciesThermo> referenceThermo;
  std::shared_ptr<const SpeciesThermo> groupThermo;
  /// Set when the better sources were sought: every number is then on the formation basis
  /// (elements in their standard states at 298.15 K as zero), and a species no source serves
  /// has no data rather than the force field's own numbers.
  bool bestSources = false;
  /// The force-field estimate on the formation basis: its enthalpy at 298.15 K less its atoms'
  /// in the same model, plus the gaseous atoms' formation enthalpies; S and Cp from statistical
  /// mechanics. Empty with the reason in estimateRefusal when it cannot be had.
  std::shared_ptr<const SpeciesThermo> estimateThermo;
  std::string estimateRefusal;
  /// The liquid or solid of the condensed table the structure was recognised as in its phase,
  /// and its numbers; nullptr when none.
  const ReferenceSpecies* condensedReference = nullptr;
  std::shared_ptr<const SpeciesThermo> condensedThermo;
  /// Its gas's best source moved into its phase by the van der Waals fluid model, when the
  /// structure carries solute parameters.
  std::shared_ptr<const SpeciesThermo> fluidThermo;

  /// The best source for the species at T kelvin: for a gas the reference table, group
  /// additivity, the estimate; for a liquid or solid the table of its phase, the fluid model;
  /// each only within the temperatures it covers. Without the better sources: the estimate.
  ThermoSource sourceAt(double T) const;
  /// The standard-state numbers of that source; nullptr for the force field's own estimate and
  /// for no data.
  const SpeciesThermo* standardAt(double T) const;
  /// The recognised name (the gas table's, else the condensed table's), else the formula.
  std::string name() const;
};

/// The thermochemistry of a document's structures, prepared when the reaction is analysed and
/// freed after: one species per molecule of Groups (graphic symbols never count, nor a piece
/// that lies wholly inside another), each with an empty partition function until its levels are
/// filled in.
class ReactionThermo
{
public:
  explicit ReactionThermo(tDrawing& drawing);

  tDrawing& drawing() const { return drawing_; }
  std::vector<ReactionSpecies>& species() { return species_; }
  const std::vector<ReactionSpecies>& species() const { return species_; }

private:
  tDrawing& drawing_;
  std::vector<ReactionSpecies> species_;
};

/// The reaction arrow the analysis reads: the first symbol of kind 101..105; nullptr without one.
const tArrow* reactionArrow(const tDrawing& drawing);

/// True when the elements (atomic numbers times moles, each atom by the side of its own x; an atom
/// on the arrow's line counts as left) and the masses (by the side of each structure's centre; a
/// centre on the line counts as right) agree on both sides within 0.001.
bool checkbalance(const tArrow& arrow, const ReactionThermo& thermo);
/// The right-minus-left excess of hydrogens ("%3.1fH ") and of each heavier element in ascending
/// order ("%3.1f" then the symbol and a blank); parts within 0.001 of zero are left out.
std::string imbalanceText(const tArrow& arrow, const ReactionThermo& thermo);

// The changes of the reaction, products minus reactants as the arrow points: sign x (right − left).
// cal/mol and cal/(mol K); T kelvin, P atmospheres. A species with standard-state numbers takes
// its enthalpy and entropy at T from them (its energy being that enthalpy less R T for a gas, its
// entropy less R ln(P / 1 bar)), so that ΔG = ΔH − T ΔS; the others their force-field energies
// and partition functions, as the classic estimate has them.
double deltaE(const tArrow& arrow, ReactionThermo& thermo, double T, double P);
double deltaS(const tArrow& arrow, ReactionThermo& thermo, double T, double P);
double deltaA(const tArrow& arrow, ReactionThermo& thermo, double T, double P);
double deltaH(const tArrow& arrow, ReactionThermo& thermo, double T, double P);
double deltaG(const tArrow& arrow, ReactionThermo& thermo, double T, double P);
/// The change of heat capacity, cal/(mol K), from the species' standard numbers; NaN when a
/// species has none (the classic estimate holds every heat capacity at 3 R).
double deltaCp(const tArrow& arrow, ReactionThermo& thermo, double T);

/// Which sources the species use at T: "reference data for 4 of 4 species", or for mixed sources
/// each source with its count, best first ("reference data for 2, estimate for 1 of 3 species").
std::string sourcesText(const ReactionThermo& thermo, double T);
/// The same as short lines, one per source used, best first: "reference data: 2 of 3"; then,
/// with the better sources, one line per species not from reference data on how it was had
/// (speciesSourceText).
std::vector<std::string> sourcesLines(const ReactionThermo& thermo, double T);
/// Which source a species used at T and how: "water (liquid): reference data, NASA-Glenn",
/// "C5H5N (gas): estimate, formation enthalpy through the gaseous atoms, S and Cp from
/// statistical mechanics", or its no-data text.
std::string speciesSourceText(const ReactionSpecies& species, double T);
/// Why no source serves a species at T: "no data for water as a solid at 298 K", "no data for
/// C5H5N as a liquid", "no data for CH3 as a gas: the force-field estimate needs its hydrogens
/// drawn".
std::string noDataText(const ReactionSpecies& species, double T);

/// log10 K = −ΔG / (2.303 R T); nullopt at T = 0, where it is undefined.
std::optional<double> logK(double dG, double T);
/// The verdict the reaction tool shows for a balanced reaction; empty when ΔH or ΔG lies within
/// 0.001 of zero (the tool then keeps its previous text).
std::string verdictText(double dH, double dG);

/// What the reaction tool shows for a document at T and P, numbers and texts.
struct ReactionResult
{
  bool balanced = false;
  std::string imbalance;
  double dH = 0;
  double dS = 0;
  double dG = 0;
  std::optional<double> logK;
  /// "Balanced" or "Unbalanced".
  std::string status;
  /// The verdict for a balanced reaction, the imbalance text for an unbalanced one.
  std::string message;
  std::string dHText;
  std::string dGText;
  std::string dSText;
  std::string logKText;
  /// Which source each species used (sourcesText).
  std::string sources;
  /// Per species, which source it used and how (speciesSourceText).
  std::vector<std::string> speciesSources;
  /// The no-data texts of the species no source serves, joined by "; "; empty when every
  /// species has its numbers. A reaction with one gives no numbers and no verdict.
  std::string noData;
};

ReactionResult analyseReaction(const tArrow& arrow, ReactionThermo& thermo, double T, double P);

} // namespace trelvix
