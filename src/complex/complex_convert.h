#pragma once

#include <cstdint>

#include "complex/complex_num.h"

namespace kalvo {

/// 1 for x > 0, 0 for x = 0, -1 for x < 0.
int SignOf(Real x);
/// sqrt(a^2 + b^2) without intermediate overflow.
Real Hypot(Real a, Real b);
/// Brings an angle into -pi < theta <= pi.
Real WrapAngle(Real theta);
/// Argument of (x, y): arctan(y/x) moved into the right quadrant; 0 at the origin.
Real Atan2(Real y, Real x);

/// z in the given form (kFormRect or kFormPolar); unchanged when it already has it.
ComplexNum CxConvert(const ComplexNum& z, std::uint8_t form);

}  // namespace kalvo
