#include "complex/complex_arith.h"

#include <cmath>

#include "complex/complex_convert.h"
#include "engine/float_fault.h"

namespace kalvo {

// Adding 0 turns a -0 part (from a sign applied to a zero) into +0 and changes nothing else.
ComplexNum CheckedRect(Real x, Real y) {
    return MakeRect(Checked(x) + 0, Checked(y) + 0);
}

ComplexNum CheckedPolar(Real r, Real theta) {
    return MakePolar(Checked(r), WrapAngle(theta));
}

Real CxRe(const ComplexNum& z) {
    return z.form == kFormRect ? z.a : z.a * CosX(z.b);
}

Real CxIm(const ComplexNum& z) {
    return z.form == kFormRect ? z.b : z.a * SinX(z.b);
}

Real CxModulus(const ComplexNum& z) {
    return z.form == kFormPolar ? std::fabs(z.a) : Hypot(z.a, z.b);
}

int CxSign(const ComplexNum& z) {
    ComplexNum r = CxConvert(z, kFormRect);
    return r.a != 0 ? SignOf(r.a) : SignOf(r.b);
}

bool CxEqual(const ComplexNum& z, const ComplexNum& w) {
    return CxRe(z) == CxRe(w) && CxIm(z) == CxIm(w);
}

ComplexNum CxNeg(const ComplexNum& z) {
    if (z.form == kFormRect) {
        return MakeRect(-z.a, -z.b);
    }
    ComplexNum p = NormalizePolar(z);
    return MakePolar(p.a, WrapAngle(p.b + kPi));
}

ComplexNum CxConj(const ComplexNum& z) {
    if (z.form == kFormRect) {
        return MakeRect(z.a, -z.b);
    }
    ComplexNum p = NormalizePolar(z);
    return MakePolar(p.a, WrapAngle(-p.b));
}

ComplexNum CxAdd(const ComplexNum& z, const ComplexNum& w) {
    ComplexNum u = CxConvert(z, kFormRect);
    ComplexNum v = CxConvert(w, kFormRect);
    return CheckedRect(u.a + v.a, u.b + v.b);
}

ComplexNum CxSub(const ComplexNum& z, const ComplexNum& w) {
    ComplexNum u = CxConvert(z, kFormRect);
    ComplexNum v = CxConvert(w, kFormRect);
    return CheckedRect(u.a - v.a, u.b - v.b);
}

ComplexNum CxMul(const ComplexNum& z, const ComplexNum& w) {
    if (z.form == kFormPolar) {
        ComplexNum u = NormalizePolar(z);
        ComplexNum v = CxConvert(w, kFormPolar);
        return CheckedPolar(u.a * v.a, u.b + v.b);
    }
    ComplexNum v = CxConvert(w, kFormRect);
    return CheckedRect(z.a * v.a - z.b * v.b, z.a * v.b + z.b * v.a);
}

}  // namespace kalvo
