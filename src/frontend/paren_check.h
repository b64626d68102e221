#pragma once

#include <string>

namespace kalvo {

/// Outcome of the parenthesis check that runs on every edit field before it is evaluated.
struct ParenCheck {
    std::string blankFree;  ///< the text without its blanks: what the engine evaluates
    bool errorFlag = false;
    int errorCode = 0;
    int errorPos = 0;  ///< 1-based, in the blank-free text
    int errorLength = 0;
};

/// Removes the blanks (only " ") and checks that the parentheses balance: more ")" than "("
/// gives code 16 at the first surplus ")", more "(" gives code 18 at the end, and a ")"
/// that closes nothing earlier gives code 0 at that ")".
ParenCheck CheckParens(const std::string& typed);

/// A 1-based span in the blank-free text moved back onto the text as typed.
struct MappedSpan {
    int pos = 0;
    int length = 0;
};
MappedSpan MapPosition(const std::string& typed, const std::string& blankFree, int pos, int length);

}  // namespace kalvo
