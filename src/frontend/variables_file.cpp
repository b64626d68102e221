#include "frontend/variables_file.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "display/format_real.h"
#include "frontend/decimal_text.h"
#include "frontend/text_file.h"

namespace kalvo {

std::string FormatVariableValue(Real value) {
    if (!std::isfinite(value)) {
        value = kUndefinedValue;
    }
    char buffer[64];
    // "%.14LE" gives 15 significant digits and a 2 to 4 digit exponent.
    std::snprintf(buffer, sizeof buffer, "%.14LE", value);
    std::string text(buffer);
    for (char& c : text) {
        if (c == ',') {
            c = '.';  // a process locale with a decimal comma
        }
    }
    std::size_t e = text.find('E');
    std::string mantissa = text.substr(0, e);
    char sign = text[e + 1];
    int exponent = std::atoi(text.c_str() + e + 2);
    if (mantissa.front() != '-') {
        mantissa.insert(mantissa.begin(), ' ');
    }
    std::snprintf(buffer, sizeof buffer, "%sE%c%04d", mantissa.c_str(), sign, exponent);
    return buffer;
}

std::string VariableFieldText(const DisplaySettings& display, int digits, Real value,
                              const std::string& text) {
    if (text.empty() && value == kUndefinedValue) {
        return "Undefind";
    }
    return FormatReal(display, digits, value);
}

std::vector<std::string> VariablesFileLines(const VariablesData& data) {
    std::vector<std::string> lines;
    for (Real value : data.values) {
        lines.push_back(FormatVariableValue(value));
    }
    lines.insert(lines.end(), data.texts.begin(), data.texts.end());
    return lines;
}

bool ParseVariablesLines(const std::vector<std::string>& lines, const std::string& path,
                         VariablesData& data, std::string& message) {
    VariablesData read;
    for (std::size_t k = 0; k < kTabVariableCount; ++k) {
        if (k >= lines.size()) {
            message = path + ", line " + std::to_string(k + 1) + ": the value is missing";
            return false;
        }
        if (!ReadDecimalReal(lines[k], read.values[k])) {
            message = BadNumberMessage(path, k + 1, lines[k]);
            return false;
        }
    }
    for (std::size_t k = 0; k < kTabVariableCount; ++k) {
        std::size_t line = kTabVariableCount + k;
        read.texts[k] = line < lines.size() ? lines[line] : std::string();
    }
    data = std::move(read);
    return true;
}

FileResult WriteVariablesFile(const std::string& path, const VariablesData& data) {
    return WriteTextLines(path, VariablesFileLines(data));
}

FileResult ReadVariablesFile(const std::string& path, VariablesData& data) {
    std::vector<std::string> lines;
    if (ReadTextLines(path, lines) != ReadStatus::kOk) {
        return FileResult::Failure(kCantOpenFile + path);
    }
    std::string message;
    if (!ParseVariablesLines(lines, path, data, message)) {
        return FileResult::Failure(message);
    }
    return FileResult::Success();
}

VariablesData VariablesFromState(const EngineState& state) {
    VariablesData data;
    for (int slot = 1; slot <= kTabVariableCount; ++slot) {
        const VariableSlotData& v = state.vars[static_cast<std::size_t>(slot)];
        data.values[static_cast<std::size_t>(slot - 1)] = v.value;
        data.texts[static_cast<std::size_t>(slot - 1)] = v.text;
    }
    return data;
}

void ApplyVariables(EngineState& state, const VariablesData& data) {
    for (int slot = 1; slot <= kTabVariableCount; ++slot) {
        state.Var(slot) = data.values[static_cast<std::size_t>(slot - 1)];
        state.VarText(slot) = data.texts[static_cast<std::size_t>(slot - 1)];
    }
}

}  // namespace kalvo
