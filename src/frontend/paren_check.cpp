#include "frontend/paren_check.h"

#include <algorithm>

namespace kalvo {

ParenCheck CheckParens(const std::string& typed) {
    ParenCheck check;
    check.blankFree.reserve(typed.size());
    std::copy_if(typed.begin(), typed.end(), std::back_inserter(check.blankFree),
                 [](char c) { return c != ' '; });
    const std::string& text = check.blankFree;
    const auto opening = std::count(text.begin(), text.end(), '(');
    const auto closing = std::count(text.begin(), text.end(), ')');
    auto fail = [&check](int code, int pos) {
        check.errorFlag = true;
        check.errorCode = code;
        check.errorPos = pos;
        check.errorLength = 1;
    };
    if (opening < closing) {
        long seen = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == ')' && ++seen == opening + 1) {
                fail(16, static_cast<int>(i) + 1);
                break;
            }
        }
    } else if (opening > closing) {
        fail(18, static_cast<int>(text.size()));
    } else {
        long open = 0;
        long close = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            open += text[i] == '(';
            close += text[i] == ')';
            if (close > open) {
                fail(0, static_cast<int>(i) + 1);
                break;
            }
        }
    }
    return check;
}

namespace {

// Deletes blanks from the front of `working` until its first n characters equal those of
// the blank-free text; returns how many were deleted.
int DropBlanksUntilPrefixMatches(std::string& working, const std::string& blankFree, int n) {
    int count = 0;
    const auto len = static_cast<std::size_t>(std::max(n, 0));
    while (working.compare(0, len, blankFree, 0, len) != 0) {
        std::size_t blank = working.find(' ');
        if (blank == std::string::npos) {
            break;
        }
        working.erase(blank, 1);
        ++count;
    }
    return count;
}

}  // namespace

MappedSpan MapPosition(const std::string& typed, const std::string& blankFree, int pos, int length) {
    std::string working = typed;
    MappedSpan span;
    span.pos = pos + DropBlanksUntilPrefixMatches(working, blankFree, pos);
    span.length = length + DropBlanksUntilPrefixMatches(working, blankFree, pos + length);
    return span;
}

}  // namespace kalvo
