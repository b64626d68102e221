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

TextEvaluation EvaluateText(Engine& engine, const std::string& text) {
    TextEvaluation result;
    EngineState& s = engine.State();
    try {
        result.value = engine.Evaluate(text);
    } catch (const FloatFaultError& fault) {
        s.errorFlag = false;
        result.failed = true;
        result.fault = fault.Fault();
        result.value = 0;
        return result;
    }
    result.failed = s.errorFlag;
    result.code = s.errorCode;
    result.pos = s.errorPos;
    result.length = s.errorLength;
    return result;
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
    static_cast<TextEvaluation&>(field) = EvaluateText(engine, field.check.blankFree);
    return field;
}

}  // namespace kalvo
