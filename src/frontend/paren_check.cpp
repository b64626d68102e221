#include "frontend/paren_check.h"

#include <algorithm>

namespace kalvo {

ParenCheck CheckParens(const std::string& typed) {
    ParenCheck check;
    std::string& text = check.blankFree;
    text.resize(typed.size());
    std::size_t size = 0;
    long opening = 0;
    long closing = 0;
    for (char c : typed) {
        if (c != ' ') {
            text[size++] = c;
            opening += c == '(';
            closing += c == ')';
        }
    }
    text.resize(size);
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
    } else if (opening > 0) {
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

MappedSpan MapPosition(const std::string& typed, const std::string& blankFree, int pos,
                       int length) {
    std::string working = typed;
    MappedSpan span;
    span.pos = pos + DropBlanksUntilPrefixMatches(working, blankFree, pos);
    span.length = length + DropBlanksUntilPrefixMatches(working, blankFree, pos + length);
    return span;
}

}  // namespace kalvo
