#pragma once

#include <cstddef>
#include <vector>

#include "engine/real.h"

namespace kalvo {

/// A plain rows × cols block of extended reals in one contiguous row-major allocation,
/// without bounds checks: the storage of TRealMatrix and the work array of the kernels.
struct RealArray {
    int rows = 0;
    int cols = 0;
    std::vector<Real> cells;

    RealArray() = default;
    RealArray(int rowCount, int colCount)
        : rows(rowCount),
          cols(colCount),
          cells(static_cast<std::size_t>(rowCount) * static_cast<std::size_t>(colCount), 0.0L) {}

    bool Empty() const { return cells.empty(); }
    Real* operator[](int row) { return cells.data() + static_cast<std::size_t>(row) * cols; }
    const Real* operator[](int row) const {
        return cells.data() + static_cast<std::size_t>(row) * cols;
    }
};

/// Upper bounds accepted by the allocation helpers.
inline constexpr int kMaxVectorBound = 65534;
inline constexpr int kMaxMatrixRowBound = 16382;

/// A vector with indexes 0..ub, all 0; empty when ub lies outside 0..65534.
std::vector<Real> NewVector(int ub);
std::vector<int> NewIntVector(int ub);
/// An array with rows 0..ub1 and columns 0..ub2, all 0; empty when ub1 lies outside
/// 0..16382 or ub2 outside 0..65534.
RealArray NewMatrix(int ub1, int ub2);

/// Exchanges rows i and k over the columns lb..ub.
void ExchangeMatrixRows(int i, int k, RealArray& a, int ub, int lb);
/// Exchanges columns j and k over the rows lb..ub.
void ExchangeMatrixCols(int j, int k, RealArray& a, int ub, int lb);

}  // namespace kalvo
