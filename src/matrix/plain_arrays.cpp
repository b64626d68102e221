#include "matrix/plain_arrays.h"

#include <algorithm>
#include <utility>

namespace kalvo {

std::vector<Real> NewVector(int ub) {
    if (ub < 0 || ub > kMaxVectorBound) {
        return {};
    }
    return std::vector<Real>(static_cast<std::size_t>(ub) + 1, 0.0L);
}

std::vector<int> NewIntVector(int ub) {
    if (ub < 0 || ub > kMaxVectorBound) {
        return {};
    }
    return std::vector<int>(static_cast<std::size_t>(ub) + 1, 0);
}

RealArray NewMatrix(int ub1, int ub2) {
    if (ub1 < 0 || ub1 > kMaxMatrixRowBound || ub2 < 0 || ub2 > kMaxVectorBound) {
        return {};
    }
    return RealArray(ub1 + 1, ub2 + 1);
}

void ExchangeMatrixRows(int i, int k, RealArray& a, int ub, int lb) {
    if (i == k || ub < lb) {
        return;
    }
    std::swap_ranges(a[i] + lb, a[i] + ub + 1, a[k] + lb);
}

void ExchangeMatrixCols(int j, int k, RealArray& a, int ub, int lb) {
    if (j == k) {
        return;
    }
    for (int row = lb; row <= ub; ++row) {
        std::swap(a[row][j], a[row][k]);
    }
}

}  // namespace kalvo
