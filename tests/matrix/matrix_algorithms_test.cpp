// The elimination kernels: solve, determinant and inverse, on the small cases that pin
// their rules down and on random well-conditioned matrices up to 100 × 100.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "matrix/gauss_jordan.h"
#include "matrix/matrix_exception.h"
#include "matrix/matrix_test_util.h"
#include "matrix/plain_arrays.h"
#include "matrix/real_matrix.h"

namespace kalvo {
namespace {

using testing::DistanceFromIdentity;
using testing::MatrixOf;
using testing::RandomArray;

// Elimination on a diagonally dominant n × n matrix loses a few units of the last place
// per step that touches an entry.
Real Tolerance(int n) {
    return 64 * n * std::numeric_limits<Real>::epsilon();
}

TEST(SolveGaussJordan, TwoByTwo) {
    const RealArray a = MatrixOf({{2, 1}, {1, 3}}).Cells();
    std::vector<Real> x;
    ASSERT_EQ(SolveGaussJordan(a, {3, 5}, 0, 1, x), 0);
    EXPECT_NEAR(static_cast<double>(x[0]), 0.8, 1e-18);
    EXPECT_NEAR(static_cast<double>(x[1]), 1.4, 1e-18);
}

TEST(SolveGaussJordan, PermutedSystemsUndoTheirExchanges) {
    // Largest entries off the diagonal force row and column exchanges.
    const RealArray a = MatrixOf({{0, 0, 5}, {1, 9, 0}, {7, 1, 2}}).Cells();
    const std::vector<Real> solution = {1, -2, 3};
    std::vector<Real> b(3);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            b[static_cast<std::size_t>(i)] += a[i][j] * solution[static_cast<std::size_t>(j)];
        }
    }
    std::vector<Real> x;
    ASSERT_EQ(SolveGaussJordan(a, b, 0, 2, x), 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(static_cast<double>(x[static_cast<std::size_t>(i)]),
                    static_cast<double>(solution[static_cast<std::size_t>(i)]), 1e-17);
    }
}

