#include "engine/special/gamma.h"

#include <cmath>

#include "engine/error_codes.h"
#include "engine/float_fault.h"

namespace kalvo {

namespace {

constexpr Real kLargestFactorial = 1754;
// ln(2 pi) as the library has always stored it (15 digits).
constexpr Real kLogTwoPi = 1.83787706640935L;
// The Stirling series coefficients 1/12, -1/360, 1/1260, -1/1680, 1/1188, -691/360360, 1/156.
constexpr Real kStirling[] = {0.0833333333333333L,    -0.00277777777777778L, 0.000793650793650794L,
                              -0.000595238095238095L, 0.000841750841750842L, -0.00191752691752692L,
                              0.00641025641025641L};
// Below this argument the series is shifted up before use.
constexpr Real kStirlingStart = 12;

bool IsInteger(Real x) {
    return x == std::trunc(x);
}

}  // namespace

SpecialResult Factorial(Real n) {
    if (!IsInteger(n) || n < 0) {
        return SpecialError(kErrArgument, true);
    }
    if (n > kLargestFactorial) {
        return SpecialError(kErrOverflow, true);
    }
    Real product = 1;
    for (Real factor = 2; factor <= n; factor += 1) {
        product *= factor;
    }
    return SpecialResult{product};
}

Real LogGammaStirling(Real x) {
    Real h = 1 / (x * x);
    Real series = kStirling[6];
    for (int k = 5; k >= 0; --k) {
        series = kStirling[k] + h * series;
    }
    return (x - 0.5L) * std::log(x) - x + 0.5L * kLogTwoPi + series / x;
}

SpecialResult Gamma(Real x) {
    if (x == 0) {
        return SpecialError(kErrDivisionByZero, false);
    }
    if (IsInteger(x)) {
        if (x >= 1) {
            return Factorial(x - 1);
        }
        return SpecialError(kErrDivisionByZero, false);
    }
    if (x < 0) {
        // Reflection: gamma(x) gamma(1 - x) = pi / sin(pi x), and 1 - x = |x| + 1 here.
        Real y = std::fabs(x) + 1;
        SpecialResult mirrored = Gamma(y);
        if (mirrored.error >= 0) {
            return mirrored;
        }
        Real d = std::sin(kPi * y) * mirrored.value;
        if (d == 0) {
            return SpecialError(kErrDivisionByZero, false);
        }
        return SpecialResult{Checked(kPi / d)};
    }
    if (x >= kStirlingStart) {
        return SpecialResult{Checked(std::exp(LogGammaStirling(x)))};
    }
    // Shift into the range of the series: gamma(f + 12) = gamma(x) (f+m)(f+m+1)...(f+11).
    Real whole = std::trunc(x);
    Real fraction = x - whole;
    Real divisor = 1;
    for (Real k = whole; k <= 11; k += 1) {
        divisor *= fraction + k;
    }
    return SpecialResult{Checked(std::exp(LogGammaStirling(fraction + kStirlingStart)) / divisor)};
}

}  // namespace kalvo
