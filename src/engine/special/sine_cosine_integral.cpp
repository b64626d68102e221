#include "engine/special/sine_cosine_integral.h"

#include <cmath>

#include "engine/error_codes.h"
#include "engine/float_fault.h"
#include "engine/special/adaptive_quadrature.h"

namespace kalvo {

namespace {

constexpr Real kEulerGamma = 0.5772156649015328606L;

// Coefficients of the rational approximations of the auxiliary functions f and g.
constexpr Real kFNumerator[] = {38.027264L, 265.187033L, 335.677320L, 38.102495L};
constexpr Real kFDenominator[] = {40.021433L, 322.624911L, 570.236280L, 157.105423L};
constexpr Real kGNumerator[] = {42.242855L, 302.757865L, 352.018498L, 21.821899L};
constexpr Real kGDenominator[] = {48.196927L, 482.485984L, 1114.978885L, 449.690326L};

// (x^8 + a1 x^6 + a2 x^4 + a3 x^2 + a4) / (x^8 + b1 x^6 + b2 x^4 + b3 x^2 + b4) / x^2
Real Rational(Real x, const Real (&a)[4], const Real (&b)[4]) {
    Real z = x * x;
    Real numerator = Checked((((z + a[0]) * z + a[1]) * z + a[2]) * z + a[3]);
    Real denominator = Checked((((z + b[0]) * z + b[1]) * z + b[2]) * z + b[3]);
    return numerator / denominator / z;
}

Real AuxiliaryF(Real x) {
    return x * Rational(x, kFNumerator, kFDenominator);
}
Real AuxiliaryG(Real x) {
    return Rational(x, kGNumerator, kGDenominator);
}

Real Sinc(Real t, Real, Real, int&) {
    return t == 0 ? 1 : std::sin(t) / t;
}
Real CosineIntegrand(Real t, Real, Real, int&) {
    return t == 0 ? 0 : (std::cos(t) - 1) / t;
}

}  // namespace

SpecialResult SineIntegral(Real x, int precision, BreakPoll& poll) {
    if (x < 0) {
        return SpecialError(kErrArgument, true);
    }
    if (x <= 1) {
        QuadratureValue integral = Integrate(Sinc, 0, 0, x, 0, precision, poll);
        return QuadratureResult(integral, integral.value);
    }
    return SpecialResult{
        Checked(kPi / 2 - AuxiliaryF(x) * std::cos(x) - AuxiliaryG(x) * std::sin(x))};
}

SpecialResult CosineIntegral(Real x, int precision, BreakPoll& poll) {
    if (x == 0) {
        return SpecialError(kErrOutOfRange, false);
    }
    if (x < 0) {
        return SpecialError(kErrArgument, true);
    }
    if (x <= 1) {
        QuadratureValue integral = Integrate(CosineIntegrand, 0, 0, x, 0, precision, poll);
        return QuadratureResult(integral, kEulerGamma + std::log(x) + integral.value);
    }
    return SpecialResult{Checked(AuxiliaryF(x) * std::sin(x) - AuxiliaryG(x) * std::cos(x))};
}

}  // namespace kalvo
