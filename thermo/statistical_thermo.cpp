// Thermodynamic functions of an ideal-gas molecule from statistical mechanics: translation, the
// rigid rotor, harmonic oscillators and the spin degeneracy.
#include "thermo/statistical_thermo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace trelvix {

namespace {

// CODATA 2018 exact constants, SI.
constexpr double planck = 6.62607015e-34;
constexpr double boltzmann = 1.380649e-23;
constexpr double kilogramsPerAmu = 1.66053906660e-27;
// The standard pressure, 1 bar.
constexpr double standardPressure = 1.0e5;
// hc/k, cm K: a wavenumber's vibrational temperature.
constexpr double secondRadiation = 1.438776877;
// Below this (amu Å²) the smallest moment is that of the axis of a linear molecule.
constexpr double linearMoment = 1e-3;
// Residual translations and rotations of a normal-mode analysis lie below this, cm⁻¹.
constexpr double residualWavenumber = 1.0;
constexpr double lowestT = 50.0;
constexpr double highestT = 3000.0;

// The eigenvalues of a symmetric 3 x 3 matrix, ascending (the trigonometric closed form).
std::array<double, 3> symmetricEigenvalues(const std::array<std::array<double, 3>, 3>& a)
{
  const double p1 = a[0][1] * a[0][1] + a[0][2] * a[0][2] + a[1][2] * a[1][2];
  std::array<double, 3> e{ a[0][0], a[1][1], a[2][2] };
  if (p1 > 0) {
    const double q = (a[0][0] + a[1][1] + a[2][2]) / 3;
    const double p2 = (a[0][0] - q) * (a[0][0] - q) + (a[1][1] - q) * (a[1][1] - q) +
                      (a[2][2] - q) * (a[2][2] - q) + 2 * p1;
    const double p = std::sqrt(p2 / 6);
    std::array<std::array<double, 3>, 3> b{};
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j)
        b[i][j] = (a[i][j] - (i == j ? q : 0.0)) / p;
    const double det = b[0][0] * (b[1][1] * b[2][2] - b[1][2] * b[2][1]) -
                       b[0][1] * (b[1][0] * b[2][2] - b[1][2] * b[2][0]) +
                       b[0][2] * (b[1][0] * b[2][1] - b[1][1] * b[2][0]);
    const double phi = std::acos(std::clamp(det / 2, -1.0, 1.0)) / 3;
    e[2] = q + 2 * p * std::cos(phi);
    e[0] = q + 2 * p * std::cos(phi + 2 * std::numbers::pi / 3);
    e[1] = 3 * q - e[0] - e[2];
  }
  std::sort(e.begin(), e.end());
  return e;
}

// The rotational temperature h² / (8 π² I k) of a moment in amu Å², kelvin.
double rotationalTemperature(double moment)
{
  const double inertia = moment * kilogramsPerAmu * 1e-20;
  return planck * planck / (8 * std::numbers::pi * std::numbers::pi * inertia * boltzmann);
}

} // namespace

std::array<double, 3> principalMoments(const MolecularModel& model)
{
  double total = 0;
  std::array<double, 3> centre{};
  for (std::size_t i = 0; i < model.masses.size(); ++i) {
    total += model.masses[i];
    for (int k = 0; k < 3; ++k)
      centre[k] += model.masses[i] * model.positions[i][k];
  }
  if (total <= 0)
    return {};
  for (double& c : centre)
    c /= total;
  std::array<std::array<double, 3>, 3> inertia{};
  for (std::size_t i = 0; i < model.masses.size(); ++i) {
    std::array<double, 3> r{};
    for (int k = 0; k < 3; ++k)
      r[k] = model.positions[i][k] - centre[k];
    const double r2 = r[0] * r[0] + r[1] * r[1] + r[2] * r[2];
    for (int j = 0; j < 3; ++j)
      for (int k = 0; k < 3; ++k)
        inertia[j][k] += model.masses[i] * ((j == k ? r2 : 0.0) - r[j] * r[k]);
  }
  std::array<double, 3> moments = symmetricEigenvalues(inertia);
  for (double& m : moments)
    m = std::max(m, 0.0);
  return moments;
}

