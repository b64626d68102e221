#pragma once

#include <array>
#include <string>

#include "engine/engine.h"
#include "frontend/variables_file.h"

namespace kalvo {

/// Outcome of evaluating a variable's expression field.
struct VariableEditResult {
    bool evaluated = false;  ///< false when the field was empty
    bool ok = false;
    /// The evaluation ended in a floating-point fault; `error` holds its message, which
    /// the front end shows as the evaluation cycle shows a fault.
    bool fault = false;
    Real value = 0;
    std::string error;  ///< "message: position N" on failure
    int selectStart = 0;
    int selectLength = 0;
};

/// Evaluates the expression typed for variable slot 1..10 and, on success, stores the
/// value and the blank-free text in the slot. The engine's expression text is kept, and
/// a failure (a fault included) leaves the slot as it was.
VariableEditResult EvaluateVariableText(Engine& engine, int slot, const std::string& field);

/// "Calculate All" on variables just read from a file: the texts go into slots 1..10,
/// every value becomes undefined, then the rows are evaluated in order (an empty row stays
/// undefined). Returns each row's outcome.
std::array<VariableEditResult, kTabVariableCount> CalculateAllVariables(
    Engine& engine, const VariablesData& data);

}  // namespace kalvo
