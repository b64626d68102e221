#pragma once

#include <memory>
#include <vector>

#include "engine/real.h"

namespace kalvo {

/// A vector of extended reals seen through bounds-checked access with 0-based indexes.
class TVector {
  public:
    virtual ~TVector() = default;

    /// A new vector of the receiver's own class with 5 zeros.
    virtual std::unique_ptr<TVector> Create() const = 0;
    /// Outside 0..Count-1 raises "Index out of bounds".
    virtual Real GetItem(int index) const = 0;
    virtual void SetItem(int index, Real value) = 0;
    /// New length keeping the first values, new entries zero; n below 1 raises
    /// "Invalid dimension...".
    virtual void SetCount(int n) = 0;
    int Count() const { return m_count; }

  protected:
    TVector() = default;
    TVector(const TVector&) = default;
    TVector& operator=(const TVector&) = default;
    void SetCountField(int n) { m_count = n; }

  private:
    int m_count = 0;
};

/// The extended-real vector, stored in one block.
class TRealVector : public TVector {
  public:
    /// 5 zeros.
    TRealVector();
    explicit TRealVector(int count);
    TRealVector(const TRealVector&) = default;
    TRealVector& operator=(const TRealVector&) = default;

    std::unique_ptr<TVector> Create() const override;
    Real GetItem(int index) const override;
    void SetItem(int index, Real value) override;
    void SetCount(int n) override;

    const std::vector<Real>& Values() const { return m_values; }

  private:
    void CheckIndex(int index) const;

    std::vector<Real> m_values;
};

}  // namespace kalvo
