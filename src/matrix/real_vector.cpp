#include "matrix/real_vector.h"

#include "matrix/matrix_exception.h"

namespace kalvo {

namespace {

constexpr int kDefaultCount = 5;

}  // namespace

TRealVector::TRealVector() : TRealVector(kDefaultCount) {}

TRealVector::TRealVector(int count) {
    SetCount(count);
}

std::unique_ptr<TVector> TRealVector::Create() const {
    return std::make_unique<TRealVector>();
}

void TRealVector::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) {
        throw EMatrixException(kIndexOutOfBounds);
    }
}

Real TRealVector::GetItem(int index) const {
    CheckIndex(index);
    return m_values[static_cast<std::size_t>(index)];
}

void TRealVector::SetItem(int index, Real value) {
    CheckIndex(index);
    m_values[static_cast<std::size_t>(index)] = value;
}

void TRealVector::SetCount(int n) {
    if (n <= 0) {
        throw EMatrixException(kInvalidDimension);
    }
    m_values.resize(static_cast<std::size_t>(n), 0.0L);
    SetCountField(n);
}

}  // namespace kalvo
