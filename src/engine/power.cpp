#include "engine/power.h"

#include <cmath>

#include "engine/float_fault.h"

namespace kalvo {

namespace {

// ln(3.4e-1000): results whose logarithm lies below it are taken as 0.
const Real kUnderflowLog = std::log(3.4e-1000L);

}  // namespace

Real Power(Real base, Real exponent, bool& negativeBase) {
    negativeBase = false;
    if (base > 0) {
        if (kUnderflowLog > exponent * std::log(base)) {
            return 0;
        }
        return Checked(std::pow(base, exponent));
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
    Real magnitude = -base;
    if (kUnderflowLog > exponent * std::log(magnitude)) {
        return 0;
    }
    Real r = Checked(std::pow(magnitude, exponent));
    return std::fmod(exponent, 2.0L) != 0 ? -r : r;
}

}  // namespace kalvo
