#pragma once

#include <cstdint>
#include <vector>

namespace trelvix {

class TFragment;

/// One vibrational level: g merged modes of wavenumber nu (cm⁻¹), each weighted by the redundancy
/// weight w of its internal coordinate.
struct tNu
{
  std::int16_t g = 1;
  double w = 1.0;
  double nu = 0;

  /// The vibrational temperature hc nu / k, kelvin.
  double theta() const { return 1.4387885812797891 * nu; }
};

/// The vibrational partition function of a fragment: its levels and the energy, Helmholtz energy
/// and entropy they give at a temperature, plus the pressure-volume term of enthalpy and Gibbs
/// energy. Energies cal/mol, entropies cal/(mol K), T kelvin, P atmospheres.
class tPF
{
public:
  /// Levels merge when their wavenumbers differ by less than this, cm⁻¹.
  static constexpr double mergeWidth = 10.0;
  static constexpr double R = 1.98717;

  /// Reads the fragment's molar mass, moment product and phase; no levels yet.
  explicit tPF(const TFragment& fragment);

  const TFragment& S;
  double molarMass = 0;
  double momentProduct = 0;
  std::uint8_t state = 0;

  const std::vector<tNu>& levels() const { return levels_; }
  /// Merges level into the first one closer than mergeWidth (degeneracy-weighted mean wavenumber,
  /// degeneracies added), else appends it.
  void InsertFreq(const tNu& level);

  /// Σ g w R θ (1/2 + 1/(eˣ − 1)), x = θ / (T + 0.001).
  double Energy(double T);
  /// Σ g w R (θ/2 + T' ln(1 − e⁻ˣ)), T' = T + 0.001.
  double Helmholtz(double T);
  /// (Energy − Helmholtz) / (T + 0.001).
  double Entropy(double T);
  /// The pressure-volume term of the fragment's amount plus Energy.
  double Enthalpy(double T, double P);
  /// The pressure-volume term of the fragment's amount plus Helmholtz.
  double Gibbs(double T, double P);
  /// 3R for every fragment and temperature.
  static double HeatCapacity() { return 5.96151; }
  /// The temperature (plus 0.001) the cached energy belongs to; 0 before the first call.
  double energyCacheTemperature() const { return energy_.T; }

private:
  /// A sum over the levels for one temperature (plus 0.001); empty until first asked.
  struct Cache
  {
    bool filled = false;
    double T = 0;
    double value = 0;
  };
  /// Σ g w R perMode(θ, T + 0.001), from the cache while T lies within 0.001 K of its own.
  template<class PerMode>
  double cachedSum(Cache& cache, double T, PerMode perMode) const;
  double pressureVolume(double T, double P) const;

  std::vector<tNu> levels_;
  Cache energy_;
  Cache helmholtz_;
  double entropy_ = 0;
};

} // namespace trelvix
