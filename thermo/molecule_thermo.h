#pragma once

#include <array>

namespace trelvix {

/// The gas constant of the thermochemical tables, cal/(mol K): 8.314462618 J / 4.184 J/cal.
inline constexpr double tableR = 1.9872036;
/// The reference temperature of formation enthalpies and standard entropies, kelvin.
inline constexpr double referenceT = 298.15;

/// The standard-state thermochemistry of one ideal-gas species at temperature T (kelvin):
/// enthalpy (its formation enthalpy at 298.15 K plus the heat taken up from 298.15 K to T),
/// cal/mol; entropy and heat capacity, cal/(mol K). Each source says which temperatures it
/// covers; outside them its numbers are not to be used.
class SpeciesThermo
{
public:
  virtual ~SpeciesThermo() = default;
  virtual double enthalpy(double T) const = 0;
  virtual double entropy(double T) const = 0;
  virtual double heatCapacity(double T) const = 0;
  virtual bool covers(double T) const = 0;
};

/// The two seven-coefficient NASA polynomials of a species and the temperatures that bound them
/// (kelvin): Cp/R, H/(R T) and S/R by the standard forms, the low range up to midT.
struct NasaPolynomial
{
  double lowT = 0;
  double midT = 0;
  double highT = 0;
  std::array<double, 7> low{};
  std::array<double, 7> high{};

  double cpOverR(double T) const;
  double hOverRT(double T) const;
  double sOverR(double T) const;
};

/// A species' thermochemistry from its NASA polynomials, its enthalpy anchored on the formation
/// enthalpy at 298.15 K (cal/mol). It covers its polynomials' range and, below it, down to
/// lowestT (kelvin; 200 K for a gas: tables that start at 300 K are extrapolated over those few
/// kelvin, where Cp hardly changes).
class NasaThermo : public SpeciesThermo
{
public:
  NasaThermo(const NasaPolynomial& polynomial, double formationEnthalpy298, double lowestT = 200);

  double enthalpy(double T) const override;
  double entropy(double T) const override;
  double heatCapacity(double T) const override;
  bool covers(double T) const override;

private:
  NasaPolynomial p_;
  double dHf298_;
  double lowestT_;
};

} // namespace trelvix