TEST(SolveGaussJordan, TinyPivotMeansNoSolution) {
    struct Row {
        const char* name;
        TRealMatrix a;
    } rows[] = {
        {"largest remaining pivot 1e-20", MatrixOf({{1, 0}, {0, 1e-20L}})},
        {"singular", MatrixOf({{1, 2}, {2, 4}})},
        {"zero", MatrixOf({{0, 0}, {0, 0}})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<Real> x;
        EXPECT_EQ(SolveGaussJordan(row.a.Cells(), {1, 1}, 0, 1, x), -1);
    }
    std::vector<Real> x;
    EXPECT_EQ(SolveGaussJordan(MatrixOf({{1, 0}, {0, 1e-18L}}).Cells(), {1, 1}, 0, 1, x), 0)
        << "a pivot above the threshold still counts";
}

TEST(SolveGaussJordan, RefusesRangesOutsideTheArrays) {
    const RealArray a(2, 2);
    std::vector<Real> x;
    EXPECT_THROW(SolveGaussJordan(a, {1, 1}, 0, 2, x), EMatrixException);
    EXPECT_THROW(SolveGaussJordan(a, {1}, 0, 1, x), EMatrixException);
    EXPECT_THROW(SolveGaussJordan(a, {1, 1}, 1, 0, x), EMatrixException);
}

TEST(SolveGaussJordan, ResidualsOfRandomSystems) {
    for (int n : {1, 2, 3, 7, 16, 31, 64, 100}) {
        SCOPED_TRACE(n);
        const RealArray a = RandomArray(n, n, n, static_cast<std::uint64_t>(n));
        std::vector<Real> b(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            b[static_cast<std::size_t>(i)] = std::sin(static_cast<Real>(i));
        }
        std::vector<Real> x;
        ASSERT_EQ(SolveGaussJordan(a, b, 0, n - 1, x), 0);
        for (int i = 0; i < n; ++i) {
            Real sum = 0;
            for (int j = 0; j < n; ++j) {
                sum += a[i][j] * x[static_cast<std::size_t>(j)];
            }
            EXPECT_LE(std::fabs(sum - b[static_cast<std::size_t>(i)]), n * Tolerance(n)) << i;
        }
    }
}

TEST(SolveGaussJordan, SubrangeLeavesTheRestAlone) {
    // lb = 1: the system of rows and columns 1..2 only.
    const RealArray a = MatrixOf({{99, 99, 99}, {99, 2, 1}, {99, 1, 3}}).Cells();
    std::vector<Real> x;
    ASSERT_EQ(SolveGaussJordan(a, {42, 3, 5}, 1, 2, x), 0);
    EXPECT_EQ(x[0], 42);
    EXPECT_NEAR(static_cast<double>(x[1]), 0.8, 1e-18);
    EXPECT_NEAR(static_cast<double>(x[2]), 1.4, 1e-18);
}

TEST(DeterminantGauss, Examples) {
    struct Row {
        const char* name;
        TRealMatrix a;
        Real expected;
    } rows[] = {
        {"one exchange", MatrixOf({{0, 1}, {1, 0}}), -1},
        {"dependent rows", MatrixOf({{1, 2}, {2, 4}}), 0},
        {"1 x 1 is its entry", MatrixOf({{-3.25L}}), -3.25L},
        {"triangular", MatrixOf({{2, 5, 7}, {0, 3, 1}, {0, 0, -4}}), -24},
        {"zero column", MatrixOf({{0, 1, 2}, {0, 3, 4}, {0, 5, 6}}), 0},
        {"two exchanges", MatrixOf({{0, 0, 1}, {0, 1, 0}, {1, 0, 0}}), -1},
        {"tiny diagonal is exchanged", MatrixOf({{1e-20L, 1}, {1, 1}}), -1},
    };
    for (Row& row : rows) {
        SCOPED_TRACE(row.name);
        RealArray work = row.a.Cells();
        EXPECT_EQ(DeterminantGauss(work, 0, row.a.RowCount() - 1), row.expected);
    }
}

TEST(DeterminantGauss, AgreesWithTheInverseOnRandomMatrices) {
    // Two different eliminations (partial pivoting and the threshold rule) on one matrix.
    for (int n : {2, 5, 12, 40, 100}) {
        SCOPED_TRACE(n);
        const RealArray a = RandomArray(n, n, 2, static_cast<std::uint64_t>(n) + 7);
        RealArray work = a;
        const Real det = DeterminantGauss(work, 0, n - 1);
        TRealMatrix w(a);
        TRealMatrix inverse;
        Real fromInverse = 0;
        ASSERT_TRUE(TMatrix::EliminateGaussJordan(w, inverse, &fromInverse));
        EXPECT_LE(std::fabs(det / fromInverse - 1), Tolerance(n) * n);
    }
}

TEST(Inverted, SmallCases) {
    struct Row {
        const char* name;
        TRealMatrix a;
        TRealMatrix inverse;
    } rows[] = {
        {"2 x 2", MatrixOf({{1, 2}, {3, 4}}), MatrixOf({{-2, 1}, {1.5L, -0.5L}})},
        {"zero pivot: the exchange is its own inverse", MatrixOf({{0, 1}, {1, 0}}),
         MatrixOf({{0, 1}, {1, 0}})},
        {"1 x 1", MatrixOf({{4}}), MatrixOf({{0.25L}})},
        {"zero pivot further down", MatrixOf({{1, 0, 0}, {0, 0, 2}, {0, 4, 0}}),
         MatrixOf({{1, 0, 0}, {0, 0, 0.25L}, {0, 0.5L, 0}})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto inverse = row.a.Inverted();
        const int n = row.a.RowCount();
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                EXPECT_NEAR(static_cast<double>(inverse->GetItem(i, j)),
                            static_cast<double>(row.inverse.GetItem(i, j)), 1e-18)
                    << i << "," << j;
            }
        }
    }
}

