// Vibrational levels and the thermodynamic functions they give, with the textbook signs: the
// thermal parts raise the energy and lower the Helmholtz energy, so the entropy is positive and
// grows with the temperature.
#include "mechanics/partition_function.h"

#include "model/fragment.h"

#include <algorithm>
#include <cmath>

namespace trelvix {

namespace {

constexpr double temperatureShift = 0.001;
// Calories in one litre-atmosphere.
constexpr double caloriesPerLitreAtmosphere = 24.217242;

// A cache serves temperatures within 0.001 K of the one it was computed for. The first call
// always computes: an unfilled cache must not pass for a value at 0 K.
bool cacheIsStale(bool filled, double cacheT, double T)
{
  return !filled || std::fabs(cacheT - T) > temperatureShift;
}

} // namespace

tPF::tPF(const TFragment& fragment)
  : S(fragment)
  , molarMass(fragment.getmw())
  , momentProduct(fragment.GetIABC())
  , state(fragment.phase)
{
}

void tPF::InsertFreq(const tNu& level)
{
  // A level without a positive, finite wavenumber (a term of zero force constant) is no
  // oscillator: it would only put infinities into the sums.
  if (!(level.nu > 0) || !std::isfinite(level.nu))
    return;
  for (tNu& old : levels_) {
    if (std::fabs(old.nu - level.nu) < mergeWidth) {
      old.nu = (level.g * level.nu + old.g * old.nu) / (level.g + old.g);
      // A level cannot hold more modes than its 16-bit count says: it stops growing there.
      old.g = static_cast<std::int16_t>(std::min(old.g + level.g, 32767));
      return;
    }
  }
  levels_.push_back(level);
}

template<class PerMode>
double tPF::cachedSum(Cache& cache, double T, PerMode perMode) const
{
  if (cacheIsStale(cache.filled, cache.T, T)) {
    cache.filled = true;
    cache.T = T + temperatureShift;
    double sum = 0;
    for (const tNu& l : levels_)
      sum += l.g * l.w * R * perMode(l.theta(), cache.T);
    cache.value = sum;
  }
  return cache.value;
}

double tPF::Energy(double T)
{
  return cachedSum(energy_, T, [](double theta, double shiftedT) {
    return theta * (0.5 + 1.0 / std::expm1(theta / shiftedT));
  });
}

double tPF::Helmholtz(double T)
{
  return cachedSum(helmholtz_, T, [](double theta, double shiftedT) {
    return theta / 2 + shiftedT * std::log1p(-std::exp(-theta / shiftedT));
  });
}

double tPF::Entropy(double T)
{
  const double e = Energy(T);
  entropy_ = (e - Helmholtz(T)) / (T + temperatureShift);
  return entropy_;
}

double tPF::pressureVolume(double T, double P) const
{
  return caloriesPerLitreAtmosphere * S.amount * P * S.GetVdwParms(T, P).V;
}

double tPF::Enthalpy(double T, double P)
{
  return pressureVolume(T, P) + Energy(T);
}

double tPF::Gibbs(double T, double P)
{
  return pressureVolume(T, P) + Helmholtz(T);
}

} // namespace trelvix
