#pragma once

#include <memory>

#include "matrix/plain_arrays.h"

#include "engine/real.h"

namespace kalvo {

/// A matrix of extended reals seen through bounds-checked cell access, with 0-based row
/// and column indexes. The operations below work on any concrete class through GetItem
/// and SetItem; a result they need is created by `Create`, so a derived class gets
/// results of its own class. Every failure raises EMatrixException.
///
///   TRealMatrix a(2, 2);
///   a.SetItem(0, 1, 2.5L);
///   a.MulInPlace(b);              // a := a · b, or "Can not Multiply"
class TMatrix {
  public:
    virtual ~TMatrix() = default;

    /// A new matrix of the receiver's own class, 5 × 5 and zero.
    virtual std::unique_ptr<TMatrix> Create() const = 0;
    /// The cell (row, col); outside the matrix raises «Index out of bounds» + col + " " + row.
    virtual Real GetItem(int row, int col) const = 0;
    /// Sets the cell (row, col); outside the matrix raises "Index out of bounds".
    virtual void SetItem(int row, int col, Real value) = 0;
    /// New dimensions keeping the values of the overlapping part, new cells zero. A count
    /// below 1 raises "Invalid dimensions...".
    virtual void SetSize(int rows, int cols) = 0;

    /// The values as a plain array.
    virtual RealArray ToArray() const;
    /// Takes the array's dimensions and values.
    virtual void FromArray(const RealArray& cells);

    int RowCount() const { return m_rows; }
    int ColCount() const { return m_cols; }
    /// Change one dimension; an invalid count is ignored without an error.
    void SetRowCount(int rows) noexcept;
    void SetColCount(int cols) noexcept;
    bool IsSquare() const { return m_rows == m_cols; }

    /// Takes m's dimensions and values.
    void CopyFrom(const TMatrix& m);
    void FillWith(Real x);
    /// receiver := receiver + m; other dimensions raise "Can not add these matrixes".
    void AddInPlace(const TMatrix& m);
    /// receiver := receiver · m; ColCount ≠ m.RowCount raises "Can not Multiply".
    void MulInPlace(const TMatrix& m);
    void ScaleInPlace(Real x);
    /// All cells 0 and the diagonal x; only for a square matrix.
    void MakeDiagonal(Real x);
    /// receiver := receiver^n; for n ≤ 1 the receiver stays as it is. Computed by repeated
    /// squaring, so at most 2·log2(n) products are formed.
    void PowerInPlace(int n);

    // Row operations.
    void ExchangeRows(int i, int k);
    /// row target += factor · row source.
    void AddRowMultiple(int target, int source, Real factor);
    void ScaleRow(int row, Real factor);

    /// Puts w's inverse into `inverse` (resized to w's size; its values on entry are not
    /// used) and turns w into the identity, by Gauss-Jordan elimination that takes the
    /// largest entry of each column as its pivot. Returns false, with both left as they
    /// were, when a column has no non-zero pivot left, so that w has no inverse. The
    /// product of the pivots, w's determinant, goes to `determinant` when given. Raises
    /// "This operation can be applied only to square matrix" for a w that is not square.
    static bool EliminateGaussJordan(TMatrix& w, TMatrix& inverse, Real* determinant = nullptr);

  protected:
    TMatrix() = default;
    // Copies only between objects of one concrete class (no slicing through the base).
    TMatrix(const TMatrix&) = default;
    TMatrix& operator=(const TMatrix&) = default;
    /// For SetSize of the concrete classes.
    void SetCounts(int rows, int cols) {
        m_rows = rows;
        m_cols = cols;
    }
    /// Raises the bounds error of GetItem when (row, col) lies outside.
    void CheckIndex(int row, int col) const;
    /// Raises the bounds error of SetItem when (row, col) lies outside.
    void CheckSetIndex(int row, int col) const;

  private:
    int m_rows = 0;
    int m_cols = 0;
};

}  // namespace kalvo
