#include "model/matrix.h"
#include "platform/scripted_shell.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <vector>

namespace trelvix {

namespace {

using Rows = std::vector<std::vector<long double>>;

const long double root2 = std::sqrt(2.0L);
const long double root5 = std::sqrt(5.0L);
const long double nanValue = std::numeric_limits<long double>::quiet_NaN();
const long double infValue = std::numeric_limits<long double>::infinity();

// Rounding of a handful of extended-precision operations on numbers near 1.
constexpr long double rounding = 1e-15L;

tcelltrix matrixOf(const Rows& rows)
{
  tcelltrix m(static_cast<int>(rows.size()));
  for (int i = 1; i <= m.size(); ++i) {
    for (int j = 1; j <= m.size(); ++j) {
      m.setvalue(i, j, rows[i - 1][j - 1]);
    }
  }
  return m;
}

void expectMatrixNear(const tcelltrix& actual, const Rows& expected, long double bound)
{
  ASSERT_EQ(actual.size(), static_cast<int>(expected.size()));
  for (int i = 1; i <= actual.size(); ++i) {
    for (int j = 1; j <= actual.size(); ++j) {
      EXPECT_NEAR(actual.getvalue(i, j), expected[i - 1][j - 1], bound)
        << "(" << i << ", " << j << ")";
    }
  }
}

/// A headless shell that copies the watched matrix at its first processEvents call, that is
/// straight after the first rotation of a diagonalisation.
class SnapshotShell : public ScriptedShell
{
public:
  void processEvents() override
  {
    ScriptedShell::processEvents();
    if (m_watched != nullptr && !m_first) {
      m_first = *m_watched;
    }
  }

  void watch(const tcelltrix* m) { m_watched = m; }
  const std::optional<tcelltrix>& first() const { return m_first; }

private:
  const tcelltrix* m_watched = nullptr;
  std::optional<tcelltrix> m_first;
};

/// Every test runs with its own headless shell in force.
class MatrixTest : public ::testing::Test
{
protected:
  MatrixTest() { setCurrentShell(&shell); }
  ~MatrixTest() override { setCurrentShell(nullptr); }

