#include "forcefields/lbfgs.h"

#include <algorithm>
#include <cmath>

namespace trelvix {

namespace {

// Curvature pairs kept, and the sufficient-decrease constant of the backtracking line search.
constexpr std::size_t memory = 10;
constexpr double armijo = 1e-4;
constexpr int halvings = 40;
// Relative size of the energy's rounding: near the minimum a step along a stiff coordinate
// lowers the energy by less than this, and then a lower gradient decides.
constexpr double energyNoise = 1e-12;
// Iterations between rebuilds of the preconditioner.
constexpr int preconditionerRefresh = 10;

double dot(const std::vector<double>& a, const std::vector<double>& b)
{
  double sum = 0;
  for (std::size_t i = 0; i < a.size(); ++i)
    sum += a[i] * b[i];
  return sum;
}

double largest(const std::vector<double>& v)
{
  double m = 0;
  for (const double x : v)
    m = std::max(m, std::abs(x));
  return m;
}

} // namespace

LimitedMemoryBfgs::LimitedMemoryBfgs(EnergyAndGradient function,
                                     std::vector<double> x,
                                     double gradientTolerance,
                                     double maxStep,
                                     Preconditioner* preconditioner)
  : m_function(std::move(function))
  , m_x(std::move(x))
  , m_gradient(m_x.size())
  , m_tolerance(gradientTolerance)
  , m_maxStep(maxStep)
  , m_preconditioner(preconditioner)
{
  if (m_preconditioner)
    m_preconditioner->update(m_x);
  m_energy = m_function(m_x, m_gradient);
  m_converged = largest(m_gradient) < m_tolerance;
}

double LimitedMemoryBfgs::largestGradient() const
{
  return largest(m_gradient);
}

// d = −H g by the two-loop recursion, H₀ the preconditioner's inverse or else the last pair's
// scale; without either a steepest-descent step of at most maxStep.
void LimitedMemoryBfgs::direction(std::vector<double>& d) const
{
  d = m_gradient;
  std::vector<double> alpha(m_history.size());
  for (std::size_t k = m_history.size(); k-- > 0;) {
    const Pair& p = m_history[k];
    alpha[k] = p.rho * dot(p.s, d);
    for (std::size_t i = 0; i < d.size(); ++i)
      d[i] -= alpha[k] * p.y[i];
  }
  if (m_preconditioner) {
    m_preconditioner->apply(d);
  } else {
    double scale = 0;
    if (m_history.empty()) {
      const double g = largest(m_gradient);
      scale = g > 0 ? m_maxStep / g : 0;
    } else {
      const Pair& last = m_history.back();
      scale = dot(last.s, last.y) / dot(last.y, last.y);
    }
    for (double& v : d)
      v *= scale;
  }
  for (std::size_t k = 0; k < m_history.size(); ++k) {
    const Pair& p = m_history[k];
    const double beta = p.rho * dot(p.y, d);
    for (std::size_t i = 0; i < d.size(); ++i)
      d[i] += (alpha[k] - beta) * p.s[i];
  }
  for (double& v : d)
    v = -v;
}

bool LimitedMemoryBfgs::step()
{
  std::vector<double> d;
  direction(d);
  double slope = dot(d, m_gradient);
  if (!(slope < 0)) {
    // Not downhill: the history is forgotten and the step is steepest descent.
    m_history.clear();
    direction(d);
    slope = dot(d, m_gradient);
  }
  const double longest = largest(d);
  if (longest > m_maxStep) {
    for (double& v : d)
      v *= m_maxStep / longest;
    slope *= m_maxStep / longest;
  }
  std::vector<double> trial(m_x.size()), gradient(m_x.size());
  const double noise = energyNoise * std::max(1.0, std::abs(m_energy));
  const double gradientSquared = dot(m_gradient, m_gradient);
  double t = 1;
  for (int tries = 0; tries < halvings; ++tries, t *= 0.5) {
    for (std::size_t i = 0; i < m_x.size(); ++i)
      trial[i] = m_x[i] + t * d[i];
    const double e = m_function(trial, gradient);
    const bool lower = e <= m_energy + armijo * t * slope;
    const bool flatter = e <= m_energy + noise && dot(gradient, gradient) < gradientSquared;
    if (std::isfinite(e) && (lower || flatter)) {
      Pair p{ std::vector<double>(m_x.size()), std::vector<double>(m_x.size()), 0 };
      for (std::size_t i = 0; i < m_x.size(); ++i) {
        p.s[i] = trial[i] - m_x[i];
        p.y[i] = gradient[i] - m_gradient[i];
      }
      const double sy = dot(p.s, p.y);
      if (sy > 1e-12) {
        p.rho = 1 / sy;
        m_history.push_back(std::move(p));
        if (m_history.size() > memory)
          m_history.pop_front();
      }
      m_x.swap(trial);
      m_gradient.swap(gradient);
      m_energy = e;
      return true;
    }
  }
  return false;
}

bool LimitedMemoryBfgs::iterate(int steps)
{
  for (int k = 0; k < steps && !m_converged; ++k) {
    ++m_iterations;
    if (m_preconditioner && m_iterations % preconditionerRefresh == 0)
      m_preconditioner->update(m_x);
    if (!step()) {
      if (m_history.empty()) {
        m_converged = true; // no step lowers the energy: as low as the numbers go
        break;
      }
      m_history.clear();
      continue;
    }
    m_converged = largest(m_gradient) < m_tolerance;
  }
  return m_converged;
}

} // namespace trelvix
