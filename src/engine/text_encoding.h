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
/// Lines of a text with CR LF, LF or CR line ends (the last line may lack one).
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace kalvo