  ScriptedShell shell;
};

// ---------------------------------------------------------------------------------------------
// Construction and access

TEST_F(MatrixTest, ToleranceIsPairCountTimesOneHundredThousandth)
{
  struct Case
  {
    int n;
    long double tolerance;
  };
  const Case cases[] = {
    { 0, 0 * -1 * 0.00001L }, { 1, 1 * 0 * 0.00001L }, { 2, 2 * 1 * 0.00001L },
    { 3, 3 * 2 * 0.00001L },  { 4, 4 * 3 * 0.00001L }, { -2, 0.0L }, // negative: empty matrix
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    tcelltrix m(c.n);
    EXPECT_EQ(m.size(), std::max(c.n, 0));
    EXPECT_NEAR(m.tolerance(), c.tolerance, 1e-20L);
    for (int i = 1; i <= m.size(); ++i) {
      for (int j = 1; j <= m.size(); ++j) {
        EXPECT_EQ(m.getvalue(i, j), 0.0L);
      }
    }
  }
}

TEST_F(MatrixTest, ElementsAreRowMajorAndOneBased)
{
  tcelltrix m(2);
  EXPECT_TRUE(m.setvalue(1, 2, 12.0L));
  EXPECT_TRUE(m.setvalue(2, 1, 21.0L));
  EXPECT_EQ(m.getvalue(1, 1), 0.0L);
  EXPECT_EQ(m.getvalue(1, 2), 12.0L);
  EXPECT_EQ(m.getvalue(2, 1), 21.0L);
  EXPECT_EQ(m.getvalue(2, 2), 0.0L);
  const tvectrix second = m.column(2);
  ASSERT_EQ(second.size(), 2);
  EXPECT_EQ(second.getvalue(1), 12.0L);
  EXPECT_EQ(second.getvalue(2), 0.0L);
}

TEST_F(MatrixTest, OutOfRangeIndicesReadZeroAndWriteNothing)
{
  const std::pair<int, int> bad[] = { { 0, 1 }, { 1, 0 },   { 3, 1 },
                                      { 1, 3 }, { -1, -1 }, { 32767, 2 } };
  tcelltrix m = matrixOf({ { 1, 2 }, { 3, 4 } });
  for (const auto& [i, j] : bad) {
    SCOPED_TRACE(testing::Message() << "(" << i << ", " << j << ")");
    EXPECT_EQ(m.getvalue(i, j), 0.0L);
    EXPECT_FALSE(m.setvalue(i, j, 9.0L));
  }
  expectMatrixNear(m, { { 1, 2 }, { 3, 4 } }, 0.0L);

  const int badIndices[] = { 0, 3, -1, 32767 };
  tvectrix v(2);
  for (const int i : badIndices) {
    SCOPED_TRACE(i);
    EXPECT_EQ(v.getvalue(i), 0.0L);
    EXPECT_FALSE(v.setvalue(i, 9.0L));
  }
  EXPECT_EQ(v.getvalue(1), 0.0L);
  EXPECT_EQ(v.getvalue(2), 0.0L);
  const tvectrix none = m.column(3);
  ASSERT_EQ(none.size(), 2);
  EXPECT_EQ(none.getvalue(1), 0.0L);
  EXPECT_EQ(none.getvalue(2), 0.0L);
}

TEST_F(MatrixTest, ZerosAndIdentity)
{
  tcelltrix m = matrixOf({ { 1, 2, 3 }, { 4, 5, 6 }, { 7, 8, 9 } });
  m.IdentityMatrix();
  expectMatrixNear(m, { { 1, 0, 0 }, { 0, 1, 0 }, { 0, 0, 1 } }, 0.0L);
  m.Zeros();
  expectMatrixNear(m, { { 0, 0, 0 }, { 0, 0, 0 }, { 0, 0, 0 } }, 0.0L);
}

TEST_F(MatrixTest, ResidualIsTwiceTheAbsoluteUpperTriangle)
{
  // The lower triangle does not count.
  const tcelltrix m = matrixOf({ { 9, -1, 2 }, { 100, 9, -4 }, { 100, 100, 9 } });
  EXPECT_EQ(m.Residual(), 2 * (1 + 2 + 4));
}

// ---------------------------------------------------------------------------------------------
// Annihilate

TEST_F(MatrixTest, AnnihilateTakesTheSmallerRootForTheAngle)
{
  // [[4, 2], [2, 1]]: b = (1 - 4) / 2 = -1.5, r = √(2.25 + 4) = 2.5, t = (1.5 - 2.5) / 2 = -0.5,
  // so c = 2/√5 and s = -1/√5.
  // A(1,1) = c²·4 - 2cs·2 + s²·1 = 16/5 + 8/5 + 1/5 = 5; A(2,2) = s²·4 + 2cs·2 + c²·1 = 0.
  // V = [[c, s], [-s, c]].
  tcelltrix m = matrixOf({ { 4, 2 }, { 2, 1 } });
  tcelltrix v(2);
  v.IdentityMatrix();
  EXPECT_TRUE(m.Annihilate(1, 2, v));
  expectMatrixNear(m, { { 5, 0 }, { 0, 0 } }, rounding);
  expectMatrixNear(v, { { 2 / root5, -1 / root5 }, { 1 / root5, 2 / root5 } }, rounding);
  EXPECT_EQ(shell.processEventsCalls(), 1);
}

TEST_F(MatrixTest, AnnihilateIsASimilarityTransform)
{
  // Rotating (1, 3) of a full symmetric matrix: A·V must equal V·A' for the rotation V.
  const Rows rows = { { 4, 1, -2 }, { 1, 3, 0.5 }, { -2, 0.5, 1 } };
  const tcelltrix a = matrixOf(rows);
  tcelltrix rotated = a;
  tcelltrix v(3);
  v.IdentityMatrix();
  ASSERT_TRUE(rotated.Annihilate(1, 3, v));
  EXPECT_NEAR(rotated.getvalue(1, 3), 0.0L, rounding);
  EXPECT_NEAR(rotated.getvalue(3, 1), 0.0L, rounding);
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      long double av = 0;
      long double va = 0;
      for (int k = 1; k <= 3; ++k) {
        av += a.getvalue(i, k) * v.getvalue(k, j);
        va += v.getvalue(i, k) * rotated.getvalue(k, j);
      }
      EXPECT_NEAR(av, va, 10 * rounding) << "(" << i << ", " << j << ")";
    }
  }
  // The trace is invariant: 4 + 3 + 1.
  EXPECT_NEAR(
    rotated.getvalue(1, 1) + rotated.getvalue(2, 2) + rotated.getvalue(3, 3), 8.0L, 10 * rounding);
}

