#pragma once

#include "engine/real.h"
#include "engine/special/special_result.h"

namespace kalvo {

/// n! as the upward product 1 x 2 x ... x n in extended precision (0! = 1).
/// A negative or non-integer n is error 8, n above 1754 error 11 (both clear the answer).
SpecialResult Factorial(Real n);

/// Euler's gamma function. Integers use Factorial, negative non-integers the reflection
/// formula, the rest the Stirling series (shifted up to 12 when x < 12).
/// Poles (0 and the negative integers) are error 13.
SpecialResult Gamma(Real x);

/// ln gamma(x) by the Stirling series with seven terms; accurate for x >= 12.
Real LogGammaStirling(Real x);

}  // namespace kalvo
