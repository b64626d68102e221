#include "engine/special/fermi_dirac.h"

#include <cmath>

#include "engine/error_codes.h"
#include "engine/float_fault.h"
#include "engine/power.h"
#include "engine/special/adaptive_quadrature.h"

namespace kalvo {

namespace {

// Distance above x at which the integration stops.
constexpr Real kUpperOffset = 23;

Real FermiDiracIntegrand(Real t, Real j, Real x, int& error) {
    bool negativeBase = false;
    Real power = Power(t, j, negativeBase);
    if (negativeBase) {
        error = kErrArgumentNegative;
        return 0;
    }
    return power / (Checked(std::exp(t - x)) + 1);
}

}  // namespace

SpecialResult FermiDirac(Real j, Real x, int precision, BreakPoll& poll) {
    if (x == kUndefinedValue) {
        return SpecialError(kErrCommaExpected);
    }
    if (j <= -1) {
        // t^j is not integrable at 0: the quadrature would only grow.
        return SpecialError(kErrArgument, true);
    }
    QuadratureValue integral =
        Integrate(FermiDiracIntegrand, j, x, x + kUpperOffset, 0, precision, poll);
    return QuadratureResult(integral, integral.value);
}

}  // namespace kalvo
