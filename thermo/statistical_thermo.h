#pragma once

#include "thermo/molecule_thermo.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace trelvix {

/// A vibrational mode: its wavenumber (cm⁻¹) and how many modes share it (a degenerate pair
/// counts 2; a weighted level may count a fraction).
struct VibrationalMode
{
  double wavenumber = 0;
  double count = 1;
};

/// One molecule as statistical mechanics sees it: its atoms' masses (g/mol) and positions
/// (Ångström), its vibrational modes, its rotational symmetry number and its spin multiplicity.
struct MolecularModel
{
  std::vector<double> masses;
  std::vector<std::array<double, 3>> positions;
  std::vector<VibrationalMode> modes;
  int symmetryNumber = 1;
  int multiplicity = 1;
  /// Where the modes come from, for the sources line ("MMFF94 normal modes"); empty for the
  /// classic force field's levels.
  std::string modesFrom;
};

/// The principal moments of inertia about the centre of mass, amu Å², ascending.
std::array<double, 3> principalMoments(const MolecularModel& model);

struct StatisticalResult;

/// A molecule's ideal-gas functions at 1 bar from the rigid rotor and harmonic oscillator:
/// translation, rotation (none for an atom, two axes for a linear molecule), each mode an
/// oscillator, and the electronic entropy R ln(multiplicity). Its enthalpy is anchored on a
/// formation enthalpy at 298.15 K (cal/mol) and rises by the heat the model takes up from
/// 298.15 K; entropy and heat capacity cal/(mol K). It covers 50 to 3000 K.
class StatisticalThermo : public SpeciesThermo
{
public:
  double enthalpy(double T) const override;
  double entropy(double T) const override;
  double heatCapacity(double T) const override;
  bool covers(double T) const override;

  /// H(T) − H(298.15 K), cal/mol.
  double heatContent(double T) const;
  bool linear() const { return rotationalAxes_ == 2; }
  const std::string& modesFrom() const { return modesFrom_; }

private:
  friend StatisticalResult statisticalThermo(const MolecularModel& model,
                                             double formationEnthalpy298);
  StatisticalThermo() = default;

  // The thermal enthalpy above the zero-point level, cal/mol.
  double thermalEnthalpy(double T) const;

  double dHf298_ = 0;
  double massAmu_ = 0;
  int rotationalAxes_ = 0;
  // ln of the product of the rotational temperatures (kelvin) of the axes that rotate.
  double logRotationalTemperatures_ = 0;
  double symmetryNumber_ = 1;
  double multiplicity_ = 1;
  // The vibrational temperatures (kelvin) and how many modes share each.
  std::vector<std::pair<double, double>> oscillators_;
  std::string modesFrom_;
};

/// The functions of a molecule, or the reason there are none: an imaginary mode ("the geometry
/// is not a minimum: a mode of 123i cm⁻¹"), a symmetry number or multiplicity below 1, or no
/// atoms. Modes below 1 cm⁻¹ in magnitude are the leftovers of translation and rotation and are
/// left out.
struct StatisticalResult
{
  std::unique_ptr<StatisticalThermo> thermo;
  std::string error;
};

StatisticalResult statisticalThermo(const MolecularModel& model, double formationEnthalpy298);

} // namespace trelvix
