#include <cmath>

#include "complex/complex_math.h"
#include "engine/float_fault.h"

namespace kalvo {

namespace {

// Beyond this modulus arcsin z = arg-like real part + i(ln 2 + ln|z|) to full precision
// (the neglected terms are of order 1/|z|^2).
constexpr Real kArcSinLarge = 1099511627776.0L;  // 2^40
// Below this |B| = |Re z|/A the real part of arcsin is asin(B) without loss.
constexpr Real kArcSinCrossover = 0.6417L;
// Below this A - 1 the imaginary part of arcsin is formed from A - 1 with log1p.
constexpr Real kArcSinNearOne = 1.5L;

// i*z and -i*z in rectangular form.
// 0 - v instead of -v keeps a zero part +0.
ComplexNum TimesI(const ComplexNum& z) {
    return MakeRect(0 - z.b, z.a);
}
ComplexNum TimesMinusI(const ComplexNum& z) {
    return MakeRect(z.b, 0 - z.a);
}

// ln|z| for |z| up to kExtMax in both parts, without squaring.
Real LnModulus(Real ax, Real ay) {
    Real m = std::fmax(ax, ay);
    Real s = std::fmin(ax, ay);
    Real q = s / m;
    return std::log(m) + std::log1p(q * q) / 2;
}

}  // namespace

CxMath::TrigParts CxMath::SplitTrig(const ComplexNum& z) {
    const ComplexNum r = CxConvert(z, kFormRect);
    TrigParts p;
    HypSinCos(r.b, p.sinhY, p.coshY);
    SinCos(r.a, p.sinX, p.cosX);
    return p;
}

ComplexNum CxMath::CxSin(const ComplexNum& z) {
    const TrigParts p = SplitTrig(z);
    return CheckedRect(p.sinX * p.coshY, p.cosX * p.sinhY);
}

ComplexNum CxMath::CxCos(const ComplexNum& z) {
    const TrigParts p = SplitTrig(z);
    return CheckedRect(p.cosX * p.coshY, -p.sinX * p.sinhY);
}

ComplexNum CxMath::CxTan(const ComplexNum& z) {
    ComplexNum r = CxConvert(z, kFormRect);
    Real s = 0;
    Real c = 0;
    SinCos(Checked(2 * r.a), s, c);
    Real sh = 0;
    Real ch = 0;
    HypSinCos(2 * r.b, sh, ch);
    // With cosh 2y beyond the range, c is negligible beside it: the result is (0, +-1)
    // in the limit, and the overflow code stays set.
    Real d = mathFault == 11 ? ch : c + ch;
    if (d == 0) {
        mathFault = 12;
        return MakeRect(kExtMax, 0);
    }
    return CheckedRect(s / d, sh / d);
}

ComplexNum CxMath::CxSinh(const ComplexNum& z) {
    return TimesMinusI(CxSin(TimesI(CxConvert(z, kFormRect))));
}

ComplexNum CxMath::CxCosh(const ComplexNum& z) {
    return CxCos(TimesI(CxConvert(z, kFormRect)));
}

ComplexNum CxMath::CxTanh(const ComplexNum& z) {
    ComplexNum t = CxTan(TimesI(CxConvert(z, kFormRect)));
    // A pole of tanh: tan returned (kExtMax, 0), which turns into (0, -kExtMax).
    return TimesMinusI(t);
}

ComplexNum CxMath::CxArcSin(const ComplexNum& z) {
    mathFault = 0;
    ComplexNum r = CxConvert(z, kFormRect);
    Real x = r.a;
    Real y = r.b;
    // Worked on |x|, |y| with p + q = A, p - q = x/A; the cancellations of the plain
    // formulas (A - 1 near the real segment, 1 - B^2 near |B| = 1) are avoided by
    // forming A - 1 and A - |x| from differences that are computed exactly.
    Real ax = std::fabs(x);
    Real ay = std::fabs(y);
    Real re = 0;
    Real im = 0;
    if (ax > kArcSinLarge || ay > kArcSinLarge) {
        re = std::atan2(ax, ay);
        im = LnModulus(ax, ay) + std::log(2.0L);
    } else {
        Real bigR = Hypot(ax + 1, ay);
        Real bigS = Hypot(ax - 1, ay);
        Real a = std::fmax((bigR + bigS) / 2, 1.0L);
        Real yy = ay * ay;
        Real rPart = yy / (bigR + (ax + 1));  // R - (|x| + 1)
        Real b = ax / a;
        if (b <= kArcSinCrossover) {
            re = std::asin(b);
        } else if (ax <= 1) {
            Real apx = (a + ax) / 2 * (rPart + (bigS + (1 - ax)));
            re = std::atan(ax / std::sqrt(apx));
        } else if (ay == 0) {
            re = kPi / 2;
        } else {
            Real h = (a + ax) / 2 * (1 / (bigR + (ax + 1)) + 1 / (bigS + (ax - 1)));
            re = std::atan(ax / (ay * std::sqrt(h)));
        }
        if (ax < 1 && ay < 1e-30L) {
            // y^2 may underflow here; the first-order term is exact to working precision.
            im = ay / std::sqrt((1 - ax) * (1 + ax));
        } else if (a <= kArcSinNearOne) {
            Real am1 =
                ax < 1 ? (rPart + yy / (bigS + (1 - ax))) / 2 : (rPart + (bigS + (ax - 1))) / 2;
            im = std::log1p(am1 + std::sqrt(am1 * (a + 1)));
        } else {
            im = std::log(a + std::sqrt((a - 1) * (a + 1)));
        }
    }
    if (x < 0) {
        re = -re;
    }
    // On the real axis beyond +-1 the sign follows -x: arcsin 2 = pi/2 - 1.317i.
    int g = y != 0 ? SignOf(y) : -SignOf(x);
    return CheckedRect(re, g * im);
}

ComplexNum CxMath::CxArcCos(const ComplexNum& z) {
    return CxSub(CxHalfPi, CxArcSin(z));
}

ComplexNum CxMath::CxArcTan(const ComplexNum& z) {
    mathFault = 0;
    ComplexNum r = CxConvert(z, kFormRect);
    Real x = r.a;
    Real y = r.b;
    if (x == 0 && std::fabs(y) == 1) {
        mathFault = 12;
        return MakeRect(0, SignOf(y) * kExtMax);
    }
    Real re = (Atan2(x, 1 - y) - Atan2(-x, 1 + y)) / 2;
    // Imaginary part ln((x^2 + (y+1)^2) / (x^2 + (y-1)^2)) / 4. The ratio is
    // 1 + 4y/D with D = x^2 + (y-1)^2: near 1 it goes through log1p; otherwise it is
    // taken as a quotient of moduli, which neither overflows nor underflows.
    Real h1 = Hypot(x, y + 1);
    Real h2 = Hypot(x, y - 1);
    Real t = 4 * (y / h2) / h2;  // 4y/D
    Real im = std::fabs(t) <= 0.5L ? std::log1p(t) / 4 : (std::log(h1) - std::log(h2)) / 2;
    return CheckedRect(re, im);
}

ComplexNum CxMath::CxArcSinh(const ComplexNum& z) {
    return CxNeg(CxMul(CxI, CxArcSin(CxMul(CxI, z))));
}

ComplexNum CxMath::CxArcCosh(const ComplexNum& z) {
    ComplexNum w = CxArcCos(z);
    // -i*w has the real part Im w, i*w the real part -Im w: take the one that is >= 0.
    return w.b > 0 ? TimesMinusI(w) : TimesI(w);
}

ComplexNum CxMath::CxArcTanh(const ComplexNum& z) {
    mathFault = 0;
    ComplexNum r = CxConvert(z, kFormRect);
    if (std::fabs(r.a) == 1 && r.b == 0) {
        mathFault = 12;
        return MakeRect(SignOf(r.a) * kExtMax, 0);
    }
    return CxNeg(CxMul(CxI, CxArcTan(CxMul(CxI, r))));
}

}  // namespace kalvo
