#pragma once

#include <array>
#include <string>
#include <vector>

#include "display/display_settings.h"
#include "engine/engine_state.h"
#include "frontend/file_result.h"

namespace kalvo {

/// The variables of the Variables tab: X, Y, Z, V, W, I, J, K, M, N (slots 1..10).
inline constexpr int kTabVariableCount = 10;

struct VariablesData {
    std::array<Real, kTabVariableCount> values;
    std::array<std::string, kTabVariableCount> texts;

    VariablesData() { values.fill(kUndefinedValue); }
};

/// A value line of the variables file: 23 characters, a blank or "-", one digit, ".",
/// 14 digits, "E", the exponent's sign and 4 digits: " 1.23454321000000E-0001".
/// A value that is not finite has no such form and is written as `kUndefinedValue`.
std::string FormatVariableValue(Real value);

/// What a variable's value field shows: `FormatReal`(digits, value), or "Undefind" when
/// the variable has neither an expression nor a value.
std::string VariableFieldText(const DisplaySettings& display, int digits, Real value,
                              const std::string& text);

/// The 20 lines: ten value lines, then the ten expression texts.
std::vector<std::string> VariablesFileLines(const VariablesData& data);

/// Reads the lines: each of the first ten may hold any decimal real; missing expression
/// lines read as empty. On a bad or missing value line, returns false with `message`
/// naming `path` and the line, and leaves `data` unchanged.
bool ParseVariablesLines(const std::vector<std::string>& lines, const std::string& path,
                         VariablesData& data, std::string& message);

/// "&Save": "Can't create file " + path on failure.
FileResult WriteVariablesFile(const std::string& path, const VariablesData& data);
/// "&Load": "Can't open file " + path when it cannot be read, or the bad line's message.
/// `data` changes only on success.
FileResult ReadVariablesFile(const std::string& path, VariablesData& data);

/// Slots 1..10 of the engine's variables.
VariablesData VariablesFromState(const EngineState& state);
/// Puts values and texts into slots 1..10; the tab then runs "Calculate All".
void ApplyVariables(EngineState& state, const VariablesData& data);

}  // namespace kalvo
