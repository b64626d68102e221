#pragma once

#include <string>

#include "engine/engine.h"
#include "frontend/paren_check.h"

namespace kalvo {

/// An engine error as an edit field shows it: "message: position N", with the span of
/// the typed text to select (0-based start).
struct ShownError {
    std::string text;
    int selectStart = 0;
    int selectLength = 0;
};

/// Maps an error in the blank-free text back onto the typed text and words it.
ShownError ShowError(const Engine& engine, const std::string& typed, const std::string& blankFree,
                     int code, int pos, int length);

/// A field's text checked for its parentheses and, when they balance, evaluated.
struct FieldEvaluation {
    ParenCheck check;
    bool failed = false;
    int code = 0;
    int pos = 0;
    int length = 0;
    Real value = 0;

    ShownError Error(const Engine& engine, const std::string& typed) const {
        return ShowError(engine, typed, check.blankFree, code, pos, length);
    }
};

/// Runs the parenthesis check on `typed`, makes the blank-free text the engine's text and
/// evaluates it (an empty one only when `evaluateEmpty`). Floating-point faults pass
/// through as FloatFaultError.
FieldEvaluation EvaluateField(Engine& engine, const std::string& typed, bool evaluateEmpty = true);

}  // namespace kalvo
