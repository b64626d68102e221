#include "frontend/value_prompt.h"

#include "display/format_real.h"
#include "frontend/field_evaluation.h"

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

    const FieldEvaluation field = EvaluateField(engine, typed, false);
    ValuePromptOutcome outcome;
    if (field.fault != FloatFault::kNone) {
        outcome.action = ValuePromptOutcome::Action::kStayFault;
        outcome.message = FloatFaultMessage(field.fault);
        return outcome;
    }
    if (field.check.blankFree.empty()) {
        // The engine treats an empty text as 0; the prompt insists on an expression.
        s.errorFlag = true;
        s.errorPos = 1;
        outcome.action = ValuePromptOutcome::Action::kStayEmpty;
        return outcome;
    }
    if (field.failed) {
        const ShownError shown = field.Error(engine, typed);
        outcome.action = ValuePromptOutcome::Action::kStayError;
        outcome.message = shown.text;
        outcome.selectStart = shown.selectStart;
        outcome.selectLength = shown.selectLength;
        s.errorFlag = false;
        return outcome;
    }
    // Only a value that evaluated cleanly replaces the slot's value, so that a failed OK
    // followed by Cancel leaves the variable undefined and it is asked for again.
    s.Var(slot) = field.value;
    outcome.action = ValuePromptOutcome::Action::kClose;
    return outcome;
}

}  // namespace kalvo
