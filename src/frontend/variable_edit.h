#pragma once

#include <string>

#include "engine/engine.h"

namespace kalvo {

/// Outcome of evaluating a variable's expression field.
struct VariableEditResult {
    bool evaluated = false;  ///< false when the field was empty
    bool ok = false;
    Real value = 0;
    std::string error;  ///< "message: position N" on failure
    int selectStart = 0;
    int selectLength = 0;
};

/// Evaluates the expression typed for variable slot 1..10 and, on success, stores the
/// value and the blank-free text in the slot. The engine's expression text is kept.
VariableEditResult EvaluateVariableText(Engine& engine, int slot, const std::string& field);

}  // namespace kalvo
