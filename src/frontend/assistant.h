#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kalvo {

/// The function name around the caret (caret = number of characters before it), built
/// from the name characters "(", "C", "I", "J", "K", "S", "Y", "_" and "a" to "z".
std::string WordAtCaret(const std::string& text, int caret);

/// The first row among 0..66 (row 30, the constant e, excepted) whose name occurs inside
/// the word, or -1.
int AssistantRow(const std::string& word, const std::array<std::string_view, 88>& rowNames);

/// A help text with "%A" replaced by the angle unit's name ("radian" or "degree").
std::string AssistantText(std::string_view helpText, int angleUnit);

}  // namespace kalvo
