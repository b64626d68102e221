#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

/// Engine text is Latin-1, one byte per character. Valid UTF-8 input with characters
/// beyond ASCII is converted (characters outside Latin-1 become "?"); anything else is
/// taken as Latin-1 already.
std::string ToLatin1(std::string_view text);
/// Latin-1 engine text as UTF-8 for terminals and files meant for other programs.
std::string Latin1ToUtf8(std::string_view text);
/// Calls f(line) with each line of a text with CR LF, LF or CR line ends (the last line
/// may lack one), as views into the text.
template <typename F>
void ForEachLine(std::string_view text, F&& f) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            f(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        f(text.substr(start));
    }
}

/// Lines of a text with CR LF, LF or CR line ends (the last line may lack one).
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace kalvo
