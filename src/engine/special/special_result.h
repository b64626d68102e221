#pragma once

#include "engine/real.h"

namespace kalvo {

/// Outcome of a special function: a value, or an engine error code for the caller to raise.
struct SpecialResult {
    Real value = 0;
    /// -1 when there is no error, else the engine error code to raise.
    int error = -1;
    /// The caller must clear the answer (and the result) before raising the error.
    bool resetAnswer = false;
    /// A confirmed break stopped the computation; the engine has already raised its own
    /// error and value is 0.
    bool stopped = false;
};

/// A failed result with the given engine error code.
inline SpecialResult SpecialError(int code, bool resetAnswer = false) {
    SpecialResult result;
    result.error = code;
    result.resetAnswer = resetAnswer;
    return result;
}

}  // namespace kalvo
