#pragma once

#include "thermo/molecule_graph.h"
#include "thermo/molecule_thermo.h"

#include <array>
#include <memory>
#include <optional>

namespace trelvix {

/// Heat capacities of a group additivity estimate at 300, 400, 500, 600, 800 and 1000 K.
inline constexpr std::array<double, 6> groupTemperatures{ 300, 400, 500, 600, 800, 1000 };

/// The standard-state thermochemistry of a species from its groups: formation enthalpy and
/// entropy at 298.15 K (cal/mol, cal/(mol K)) and the heat capacities at groupTemperatures,
/// joined by straight lines, held at the end values beyond them. It covers 200 to 1500 K.
class GroupThermo : public SpeciesThermo
{
public:
  GroupThermo(double dHf298, double S298, const std::array<double, 6>& cp);

  double enthalpy(double T) const override;
  double entropy(double T) const override;
  double heatCapacity(double T) const override;
  bool covers(double T) const override;

  double dHf298() const { return dHf298_; }
  double S298() const { return S298_; }

private:
  double dHf298_;
  double S298_;
  std::array<double, 6> cp_;

  // The integrals of Cp and of Cp/T from 298.15 K to T.
  double heatFromReference(double T) const;
  double entropyFromReference(double T) const;
};

/// Benson's group additivity for a neutral, closed-shell species of carbon, hydrogen, oxygen,
/// nitrogen and the halogens with at least two heavy atoms (a nitro group may carry its charges):
/// the sum of its groups' values, the corrections for rings of three to six atoms and for
/// neighbouring substituents of a benzene or pyridine ring, and the entropy of its symmetry
/// (−R ln σ) and of its optical isomers (R ln 2 per stereocentre). nullptr when a group, a ring
/// or an element is beyond the tables (fused rings, C=N, a halogen on a chain), and when a group
/// serves its enthalpy only (pyridine nitrogen, nitro groups, secondary amides, fluorine and
/// bromine on a ring).
std::unique_ptr<GroupThermo> groupAdditivity(const SpeciesGraph& graph);

/// The formation enthalpy at 298.15 K (cal/mol) from the same groups and corrections, also where
/// some group has no published entropy and heat capacities; nullopt when a group is beyond the
/// tables.
std::optional<double> groupFormationEnthalpy(const SpeciesGraph& graph);

/// A species whose formation enthalpy comes from its groups and whose entropy and heat capacity
/// come from another source (the statistical mechanics of its estimate): that source's enthalpy
/// moved to the groups' value at 298.15 K. It covers what its source covers.
class GroupEnthalpyThermo : public SpeciesThermo
{
public:
  GroupEnthalpyThermo(double dHf298, std::shared_ptr<const SpeciesThermo> entropySource);

  double enthalpy(double T) const override;
  double entropy(double T) const override;
  double heatCapacity(double T) const override;
  bool covers(double T) const override;

  double dHf298() const { return dHf298_; }

private:
  double dHf298_;
  std::shared_ptr<const SpeciesThermo> source_;
};

} // namespace trelvix
