#pragma once

#include <cmath>
#include <exception>

#include "engine/real.h"

namespace kalvo {

/// An arithmetic fault that the engine does not check as a domain error: the evaluation
/// stops at the first one and the caller receives it instead of a value.
enum class FloatFault { kNone, kInvalidOperation, kDivisionByZero, kOverflow };

/// "Invalid floating point operation", "Floating point division by zero", ...
const char* FloatFaultMessage(FloatFault fault);

/// Thrown from inside an evaluation; unwinds every level at once so that no later
/// side effect (assignment, tape, answer) happens. Callers of Evaluate catch it.
class FloatFaultError : public std::exception {
  public:
    explicit FloatFaultError(FloatFault fault) : m_fault(fault) {}
    FloatFault Fault() const { return m_fault; }
    const char* what() const noexcept override { return FloatFaultMessage(m_fault); }

  private:
    FloatFault m_fault;
};

[[noreturn]] void ThrowFloatFault(FloatFault fault);

/// Passes a finite value through; a NaN is an invalid operation, an infinity an overflow.
inline Real Checked(Real value) {
    if (!std::isfinite(value)) [[unlikely]] {
        ThrowFloatFault(std::isnan(value) ? FloatFault::kInvalidOperation : FloatFault::kOverflow);
    }
    return value;
}

/// Truncates toward zero to a signed 32-bit integer; outside that range the
/// conversion is an invalid operation.
long TruncToInt32(Real value);

}  // namespace kalvo
