#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "matrix/real_matrix.h"

namespace kalvo::testing {

/// A matrix from rows of values.
inline TRealMatrix MatrixOf(std::initializer_list<std::initializer_list<Real>> rows) {
    TRealMatrix m(static_cast<int>(rows.size()), static_cast<int>(rows.begin()->size()));
    int i = 0;
    for (const auto& row : rows) {
        int j = 0;
        for (Real value : row) {
            m.SetItem(i, j++, value);
        }
        ++i;
    }
    return m;
}

/// Entries uniform in [-1, 1) from a fixed seed, plus `diagonal` on the diagonal; with a
/// diagonal of n the matrix is strictly diagonally dominant and so well conditioned.
inline RealArray RandomArray(int rows, int cols, Real diagonal, std::uint64_t seed) {
    RealArray a(rows, cols);
    std::uint64_t state = seed * 2862933555777941757ULL + 3037000493ULL;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            a[i][j] = static_cast<Real>(state >> 11) / 4503599627370496.0L - 1;
            if (i == j) {
                a[i][j] += diagonal;
            }
        }
    }
    return a;
}

/// The largest deviation of a from the identity.
inline Real DistanceFromIdentity(const TMatrix& a) {
    Real largest = 0;
    for (int i = 0; i < a.RowCount(); ++i) {
        for (int j = 0; j < a.ColCount(); ++j) {
            const Real deviation = a.GetItem(i, j) - (i == j ? 1 : 0);
            largest = deviation < 0 ? (-deviation > largest ? -deviation : largest)
                                    : (deviation > largest ? deviation : largest);
        }
    }
    return largest;
}

}  // namespace kalvo::testing
