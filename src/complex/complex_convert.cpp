#include "complex/complex_convert.h"

#include <cmath>

namespace kalvo {

int SignOf(Real x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

Real Hypot(Real a, Real b) {
    Real m = std::fabs(a);
    Real s = std::fabs(b);
    if (s > m) {
        std::swap(m, s);
    }
    if (m == 0) {
        return 0;
    }
    Real q = s / m;
    return m * std::sqrt(1 + q * q);
}

Real WrapAngle(Real theta) {
    while (theta > kPi) {
        theta -= 2 * kPi;
    }
    while (theta <= -kPi) {
        theta += 2 * kPi;
    }
    return theta;
}

Real Atan2(Real y, Real x) {
    if (x != 0) {
        Real t = std::atan(y / x);
        if (x < 0) {
            t += (y >= 0) ? kPi : -kPi;
        }
        return t;
    }
    if (y == 0) {
        return 0;
    }
    return y > 0 ? kPi / 2 : -kPi / 2;
}

ComplexNum CxConvert(const ComplexNum& z, std::uint8_t form) {
    if (z.form == form) {
        return z;
    }
    if (form == kFormPolar) {
        Real r = (z.b != 0) ? Hypot(z.a, z.b) : std::fabs(z.a);
        return MakePolar(r, Atan2(z.b, z.a));
    }
    return MakeRect(z.a * std::cos(z.b), z.a * std::sin(z.b));
}

}  // namespace kalvo
