#pragma once

#include <functional>

class QLineEdit;

namespace kalvo {

/// Keeps a name field to the characters `allowed` accepts: after every change the first
/// character that is not allowed is deleted, the caret stands where it was (after the
/// first character when that one went), and nothing is selected. Each deletion is a
/// change of its own, so a pasted text loses every such character.
void AttachNameFilter(QLineEdit* field, std::function<bool(char16_t)> allowed);

/// ASCII letters only: the names of user variables.
bool IsNameLetter(char16_t c);
/// ASCII letters, "(", ")" and ",": the heads of user functions.
bool IsFunctionHeadCharacter(char16_t c);

}  // namespace kalvo