TEST_F(MatrixTest, AnnihilateRefusesWithoutRotating)
{
  struct Case
  {
    const char* name;
    long double offDiagonal;
    int p;
    int q;
  };
  // The threshold of a 2 × 2 matrix is tolerance / (2 · 1) = 2 · 0.00001 / 2 = 0.00001.
  const Case cases[] = {
    { "below threshold", 0.000005L, 1, 2 },
    { "diagonal element", 1.0L, 1, 1 },
    { "row 0", 1.0L, 0, 2 },
    { "column past the end", 1.0L, 1, 3 },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Rows rows = { { 1, c.offDiagonal }, { c.offDiagonal, 2 } };
    tcelltrix m = matrixOf(rows);
    tcelltrix v(2);
    v.IdentityMatrix();
    EXPECT_FALSE(m.Annihilate(c.p, c.q, v));
    expectMatrixNear(m, rows, 0.0L);
    expectMatrixNear(v, { { 1, 0 }, { 0, 1 } }, 0.0L);
  }
  // Eigenvectors of the wrong size: nothing happens either.
  tcelltrix m = matrixOf({ { 1, 1 }, { 1, 2 } });
  tcelltrix wrong(3);
  EXPECT_FALSE(m.Annihilate(1, 2, wrong));
  expectMatrixNear(m, { { 1, 1 }, { 1, 2 } }, 0.0L);
  EXPECT_EQ(shell.processEventsCalls(), 0);
}

// ---------------------------------------------------------------------------------------------
// Diagonalize: eigenvalues and eigenvectors

struct EigenCase
{
  const char* name;
  Rows rows;
  std::vector<long double> eigenvalues; ///< ascending
};

class DiagonalizeEigen
  : public MatrixTest
  , public ::testing::WithParamInterface<EigenCase>
{};

