#pragma once

#include "engine/real.h"
#include "engine/special/break_poll.h"
#include "engine/special/special_result.h"

namespace kalvo {

/// The Fermi-Dirac integral of order j, int_0^(x+23) t^j / (e^(t-x) + 1) dt, without a
/// normalisation factor; the cut at x + 23 drops a tail of about e^-23 relative weight.
/// x == kUndefinedValue (left out) is error 20. Orders j <= -1, for which the integral
/// diverges at 0, are error 8.
SpecialResult FermiDirac(Real j, Real x, int precision, BreakPoll& poll);

}  // namespace kalvo
