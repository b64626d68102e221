#include "engine/text_encoding.h"

namespace kalvo {

namespace {

// Length of a valid UTF-8 sequence starting at i, or 0.
std::size_t Utf8Length(std::string_view s, std::size_t i, unsigned& code) {
    auto byte = [&s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = byte(i);
    std::size_t n = b >= 0xF0 && b < 0xF5 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b < 0xE0 ? 2 : 0;
    if (n == 0 || b >= 0xF5 || i + n > s.size()) {
        return 0;
    }
    code = b & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    return n;
}

bool IsAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string ToLatin1(std::string_view text) {
    if (IsAscii(text)) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size());
    bool multibyte = false;
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            out.push_back(text[i++]);
            continue;
        }
        unsigned code = 0;
        std::size_t n = Utf8Length(text, i, code);
        if (n == 0) {
            return std::string(text);  // not UTF-8: already Latin-1
        }
        multibyte = true;
        out.push_back(code < 0x100 ? static_cast<char>(code) : '?');
        i += n;
    }
    return multibyte ? out : std::string(text);
}

std::string Latin1ToUtf8(std::string_view text) {
    if (IsAscii(text)) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (u >> 6)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    return out;
}

std::vector<std::string> SplitLines(std::string_view text) {
    // Counted first, so that a text of many short lines never holds twice its lines while
    // the vector grows.
    std::size_t breaks = 0;
    for (char c : text) {
        breaks += c == '\r' || c == '\n' ? 1 : 0;
    }
    std::vector<std::string> lines;
    lines.reserve(breaks + 1);
    ForEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

}  // namespace kalvo
