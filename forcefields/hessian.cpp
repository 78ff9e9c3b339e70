#include "forcefields/hessian.h"

#include <cstddef>

namespace trelvix {

namespace {

void symmetrise(std::vector<double>& h, std::size_t n)
{
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      const double mean = 0.5 * (h[i * n + j] + h[j * n + i]);
      h[i * n + j] = h[j * n + i] = mean;
    }
  }
}

} // namespace

std::optional<std::vector<double>> hessianFromGradients(const GradientFunction& gradient,
                                                        std::span<const double> x,
                                                        double step,
                                                        const HessianProgress& progress)
{
  const std::size_t n = x.size();
  std::vector<double> h(n * n);
  std::vector<double> at(x.begin(), x.end());
  std::vector<double> plus(n), minus(n);
  for (std::size_t i = 0; i < n; ++i) {
    at[i] = x[i] + step;
    gradient(at, plus);
    at[i] = x[i] - step;
    gradient(at, minus);
    at[i] = x[i];
    for (std::size_t j = 0; j < n; ++j)
      h[i * n + j] = (plus[j] - minus[j]) / (2 * step);
    if (progress && !progress(static_cast<int>(i + 1), static_cast<int>(n)))
      return std::nullopt;
  }
  symmetrise(h, n);
  return h;
}

std::optional<std::vector<double>> hessianFromEnergies(const EnergyFunction& energy,
                                                       std::span<const double> x,
                                                       double step,
                                                       const HessianProgress& progress)
{
  const std::size_t n = x.size();
  std::vector<double> h(n * n);
  std::vector<double> at(x.begin(), x.end());
  const double centre = energy(at);
  for (std::size_t i = 0; i < n; ++i) {
    at[i] = x[i] + 2 * step;
    const double up = energy(at);
    at[i] = x[i] - 2 * step;
    const double down = energy(at);
    at[i] = x[i];
    h[i * n + i] = (up - 2 * centre + down) / (4 * step * step);
    for (std::size_t j = i + 1; j < n; ++j) {
      double corners = 0;
      for (const int si : { 1, -1 }) {
        for (const int sj : { 1, -1 }) {
          at[i] = x[i] + si * step;
          at[j] = x[j] + sj * step;
          corners += si * sj * energy(at);
        }
      }
      at[i] = x[i];
      at[j] = x[j];
      h[i * n + j] = h[j * n + i] = corners / (4 * step * step);
    }
    if (progress && !progress(static_cast<int>(i + 1), static_cast<int>(n)))
      return std::nullopt;
  }
  return h;
}

} // namespace trelvix
