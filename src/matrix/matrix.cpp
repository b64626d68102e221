#include "matrix/matrix.h"

#include <cmath>
#include <string>
#include <vector>

#include "matrix/invert.h"
#include "matrix/matrix_exception.h"

namespace kalvo {

void TMatrix::SetRowCount(int rows) noexcept {
    try {
        SetSize(rows, m_cols);
    } catch (...) {
        // An invalid count leaves the matrix as it is.
    }
}

void TMatrix::SetColCount(int cols) noexcept {
    try {
        SetSize(m_rows, cols);
    } catch (...) {
    }
}

void TMatrix::CheckIndex(int row, int col) const {
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols) {
        throw EMatrixException(std::string(kIndexOutOfBounds) + std::to_string(col) + " " +
                               std::to_string(row));
    }
}

void TMatrix::CheckSetIndex(int row, int col) const {
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols) {
        throw EMatrixException(kIndexOutOfBounds);
    }
}

void TMatrix::CopyFrom(const TMatrix& m) {
    if (&m != this) {
        FromArray(m.ToArray());
    }
}

void TMatrix::FillWith(Real x) {
    for (int i = 0; i < m_rows; ++i) {
        for (int j = 0; j < m_cols; ++j) {
            SetItem(i, j, x);
        }
    }
}

void TMatrix::AddInPlace(const TMatrix& m) {
    if (m.RowCount() != m_rows || m.ColCount() != m_cols) {
        throw EMatrixException(kCanNotAdd);
    }
    for (int i = 0; i < m_rows; ++i) {
        for (int j = 0; j < m_cols; ++j) {
            SetItem(i, j, GetItem(i, j) + m.GetItem(i, j));
        }
    }
}

void TMatrix::MulInPlace(const TMatrix& m) {
    if (m_cols != m.RowCount()) {
        throw EMatrixException(kCanNotMultiply);
    }
    std::unique_ptr<TMatrix> product = Create();
    product->SetSize(m_rows, m.ColCount());
    for (int i = 0; i < m_rows; ++i) {
        for (int j = 0; j < m.ColCount(); ++j) {
            Real sum = 0;
            for (int k = 0; k < m_cols; ++k) {
                sum += GetItem(i, k) * m.GetItem(k, j);
            }
            product->SetItem(i, j, sum);
        }
    }
    CopyFrom(*product);
}

void TMatrix::ScaleInPlace(Real x) {
    for (int i = 0; i < m_rows; ++i) {
        for (int j = 0; j < m_cols; ++j) {
            SetItem(i, j, GetItem(i, j) * x);
        }
    }
}

void TMatrix::MakeDiagonal(Real x) {
    if (!IsSquare()) {
        throw EMatrixException(kOnlySquare);
    }
    FillWith(0);
    for (int i = 0; i < m_rows; ++i) {
        SetItem(i, i, x);
    }
}

void TMatrix::PowerInPlace(int n) {
    if (n <= 1) {
        return;
    }
    if (!IsSquare()) {
        throw EMatrixException(kCanNotMultiply);
    }
    // Binary powering from the highest bit down: receiver := receiver², then · base
    // where the bit is set.
    std::unique_ptr<TMatrix> base = Create();
    base->CopyFrom(*this);
    int high = 30;
    while ((n >> high) == 0) {
        --high;
    }
    for (int bit = high - 1; bit >= 0; --bit) {
        std::unique_ptr<TMatrix> square = Create();
        square->CopyFrom(*this);
        MulInPlace(*square);
        if ((n >> bit) & 1) {
            MulInPlace(*base);
        }
    }
}

void TMatrix::ExchangeRows(int i, int k) {
    CheckSetIndex(i, 0);
    CheckSetIndex(k, 0);
    for (int j = 0; j < m_cols; ++j) {
        const Real t = GetItem(i, j);
        SetItem(i, j, GetItem(k, j));
        SetItem(k, j, t);
    }
}

void TMatrix::AddRowMultiple(int target, int source, Real factor) {
    for (int j = 0; j < m_cols; ++j) {
        SetItem(target, j, GetItem(target, j) + factor * GetItem(source, j));
    }
}

void TMatrix::ScaleRow(int row, Real factor) {
    for (int j = 0; j < m_cols; ++j) {
        SetItem(row, j, GetItem(row, j) * factor);
    }
}

RealArray TMatrix::ToArray() const {
    RealArray cells(m_rows, m_cols);
    for (int i = 0; i < m_rows; ++i) {
        for (int j = 0; j < m_cols; ++j) {
            cells[i][j] = GetItem(i, j);
        }
    }
    return cells;
}

void TMatrix::FromArray(const RealArray& cells) {
    SetSize(cells.rows, cells.cols);
    for (int i = 0; i < m_rows; ++i) {
        for (int j = 0; j < m_cols; ++j) {
            SetItem(i, j, cells[i][j]);
        }
    }
}

bool TMatrix::EliminateGaussJordan(TMatrix& w, TMatrix& inverse, Real* determinant) {
    if (!w.IsSquare()) {
        throw EMatrixException(kOnlySquare);
    }
    RealArray cells = w.ToArray();
    bool invertible = false;
    const Real d = InvertInPlace(cells, invertible);
    if (determinant != nullptr) {
        *determinant = d;
    }
    if (!invertible) {
        return false;
    }
    inverse.FromArray(cells);
    w.MakeDiagonal(1);
    return true;
}

}  // namespace kalvo
