#include "model/matrix.h"

#include "platform/shell.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace trelvix {

namespace {

/// Diagonalize gives up after this many passes and returns what it has.
constexpr int maxRotations = 5000;

std::size_t squareCount(int n)
{
  return static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
}

} // namespace

tvectrix::tvectrix(int n)
  : m_values(n > 0 ? static_cast<std::size_t>(n) : 0, 0.0L)
{
}

long double tvectrix::getvalue(int i) const
{
  if (i < 1 || i > size()) {
    return 0.0L;
  }
  return m_values[static_cast<std::size_t>(i - 1)];
}

bool tvectrix::setvalue(int i, long double x)
{
  if (i < 1 || i > size()) {
    return false;
  }
  m_values[static_cast<std::size_t>(i - 1)] = x;
  return true;
}

tcelltrix::tcelltrix(int n)
  : m_n(n > 0 ? n : 0)
  , m_tolerance(static_cast<long double>(m_n) * (m_n - 1) * 0.00001L)
  , m_values(squareCount(m_n), 0.0L)
{
}

long double& tcelltrix::at(int i, int j)
{
  return m_values[static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(m_n) +
                  static_cast<std::size_t>(j - 1)];
}

long double tcelltrix::at(int i, int j) const
{
  return m_values[static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(m_n) +
                  static_cast<std::size_t>(j - 1)];
}

long double tcelltrix::getvalue(int i, int j) const
{
  if (!inRange(i) || !inRange(j)) {
    return 0.0L;
  }
  return at(i, j);
}

bool tcelltrix::setvalue(int i, int j, long double x)
{
  if (!inRange(i) || !inRange(j)) {
    return false;
  }
  at(i, j) = x;
  m_decomposed = false;
  return true;
}

tvectrix tcelltrix::column(int j) const
{
  tvectrix result(m_n);
  for (int i = 1; i <= m_n; ++i) {
    result.setvalue(i, getvalue(i, j));
  }
  return result;
}

void tcelltrix::Zeros()
{
  m_values.assign(squareCount(m_n), 0.0L);
  m_decomposed = false;
}

void tcelltrix::IdentityMatrix()
{
  Zeros();
  for (int i = 1; i <= m_n; ++i) {
    at(i, i) = 1.0L;
  }
}

long double tcelltrix::Residual() const
{
  long double sum = 0.0L;
  for (int i = 1; i < m_n; ++i) {
    for (int j = i + 1; j <= m_n; ++j) {
      sum += std::fabs(at(i, j));
    }
  }
  return 2.0L * sum;
}

bool tcelltrix::Annihilate(int p, int q)
{
  return rotate(p, q, nullptr);
}

bool tcelltrix::Annihilate(int p, int q, tcelltrix& vectors)
{
  if (vectors.size() != m_n) {
    return false;
  }
  return rotate(p, q, &vectors);
}

bool tcelltrix::rotate(int p, int q, tcelltrix* vectors)
{
  if (!inRange(p) || !inRange(q) || p == q) {
    return false;
  }
  // m_n ≥ 2 here, so the divisor is not 0.
  if (std::fabs(at(p, q)) < m_tolerance / (static_cast<long double>(m_n) * (m_n - 1))) {
    return false;
  }
  // tan φ is the smaller root of t² + b·t − 1 = 0, the condition for the rotated (p, q) to vanish.
  const long double b = (at(q, q) - at(p, p)) / at(p, q);
  const long double r = std::sqrt(b * b + 4.0L);
  const long double phi = std::atan((-b - r) / 2.0L);
  const long double c = std::cos(phi);
  const long double s = std::sin(phi);

  // Each row's new (p, q) pair depends on that row's old pair only, so updating in place gives
  // what a separate scratch matrix would.
  if (vectors != nullptr) {
    for (int i = 1; i <= m_n; ++i) {
      const long double vp = vectors->at(i, p);
      const long double vq = vectors->at(i, q);
      vectors->at(i, p) = vp * c - vq * s;
      vectors->at(i, q) = vp * s + vq * c;
    }
    vectors->m_decomposed = false;
  }
  for (int i = 1; i <= m_n; ++i) {
    const long double ap = at(i, p);
    const long double aq = at(i, q);
    at(i, p) = ap * c - aq * s;
    at(i, q) = ap * s + aq * c;
  }
  for (int j = 1; j <= m_n; ++j) {
    const long double ap = at(p, j);
    const long double aq = at(q, j);
    at(p, j) = ap * c - aq * s;
    at(q, j) = ap * s + aq * c;
  }
  m_decomposed = false;
  currentShell().processEvents();
  return true;
}

