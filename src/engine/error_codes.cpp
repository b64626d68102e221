#include "engine/error_codes.h"

#include <array>

namespace kalvo {

namespace {

// clang-format off
constexpr std::array<const char*, 29> kMessages = {
    "Syntax error",        "Undefined",      "Stack overflow",       "Dummy string",
    "No possibility",      "Undefined",      "Extremum not found",   "Scale Overflow",
    "Argument Error",      "Average undefined", "Argument Negative", "Overflow",
    "Function singularity", "Division by zero", "Empty",             "working...",
    "Too many \")\"",      "Missing \"(\"",  "Missing \")\"",        "String stack saved",
    "\",\" expected",      "Interval Error", "User break",           "Change notation",
    "Argument out of range", "Missing \";\"", "Missing argument",    "",
    "Underflow",
};
// clang-format on

}  // namespace

std::string ErrorMessage(int code) {
    if (code < 0 || code >= static_cast<int>(kMessages.size()) || code == kErrUserFunction) {
        return "Undefined";
    }
    return kMessages[static_cast<std::size_t>(code)];
}

std::string UserFunctionErrorText(int innerCode, int innerPos) {
    std::string text = "User Function Error \"" + ErrorMessage(innerCode) +
                       " position: " + std::to_string(innerPos) + "\" ";
    if (text.size() > 80) {
        text.resize(80);
    }
    return text;
}

}  // namespace kalvo