TEST_P(DiagonalizeEigen, DiagonalHoldsEigenvaluesAndColumnsEigenvectors)
{
  const EigenCase& c = GetParam();
  const tcelltrix a = matrixOf(c.rows);
  tcelltrix d = a;
  const tcelltrix v = d.Diagonalize();
  const int n = a.size();
  ASSERT_EQ(v.size(), n);

  // Stopped by the convergence rule, not by the rotation cap.
  EXPECT_LE(d.Residual(), d.tolerance());

  // With A = V·D·Vᵀ and D's off-diagonal weight at most Residual, every eigenvalue and every
  // component of A·v − λ·v is within Residual ≤ tolerance of the exact one (Weyl's bound).
  const long double bound = d.tolerance();
  std::vector<long double> diagonal;
  for (int k = 1; k <= n; ++k) {
    diagonal.push_back(d.getvalue(k, k));
  }
  std::sort(diagonal.begin(), diagonal.end());
  for (int k = 0; k < n; ++k) {
    EXPECT_NEAR(diagonal[k], c.eigenvalues[k], bound) << "eigenvalue " << k + 1;
  }

  for (int k = 1; k <= n; ++k) {
    const tvectrix column = v.column(k);
    const long double lambda = d.getvalue(k, k);
    for (int i = 1; i <= n; ++i) {
      long double av = 0;
      for (int j = 1; j <= n; ++j) {
        av += a.getvalue(i, j) * column.getvalue(j);
      }
      EXPECT_NEAR(av, lambda * column.getvalue(i), bound) << "column " << k << " row " << i;
    }
  }

  // The product of rotations is orthogonal: VᵀV = I.
  for (int k = 1; k <= n; ++k) {
    for (int l = 1; l <= n; ++l) {
      long double dot = 0;
      for (int i = 1; i <= n; ++i) {
        dot += v.getvalue(i, k) * v.getvalue(i, l);
      }
      EXPECT_NEAR(dot, k == l ? 1.0L : 0.0L, 100 * rounding) << "columns " << k << ", " << l;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
  HandWorked,
  DiagonalizeEigen,
  ::testing::Values(
    // Trace 5, determinant 4·1 − 2·2 = 0: roots 0 and 5.
    EigenCase{ "Rank1By2", { { 4, 2 }, { 2, 1 } }, { 0, 5 } },
    // The (1, 2) block has 2 ± 1; the third axis stands apart with 3.
    EigenCase{ "BlockAndAxis", { { 2, 1, 0 }, { 1, 2, 0 }, { 0, 0, 3 } }, { 1, 3, 3 } },
    // The second-difference matrix: 2 − 2·cos(kπ/4) for k = 1, 2, 3.
    EigenCase{ "SecondDifference",
               { { 2, -1, 0 }, { -1, 2, -1 }, { 0, -1, 2 } },
               { 2 - root2, 2, 2 + root2 } },
    // All ones: rank 1 with eigenvalue the trace 3, then 0 twice.
    EigenCase{ "AllOnes", { { 1, 1, 1 }, { 1, 1, 1 }, { 1, 1, 1 } }, { 0, 0, 3 } },
    // An inertia tensor with its axes turned 45° about z: 5 ± 2 in the xy block, then 10.
    EigenCase{ "TurnedInertia", { { 5, -2, 0 }, { -2, 5, 0 }, { 0, 0, 10 } }, { 3, 7, 10 } },
    // Two 2 × 2 blocks: 2 ± 1 and 5 ± 2.
    EigenCase{ "TwoBlocks",
               { { 2, 1, 0, 0 }, { 1, 2, 0, 0 }, { 0, 0, 5, 2 }, { 0, 0, 2, 5 } },
               { 1, 3, 3, 7 } }),
  [](const ::testing::TestParamInfo<EigenCase>& info) { return info.param.name; });

// ---------------------------------------------------------------------------------------------
// Diagonalize: order of work and stopping

TEST_F(MatrixTest, DiagonalizeOneByOneMakesNoRotation)
{
  tcelltrix m = matrixOf({ { 7 } });
  const tcelltrix v = m.Diagonalize();
  expectMatrixNear(v, { { 1 } }, 0.0L);
  expectMatrixNear(m, { { 7 } }, 0.0L);
  EXPECT_EQ(shell.processEventsCalls(), 0);
}

TEST_F(MatrixTest, DiagonalizeEmptyMatrixGivesEmptyVectors)
{
  tcelltrix m(0);
  EXPECT_EQ(m.Diagonalize().size(), 0);
  EXPECT_EQ(shell.processEventsCalls(), 0);
}

TEST_F(MatrixTest, DiagonalizeLeavesEigenvaluesUnsortedInRotationOrder)
{
  // [[2, 1, 0], [1, 2, 0], [0, 0, 3]]: one rotation of (1, 2) with b = 0, t = −1, φ = −45°,
  // c = √2/2, s = −√2/2. New columns 1, 2: (c1 + c2)/√2 = (3, 3, 0)/√2 and (c2 − c1)/√2 =
  // (−1, 1, 0)/√2; new rows 1, 2 likewise: (3, 0, 0) and (0, 1, 0). So the diagonal reads
  // 3, 1, 3 — not sorted — and V's columns are (1, 1, 0)/√2, (−1, 1, 0)/√2, (0, 0, 1).
  tcelltrix m = matrixOf({ { 2, 1, 0 }, { 1, 2, 0 }, { 0, 0, 3 } });
  const tcelltrix v = m.Diagonalize();
  expectMatrixNear(m, { { 3, 0, 0 }, { 0, 1, 0 }, { 0, 0, 3 } }, rounding);
  expectMatrixNear(
    v, { { 1 / root2, -1 / root2, 0 }, { 1 / root2, 1 / root2, 0 }, { 0, 0, 1 } }, rounding);
}

TEST_F(MatrixTest, DiagonalizeStopsWhenResidualIsWithinTolerance)
{
  // Counting processEvents shows the work: one call per pass of the loop, and one more inside
  // each rotation that actually turns. The 3 × 3 tolerance is 3·2·0.00001 = 0.00006 and the
  // threshold of a rotation 0.00006 / 6 = 0.00001.
  struct Case
  {
    const char* name;
    Rows rows;
    int processEventsCalls;
    bool unchanged;
  };
  const Case cases[] = {
    // Residual 0 from the start: Annihilate(1, 2) does nothing and one pass ends the loop.
    { "diagonal", { { 3, 0, 0 }, { 0, 1, 0 }, { 0, 0, 2 } }, 1, true },
    // 0.000005 is below the rotation threshold and Residual 2·0.000005 ≤ 0.00006: one idle pass.
    { "below threshold", { { 1, 0.000005L, 0 }, { 0.000005L, 2, 0 }, { 0, 0, 3 } }, 1, true },
    // 0.00002 is rotated although Residual 0.00004 is already within tolerance: the test comes
    // after the rotation.
    { "within tolerance but above threshold",
      { { 1, 0.00002L, 0 }, { 0.00002L, 2, 0 }, { 0, 0, 3 } },
      2,
      false },
    // One rotation of (1, 2) zeroes the only off-diagonal pair.
    { "one pair", { { 2, 1, 0 }, { 1, 2, 0 }, { 0, 0, 3 } }, 2, false },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedShell counter;
    setCurrentShell(&counter);
    tcelltrix m = matrixOf(c.rows);
    const tcelltrix v = m.Diagonalize();
    setCurrentShell(&shell);
    EXPECT_EQ(counter.processEventsCalls(), c.processEventsCalls);
    EXPECT_LE(m.Residual(), m.tolerance());
    if (c.unchanged) {
      expectMatrixNear(m, c.rows, 0.0L);
      expectMatrixNear(v, { { 1, 0, 0 }, { 0, 1, 0 }, { 0, 0, 1 } }, 0.0L);
    } else {
      EXPECT_NEAR(m.getvalue(1, 2), 0.0L, rounding);
    }
  }
}

TEST_F(MatrixTest, DiagonalizeRotatesTheLastOfEqualLargestElementsFirst)
{
  // Each matrix has several off-diagonal elements of equal largest magnitude; the matrix after
  // the first rotation shows which was chosen. Every rotation here has b = 0, so t = −1 and
  // c = √2/2, s = −√2/2: new column p = (col p + col q)/√2, new column q = (col q − col p)/√2,
  // then the same for rows p and q.
  struct Case
  {
    const char* name;
    Rows rows;
    Rows afterFirst;
  };
  const long double h = 1 / root2;
  const Case cases[] = {
    // Ties at (1, 2) and (1, 3): (1, 3) comes later. Columns 1, 3 become (2, 1, 2)/√2 and
    // (0, −1, 0)/√2; rows 1, 3 then become (2, 1/√2, 0) and (0, −1/√2, 0).
    { "same row",
      { { 1, 1, 1 }, { 1, 1, 0 }, { 1, 0, 1 } },
      { { 2, h, 0 }, { h, 1, -h }, { 0, -h, 0 } } },
    // |−1| at (1, 2) and (2, 3): (2, 3) comes later. Columns 2, 3 become (−1, 1, 1)/√2 and
    // (1, −3, 3)/√2; rows 2, 3 then become (−1/√2, 1, 0) and (1/√2, 0, 3).
    { "later row, signs differ",
      { { 2, -1, 0 }, { -1, 2, -1 }, { 0, -1, 2 } },
      { { 2, -h, h }, { -h, 1, 0 }, { h, 0, 3 } } },
    // All three tie: (2, 3) is last. Columns 2, 3 become (0, 1, 1)/√2 and (−2, 1, −1)/√2;
    // rows 2, 3 then become (0, 1, 0) and (−√2, 0, −1).
    { "three ties",
      { { 0, 1, -1 }, { 1, 0, 1 }, { -1, 1, 0 } },
      { { 0, 0, -root2 }, { 0, 1, 0 }, { -root2, 0, -1 } } },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SnapshotShell snapshots;
    setCurrentShell(&snapshots);
    tcelltrix m = matrixOf(c.rows);
    snapshots.watch(&m);
    m.Diagonalize();
    setCurrentShell(&shell);
    ASSERT_TRUE(snapshots.first().has_value());
    expectMatrixNear(*snapshots.first(), c.afterFirst, rounding);
  }
}

TEST_F(MatrixTest, DiagonalizeStopsAtTheRotationCap)
{
  // A NaN never satisfies Residual ≤ tolerance, so only the cap of 5000 passes ends the loop.
  struct Case
  {
    const char* name;
    Rows rows;
    int processEventsCalls;
  };
  const Case cases[] = {
    // NaN at (1, 2): it is the starting choice, never below the threshold, so every pass rotates
    // (and spreads the NaN): 5000 passes × 2 calls.
    { "NaN chosen", { { 1, nanValue, 0 }, { nanValue, 2, 0 }, { 0, 0, 3 } }, 5000 * 2 },
    // NaN at (1, 3) loses every comparison, so the zero at (2, 3) is chosen and never rotated:
    // 5000 idle passes × 1 call.
    { "NaN passed over", { { 1, 0, nanValue }, { 0, 2, 0 }, { nanValue, 0, 3 } }, 5000 * 1 },
    // An infinite element: b = 0, and the rotation fills rows and columns with ∞ − ∞ = NaN.
    { "infinity", { { 1, infValue, 0 }, { infValue, 2, 0 }, { 0, 0, 3 } }, 5000 * 2 },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedShell counter;
    setCurrentShell(&counter);
    tcelltrix m = matrixOf(c.rows);
    const tcelltrix v = m.Diagonalize();
    setCurrentShell(&shell);
    EXPECT_EQ(counter.processEventsCalls(), c.processEventsCalls);
    EXPECT_EQ(v.size(), 3);
  }
}

// ---------------------------------------------------------------------------------------------
// LU decomposition and solving

TEST_F(MatrixTest, LUDecompPivotsAwayFromAZeroDiagonalAndSolves)
{
  // A = [[0, 2, 1], [1, 1, 1], [2, 1, 3]], row scales 1/2, 1, 1/3.
  // Column 1: scaled candidates 0, 1·1, 2/3 → row 2 is the pivot; swap rows 1, 2 (sign −1);
  //   below the pivot 1: 0/1, 2/1.
  // Column 2: U(1,2) = 1; rows 2, 3: 2 − 0·1 = 2 (scaled 2/2 = 1), 1 − 2·1 = −1 (scaled 1/3)
  //   → row 2, no swap; L(3,2) = −1/2.
  // Column 3: U(1,3) = 1; U(2,3) = 1 − 0·1 = 1; U(3,3) = 3 − 2·1 − (−1/2)·1 = 3/2.
  // Determinant −1 · 1 · 2 · 3/2 = −3, as the cofactors give: 0 − 2·(3 − 2) + 1·(1 − 2) = −3.
  tcelltrix m = matrixOf({ { 0, 2, 1 }, { 1, 1, 1 }, { 2, 1, 3 } });
  const std::optional<int> sign = m.LUDecomp();
  ASSERT_TRUE(sign.has_value());
  EXPECT_EQ(*sign, -1);
  expectMatrixNear(m, { { 1, 1, 1 }, { 0, 2, 1 }, { 2, -0.5L, 1.5L } }, 0.0L);

  // x = (1, 2, 3) gives b = (0 + 4 + 3, 1 + 2 + 3, 2 + 2 + 9) = (7, 6, 13).
  // Forward: y = (6, 7, 13 − 2·6 + 1/2·7 = 4.5); back: x3 = 4.5 / 1.5 = 3,
  // x2 = (7 − 3) / 2 = 2, x1 = 6 − 2 − 3 = 1. Every step is exact in binary.
  tvectrix b(3);
  b.setvalue(1, 7);
  b.setvalue(2, 6);
  b.setvalue(3, 13);
  ASSERT_TRUE(m.lubksb(b));
  EXPECT_EQ(b.getvalue(1), 1.0L);
  EXPECT_EQ(b.getvalue(2), 2.0L);
  EXPECT_EQ(b.getvalue(3), 3.0L);
}

TEST_F(MatrixTest, LUDecompSignFollowsRowSwaps)
{
  struct Case
  {
    const char* name;
    Rows rows;
    int sign;
    long double determinant;
  };
  const Case cases[] = {
    { "identity", { { 1, 0 }, { 0, 1 } }, +1, 1 },
    { "swapped", { { 0, 1 }, { 1, 0 } }, -1, 0 * 0 - 1 * 1 },
    // Scaled candidates 1/2 · 1 and 1/3 · 3: row 2 wins.
    { "implicit scale decides", { { 1, 2 }, { 3, 1 } }, -1, 1 * 1 - 2 * 3 },
    // Scaled candidates 1 · 1 and 1/3 · 3 tie: the first row stays.
    { "tie keeps the first row", { { 1, 0 }, { 3, 3 } }, +1, 1 * 3 - 0 * 3 },
    { "one by one", { { -4 } }, +1, -4 },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tcelltrix m = matrixOf(c.rows);
    const std::optional<int> sign = m.LUDecomp();
    ASSERT_TRUE(sign.has_value());
    EXPECT_EQ(*sign, c.sign);
    long double product = *sign;
    for (int k = 1; k <= m.size(); ++k) {
      product *= m.getvalue(k, k);
    }
    EXPECT_NEAR(product, c.determinant, rounding);
  }
}

TEST_F(MatrixTest, LUDecompReportsSingularAndNonFiniteMatrices)
{
  struct Case
  {
    const char* name;
    Rows rows;
  };
  const Case cases[] = {
    { "zero matrix", { { 0, 0 }, { 0, 0 } } },
    { "zero row", { { 1, 2 }, { 0, 0 } } },
    // Column 2: U(2,2) = 4 − 2·2 = 0.
    { "proportional rows", { { 1, 2 }, { 2, 4 } } },
    // Row 1 is twice row 2. Column 1 keeps row 1 (scaled 2/6 ties 1/3); column 2 leaves
    // 2 − 1/2·4 = 0 and 1, so row 3 moves up; column 3: 3 − 1/2·6 − 0·1 = 0.
    { "dependent rows 3x3", { { 2, 4, 6 }, { 1, 2, 3 }, { 0, 1, 1 } } },
    { "NaN", { { 1, nanValue }, { 0, 1 } } },
    { "infinity", { { infValue, 0 }, { 0, 1 } } },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tcelltrix m = matrixOf(c.rows);
    EXPECT_FALSE(m.LUDecomp().has_value());
    // Left as it was, and not usable for solving.
    for (int i = 1; i <= m.size(); ++i) {
      for (int j = 1; j <= m.size(); ++j) {
        const long double expected = c.rows[i - 1][j - 1];
        if (std::isnan(expected)) {
          EXPECT_TRUE(std::isnan(m.getvalue(i, j)));
        } else {
          EXPECT_EQ(m.getvalue(i, j), expected);
        }
      }
    }
    tvectrix b(m.size());
    b.setvalue(1, 5);
    EXPECT_FALSE(m.lubksb(b));
    EXPECT_EQ(b.getvalue(1), 5.0L);
  }
  EXPECT_TRUE(shell.messages().empty());
}

TEST_F(MatrixTest, LubksbNeedsAFreshDecompositionAndAMatchingVector)
{
  tcelltrix m = matrixOf({ { 2, 0 }, { 0, 4 } });
  tvectrix b(2);
  b.setvalue(1, 2);
  b.setvalue(2, 8);
  EXPECT_FALSE(m.lubksb(b)); // never decomposed

  ASSERT_TRUE(m.LUDecomp().has_value());
  tvectrix shortVector(1);
  EXPECT_FALSE(m.lubksb(shortVector));
  ASSERT_TRUE(m.lubksb(b)); // 2/2, 8/4
  EXPECT_EQ(b.getvalue(1), 1.0L);
  EXPECT_EQ(b.getvalue(2), 2.0L);

  m.setvalue(1, 1, 3); // a write discards the decomposition
  EXPECT_FALSE(m.lubksb(b));
  EXPECT_EQ(b.getvalue(1), 1.0L);
}

} // namespace

} // namespace trelvix
