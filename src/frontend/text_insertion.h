#pragma once

#include <string>

namespace kalvo {

/// An edit line's text with its caret and selection (0-based character offsets).
struct EditLine {
    std::string text;
    int caret = 0;
    int selectionStart = 0;
    int selectionLength = 0;
};

/// Inserts text at the caret in place of the selection, as every keypad button does. When
/// the inserted text holds "()", "(,)" or "(,,)" the caret lands just after that "(".
/// insertionStart receives the caret position before the insertion.
EditLine SetFunc(const EditLine& line, const std::string& insert, int* insertionStart = nullptr);

/// The text a function button inserts for a table row: the row's name and the argument
/// template of its kind ("", ")", ",)", ",,)"), cut to 25 characters. "sin(" gives sin().
std::string ButtonText(const std::string& name, int argumentKind);

}  // namespace kalvo
