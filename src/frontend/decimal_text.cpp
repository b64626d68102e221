#include "frontend/decimal_text.h"

#include <cmath>

#include "engine/parse_decimal.h"

namespace kalvo {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool ReadDecimalReal(std::string_view text, Real& value) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return false;
    }
    std::size_t last = text.find_last_not_of(" \t");
    std::string_view s = text.substr(first, last - first + 1);
    std::size_t i = 0;
    if (s[i] == '+' || s[i] == '-') {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i, ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i, ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < s.size() && IsDigit(s[i])) {
            ++i, ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    if (i != s.size()) {
        return false;
    }
    Real parsed = ParseDecimal(std::string(s));
    if (!std::isfinite(parsed)) {
        return false;
    }
    value = parsed;
    return true;
}

std::string BadNumberMessage(const std::string& path, std::size_t line, std::string_view text) {
    constexpr std::size_t kShown = 60;  // a line of garbage is not repeated whole
    std::string shown(text.substr(0, kShown));
    if (text.size() > kShown) {
        shown += "...";
    }
    return path + ", line " + std::to_string(line) + ": '" + shown +
           "' is not a valid floating point value";
}

}  // namespace kalvo