StatisticalResult statisticalThermo(const MolecularModel& model, double formationEnthalpy298)
{
  StatisticalResult result;
  if (model.masses.empty() || model.masses.size() != model.positions.size()) {
    result.error = "the molecule has no atoms";
    return result;
  }
  if (model.symmetryNumber < 1 || model.multiplicity < 1) {
    result.error = "the symmetry number and the spin multiplicity must be 1 or more";
    return result;
  }
  auto thermo = std::unique_ptr<StatisticalThermo>(new StatisticalThermo);
  for (const VibrationalMode& mode : model.modes) {
    if (mode.wavenumber <= -residualWavenumber) {
      char text[96];
      std::snprintf(
        text, sizeof text, "the geometry is not a minimum: a mode of %.0fi cm-1", -mode.wavenumber);
      result.error = text;
      return result;
    }
    if (mode.wavenumber >= residualWavenumber && mode.count > 0)
      thermo->oscillators_.emplace_back(secondRadiation * mode.wavenumber, mode.count);
  }
  thermo->dHf298_ = formationEnthalpy298;
  thermo->modesFrom_ = model.modesFrom;
  for (double m : model.masses)
    thermo->massAmu_ += m;
  thermo->symmetryNumber_ = model.symmetryNumber;
  thermo->multiplicity_ = model.multiplicity;
  if (model.masses.size() > 1) {
    const std::array<double, 3> moments = principalMoments(model);
    const bool linear = moments[0] < linearMoment;
    thermo->rotationalAxes_ = linear ? 2 : 3;
    // A linear molecule's two equal moments give one rotational temperature.
    thermo->logRotationalTemperatures_ = linear ? std::log(rotationalTemperature(moments[2]))
                                                : std::log(rotationalTemperature(moments[0])) +
                                                    std::log(rotationalTemperature(moments[1])) +
                                                    std::log(rotationalTemperature(moments[2]));
  }
  result.thermo = std::move(thermo);
  return result;
}

double StatisticalThermo::thermalEnthalpy(double T) const
{
  // Translation 5/2 R T with the p V of the ideal gas; rotation R T per half of its axes.
  double h = 2.5 * T + (rotationalAxes_ == 3 ? 1.5 * T : rotationalAxes_ == 2 ? T : 0.0);
  for (const auto& [theta, count] : oscillators_)
    h += count * theta / std::expm1(theta / T);
  return tableR * h;
}

double StatisticalThermo::heatContent(double T) const
{
  return thermalEnthalpy(T) - thermalEnthalpy(referenceT);
}

double StatisticalThermo::enthalpy(double T) const
{
  return dHf298_ + heatContent(T);
}

double StatisticalThermo::entropy(double T) const
{
  const double mass = massAmu_ * kilogramsPerAmu;
  const double thermalLength = 2 * std::numbers::pi * mass * boltzmann * T / (planck * planck);
  double s = 1.5 * std::log(thermalLength) + std::log(boltzmann * T / standardPressure) + 2.5;
  if (rotationalAxes_ == 3)
    s += std::log(std::sqrt(std::numbers::pi) / symmetryNumber_) +
         0.5 * (3 * std::log(T) - logRotationalTemperatures_) + 1.5;
  else if (rotationalAxes_ == 2)
    s += std::log(T / symmetryNumber_) - logRotationalTemperatures_ + 1;
  for (const auto& [theta, count] : oscillators_) {
    const double x = theta / T;
    s += count * (x / std::expm1(x) - std::log1p(-std::exp(-x)));
  }
  s += std::log(multiplicity_);
  return tableR * s;
}

double StatisticalThermo::heatCapacity(double T) const
{
  double cp = 2.5 + rotationalAxes_ / 2.0;
  for (const auto& [theta, count] : oscillators_) {
    const double x = theta / T;
    const double e = std::expm1(x);
    cp += count * x * x * (e + 1) / (e * e);
  }
  return tableR * cp;
}

bool StatisticalThermo::covers(double T) const
{
  return T >= lowestT && T <= highestT;
}

} // namespace trelvix
