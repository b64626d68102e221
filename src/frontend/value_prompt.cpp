#include "frontend/value_prompt.h"

#include <algorithm>

#include "display/format_real.h"
#include "engine/float_fault.h"
#include "frontend/paren_check.h"

namespace kalvo {

std::string ValuePromptValueText(const Engine& engine, int slot) {
    const EngineState& s = engine.State();
    const Real value = s.vars[static_cast<std::size_t>(slot)].value;
    if (value == kUndefinedValue) {
        return "undefined";
    }
    return FormatReal(s.display, s.listDigits, value);
}

ValuePromptOutcome ValuePromptOk(Engine& engine, int slot, const std::string& typed) {
    EngineState& s = engine.State();
    s.errorFlag = false;
    s.VarText(slot) = typed;

    ParenCheck check = CheckParens(typed);
    s.text = check.blankFree;
    int code = check.errorCode;
    int pos = check.errorPos;
    int length = check.errorLength;
    bool failed = check.errorFlag;
    Real value = 0;
    if (!failed && !check.blankFree.empty()) {
        try {
            value = engine.Evaluate(check.blankFree);
        } catch (const FloatFaultError& fault) {
            s.errorFlag = false;
            ValuePromptOutcome outcome;
            outcome.action = ValuePromptOutcome::Action::kStayFault;
            outcome.message = fault.what();
            return outcome;
        }
        failed = s.errorFlag;
        code = s.errorCode;
        pos = s.errorPos;
        length = s.errorLength;
    }

    ValuePromptOutcome outcome;
    if (check.blankFree.empty()) {
        // The engine treats an empty text as 0; the prompt insists on an expression.
        s.errorFlag = true;
        s.errorPos = 1;
        outcome.action = ValuePromptOutcome::Action::kStayEmpty;
        return outcome;
    }
    if (failed) {
        MappedSpan span = MapPosition(typed, check.blankFree, pos, length);
        outcome.action = ValuePromptOutcome::Action::kStayError;
        outcome.message = engine.ErrorText(code) + ": position " + std::to_string(span.pos);
        outcome.selectStart = std::max(span.pos - 1, 0);
        outcome.selectLength = span.length;
        s.errorFlag = false;
        return outcome;
    }
    // Only a value that evaluated cleanly replaces the slot's value, so that a failed OK
    // followed by Cancel leaves the variable undefined and it is asked for again.
    s.Var(slot) = value;
    outcome.action = ValuePromptOutcome::Action::kClose;
    return outcome;
}

}  // namespace kalvo
