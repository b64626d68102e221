#pragma once

#include <string>

#include "engine/engine.h"

namespace kalvo {

/// What the value prompt ("Set variable") does after its OK button.
struct ValuePromptOutcome {
    enum class Action {
        kClose,      ///< the value was stored: close with OK
        kStayEmpty,  ///< nothing to evaluate: stay open without a message
        kStayError,  ///< show `message` in the value field and select the span
        kStayFault,  ///< an arithmetic fault: show `message` in a message box
    };
    Action action = Action::kClose;
    std::string message;
    int selectStart = 0;  ///< 0-based, in the text as typed
    int selectLength = 0;
};

/// The value field's text when the prompt opens for slot 1..12: "undefined" for a slot
/// without a value, else the value formatted with the list width.
std::string ValuePromptValueText(const Engine& engine, int slot);

/// The prompt's OK for slot 1..12: stores the typed text as the slot's expression, checks
/// the parentheses, evaluates the blank-free text and, when that succeeds, stores the value
/// in the slot. The
/// typed text is kept even when it fails, so the user sees it again next time. On success
/// the engine's expression text is the blank-free text, which `PromptVariable` takes as
/// the slot's definition.
ValuePromptOutcome ValuePromptOk(Engine& engine, int slot, const std::string& typed);

}  // namespace kalvo
