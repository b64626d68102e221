#include <cmath>

#include "complex/complex_math.h"
#include "engine/float_fault.h"

namespace kalvo {

namespace {

// e^x stays a normal finite extended value between these bounds.
constexpr Real kExpLowest = -11355.137111933024L;
constexpr Real kExpHighest = 11356.5234062941439L;

}  // namespace

Real CxMath::RaiseMathFault(int code) {
    mathFault = code;
    return (code == 11 || code == 12) ? kExtMax : 0;
}

Real CxMath::ExpChecked(Real x) {
    mathFault = 0;
    if (x < kExpLowest) {
        return RaiseMathFault(28);
    }
    if (x > kExpHighest) {
        return RaiseMathFault(11);
    }
    return Checked(std::exp(x));
}

Real CxMath::LnChecked(Real x) {
    mathFault = 0;
    if (x < 0) {
        return RaiseMathFault(8);
    }
    if (x == 0) {
        return RaiseMathFault(12);
    }
    return Checked(std::log(x));
}

Real CxMath::PowerInt(Real x, int n) {
    mathFault = 0;
    if (x == 0) {
        if (n < 0) {
            return RaiseMathFault(12);
        }
        return n == 0 ? 1 : 0;
    }
    unsigned long long bits =
        n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    Real result = 1;
    Real square = x;
    while (bits != 0) {
        if (bits & 1ULL) {
            result *= square;
        }
        bits >>= 1;
        if (bits != 0) {
            square *= square;
        }
    }
    // An overflowing |x|^|n| under a reciprocal is a harmless underflow to 0.
    return Checked(n < 0 ? 1 / result : result);
}

Real CxMath::ArcSinChecked(Real x) {
    mathFault = 0;
    if (x < -1 || x > 1) {
        return RaiseMathFault(8);
    }
    if (x == 1) {
        return kPi / 2;
    }
    if (x == -1) {
        return -kPi / 2;
    }
    return std::atan(x / std::sqrt((1 - x) * (1 + x)));
}

void CxMath::HypSinCos(Real x, Real& sinhX, Real& coshX) {
    mathFault = 0;
    if (x < kExpLowest || x > kExpHighest) {
        coshX = RaiseMathFault(11);
        sinhX = SignOf(x) * kExtMax;
        return;
    }
    // std::sinh keeps full relative precision near 0, where (a - 1/a)/2 would cancel.
    sinhX = Checked(std::sinh(x));
    coshX = Checked(std::cosh(x));
}

ComplexNum CxMath::CxDiv(const ComplexNum& z, const ComplexNum& w) {
    mathFault = 0;
    bool zeroDivisor = w.form == kFormRect ? (w.a == 0 && w.b == 0) : w.a == 0;
    if (zeroDivisor) {
        mathFault = 11;
        return CxHuge;
    }
    if (z.form == kFormPolar) {
        ComplexNum u = NormalizePolar(z);
        ComplexNum v = CxConvert(w, kFormPolar);
        return CheckedPolar(u.a / v.a, u.b - v.b);
    }
    ComplexNum v = CxConvert(w, kFormRect);
    // Scaling the divisor by a power of two is exact, so the quotient is the one of
    // ((x1x2 + y1y2)/d, (y1x2 - x1y2)/d), but d = x2^2 + y2^2 cannot overflow or vanish.
    int scale = std::ilogb(std::fmax(std::fabs(v.a), std::fabs(v.b)));
    Real x2 = std::scalbn(v.a, -scale);
    Real y2 = std::scalbn(v.b, -scale);
    Real d = x2 * x2 + y2 * y2;
    Real re = (z.a * x2 + z.b * y2) / d;
    Real im = (z.b * x2 - z.a * y2) / d;
    return CheckedRect(std::scalbn(re, -scale), std::scalbn(im, -scale));
}

ComplexNum CxMath::CxLn(const ComplexNum& z) {
    ComplexNum p = CxConvert(z, kFormPolar);
    Real l = LnChecked(p.a);
    if (mathFault != 0) {
        return MakeRect(-kExtMax, 0);
    }
    return MakeRect(l, WrapAngle(p.b));
}

ComplexNum CxMath::CxExp(const ComplexNum& z) {
    ComplexNum r = CxConvert(z, kFormRect);
    Real e = ExpChecked(r.a);
    Real s = 0;
    Real c = 0;
    SinCos(r.b, s, c);
    return CheckedRect(e * c, e * s);
}

ComplexNum CxMath::CxPow(const ComplexNum& z, const ComplexNum& w) {
    mathFault = 0;
    ComplexNum base = CxConvert(z, kFormPolar);
    if (base.a != 0) {
        // The product is formed in rectangular form: the same value as the polar
        // product, without a round trip through modulus and argument.
        return CxExp(CxMul(CxLn(base), CxConvert(w, kFormRect)));
    }
    // 0^0 is 1 and 0^w is 0 for Re w > 0; for any other w (0^-1, 0^i) there is no
    // value: a singularity, as for the integer power.
    if (CxModulus(w) == 0) {
        return CxOne;
    }
    if (CxRe(w) > 0) {
        return CxZero;
    }
    RaiseMathFault(12);
    return CxHuge;
}

ComplexNum CxMath::CxPowInt(const ComplexNum& z, int n) {
    mathFault = 0;
    ComplexNum p = CxConvert(z, kFormPolar);
    if (p.a == 0) {
        if (n < 0) {
            mathFault = 12;
            return CxHuge;
        }
        return n == 0 ? CxOne : CxZero;
    }
    Real r = PowerInt(p.a, n);
    return MakePolar(r, WrapAngle(static_cast<Real>(n) * p.b));
}

ComplexNum CxMath::CxSqrt(const ComplexNum& z) {
    mathFault = 0;
    ComplexNum p = CxConvert(z, kFormPolar);
    if (p.a == 0) {
        return CxZero;
    }
    return MakePolar(std::sqrt(p.a), WrapAngle(p.b / 2));
}

}  // namespace kalvo
