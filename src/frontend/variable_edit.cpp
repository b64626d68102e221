#include "frontend/variable_edit.h"

#include "frontend/field_evaluation.h"

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
    const FieldEvaluation evaluated = EvaluateField(engine, field);
    if (evaluated.failed) {
        const ShownError shown = evaluated.Error(engine, field);
        result.error = shown.text;
        result.fault = evaluated.fault != FloatFault::kNone;
        result.selectStart = shown.selectStart;
        result.selectLength = shown.selectLength;
        s.errorFlag = false;
    } else {
        result.ok = true;
        result.value = evaluated.value;
        s.Var(slot) = evaluated.value;
        s.VarText(slot) = evaluated.check.blankFree;
    }
    s.text = keptText;
    return result;
}

std::array<VariableEditResult, kTabVariableCount> CalculateAllVariables(
    Engine& engine, const VariablesData& data) {
    ApplyVariables(engine.State(), data);
    for (int slot = 1; slot <= kTabVariableCount; ++slot) {
        engine.State().Var(slot) = kUndefinedValue;
    }
    std::array<VariableEditResult, kTabVariableCount> rows;
    for (int slot = 1; slot <= kTabVariableCount; ++slot) {
        const auto i = static_cast<std::size_t>(slot - 1);
        rows[i] = EvaluateVariableText(engine, slot, data.texts[i]);
    }
    return rows;
}

}  // namespace kalvo