TEST(Inverted, SingularMatricesHaveNone) {
    struct Row {
        const char* name;
        TRealMatrix a;
    } rows[] = {
        {"row of zeros", MatrixOf({{1, 2}, {0, 0}})},
        {"first row zero", MatrixOf({{0, 0}, {1, 2}})},
        {"dependent rows", MatrixOf({{1, 2}, {2, 4}})},
        {"zero 1 x 1", MatrixOf({{0}})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            row.a.Inverted();
            ADD_FAILURE() << "no exception";
        } catch (const EMatrixException& e) {
            EXPECT_STREQ(e.what(), "Could not inverse this matrix");
        }
    }
}

TEST(Inverted, TimesTheMatrixIsTheIdentity) {
    for (int n : {1, 2, 3, 5, 8, 17, 33, 64, 100}) {
        SCOPED_TRACE(n);
        const TRealMatrix a(RandomArray(n, n, 3, static_cast<std::uint64_t>(n) * 5));
        auto inverse = a.Inverted();
        EXPECT_LE(DistanceFromIdentity(*inverse->Product(a)), Tolerance(n));
        EXPECT_LE(DistanceFromIdentity(*a.Product(*inverse)), Tolerance(n));
    }
}

TEST(Inverted, TinyEntriesStillInvert) {
    // The product of the pivots underflows; the inverse exists all the same.
    const int n = 100;
    RealArray a = RandomArray(n, n, 3, 11);
    for (Real& cell : a.cells) {
        cell *= 1e-60L;
    }
    const TRealMatrix m(a);
    auto inverse = m.Inverted();
    EXPECT_LE(DistanceFromIdentity(*inverse->Product(m)), Tolerance(n));
}

TEST(EliminateGaussJordan, LeavesTheIdentityAndTheDeterminant) {
    TRealMatrix w = MatrixOf({{0, 2}, {3, 1}});
    TRealMatrix inverse(1, 1);
    Real det = 0;
    ASSERT_TRUE(TMatrix::EliminateGaussJordan(w, inverse, &det));
    EXPECT_EQ(det, -6);
    EXPECT_EQ(DistanceFromIdentity(w), 0);
    ASSERT_EQ(inverse.RowCount(), 2);
    EXPECT_NEAR(static_cast<double>(inverse.GetItem(0, 1)), 1.0 / 3, 1e-18);

    TRealMatrix singular = MatrixOf({{1, 1}, {1, 1}});
    const TRealMatrix before = singular;
    EXPECT_FALSE(TMatrix::EliminateGaussJordan(singular, inverse, &det));
    EXPECT_EQ(singular.GetItem(1, 0), before.GetItem(1, 0)) << "w is left as it was";
}

TEST(PlainArrays, AllocationBounds) {
    struct Row {
        int ub;
        bool vectorMade;
    } rows[] = {{-1, false}, {0, true}, {65534, true}, {65535, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.ub);
        EXPECT_EQ(NewVector(row.ub).empty(), !row.vectorMade);
        EXPECT_EQ(NewIntVector(row.ub).empty(), !row.vectorMade);
        if (row.vectorMade) {
            EXPECT_EQ(NewVector(row.ub).size(), static_cast<std::size_t>(row.ub) + 1);
        }
    }
    EXPECT_TRUE(NewMatrix(16383, 0).Empty());
    EXPECT_TRUE(NewMatrix(0, 65535).Empty());
    EXPECT_TRUE(NewMatrix(-1, 3).Empty());
    const RealArray m = NewMatrix(2, 3);
    EXPECT_EQ(m.rows, 3);
    EXPECT_EQ(m.cols, 4);
}

TEST(PlainArrays, ExchangesStayInTheirRange) {
    RealArray a = MatrixOf({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}).Cells();
    ExchangeMatrixRows(0, 2, a, 2, 1);  // columns 1..2 only
    EXPECT_EQ(a[0][0], 1);
    EXPECT_EQ(a[0][1], 8);
    EXPECT_EQ(a[2][2], 3);
    ExchangeMatrixCols(0, 1, a, 1, 0);  // rows 0..1 only
    EXPECT_EQ(a[0][0], 8);
    EXPECT_EQ(a[1][1], 4);
    EXPECT_EQ(a[2][0], 7);
}

}  // namespace
}  // namespace kalvo
