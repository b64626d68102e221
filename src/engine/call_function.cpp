// The built-in functions that take values (not expressions) as arguments.
#include <cmath>

#include "engine/engine.h"
#include "engine/error_codes.h"
#include "engine/float_fault.h"
#include "engine/function_table.h"

namespace kalvo {

namespace {

constexpr Real kDegreesPerRadian = 180 / kPi;

}  // namespace

Real Engine::CallFunction(int id, Real first, Real second) {
    const bool degrees = m_state.angleUnit == 1;
    const Real t = degrees ? first * kPi * (1.0L / 180) : first;
    auto toAngle = [degrees](Real radians) {
        return degrees ? radians * kDegreesPerRadian : radians;
    };
    Real result = 0;
    auto domainError = [this, &result](int code) {
        ResetAnswer(result);
        RaiseError(code);
        return Real{0};
    };

    switch (id) {
        case kFnSin:
            return std::sin(t);
        case kFnCos:
            return std::cos(t);
        case kFnTan:
            return Checked(std::sin(t) / std::cos(t));
        case kFnArcSin:
            if (std::fabs(first) > 1) {
                return domainError(kErrArgument);
            }
            if (std::fabs(first) == 1) {
                return first * (degrees ? 90 : kPi / 2);
            }
            return toAngle(std::asin(first));
        case kFnArcCos: {
            if (std::fabs(first) > 1) {
                return domainError(kErrArgument);
            }
            if (first == 0) {
                return degrees ? 90 : kPi / 2;
            }
            Real r = toAngle(std::acos(std::fabs(first)));
            return first < 0 ? (degrees ? 180 : kPi) - r : r;
        }
        case kFnArcTan:
            return toAngle(std::atan(first));
        case kFnArcSinh:
            return std::asinh(first);
        case kFnArcCosh:
            if (first < 1) {
                return domainError(kErrArgument);
            }
            return Checked(std::acosh(first));
        case kFnArcTanh:
            if (first * first >= 1) {
                return domainError(kErrArgument);
            }
            return std::atanh(first);
        case kFnSinh:
            return Checked(std::sinh(first));
        case kFnCosh:
            return Checked(std::cosh(first));
        case kFnTanh:
            return std::tanh(first);
        case kFnRandom:
            return m_random.Uniform();
        case kFnExp:
            return Checked(std::exp(first));
        case kFnSqrt:
            if (first < 0) {
                return domainError(kErrArgumentNegative);
            }
            return std::sqrt(first);
        case kFnLn:
            if (first <= 0) {
                return domainError(kErrArgumentNegative);
            }
            return std::log(first);
        case kFnLog:
            if (first <= 0) {
                return domainError(kErrArgumentNegative);
            }
            return std::log10(first);
        case kFnPiSign:
        case kFnPi:
            return kPi;
        case kFnE:
            return kE;
        case kFnAbs:
            return std::fabs(first);
        case kFnRound:
            return first == 0.5L ? 1 : std::nearbyint(first);
        case kFnFrac:
            return first - std::trunc(first);
        case kFnTrunc:
            return static_cast<Real>(TruncToInt32(first));
        case kFnSqr:
            return Checked(first * first);
        case kFnGauss:
            if (second == kUndefinedValue) {
                RaiseError(kErrCommaExpected);
                return 0;
            }
            return Checked(m_random.Gaussian(first, second));
        default:
            break;
    }
    if (id >= kFnFirstConversion && id <= kFnLastConversion) {
        return Checked(ConversionFactor(id) * first);
    }
    return CallSpecial(id, first, second);
}

}  // namespace kalvo
