#pragma once

#include "complex/complex_arith.h"
#include "complex/complex_convert.h"
#include "complex/complex_num.h"

namespace kalvo {

/// The complex function library with its math error code. `mathFault` is 0 or an engine
/// error code: 8 argument outside the domain, 11 overflow, 12 singularity, 28 underflow.
/// A failing operation sets it and returns the value listed with the operation; it never
/// throws for these cases. The caller resets `mathFault` to 0 before an operation and
/// inspects it afterwards:
///
///     CxMath cx;
///     ComplexNum w = cx.CxLn(CxZero);  // cx.mathFault == 12, w == (-ExtMax, 0)
///
/// Arithmetic that overflows outside the checked cases (for example the product of two
/// huge values) is a floating-point fault: FloatFaultError is thrown, and no inf or NaN is
/// ever returned.
struct CxMath {
    int mathFault = 0;

    /// Sets mathFault to code; returns 0 for codes 8 and 28, kExtMax for 11 and 12.
    Real RaiseMathFault(int code);

    // Real helpers. Each resets mathFault to 0 before it checks its argument.

    /// e^x; below -11355.137111933024 underflow (28) and 0, above 11356.5234062941439
    /// overflow (11) and kExtMax.
    Real ExpChecked(Real x);
    /// ln x; x < 0 is a domain fault (8) with 0, x = 0 a singularity (12) with kExtMax.
    Real LnChecked(Real x);
    /// x^n by repeated squaring; 0^0 = 1, 0^n = 0 for n > 0, 0^n for n < 0 is 12.
    Real PowerInt(Real x, int n);
    /// arcsin x; |x| > 1 is a domain fault (8) with 0.
    Real ArcSinChecked(Real x);
    /// sinh x and cosh x; beyond the exp thresholds overflow (11) with
    /// cosh = kExtMax and sinh = SignOf(x)*kExtMax.
    void HypSinCos(Real x, Real& sinhX, Real& coshX);

    // Complex operations. The result form is noted with each one.

    /// z / w in the form of z; w = 0 is an overflow (11) with CxHuge.
    ComplexNum CxDiv(const ComplexNum& z, const ComplexNum& w);
    /// Principal logarithm, rect; ln 0 is a singularity (12) with (-kExtMax, 0).
    ComplexNum CxLn(const ComplexNum& z);
    /// e^z, rect; the faults of ExpChecked on the real part.
    ComplexNum CxExp(const ComplexNum& z);
    /// z^w = exp(w ln z), rect; 0^0 = 1 and 0^w = 0 for w != 0.
    ComplexNum CxPow(const ComplexNum& z, const ComplexNum& w);
    /// z^n, polar; 0^0 = 1, 0^n = 0 for n > 0, 0^n for n < 0 is 12 with CxHuge.
    ComplexNum CxPowInt(const ComplexNum& z, int n);
    /// Principal square root, polar: sqrt(-4) is (2, pi/2).
    ComplexNum CxSqrt(const ComplexNum& z);

    /// Trigonometric functions, rect. A huge imaginary part overflows (11).
    ComplexNum CxSin(const ComplexNum& z);
    ComplexNum CxCos(const ComplexNum& z);
    /// tan z; a pole (cos z = 0) is a singularity (12) with (kExtMax, 0).
    ComplexNum CxTan(const ComplexNum& z);
    /// Hyperbolic functions, rect: sinh z = -i sin(iz), cosh z = cos(iz),
    /// tanh z = -i tan(iz), with the faults of those.
    ComplexNum CxSinh(const ComplexNum& z);
    ComplexNum CxCosh(const ComplexNum& z);
    ComplexNum CxTanh(const ComplexNum& z);

    /// Inverse functions, rect, principal values. On the real axis beyond +-1,
    /// arcsin takes arcsin(2) = pi/2 - 1.317i and arcsin(-2) = -pi/2 + 1.317i.
    ComplexNum CxArcSin(const ComplexNum& z);
    /// pi/2 - arcsin z.
    ComplexNum CxArcCos(const ComplexNum& z);
    /// arctan(+-i) is a singularity (12) with (0, +-kExtMax).
    ComplexNum CxArcTan(const ComplexNum& z);
    /// -i arcsin(iz).
    ComplexNum CxArcSinh(const ComplexNum& z);
    /// +-i arccos z with the sign that makes the real part >= 0.
    ComplexNum CxArcCosh(const ComplexNum& z);
    /// -i arctan(iz); arctanh(+-1) is a singularity (12) with (+-kExtMax, 0).
    ComplexNum CxArcTanh(const ComplexNum& z);

    /// ln Gamma(z), rect, the branch that satisfies lnGamma(z+1) = lnGamma(z) + ln z;
    /// 0, -1, -2, ... are singularities (12) with CxHuge.
    ComplexNum CxLnGamma(const ComplexNum& z);

  private:
    /// sin and cos of the real part, sinh and cosh of the imaginary part.
    struct TrigParts {
        Real sinX = 0;
        Real cosX = 0;
        Real sinhY = 0;
        Real coshY = 0;
    };
    TrigParts SplitTrig(const ComplexNum& z);

    ComplexNum LnGammaUpper(const ComplexNum& z);
    ComplexNum LnGammaStirling(const ComplexNum& z);
    ComplexNum LnGammaReflected(const ComplexNum& z);
};

}  // namespace kalvo
