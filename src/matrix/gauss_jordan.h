#pragma once

#include <vector>

#include "engine/real.h"
#include "matrix/plain_arrays.h"

namespace kalvo {

/// A pivot smaller than this (2^-63, the spacing of extended values at 1) counts as zero.
inline constexpr Real kPivotEpsilon = 1.08420217248550444e-19L;

/// Solves a·x = b over the indexes lb..ub by Gauss-Jordan elimination with full
/// pivoting: each step takes the entry of largest magnitude in the remaining rows and
/// columns (the first in row-major order on a tie). Returns 0 with x filled, or -1 when
/// the largest remaining pivot is below kPivotEpsilon (x then holds intermediate values).
/// `a` is left unchanged. Raises "Invalid dimensions..." when lb..ub does not fit a, b.
///
///   RealArray a = ...;                 // 2x + y = 3, x + 3y = 5
///   std::vector<Real> x;
///   SolveGaussJordan(a, {3, 5}, 0, 1, x);   // x = {0.8, 1.4}
int SolveGaussJordan(const RealArray& a, const std::vector<Real>& b, int lb, int ub,
                     std::vector<Real>& x);

/// The determinant of a over the indexes lb..ub by Gaussian elimination, destroying a.
/// Rows are exchanged only where a diagonal entry is below kPivotEpsilon (with the first
/// row below whose entry in that column exceeds it); rows whose entry is not above
/// kPivotEpsilon are not eliminated. A singular matrix gives 0; nothing is raised except
/// "Invalid dimensions..." when lb..ub does not fit a.
Real DeterminantGauss(RealArray& a, int lb, int ub);

}  // namespace kalvo
