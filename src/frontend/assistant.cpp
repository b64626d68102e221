#include "frontend/assistant.h"

namespace kalvo {

namespace {

bool IsNameChar(char c) {
    switch (c) {
        case '(':
        case 'C':
        case 'I':
        case 'J':
        case 'K':
        case 'S':
        case 'Y':
        case '_':
            return true;
        default:
            return c >= 'a' && c <= 'z';
    }
}

}  // namespace

std::string WordAtCaret(const std::string& text, int caret) {
    const int length = static_cast<int>(text.size());
    auto at = [&text, length](int pos) {  // 1-based
        return pos >= 1 && pos <= length ? text[static_cast<std::size_t>(pos - 1)] : '\0';
    };
    int i = caret;
    if (!IsNameChar(at(i))) {
        if (length > i) {
            ++i;
        }
        if (!IsNameChar(at(i))) {
            if (i > 2) {
                i -= 2;
            }
            if (!IsNameChar(at(i))) {
                return {};
            }
        }
    }
    std::string word(1, at(i));
    if (at(i) != '(') {
        for (int k = i + 1; IsNameChar(at(k)); ++k) {
            word.push_back(at(k));
            if (at(k) == '(') {
                break;
            }
        }
    }
    for (int k = i - 1; IsNameChar(at(k)) && at(k) != '('; --k) {
        word.insert(word.begin(), at(k));
    }
    return word;
}

int AssistantRow(const std::string& word, const std::array<std::string_view, 88>& rowNames) {
    if (word.empty()) {
        return -1;
    }
    for (int row = 0; row <= 66; ++row) {
        if (row == 30) {
            continue;
        }
        std::string_view name = rowNames[static_cast<std::size_t>(row)];
        if (!name.empty() && word.find(name) != std::string::npos) {
            return row;
        }
    }
    return -1;
}

std::string AssistantText(std::string_view helpText, int angleUnit) {
    std::string text(helpText);
    std::size_t at = text.find("%A");
    if (at != std::string::npos) {
        text.replace(at, 2, angleUnit == 1 ? "degree" : "radian");
    }
    return text;
}

}  // namespace kalvo
