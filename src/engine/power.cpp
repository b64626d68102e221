#include "engine/power.h"

#include <cmath>

#include "engine/float_fault.h"

namespace kalvo {

namespace {

// Results below 3.4e-1000 are taken as 0. Testing the result rather than comparing
// logarithms beforehand gives the same answer without a second logarithm per power.
constexpr Real kUnderflowLimit = 3.4e-1000L;

}  // namespace

Real Power(Real base, Real exponent, bool& negativeBase) {
    negativeBase = false;
    if (base > 0) {
        Real r = Checked(std::pow(base, exponent));
        return r < kUnderflowLimit ? 0 : r;
    }
    if (base == 0) {
        if (exponent > 0) {
            return 0;
        }
        ThrowFloatFault(FloatFault::kDivisionByZero);
    }
    if (exponent != std::trunc(exponent)) {
        negativeBase = true;
        return 0;
    }
    Real r = Checked(std::pow(-base, exponent));
    if (r < kUnderflowLimit) {
        return 0;
    }
    return std::fmod(exponent, 2.0L) != 0 ? -r : r;
}

}  // namespace kalvo
