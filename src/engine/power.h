#pragma once

#include "engine/real.h"

namespace kalvo {

/// Real power behind "^". A negative base with a fractional exponent has no real
/// value: the result is 0 and negativeBase is set (the caller raises error 10).
/// 0 to a non-positive power is a floating-point division by zero (thrown).
/// Very small results (below about 3.4e-1000) are flushed to 0.
Real Power(Real base, Real exponent, bool& negativeBase);

}  // namespace kalvo
