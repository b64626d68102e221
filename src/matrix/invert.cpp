#include "matrix/invert.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "matrix/dot_kernels.h"
#include "matrix/plain_arrays.h"

namespace kalvo {

namespace {

/// Forward elimination in place (Crout order, each entry computed once as a dot product):
/// afterwards the upper triangle of a holds the eliminated rows U, and below the diagonal
/// a[k][i] holds the multiplier f with which row i was added to row k. order[i] is the row
/// of the original matrix that ended as row i. Returns the product of the pivots with the
/// sign of the exchanges; `invertible` is false after a column without a non-zero pivot.
Real Eliminate(RealArray& a, std::vector<int>& order, bool& invertible) {
    const int n = a.rows;
    const std::ptrdiff_t stride = n;
    Real d = 1;
    for (int i = 0; i < n; ++i) {
        // Column i of the rows i.. as the elimination steps before i leave it.
        AddRowsTimesColumn(&a[i][i], stride, a[i], stride, &a[0][i], stride, i, n - i);
        int best = i;
        Real largest = std::fabs(a[i][i]);
        for (int k = i + 1; k < n; ++k) {
            const Real size = std::fabs(a[k][i]);
            if (size > largest) {
                largest = size;
                best = k;
            }
        }
        if (largest == 0) {
            invertible = false;
            return 0;
        }
        if (best != i) {
            ExchangeMatrixRows(i, best, a, n - 1, 0);
            std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(best)]);
            d = -d;
        }
        const Real pivot = a[i][i];
        d *= pivot;
        AddRowTimesColumns(&a[i][i + 1], a[i], &a[0][i + 1], stride, i, n - i - 1);
        for (int k = i + 1; k < n; ++k) {
            a[k][i] = -a[k][i] / pivot;
        }
    }
    return d;
}

}  // namespace

Real InvertInPlace(RealArray& a, bool& invertible) {
    const int n = a.rows;
    const std::ptrdiff_t stride = n;
    std::vector<int> order(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        order[static_cast<std::size_t>(i)] = i;
    }
    invertible = true;
    const Real d = Eliminate(a, order, invertible);
    if (!invertible) {
        return d;
    }
    // The row operations of the forward pass applied to the identity: row k of M is
    // e_k + Σ_{i<k} f_ki · (row i of M), lower triangular with ones on the diagonal.
    RealArray m(n, n);
    for (int k = 0; k < n; ++k) {
        m[k][k] = 1;
        // Row i of M is zero right of i, so a block of columns c.. only needs the rows c...
        for (int c = 0; c < k; c += 4) {
            const int width = std::min(4, k - c);
            AddRowTimesColumns(&m[k][c], &a[k][c], &m[c][c], stride, k - c, width);
        }
    }
    // The backward pass clears the upper triangle: rows r < i receive g_ri · (row i), with
    // g_ri = -U[r][i] / U[i][i], for i from n-1 down; row r is final once every row below
    // it is, so the rows are completed from the bottom up.
    std::vector<Real> g(static_cast<std::size_t>(n));
    for (int r = n - 2; r >= 0; --r) {
        const int count = n - 1 - r;
        for (int t = 0; t < count; ++t) {
            const int i = n - 1 - t;
            g[static_cast<std::size_t>(t)] = -a[r][i] / a[i][i];
        }
        AddRowTimesColumns(m[r], g.data(), m[n - 1], -stride, count, n);
    }
    // Divide each row by its pivot (a division keeps results such as 1.5 exact where a
    // reciprocal would not), and put the columns back in the order of the original rows:
    // column k of the result belongs to row order[k] of the matrix.
    for (int r = 0; r < n; ++r) {
        const Real pivot = a[r][r];
        for (int k = 0; k < n; ++k) {
            a[r][order[static_cast<std::size_t>(k)]] = m[r][k] / pivot;
        }
    }
    return d;
}

}  // namespace kalvo
