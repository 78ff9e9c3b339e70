#pragma once

#include <optional>
#include <vector>

namespace trelvix {

/// A vector of n extended reals, indexed 1..n. Reading outside 1..n gives 0; writing there does
/// nothing and reports false.
class tvectrix
{
public:
  /// n elements of value 0; a negative n gives an empty vector.
  explicit tvectrix(int n);

  int size() const { return static_cast<int>(m_values.size()); }
  /// Element i, or 0 when i is outside 1..n.
  long double getvalue(int i) const;
  /// Sets element i to x; false (and no change) when i is outside 1..n.
  bool setvalue(int i, long double x);

private:
  std::vector<long double> m_values;
};

/// A square n × n matrix of extended reals, indexed (row, column) from 1, stored row-major.
///
/// Its main use is the principal axes of a 3 × 3 inertia tensor:
///
///     tcelltrix inertia(3);
///     inertia.setvalue(i, j, ...);            // fill both triangles
///     tcelltrix axes = inertia.Diagonalize();
///     // moment k: inertia.getvalue(k, k); its axis: axes.column(k)
///
/// Reading outside 1..n gives 0; writing there does nothing and reports false.
class tcelltrix
{
public:
  /// n × n zeros; a negative n gives an empty matrix. The tolerance is n · (n − 1) · 0.00001.
  explicit tcelltrix(int n);

  int size() const { return m_n; }
  /// Bound on Residual at which Diagonalize stops: n · (n − 1) · 0.00001.
  long double tolerance() const { return m_tolerance; }

  /// Element (i, j), or 0 when either index is outside 1..n.
  long double getvalue(int i, int j) const;
  /// Sets element (i, j) to x; false (and no change) when either index is outside 1..n.
  bool setvalue(int i, int j, long double x);
  /// Column j as a vector of n elements (all 0 when j is outside 1..n).
  tvectrix column(int j) const;

  /// Sets every element to 0.
  void Zeros();
  /// Sets the matrix to the identity.
  void IdentityMatrix();

  /// Twice the sum of the absolute values of the strict upper triangle: the off-diagonal weight
  /// of a symmetric matrix.
  long double Residual() const;

  /// One Jacobi rotation in the (p, q) plane that zeroes element (p, q) of this symmetric matrix
  /// (to rounding). Does nothing when |A(p, q)| is below tolerance / (n · (n − 1)), that is
  /// 0.00001, or when p = q or either index is outside 1..n. Returns true when it rotated, and
  /// then lets the current shell process pending events.
  bool Annihilate(int p, int q);
  /// As Annihilate(p, q), and applies the same rotation to columns p and q of vectors, which
  /// accumulates the eigenvectors. Does nothing when vectors is not n × n.
  bool Annihilate(int p, int q, tcelltrix& vectors);

  /// Diagonalises this symmetric matrix by cyclic-by-maximum Jacobi rotations: each pass rotates
  /// away the largest off-diagonal element of the strict upper triangle (among equal ones the last
  /// in row-major order), lets the current shell process pending events, and the passes stop when
  /// Residual ≤ tolerance or after 5000 passes, whichever comes first.
  ///
  /// The eigenvalues are left on the diagonal, unsorted; column k of the returned matrix (the
  /// product of the rotations) is the unit eigenvector of the value at (k, k). A 1 × 1 matrix is
  /// not touched and gives the identity.
  tcelltrix Diagonalize();

  /// Replaces the matrix by its Crout LU decomposition with implicit partial pivoting (rows
  /// scaled by their largest element; the first row wins a tie): the unit lower factor below the
  /// diagonal, the upper factor on and above it, rows permuted. Returns the sign of the
  /// permutation (+1 or −1), so the determinant is that sign times the product of the diagonal.
  ///
  /// A singular matrix (a row of zeros or a zero pivot) or one holding a non-finite element gives
  /// std::nullopt and leaves the matrix unchanged.
  [[nodiscard]] std::optional<int> LUDecomp();

  /// Solves A·x = b with the decomposition the last LUDecomp left, replacing b by x. False (and b
  /// unchanged) when b does not have n elements or the matrix holds no decomposition: none was
  /// made, it failed, or the matrix was written since.
  bool lubksb(tvectrix& b) const;

private:
  bool inRange(int i) const { return i >= 1 && i <= m_n; }
  long double& at(int i, int j);
  long double at(int i, int j) const;
  bool rotate(int p, int q, tcelltrix* vectors);

  int m_n = 0;
  long double m_tolerance = 0;
  std::vector<long double> m_values; ///< row-major: element (i, j) at n · (i − 1) + (j − 1)
  std::vector<int> m_indx;           ///< row swapped with row j at step j of LUDecomp
  bool m_decomposed = false;         ///< the elements hold the factors of the last LUDecomp
};

} // namespace trelvix
