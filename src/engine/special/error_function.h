#pragma once

#include "engine/real.h"
#include "engine/special/special_result.h"

namespace kalvo {

/// Upper tail of the standard normal distribution, P(Z > y), from a rational
/// approximation of erfc; exactly 0 (or 1 for negative y) beyond |y| = 10 sqrt(2).
Real NormalTail(Real y);

/// The error function, 1 - 2 NormalTail(sqrt(2) x); exactly 1 for x > 10.
SpecialResult Erf(Real x);

}  // namespace kalvo
