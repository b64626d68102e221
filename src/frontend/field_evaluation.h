#pragma once

#include <string>

#include "engine/engine.h"
#include "engine/float_fault.h"
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

/// One evaluation: a value, an engine error {code, pos, length}, or a floating-point fault.
struct TextEvaluation {
    bool failed = false;
    FloatFault fault = FloatFault::kNone;  ///< kNone unless the evaluation ended in a fault
    int code = 0;
    int pos = 0;
    int length = 0;
    Real value = 0;
};

/// Evaluates text as it stands. A floating-point fault ends the evaluation as a failure
/// with `fault` set, as the evaluation cycle reports it, so no caller has to catch it;
/// the engine's error flag is left clear after a fault.
TextEvaluation EvaluateText(Engine& engine, const std::string& text);

/// A field's text checked for its parentheses and, when they balance, evaluated.
struct FieldEvaluation : TextEvaluation {
    ParenCheck check;

    /// The error as the field shows it; a fault's message has no position.
    ShownError Error(const Engine& engine, const std::string& typed) const {
        if (fault != FloatFault::kNone) {
            return {FloatFaultMessage(fault), 0, 0};
        }
        return ShowError(engine, typed, check.blankFree, code, pos, length);
    }
};

/// Runs the parenthesis check on `typed`, makes the blank-free text the engine's text and
/// evaluates it with `EvaluateText` (an empty one only when `evaluateEmpty`).
FieldEvaluation EvaluateField(Engine& engine, const std::string& typed, bool evaluateEmpty = true);

}  // namespace kalvo
