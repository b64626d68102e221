#pragma once

#include <cstdint>

#include "complex/complex_num.h"

namespace kalvo {

/// 1 for x > 0, 0 for x = 0, -1 for x < 0.
int SignOf(Real x);
/// sqrt(a^2 + b^2) without intermediate overflow.
Real Hypot(Real a, Real b);
/// Brings an angle into -pi < theta <= pi. A non-finite angle is a floating-point fault
/// (FloatFaultError); very large angles are reduced in one step instead of looping.
Real WrapAngle(Real theta);
/// Argument of (x, y): arctan(y/x) moved into the right quadrant; 0 at the origin.
Real Atan2(Real y, Real x);

/// Extended-precision sine and cosine; SinCos returns both.
Real SinX(Real x);
Real CosX(Real x);
void SinCos(Real x, Real& sinX, Real& cosX);

/// A polar value with modulus >= 0 and a wrapped argument: (-4, 0) becomes (4, pi).
/// Rectangular values are returned unchanged.
ComplexNum NormalizePolar(const ComplexNum& z);

/// z in the given form (kFormRect or kFormPolar); a value that already has the form is
/// returned as it is, except that a polar value is normalised (NormalizePolar).
ComplexNum CxConvert(const ComplexNum& z, std::uint8_t form);

}  // namespace kalvo
