#pragma once

#include "engine/real.h"
#include "matrix/plain_arrays.h"

namespace kalvo {

/// Replaces the square array a by its inverse by Gauss-Jordan elimination, taking the
/// largest entry of each column as its pivot, and returns the product of the pivots with
/// the sign of the row exchanges (a's determinant, which may underflow to 0 for an
/// invertible matrix of tiny entries). `invertible` is false when a column has no
/// non-zero pivot left; a then holds intermediate values. The caller checks that a is
/// square.
Real InvertInPlace(RealArray& a, bool& invertible);

}  // namespace kalvo
