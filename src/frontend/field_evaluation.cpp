#include "frontend/field_evaluation.h"

#include <algorithm>

namespace kalvo {

ShownError ShowError(const Engine& engine, const std::string& typed, const std::string& blankFree,
                     int code, int pos, int length) {
    const MappedSpan span = MapPosition(typed, blankFree, pos, length);
    ShownError shown;
    shown.text = engine.ErrorText(code) + ": position " + std::to_string(span.pos);
    shown.selectStart = std::max(span.pos - 1, 0);
    shown.selectLength = span.length;
    return shown;
}

FieldEvaluation EvaluateField(Engine& engine, const std::string& typed, bool evaluateEmpty) {
    FieldEvaluation field;
    field.check = CheckParens(typed);
    field.failed = field.check.errorFlag;
    field.code = field.check.errorCode;
    field.pos = field.check.errorPos;
    field.length = field.check.errorLength;
    EngineState& s = engine.State();
    s.text = field.check.blankFree;
    if (field.failed || (field.check.blankFree.empty() && !evaluateEmpty)) {
        return field;
    }
    field.value = engine.Evaluate(field.check.blankFree);
    field.failed = s.errorFlag;
    field.code = s.errorCode;
    field.pos = s.errorPos;
    field.length = s.errorLength;
    return field;
}

}  // namespace kalvo
