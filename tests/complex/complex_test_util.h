#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "complex/complex_math.h"

namespace kalvo::test {

/// Unit roundoff of the extended real: 2^-64.
inline constexpr Real kEps = 5.421010862427522170e-20L;

/// Tolerance of results that carry an argument: kPi lies 1.5e-18 (28 kEps) above pi, and
/// angles formed with it (wrapping, the argument pi of a negative real) inherit that.
inline constexpr Real kAngleTol = 64 * kEps;

/// pi to 21 digits, independent of the library's kPi.
inline constexpr Real kTruePi = 3.14159265358979323846L;

/// Checks both rectangular parts of z against (re, im); the allowed error is
/// tol * max(1, |(re, im)|), i.e. absolute near 0 and relative for large values.
inline void ExpectCx(const ComplexNum& z, Real re, Real im, Real tol) {
    Real scale = std::max<Real>(1, Hypot(re, im));
    EXPECT_LE(std::fabs(CxRe(z) - re), tol * scale)
        << "real part " << static_cast<double>(CxRe(z)) << " expected " << static_cast<double>(re);
    EXPECT_LE(std::fabs(CxIm(z) - im), tol * scale)
        << "imaginary part " << static_cast<double>(CxIm(z)) << " expected "
        << static_cast<double>(im);
}

inline void ExpectCx(const ComplexNum& z, const ComplexNum& expected, Real tol) {
    ExpectCx(z, CxRe(expected), CxIm(expected), tol);
}

}  // namespace kalvo::test
