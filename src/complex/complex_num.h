#pragma once

#include <cstdint>
#include <limits>

#include "engine/real.h"

namespace kalvo {

/// A complex value in rectangular (form 1: a = x, b = y) or polar form
/// (form 0: a = modulus r, b = argument theta in radians, -pi < theta <= pi).
struct ComplexNum {
    std::uint8_t form = 1;
    Real a = 0;
    Real b = 0;
};

inline constexpr std::uint8_t kFormPolar = 0;
inline constexpr std::uint8_t kFormRect = 1;

/// Largest finite extended value (about 1.18973e4932): the stand-in result of an
/// overflow or a singularity.
inline constexpr Real kExtMax = std::numeric_limits<Real>::max();

inline constexpr ComplexNum MakeRect(Real x, Real y) {
    return ComplexNum{kFormRect, x, y};
}
inline constexpr ComplexNum MakePolar(Real r, Real theta) {
    return ComplexNum{kFormPolar, r, theta};
}

inline constexpr ComplexNum CxZero = MakeRect(0, 0);
inline constexpr ComplexNum CxOne = MakeRect(1, 0);
inline constexpr ComplexNum CxI = MakeRect(0, 1);
inline constexpr ComplexNum CxPi = MakeRect(kPi, 0);
inline constexpr ComplexNum CxHalfPi = MakeRect(kPi / 2, 0);
inline constexpr ComplexNum CxHuge = MakeRect(kExtMax, kExtMax);

}  // namespace kalvo
