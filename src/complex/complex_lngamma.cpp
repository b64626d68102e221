#include <cmath>
#include <vector>

#include "complex/complex_math.h"
#include "engine/float_fault.h"

namespace kalvo {

namespace {

// The Stirling series is used from this real part on.
constexpr Real kStirlingFrom = 9;
// Below this real part the upward recurrence would need more than a thousand steps
// (and never ends below -2^64, where x + 1 == x): the reflection formula takes over.
constexpr Real kReflectBelow = -1000;
// ln(sqrt(2*pi)).
constexpr Real kLnSqrtTwoPi = 0.91893853320467274175L;

// c_k of the Stirling series, k = 1..8.
constexpr Real kStirling[8] = {
    1.0L / 12,   -1.0L / 360,      1.0L / 1260, -1.0L / 1680,
    1.0L / 1188, -691.0L / 360360, 1.0L / 156,  -3617.0L / 122400,
};

}  // namespace

ComplexNum CxMath::CxLnGamma(const ComplexNum& z) {
    mathFault = 0;
    ComplexNum r = CxConvert(z, kFormRect);
    if (r.a <= 0 && r.b == 0 && std::trunc(r.a - 1e-8L) == r.a) {
        mathFault = 12;
        return CxHuge;
    }
    if (r.b < 0) {
        return CxConj(LnGammaUpper(CxConj(r)));
    }
    return LnGammaUpper(r);
}

ComplexNum CxMath::LnGammaUpper(const ComplexNum& z) {
    if (z.a >= kStirlingFrom) {
        return LnGammaStirling(z);
    }
    if (z.a < kReflectBelow) {
        return LnGammaReflected(z);
    }
    // lnGamma(z) = lnGamma(z + 1) - ln z, unrolled: the shifted arguments are kept so
    // that the logarithms are subtracted in the order of the recursion.
    std::vector<ComplexNum> shifted;
    ComplexNum w = z;
    while (w.a < kStirlingFrom) {
        shifted.push_back(w);
        w = CxAdd(w, CxOne);
    }
    ComplexNum result = LnGammaStirling(w);
    for (auto it = shifted.rbegin(); it != shifted.rend(); ++it) {
        result = CxSub(result, CxLn(*it));
    }
    return result;
}

ComplexNum CxMath::LnGammaStirling(const ComplexNum& z) {
    ComplexNum t = CxDiv(CxOne, z);
    ComplexNum t2 = CxMul(t, t);
    ComplexNum powers[8];
    powers[0] = t;
    for (int k = 1; k < 8; ++k) {
        powers[k] = CxMul(powers[k - 1], t2);
    }
    ComplexNum series = CxZero;
    for (int k = 7; k >= 0; --k) {
        series = CxAdd(series, CxMul(powers[k], MakeRect(kStirling[k], 0)));
    }
    ComplexNum result = CxMul(CxSub(z, MakeRect(0.5L, 0)), CxLn(z));
    result = CxSub(result, z);
    result = CxAdd(result, MakeRect(kLnSqrtTwoPi, 0));
    return CxAdd(result, series);
}

// lnGamma(z) = ln pi - L(z) - lnGamma(1 - z) for Im z >= 0, where L is the branch of
// ln sin(pi z) that is continuous in the closed upper half plane:
//   sin(pi z) = (i/2) e^(-i pi z) (1 - q),  q = e^(2 pi i z),  |q| <= 1,
//   L(z) = -ln 2 + pi y + i(pi/2 - pi x) + ln(1 - q).
// ln(1 - q) never crosses its cut (Re(1 - q) >= 0), so no branch correction is needed,
// and the result stays on the branch of the recurrence, also on the real axis.
ComplexNum CxMath::LnGammaReflected(const ComplexNum& z) {
    Real x = z.a;
    Real y = z.b;
    // x = xr + 2j with 0 <= xr < 2, exactly: q depends on xr only, which keeps the
    // fraction of a large x.
    Real j = std::floor(x / 2);
    Real xr = x - 2 * j;
    Real e = std::exp(-2 * kPi * y);
    Real s = std::sin(kPi * xr);
    // 1 - q = (1 - e cos 2 pi xr, -e sin 2 pi xr); the real part is written as a sum of
    // two non-negative terms, so it keeps its precision next to the poles.
    Real u = -std::expm1(-2 * kPi * y) + 2 * e * s * s;
    Real v = -e * std::sin(2 * kPi * xr);
    Real lnSinRe = -std::log(2.0L) + kPi * y + std::log(Hypot(u, v));
    Real lnSinIm = kPi / 2 - kPi * xr - 2 * kPi * j + Atan2(v, u);
    ComplexNum mirrored = LnGammaStirling(MakeRect(1 - x, 0 - y));
    return CheckedRect(std::log(kPi) - lnSinRe - mirrored.a, -lnSinIm - mirrored.b);
}

}  // namespace kalvo
