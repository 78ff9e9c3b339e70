// The analysis of a drawn reaction: which structures stand left and right of the arrow, whether
// the elements balance, and the reaction's energy, entropy, enthalpy and Gibbs energy changes.
#include "mechanics/reaction.h"

#include "document/arrows.h"
#include "document/drawing.h"
#include "document/symbol.h"
#include "model/atom.h"
#include "model/element_table.h"
#include "platform/fixed_text.h"
#include "thermo/molecule_thermo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>

namespace trelvix {

namespace {

constexpr double R = tPF::R;
constexpr double tolerance = 0.001;

enum class Side
{
  Left,
  Right,
  OnLine
};

double arrowX(const tArrow& arrow)
{
  return arrow.center0().x;
}

Side sideOf(double x, const tArrow& arrow)
{
  const double line = arrowX(arrow);
  return x < line ? Side::Left : x > line ? Side::Right : Side::OnLine;
}

double centreX(const tStructure& s)
{
  double x = 0, y = 0, z = 0;
  s.getcg(x, y, z);
  return x;
}

// Gas-phase states take the ideal-gas terms of enthalpy and Gibbs energy.
bool isGasState(const tStructure& s)
{
  return s.phase == 0 || s.phase == 3;
}

// sign x (Σ right − Σ left) of term over the species; species on the arrow's line count as
// onLine says (or not at all).
template<class Term>
double signedSum(const tArrow& arrow, ReactionThermo& thermo, std::optional<Side> onLine, Term term)
{
  double sum = 0;
  for (ReactionSpecies& sp : thermo.species()) {
    Side side = sideOf(centreX(*sp.structure), arrow);
    if (side == Side::OnLine) {
      if (!onLine)
        continue;
      side = *onLine;
    }
    const double value = term(sp);
    sum += side == Side::Right ? value : -value;
  }
  return arrow.sign() * sum;
}

// The per-element right-minus-left sums of the atoms, each atom by its own side (on the line:
// left), weighted by its structure's moles.
std::map<int, double> elementExcess(const tArrow& arrow, const ReactionThermo& thermo)
{
  std::map<int, double> excess;
  for (const ReactionSpecies& sp : thermo.species()) {
    for (const tXY* a : sp.structure->Atoms) {
      if (a->textFlag || a->element <= 0)
        continue;
      const double moles = sp.structure->amount;
      excess[a->element] += sideOf(a->x3, arrow) == Side::Right ? moles : -moles;
    }
  }
  return excess;
}

bool isMolecule(const tStructure* s)
{
  return !dynamic_cast<const tSymbol*>(s);
}

// A piece all of whose atoms another piece holds (a branch grown onto a molecule stays a piece
// of its own besides) is part of that molecule, not a species of its own; of two pieces with the
// same atoms the earlier one counts.
bool isPartOfAnother(const tStructure* s, const tBaseList<tStructure>& groups)
{
  for (int i = 0; i < groups.Count(); ++i) {
    const tStructure* other = groups.At(i);
    if (other == s || !isMolecule(other) || other->Atoms.Count() < s->Atoms.Count())
      continue;
    const bool holdsAll = std::all_of(
      s->Atoms.begin(), s->Atoms.end(), [&](const tXY* a) { return other->Atoms.Contains(a); });
    if (holdsAll && (other->Atoms.Count() > s->Atoms.Count() || i < groups.IndexOf(s)))
      return true;
  }
  return false;
}

} // namespace

ReactionThermo::ReactionThermo(tDrawing& drawing)
  : drawing_(drawing)
{
  for (tStructure* s : drawing.Groups) {
    if (!isMolecule(s) || isPartOfAnother(s, drawing.Groups))
      continue;
    ReactionSpecies sp;
    sp.structure = s;
    sp.pf = std::make_unique<tPF>(*s);
    species_.push_back(std::move(sp));
  }
}

const tArrow* reactionArrow(const tDrawing& drawing)
{
  if (!drawing.Symbols)
    return nullptr;
  for (const tSymbol* s : *drawing.Symbols) {
    if (s->symbolKind >= PlainSymbol && s->symbolKind <= EquilibriumArrow2Symbol) {
      if (const auto* arrow = dynamic_cast<const tArrow*>(s))
        return arrow;
    }
  }
  return nullptr;
}

bool checkbalance(const tArrow& arrow, const ReactionThermo& thermo)
{
  double massLeft = 0, massRight = 0, elementsLeft = 0, elementsRight = 0;
  for (const ReactionSpecies& sp : thermo.species()) {
    const tStructure& s = *sp.structure;
    (sideOf(centreX(s), arrow) == Side::Left ? massLeft : massRight) += s.getmw() * s.amount;
    for (const tXY* a : s.Atoms) {
      if (a->textFlag)
        continue;
      // An atom's implicit hydrogens count with it, as they do in the mass: methane drawn as
      // a bare carbon balances the same as one drawn with its four hydrogens.
      (sideOf(a->x3, arrow) == Side::Right ? elementsRight : elementsLeft) +=
        (a->element + (countsImplicitHydrogens(a->element) ? a->mult() : 0)) * s.amount;
    }
  }
  return std::fabs(elementsLeft - elementsRight) < tolerance &&
         std::fabs(massLeft - massRight) < tolerance;
}

std::string imbalanceText(const tArrow& arrow, const ReactionThermo& thermo)
{
  double hydrogens = 0;
  for (const ReactionSpecies& sp : thermo.species()) {
    const tStructure& s = *sp.structure;
    const double n = s.Atoms.nHydrogens() * s.amount;
    hydrogens += sideOf(centreX(s), arrow) == Side::Right ? n : -n;
  }
  std::string text;
  if (std::fabs(hydrogens) > tolerance)
    text += fixedText(hydrogens, 3, 1) + "H ";
  for (const auto& [z, excess] : elementExcess(arrow, thermo)) {
    if (z > 1 && std::fabs(excess) > tolerance)
      text += fixedText(excess, 3, 1) + elementData(z).symbol + " ";
  }
  return text;
}

namespace {

std::map<ThermoSource, int> sourceCounts(const ReactionThermo& thermo, double T)
{
  std::map<ThermoSource, int> counts;
  for (const ReactionSpecies& sp : thermo.species())
    ++counts[sp.sourceAt(T)];
  return counts;
}

} // namespace

std::vector<std::string> sourcesLines(const ReactionThermo& thermo, double T)
{
  std::vector<std::string> lines;
  for (const auto& [source, count] : sourceCounts(thermo, T))
    lines.push_back(std::string(sourceText(source)) + ": " + std::to_string(count) + " of " +
                    std::to_string(thermo.species().size()));
  // Reference data speaks for itself; every other way a species was had is named.
  for (const ReactionSpecies& sp : thermo.species()) {
    if (sp.bestSources && sp.sourceAt(T) != ThermoSource::ReferenceData)
      lines.push_back(speciesSourceText(sp, T));
  }
  return lines;
}

std::string sourcesText(const ReactionThermo& thermo, double T)
{
  const std::map<ThermoSource, int> counts = sourceCounts(thermo, T);
  std::string text;
  for (const auto& [source, count] : counts)
    text += (text.empty() ? "" : ", ") + std::string(sourceText(source)) + " for " +
            std::to_string(count);
  return text + " of " + std::to_string(thermo.species().size()) + " species";
}

namespace {

// The standard pressure is 1 bar; the tool's pressures are atmospheres.
constexpr double barPerAtm = 1.01325;
// The shift keeps ln P finite when the pressure has been driven to zero.
constexpr double pressureShift = 1e-05;

double gasTerm(const ReactionSpecies& sp, double T)
{
  return isGasState(*sp.structure) ? R * T : 0.0;
}

// A species' standard-state entropy at T and P atmospheres: a gas's less R ln(P / 1 bar).
double standardEntropy(const ReactionSpecies& sp, const SpeciesThermo& standard, double T, double P)
{
  const double pressure =
    isGasState(*sp.structure) ? tableR * std::log((P + pressureShift) * barPerAtm) : 0.0;
  return standard.entropy(T) - pressure;
}

// A reaction with a species no source serves has no numbers.
constexpr double noNumber = std::numeric_limits<double>::quiet_NaN();

// The no-data texts of the species no source serves at T, joined by "; ".
std::string noDataOf(const ReactionThermo& thermo, double T)
{
  std::string text;
  for (const ReactionSpecies& sp : thermo.species()) {
    if (sp.sourceAt(T) == ThermoSource::None)
      text += (text.empty() ? "" : "; ") + noDataText(sp, T);
  }
  return text;
}

// The classic estimate's entropy terms of a species.
double classicEntropy(ReactionSpecies& sp, double T, double P)
{
  return sp.structure->SVDW(T, P) + sp.pf->Entropy(T) * sp.structure->amount;
}

} // namespace

double deltaE(const tArrow& arrow, ReactionThermo& thermo, double T, double P)
{
  if (!noDataOf(thermo, T).empty())
    return noNumber;
  return signedSum(arrow, thermo, std::nullopt, [&](ReactionSpecies& sp) {
    const double moles = sp.structure->amount;
    if (const SpeciesThermo* standard = sp.standardAt(T))
      return moles * (standard->enthalpy(T) - gasTerm(sp, T));
    return sp.formationEnergy * moles + sp.structure->Evdw(T, P) + sp.pf->Energy(T) * moles;
  });
}

double deltaS(const tArrow& arrow, ReactionThermo& thermo, double T, double P)
{
  if (!noDataOf(thermo, T).empty())
    return noNumber;
  return signedSum(arrow, thermo, std::nullopt, [&](ReactionSpecies& sp) {
    if (const SpeciesThermo* standard = sp.standardAt(T))
      return sp.structure->amount * standardEntropy(sp, *standard, T, P);
    return classicEntropy(sp, T, P);
  });
}

double deltaA(const tArrow& arrow, ReactionThermo& thermo, double T, double P)
{
  return deltaE(arrow, thermo, T, P) - T * deltaS(arrow, thermo, T, P);
}

double deltaH(const tArrow& arrow, ReactionThermo& thermo, double T, double P)
{
  if (!noDataOf(thermo, T).empty())
    return noNumber;
  // A species with standard numbers gives its enthalpy whole; the classic estimate adds the gas
  // term R T to the energy, a species on the arrow's line counting left there.
  const double standard = signedSum(arrow, thermo, std::nullopt, [&](ReactionSpecies& sp) {
    const SpeciesThermo* s = sp.standardAt(T);
    return s ? sp.structure->amount * s->enthalpy(T) : 0.0;
  });
  const double classicEnergy = signedSum(arrow, thermo, std::nullopt, [&](ReactionSpecies& sp) {
    return sp.standardAt(T) ? 0.0
                            : sp.formationEnergy * sp.structure->amount + sp.structure->Evdw(T, P) +
                                sp.pf->Energy(T) * sp.structure->amount;
  });
  const double classicGas = signedSum(arrow, thermo, Side::Left, [&](ReactionSpecies& sp) {
    return sp.standardAt(T) ? 0.0 : gasTerm(sp, T) * sp.structure->amount;
  });
  return standard + classicEnergy + classicGas;
}

double deltaG(const tArrow& arrow, ReactionThermo& thermo, double T, double P)
{
  if (!noDataOf(thermo, T).empty())
    return noNumber;
  // Standard numbers: ΔH − T ΔS with the ΔS printed, its pressure term included. The classic
  // estimate: its ΔH and ΔS at the shifted pressure, plus R T ln P for each gas.
  const double shiftedP = P + pressureShift;
  const double standard = signedSum(arrow, thermo, std::nullopt, [&](ReactionSpecies& sp) {
    const SpeciesThermo* s = sp.standardAt(T);
    return s ? sp.structure->amount * (s->enthalpy(T) - T * standardEntropy(sp, *s, T, P)) : 0.0;
  });
  const double classicEntropies = signedSum(arrow, thermo, std::nullopt, [&](ReactionSpecies& sp) {
    return sp.standardAt(T) ? 0.0 : classicEntropy(sp, T, shiftedP);
  });
  const double classicH = deltaH(arrow, thermo, T, shiftedP) -
                          signedSum(arrow, thermo, std::nullopt, [&](ReactionSpecies& sp) {
                            const SpeciesThermo* s = sp.standardAt(T);
                            return s ? sp.structure->amount * s->enthalpy(T) : 0.0;
                          });
  const double classicPressure = signedSum(arrow, thermo, Side::Right, [&](ReactionSpecies& sp) {
    return !sp.standardAt(T) && isGasState(*sp.structure)
             ? R * sp.structure->amount * T * std::log(shiftedP)
             : 0.0;
  });
  return standard + classicH - T * classicEntropies + classicPressure;
}

double deltaCp(const tArrow& arrow, ReactionThermo& thermo, double T)
{
  return signedSum(arrow, thermo, std::nullopt, [&](ReactionSpecies& sp) {
    const SpeciesThermo* s = sp.standardAt(T);
    return s ? sp.structure->amount * s->heatCapacity(T) : noNumber;
  });
}

std::optional<double> logK(double dG, double T)
{
  if (!(T > 0))
    return std::nullopt;
  // log10 e and 1 / R.
  // Adding zero turns the negative zero of a ΔG of 0 into a plain one.
  return 0.4342944805818469 * (0.5032282089604815 * -dG / T) + 0.0;
}

std::string verdictText(double dH, double dG)
{
  const bool endothermic = dH > tolerance;
  const bool exothermic = dH < -tolerance;
  const bool nonSpontaneous = dG > tolerance;
  const bool spontaneous = dG < -tolerance;
  if (!(endothermic || exothermic) || !(spontaneous || nonSpontaneous))
    return {};
  return std::string(endothermic ? "Endothermic" : "Exothermic") + ", " +
         (spontaneous ? "Spontaneous" : "Non-spontaneous");
}

ReactionResult analyseReaction(const tArrow& arrow, ReactionThermo& thermo, double T, double P)
{
  ReactionResult r;
  r.balanced = checkbalance(arrow, thermo);
  r.noData = noDataOf(thermo, T);
  for (const ReactionSpecies& sp : thermo.species())
    r.speciesSources.push_back(speciesSourceText(sp, T));
  r.dH = deltaH(arrow, thermo, T, P);
  r.dS = deltaS(arrow, thermo, T, P);
  r.dG = deltaG(arrow, thermo, T, P);
  r.logK = logK(r.dG, T);
  r.dHText = fixedText(r.dH * 0.001, 10, std::fabs(r.dH) < 10000 ? 2 : 1);
  r.dGText = fixedText(r.dG * 0.001, 10, std::fabs(r.dG) < 10000 ? 2 : 1);
  r.dSText = fixedText(r.dS, 10, std::fabs(r.dS) < 100 ? 2 : 1);
  r.logKText = r.logK ? fixedText(*r.logK, 10, std::fabs(*r.logK) < 10 ? 2 : 1) : "undefined";
  r.sources = sourcesText(thermo, T);
  if (r.balanced) {
    r.status = "Balanced";
    // No verdict the tables cannot support: the message says which species has no data.
    r.message = r.noData.empty() ? verdictText(r.dH, r.dG) : r.noData;
  } else {
    r.status = "Unbalanced";
    r.imbalance = imbalanceText(arrow, thermo);
    r.message = r.imbalance;
  }
  return r;
}

} // namespace trelvix
