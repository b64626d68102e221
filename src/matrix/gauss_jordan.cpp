#include "matrix/gauss_jordan.h"

#include <cmath>
#include <utility>

#include "matrix/dot_kernels.h"
#include "matrix/matrix_exception.h"

namespace kalvo {

namespace {

void CheckRange(const RealArray& a, int lb, int ub) {
    if (lb < 0 || ub < lb || ub >= a.rows || ub >= a.cols) {
        throw EMatrixException(kInvalidDimensions);
    }
}

struct Pivot {
    int row;
    int col;
    Real size;  ///< its magnitude
};

/// The first entry of largest magnitude in rows and columns from..ub, row-major.
Pivot LargestEntry(const RealArray& w, int from, int ub) {
    Pivot pivot{from, from, -1};
    for (int j = from; j <= ub; ++j) {
        const Real* row = w[j];
        for (int g = from; g <= ub; ++g) {
            const Real size = std::fabs(row[g]);
            if (size > pivot.size) {
                pivot = {j, g, size};
            }
        }
    }
    return pivot;
}

}  // namespace

int SolveGaussJordan(const RealArray& a, const std::vector<Real>& b, int lb, int ub,
                     std::vector<Real>& x) {
    CheckRange(a, lb, ub);
    if (b.size() <= static_cast<std::size_t>(ub)) {
        throw EMatrixException(kInvalidDimensions);
    }
    RealArray w = a;
    x = b;
    // Step i exchanges columns colOf[i] and i, which permutes the unknowns; undone at the end.
    std::vector<int> colOf(static_cast<std::size_t>(ub) + 1);
    // Each step divides the pivot row by the pivot and subtracts it from the rows below,
    // which then hold exactly the values full Gauss-Jordan gives them, so the pivots are
    // the same. Clearing the column above the pivot as well would only serve the
    // inverse, so the unknowns come from a back substitution at the end instead. Columns
    // left of the pivot are not read again. While a step updates the rows below, it
    // finds the next pivot among their new values.
    Pivot next = LargestEntry(w, lb, ub);
    for (int i = lb; i <= ub; ++i) {
        const Pivot pivot = next;
        if (pivot.size < kPivotEpsilon) {
            return -1;
        }
        colOf[static_cast<std::size_t>(i)] = pivot.col;
        if (pivot.row != i) {
            ExchangeMatrixRows(pivot.row, i, w, ub, lb);
            std::swap(x[static_cast<std::size_t>(pivot.row)], x[static_cast<std::size_t>(i)]);
        }
        if (pivot.col != i) {
            ExchangeMatrixCols(pivot.col, i, w, ub, lb);
        }
        Real* pivotRow = w[i];
        const Real value = pivotRow[i];
        for (int g = i + 1; g <= ub; ++g) {
            pivotRow[g] /= value;
        }
        const Real xi = x[static_cast<std::size_t>(i)] / value;
        x[static_cast<std::size_t>(i)] = xi;
        next = {i + 1, i + 1, -1};
        for (int l = i + 1; l <= ub; ++l) {
            Real* row = w[l];
            const Real t = row[i];
            for (int g = i + 1; g <= ub; ++g) {
                const Real updated = row[g] - t * pivotRow[g];
                row[g] = updated;
                const Real size = std::fabs(updated);
                if (size > next.size) {
                    next = {l, g, size};
                }
            }
            x[static_cast<std::size_t>(l)] -= t * xi;
        }
    }
    for (int i = ub - 1; i >= lb; --i) {
        const Real* row = w[i];
        Real sum = x[static_cast<std::size_t>(i)];
        for (int g = i + 1; g <= ub; ++g) {
            sum -= row[g] * x[static_cast<std::size_t>(g)];
        }
        x[static_cast<std::size_t>(i)] = sum;
    }
    for (int i = ub; i >= lb; --i) {
        const int col = colOf[static_cast<std::size_t>(i)];
        if (col != i) {
            std::swap(x[static_cast<std::size_t>(col)], x[static_cast<std::size_t>(i)]);
        }
    }
    return 0;
}

Real DeterminantGauss(RealArray& a, int lb, int ub) {
    CheckRange(a, lb, ub);
    // Crout order: an entry is brought up to date (as the elimination steps before it
    // leave it) only when it is read, each as one dot product, and the multiplier of row
    // j for step m is kept in a[j][m]. A row that a step does not eliminate gets the
    // multiplier 0.
    const std::ptrdiff_t stride = a.cols;
    Real det = 1;
    bool singular = false;
    for (int i = lb; !singular && i < ub; ++i) {
        const int done = i - lb;  // elimination steps before this one
        AddRowsTimesColumn(&a[i][i], stride, &a[i][lb], stride, &a[lb][i], stride, done,
                           ub - i + 1);
        if (std::fabs(a[i][i]) < kPivotEpsilon) {
            singular = true;
            for (int j = i + 1; j <= ub && singular; ++j) {
                if (std::fabs(a[j][i]) > kPivotEpsilon) {
                    ExchangeMatrixRows(j, i, a, ub, lb);
                    singular = false;
                    det = -det;
                }
            }
        }
        if (!singular) {
            AddRowTimesColumns(&a[i][i + 1], &a[i][lb], &a[lb][i + 1], stride, done, ub - i);
            const Real pivot = a[i][i];
            for (int j = i + 1; j <= ub; ++j) {
                Real& entry = a[j][i];
                entry = std::fabs(entry) > kPivotEpsilon ? -entry / pivot : 0;
            }
        }
        det *= a[i][i];
    }
    if (singular) {
        return 0;
    }
    AddRowsTimesColumn(&a[ub][ub], stride, &a[ub][lb], stride, &a[lb][ub], stride, ub - lb, 1);
    return det * a[ub][ub];
}

}  // namespace kalvo
