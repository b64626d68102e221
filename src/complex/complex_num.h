#pragma once

#include <cstdint>

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

inline ComplexNum MakeRect(Real x, Real y) { return ComplexNum{kFormRect, x, y}; }
inline ComplexNum MakePolar(Real r, Real theta) { return ComplexNum{kFormPolar, r, theta}; }

}  // namespace kalvo
