#pragma once

// A limited-memory BFGS minimiser whose state lives between calls, so that a run can go in chunks
// of iterations (the window repaints and may stop it in between) without losing its curvature
// history. Each iteration costs the energy and gradient plus a few vectors of 3N: nothing grows
// with the square of the atom count, as a dense BFGS does. A preconditioner, when given, stands
// for the initial inverse Hessian of the two-loop recursion.
#include <deque>
#include <functional>
#include <span>
#include <vector>

namespace trelvix {

/// The energy at x; the gradient at x written into gradient (same length as x).
using EnergyAndGradient =
  std::function<double(std::span<const double> x, std::span<double> gradient)>;

/// An approximate Hessian P whose inverse the minimiser applies to its vectors.
class Preconditioner
{
public:
  virtual ~Preconditioner() = default;
  /// Rebuilds P at x.
  virtual void update(std::span<const double> x) = 0;
  /// v becomes P⁻¹ v.
  virtual void apply(std::span<double> v) const = 0;
};

class LimitedMemoryBfgs
{
public:
  /// Starts at x. gradientTolerance: converged when no gradient component is larger. maxStep:
  /// no coordinate moves more than this in one iteration. preconditioner (not owned, may be
  /// null) is rebuilt at the start and every few iterations.
  LimitedMemoryBfgs(EnergyAndGradient function,
                    std::vector<double> x,
                    double gradientTolerance,
                    double maxStep,
                    Preconditioner* preconditioner = nullptr);

  /// Up to steps iterations; true once converged (then further calls do nothing).
  bool iterate(int steps);
  const std::vector<double>& x() const { return m_x; }
  double energy() const { return m_energy; }
  bool converged() const { return m_converged; }
  /// Iterations taken so far.
  int iterations() const { return m_iterations; }
  /// The largest gradient component now.
  double largestGradient() const;

private:
  void direction(std::vector<double>& d) const;
  bool step();

  EnergyAndGradient m_function;
  std::vector<double> m_x;
  std::vector<double> m_gradient;
  double m_energy = 0;
  double m_tolerance;
  double m_maxStep;
  Preconditioner* m_preconditioner;
  bool m_converged = false;
  int m_iterations = 0;
  struct Pair
  {
    std::vector<double> s;
    std::vector<double> y;
    double rho;
  };
  std::deque<Pair> m_history;
};

} // namespace trelvix
