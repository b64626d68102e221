#include "frontend/text_insertion.h"

#include <algorithm>

namespace kalvo {

EditLine SetFunc(const EditLine& line, const std::string& insert, int* insertionStart) {
    EditLine out = line;
    const int size = static_cast<int>(out.text.size());
    const int selStart = std::clamp(line.selectionStart, 0, size);
    const int selLength = std::clamp(line.selectionLength, 0, size - selStart);
    int caret = std::clamp(line.caret, 0, size);
    if (selLength > 0) {
        out.text.erase(static_cast<std::size_t>(selStart), static_cast<std::size_t>(selLength));
        caret = selStart;
    }
    const int start = caret;
    if (insertionStart) {
        *insertionStart = start;
    }
    out.text.insert(static_cast<std::size_t>(start), insert);
    out.caret = start + static_cast<int>(insert.size());
    for (const char* pattern : {"()", "(,)", "(,,)"}) {
        std::size_t at = insert.find(pattern);
        if (at != std::string::npos) {
            out.caret = start + static_cast<int>(at) + 1;
        }
    }
    out.selectionStart = out.caret;
    out.selectionLength = 0;
    return out;
}

std::string ButtonText(const std::string& name, int argumentKind) {
    static const char* const kTemplates[] = {"", ")", ",)", ",,)"};
    std::string text = name + kTemplates[std::clamp(argumentKind, 0, 3)];
    if (text.size() > 25) {
        text.resize(25);
    }
    return text;
}

}  // namespace kalvo
