#include "matrix/real_matrix.h"

#include <algorithm>
#include <utility>

#include "matrix/matrix_exception.h"

namespace kalvo {

namespace {

constexpr int kDefaultSize = 5;

}  // namespace

TRealMatrix::TRealMatrix() : TRealMatrix(kDefaultSize, kDefaultSize) {}

TRealMatrix::TRealMatrix(int rows, int cols) {
    SetSize(rows, cols);
}

TRealMatrix::TRealMatrix(RealArray cells) {
    if (cells.rows < 1 || cells.cols < 1) {
        throw EMatrixException(kInvalidDimensions);
    }
    SetCounts(cells.rows, cells.cols);
    m_cells = std::move(cells);
}

std::unique_ptr<TMatrix> TRealMatrix::Create() const {
    return std::unique_ptr<TMatrix>(NewEmpty());
}

Real TRealMatrix::GetItem(int row, int col) const {
    CheckIndex(row, col);
    return m_cells[row][col];
}

void TRealMatrix::SetItem(int row, int col, Real value) {
    CheckSetIndex(row, col);
    m_cells[row][col] = value;
}

void TRealMatrix::SetSize(int rows, int cols) {
    if (rows <= 0 || cols <= 0) {
        throw EMatrixException(kInvalidDimensions);
    }
    if (rows == RowCount() && cols == ColCount()) {
        return;
    }
    RealArray resized(rows, cols);
    const int keepRows = std::min(rows, m_cells.rows);
    const int keepCols = std::min(cols, m_cells.cols);
    for (int i = 0; i < keepRows; ++i) {
        std::copy_n(m_cells[i], keepCols, resized[i]);
    }
    m_cells = std::move(resized);
    SetCounts(rows, cols);
}

void TRealMatrix::FromArray(const RealArray& cells) {
    if (cells.rows < 1 || cells.cols < 1) {
        throw EMatrixException(kInvalidDimensions);
    }
    m_cells = cells;
    SetCounts(cells.rows, cells.cols);
}

std::unique_ptr<TRealMatrix> TRealMatrix::Copy() const {
    std::unique_ptr<TRealMatrix> copy(NewEmpty());
    copy->CopyFrom(*this);
    return copy;
}

std::unique_ptr<TRealMatrix> TRealMatrix::Sum(const TMatrix& m) const {
    auto result = Copy();
    result->AddInPlace(m);
    return result;
}

std::unique_ptr<TRealMatrix> TRealMatrix::Product(const TMatrix& m) const {
    auto result = Copy();
    result->MulInPlace(m);
    return result;
}

std::unique_ptr<TRealMatrix> TRealMatrix::Scaled(Real x) const {
    auto result = Copy();
    result->ScaleInPlace(x);
    return result;
}

std::unique_ptr<TRealMatrix> TRealMatrix::Powered(int n) const {
    auto result = Copy();
    result->PowerInPlace(n);
    return result;
}

std::unique_ptr<TRealMatrix> TRealMatrix::Inverted() const {
    if (!IsSquare()) {
        throw EMatrixException(kOnlySquare);
    }
    auto work = Copy();
    std::unique_ptr<TRealMatrix> inverse(NewEmpty());
    if (!EliminateGaussJordan(*work, *inverse)) {
        throw EMatrixException(kCouldNotInverse);
    }
    return inverse;
}

}  // namespace kalvo
