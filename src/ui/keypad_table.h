#pragma once

#include <span>

namespace kalvo {

/// What a keypad entry does when its button is clicked or its shortcut pressed.
enum class KeyAction {
    kInsert,    ///< inserts `insert` at the caret
    kFunction,  ///< inserts the function-table row `row` with its argument template
    kVariable,  ///< variable slot `row`: inserts the letter or opens the value prompt
    kEvaluate,  ///< runs the evaluation cycle
};

/// Where the entry's button sits on the Calculator tab; kNone entries are shortcuts only.
enum class KeyGroup { kNone, kFunctions, kDigits, kVariables };

/// One entry of the keypad: button, hint, what it inserts and its keyboard shortcuts.
/// Captions are UTF-8; inserted texts are engine text (Latin-1 bytes).
struct KeypadKey {
    const char* objectName;
    const char* caption;
    const char* hint;
    KeyAction action;
    const char* insert;    ///< kInsert only
    int row;               ///< function-table row (kFunction) or variable slot (kVariable)
    const char* ctrlKeys;  ///< letters and digits that trigger it with Ctrl held
    const char* altKeys;   ///< letters that trigger it with Alt held
    KeyGroup group;
    int gridRow;
    int gridColumn;
    bool realOnly;  ///< disabled in complex mode, which has no such function
};

/// The whole keypad of the Calculator tab, in layout order.
std::span<const KeypadKey> KeypadKeys();

/// The entry whose shortcut is `key` (an upper-case letter or a digit) with Ctrl
/// (`alt` false) or Alt (`alt` true) held, or nullptr.
const KeypadKey* FindShortcut(char key, bool alt);

/// The entry with the given object name, or nullptr.
const KeypadKey* FindKey(const char* objectName);

}  // namespace kalvo
