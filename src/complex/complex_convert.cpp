#include "complex/complex_convert.h"

#include <cmath>
#include <utility>

#include "engine/float_fault.h"

namespace kalvo {

int SignOf(Real x) {
    return x > 0 ? 1 : (x < 0 ? -1 : 0);
}

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
    Checked(theta);
    // Subtracting 2*pi from an angle of 1e30 changes nothing, so such angles are first
    // reduced with one exact remainder; the loops then settle the boundaries.
    if (std::fabs(theta) > 8 * kPi) {
        theta = std::remainder(theta, 2 * kPi);
    }
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

Real SinX(Real x) {
    return std::sin(x);
}

Real CosX(Real x) {
    return std::cos(x);
}

void SinCos(Real x, Real& sinX, Real& cosX) {
    sinX = std::sin(x);
    cosX = std::cos(x);
}

ComplexNum NormalizePolar(const ComplexNum& z) {
    if (z.form != kFormPolar) {
        return z;
    }
    if (z.a < 0) {
        return MakePolar(-z.a, WrapAngle(z.b + kPi));
    }
    return MakePolar(z.a, WrapAngle(z.b));
}

ComplexNum CxConvert(const ComplexNum& z, std::uint8_t form) {
    if (z.form == form) {
        return form == kFormPolar ? NormalizePolar(z) : z;
    }
    if (form == kFormPolar) {
        Real r = (z.b != 0) ? Hypot(z.a, z.b) : std::fabs(z.a);
        return MakePolar(r, Atan2(z.b, z.a));
    }
    return MakeRect(z.a * CosX(z.b), z.a * SinX(z.b));
}

}  // namespace kalvo
