#include "engine/float_fault.h"

namespace kalvo {

const char* FloatFaultMessage(FloatFault fault) {
    switch (fault) {
        case FloatFault::kInvalidOperation:
            return "Invalid floating point operation";
        case FloatFault::kDivisionByZero:
            return "Floating point division by zero";
        case FloatFault::kOverflow:
            return "Floating point overflow";
        case FloatFault::kNone:
            break;
    }
    return "";
}

void ThrowFloatFault(FloatFault fault) {
    throw FloatFaultError(fault);
}

long TruncToInt32(Real value) {
    Real t = std::trunc(Checked(value));
    if (t < -2147483648.0L || t > 2147483647.0L) {
        ThrowFloatFault(FloatFault::kInvalidOperation);
    }
    return static_cast<long>(t);
}

}  // namespace kalvo
