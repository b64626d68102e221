#pragma once

#include <memory>

#include "matrix/matrix.h"
#include "matrix/plain_arrays.h"

namespace kalvo {

/// A dense matrix of extended reals stored in one contiguous row-major block. The
/// result-returning operations leave the receiver unchanged and return a new matrix of
/// the receiver's own class, which the caller owns.
///
///   TRealMatrix a(2, 2);                      // zeros
///   auto inverse = a.Inverted();              // or "Could not inverse this matrix"
class TRealMatrix : public TMatrix {
  public:
    /// 5 × 5 zeros.
    TRealMatrix();
    /// rows × cols zeros; a count below 1 raises "Invalid dimensions...".
    TRealMatrix(int rows, int cols);
    /// A matrix holding the array's values.
    explicit TRealMatrix(RealArray cells);
    TRealMatrix(const TRealMatrix&) = default;
    TRealMatrix& operator=(const TRealMatrix&) = default;
    TRealMatrix(TRealMatrix&&) = default;
    TRealMatrix& operator=(TRealMatrix&&) = default;

    std::unique_ptr<TMatrix> Create() const final;
    Real GetItem(int row, int col) const override;
    void SetItem(int row, int col, Real value) override;
    void SetSize(int rows, int cols) override;
    RealArray ToArray() const override { return m_cells; }
    void FromArray(const RealArray& cells) override;

    std::unique_ptr<TRealMatrix> Sum(const TMatrix& m) const;
    std::unique_ptr<TRealMatrix> Product(const TMatrix& m) const;
    std::unique_ptr<TRealMatrix> Scaled(Real x) const;
    std::unique_ptr<TRealMatrix> Powered(int n) const;
    /// The inverse; raises "This operation can be applied only to square matrix" or
    /// "Could not inverse this matrix".
    std::unique_ptr<TRealMatrix> Inverted() const;

    /// The values as a plain array (a copy is what the array kernels work on).
    const RealArray& Cells() const { return m_cells; }

  protected:
    /// The virtual constructor behind Create and the results: a derived class returns an
    /// object of its own class.
    virtual TRealMatrix* NewEmpty() const { return new TRealMatrix; }

  private:
    std::unique_ptr<TRealMatrix> Copy() const;

    RealArray m_cells;
};

}  // namespace kalvo
