#pragma once

#include "engine/real.h"
#include "engine/special/break_poll.h"
#include "engine/special/special_result.h"

namespace kalvo {

/// Si(x) for x >= 0: by quadrature up to x = 1, above that pi/2 - F cos x - G sin x with
/// rational approximations F and G of the auxiliary functions (absolute error below 1e-6).
/// Negative x is error 8 (clears the answer).
SpecialResult SineIntegral(Real x, int precision, BreakPoll& poll);

/// Ci(x) for x > 0: Euler's constant + ln x + a quadrature up to x = 1, above that
/// F sin x - G cos x. x = 0 is error 24, negative x error 8 (clears the answer).
SpecialResult CosineIntegral(Real x, int precision, BreakPoll& poll);

}  // namespace kalvo
