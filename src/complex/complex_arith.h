#pragma once

#include "complex/complex_num.h"

namespace kalvo {

// Complex operations that cannot raise a math fault. A result that overflows the
// extended range is a floating-point fault (FloatFaultError), never an inf or NaN.

/// Real part: x, or r*cos(theta) for a polar value.
Real CxRe(const ComplexNum& z);
/// Imaginary part: y, or r*sin(theta) for a polar value.
Real CxIm(const ComplexNum& z);
/// |z|: r for a polar value (as |r|), Hypot(x, y) for a rectangular one.
Real CxModulus(const ComplexNum& z);
/// SignOf the real part, or of the imaginary part when the real part is 0.
int CxSign(const ComplexNum& z);
/// True when the real parts and the imaginary parts are equal (forms may differ).
bool CxEqual(const ComplexNum& z, const ComplexNum& w);

/// -z in the form of z.
ComplexNum CxNeg(const ComplexNum& z);
/// Conjugate of z in the form of z.
ComplexNum CxConj(const ComplexNum& z);
/// z + w and z - w, always rectangular.
ComplexNum CxAdd(const ComplexNum& z, const ComplexNum& w);
ComplexNum CxSub(const ComplexNum& z, const ComplexNum& w);
/// z * w in the form of z: rect*polar is rect, polar*rect is polar.
ComplexNum CxMul(const ComplexNum& z, const ComplexNum& w);

/// Rectangular / polar value whose parts pass Checked (no inf or NaN escapes).
ComplexNum CheckedRect(Real x, Real y);
ComplexNum CheckedPolar(Real r, Real theta);

}  // namespace kalvo
