#pragma once

#include "engine/real.h"
#include "engine/special/break_poll.h"
#include "engine/special/special_result.h"

namespace kalvo {

// The Bessel family of real order n >= 0, computed from integral representations with
// AdaptiveQuadrature. x == kUndefinedValue means the argument was left out (error 20).
// A negative order or argument is error 24 (for K also x = 0).

/// J_n(x) = (x/2)^n / (gamma(n + 1/2) sqrt(pi)) * int_0^pi sin(t)^(2n) cos(x cos t) dt.
SpecialResult BesselJ(Real n, Real x, int precision, BreakPoll& poll);

/// Y_n(x) from its integral over [0, pi] with the exponential part mapped onto it; x = 0,
/// its pole, is error 12.
SpecialResult BesselY(Real n, Real x, int precision, BreakPoll& poll);

/// I_n(x): as J_n with exp(x cos t) in place of cos(x cos t).
SpecialResult BesselI(Real n, Real x, int precision, BreakPoll& poll);

/// K_n(x) = 1/2 int_0^1 (t^n + t^-n) exp(-x (t + 1/t) / 2) / t dt; the integrand is cut to 0
/// where the exponent is -70 or less, so K is 0 for x >= 70.
SpecialResult BesselK(Real n, Real x, int precision, BreakPoll& poll);

}  // namespace kalvo
