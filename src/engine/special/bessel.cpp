#include "engine/special/bessel.h"

#include <cmath>

#include "engine/error_codes.h"
#include "engine/float_fault.h"
#include "engine/power.h"
#include "engine/special/adaptive_quadrature.h"
#include "engine/special/gamma.h"

namespace kalvo {

namespace {

// Exponential terms of Y below e^-80 are dropped.
constexpr Real kYExponentCut = -80;
// The K integrand is 0 where its exponent is at or below -70.
constexpr Real kKExponentCut = -70;

// A power inside an integrand; a negative base with a fractional exponent is error 10.
Real IntegrandPower(Real base, Real exponent, int& error) {
    bool negativeBase = false;
    Real value = Power(base, exponent, negativeBase);
    if (negativeBase) {
        error = kErrArgumentNegative;
    }
    return value;
}

Real JIntegrand(Real theta, Real n, Real x, int& error) {
    return IntegrandPower(std::sin(theta), 2 * n, error) * std::cos(x * std::cos(theta));
}

Real IIntegrand(Real theta, Real n, Real x, int& error) {
    return IntegrandPower(std::sin(theta), 2 * n, error) * Checked(std::exp(x * std::cos(theta)));
}

// sin(x sin t - n t) - (A + cos(n pi) B) / pi with u = t/pi: the second integral of Y over
// (0, inf) after the substitution e^-s = u.
Real YIntegrand(Real theta, Real n, Real x, int&) {
    Real sine = std::sin(x * std::sin(theta) - n * theta);
    if (theta == 0) {
        return sine;
    }
    Real u = theta / kPi;
    Real s = x * 0.5L * (u - 1 / u);
    Real logU = std::log(u);
    Real exponentA = s - (n + 1) * logU;
    Real exponentB = s + (n - 1) * logU;
    Real a = exponentA < kYExponentCut ? 0 : Checked(std::exp(exponentA));
    Real b = exponentB < kYExponentCut ? 0 : Checked(std::exp(exponentB));
    return sine - (a + std::cos(n * kPi) * b) / kPi;
}

Real KIntegrand(Real t, Real n, Real x, int& error) {
    Real exponent = -x * (t + 1 / t) / 2;
    if (exponent <= kKExponentCut) {
        return 0;
    }
    Real powers = IntegrandPower(t, n, error) + IntegrandPower(t, -n, error);
    return Checked(powers * std::exp(exponent) / t);
}

// The argument checks shared by the family; -1 when the arguments are usable.
int CheckArguments(Real n, Real x, bool argumentMustBePositive) {
    if (n < 0 || x < 0 || (argumentMustBePositive && x == 0)) {
        return kErrOutOfRange;
    }
    if (x == kUndefinedValue) {
        return kErrCommaExpected;
    }
    return -1;
}

// J and I share the form (x/2)^n / (gamma(n + 1/2) sqrt(pi)) * integral.
SpecialResult PoissonForm(Integrand integrand, Real n, Real x, int precision, BreakPoll& poll) {
    int error = CheckArguments(n, x, false);
    if (error >= 0) {
        return SpecialError(error);
    }
    if (n == 0 && x == 0) {
        return SpecialResult{1};
    }
    bool negativeBase = false;
    Real scale = Power(x / 2, n, negativeBase);
    SpecialResult gamma = Gamma(n + 0.5L);
    if (gamma.error >= 0) {
        return gamma;
    }
    QuadratureValue integral = Integrate(integrand, n, x, kPi, 0, precision, poll);
    return QuadratureResult(integral, scale / (gamma.value * std::sqrt(kPi)) * integral.value);
}

}  // namespace

SpecialResult BesselJ(Real n, Real x, int precision, BreakPoll& poll) {
    return PoissonForm(JIntegrand, n, x, precision, poll);
}

SpecialResult BesselI(Real n, Real x, int precision, BreakPoll& poll) {
    return PoissonForm(IIntegrand, n, x, precision, poll);
}

SpecialResult BesselY(Real n, Real x, int precision, BreakPoll& poll) {
    int error = CheckArguments(n, x, false);
    if (error >= 0) {
        return SpecialError(error);
    }
    if (x == 0) {
        // Y_n has a pole at 0 for every order: the integral never settles there.
        return SpecialError(kErrSingularity);
    }
    QuadratureValue integral = Integrate(YIntegrand, n, x, kPi, 0, precision, poll);
    return QuadratureResult(integral, integral.value / kPi);
}

SpecialResult BesselK(Real n, Real x, int precision, BreakPoll& poll) {
    int error = CheckArguments(n, x, true);
    if (error >= 0) {
        return SpecialError(error);
    }
    QuadratureValue integral = Integrate(KIntegrand, n, x, 1, 0, precision, poll);
    return QuadratureResult(integral, 0.5L * integral.value);
}

}  // namespace kalvo
