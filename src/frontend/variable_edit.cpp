#include "frontend/variable_edit.h"

#include <algorithm>

#include "frontend/paren_check.h"

namespace kalvo {

VariableEditResult EvaluateVariableText(Engine& engine, int slot, const std::string& field) {
    VariableEditResult result;
    if (field.empty()) {
        return result;
    }
    result.evaluated = true;
    EngineState& s = engine.State();
    const std::string keptText = s.text;
    s.errorFlag = false;
    ParenCheck check = CheckParens(field);
    int code = check.errorCode;
    int pos = check.errorPos;
    int length = check.errorLength;
    Real value = 0;
    bool failed = check.errorFlag;
    if (!failed) {
        value = engine.Evaluate(check.blankFree);
        failed = s.errorFlag;
        code = s.errorCode;
        pos = s.errorPos;
        length = s.errorLength;
    }
    if (failed) {
        MappedSpan span = MapPosition(field, check.blankFree, pos, length);
        result.error = engine.ErrorText(code) + ": position " + std::to_string(span.pos);
        result.selectStart = std::max(span.pos - 1, 0);
        result.selectLength = span.length;
        s.errorFlag = false;
    } else {
        result.ok = true;
        result.value = value;
        s.Var(slot) = value;
        s.VarText(slot) = check.blankFree;
    }
    s.text = keptText;
    return result;
}

}  // namespace kalvo