tcelltrix tcelltrix::Diagonalize()
{
  tcelltrix vectors(m_n);
  vectors.IdentityMatrix();
  if (m_n <= 1) {
    return vectors;
  }
  for (int rotation = 1;; ++rotation) {
    // The largest element of the strict upper triangle; ">=" lets the last of equal ones win, and
    // a NaN is never chosen over (1, 2).
    int p = 1;
    int q = 2;
    long double largest = std::fabs(at(1, 2));
    for (int i = 1; i < m_n; ++i) {
      for (int j = i + 1; j <= m_n; ++j) {
        if (std::fabs(at(i, j)) >= largest) {
          largest = std::fabs(at(i, j));
          p = i;
          q = j;
        }
      }
    }
    rotate(p, q, &vectors);
    currentShell().processEvents();
    if (Residual() <= m_tolerance || rotation == maxRotations) {
      break;
    }
  }
  return vectors;
}

std::optional<int> tcelltrix::LUDecomp()
{
  // Work on a copy so that a failure leaves the matrix as it was.
  tcelltrix lu(*this);
  std::vector<long double> rowScale(static_cast<std::size_t>(m_n));
  std::vector<int> indx(static_cast<std::size_t>(m_n));

  for (int i = 1; i <= m_n; ++i) {
    long double big = 0.0L;
    for (int j = 1; j <= m_n; ++j) {
      if (!std::isfinite(lu.at(i, j))) {
        return std::nullopt;
      }
      big = std::fmax(big, std::fabs(lu.at(i, j)));
    }
    if (big == 0.0L) {
      return std::nullopt;
    }
    rowScale[static_cast<std::size_t>(i - 1)] = 1.0L / big;
  }

  int sign = 1;
  for (int j = 1; j <= m_n; ++j) {
    for (int i = 1; i < j; ++i) {
      long double sum = lu.at(i, j);
      for (int k = 1; k < i; ++k) {
        sum -= lu.at(i, k) * lu.at(k, j);
      }
      lu.at(i, j) = sum;
    }
    long double best = 0.0L;
    int pivot = j;
    for (int i = j; i <= m_n; ++i) {
      long double sum = lu.at(i, j);
      for (int k = 1; k < j; ++k) {
        sum -= lu.at(i, k) * lu.at(k, j);
      }
      lu.at(i, j) = sum;
      const long double weight = rowScale[static_cast<std::size_t>(i - 1)] * std::fabs(sum);
      if (weight > best) {
        best = weight;
        pivot = i;
      }
    }
    if (pivot != j) {
      for (int k = 1; k <= m_n; ++k) {
        std::swap(lu.at(pivot, k), lu.at(j, k));
      }
      sign = -sign;
      rowScale[static_cast<std::size_t>(pivot - 1)] = rowScale[static_cast<std::size_t>(j - 1)];
    }
    indx[static_cast<std::size_t>(j - 1)] = pivot;
    const long double diagonal = lu.at(j, j);
    if (diagonal == 0.0L || !std::isfinite(diagonal)) {
      return std::nullopt;
    }
    for (int i = j + 1; i <= m_n; ++i) {
      lu.at(i, j) /= diagonal;
    }
  }

  m_values = std::move(lu.m_values);
  m_indx = std::move(indx);
  m_decomposed = true;
  return sign;
}

bool tcelltrix::lubksb(tvectrix& b) const
{
  if (!m_decomposed || b.size() != m_n) {
    return false;
  }
  // Forward substitution with the unit lower factor, undoing the row swaps as it goes.
  for (int i = 1; i <= m_n; ++i) {
    const int swapped = m_indx[static_cast<std::size_t>(i - 1)];
    long double sum = b.getvalue(swapped);
    b.setvalue(swapped, b.getvalue(i));
    for (int j = 1; j < i; ++j) {
      sum -= at(i, j) * b.getvalue(j);
    }
    b.setvalue(i, sum);
  }
  // Back substitution with the upper factor; its diagonal holds no zero.
  for (int i = m_n; i >= 1; --i) {
    long double sum = b.getvalue(i);
    for (int j = i + 1; j <= m_n; ++j) {
      sum -= at(i, j) * b.getvalue(j);
    }
    b.setvalue(i, sum / at(i, i));
  }
  return true;
}

} // namespace trelvix
