#include "display/format_general.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kalvo {

std::string FormatGeneral(Real value, int precision) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0) {
        return "0";
    }
    precision = std::clamp(precision, 1, 18);
    // "%Le" rounds the exact binary value correctly to the requested digits.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", precision - 1, std::fabs(value));
    std::string digits;
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            digits += *p;
        }
    }
    const int exponent = std::atoi(p + 1);  // of the first digit: d1.d2… × 10^exponent
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    std::string text = value < 0 ? "-" : "";
    const int e = exponent + 1;  // as 0.d1d2… × 10^e
    if (e >= -3 && e <= precision) {
        if (e <= 0) {
            text += "0.";
            text.append(static_cast<std::size_t>(-e), '0');
            text += digits;
        } else if (static_cast<int>(digits.size()) <= e) {
            text += digits;
            text.append(static_cast<std::size_t>(e) - digits.size(), '0');
        } else {
            text += digits.substr(0, static_cast<std::size_t>(e));
            text += '.';
            text += digits.substr(static_cast<std::size_t>(e));
        }
        return text;
    }
    text += digits[0];
    if (digits.size() > 1) {
        text += '.';
        text += digits.substr(1);
    }
    text += 'E';
    text += std::to_string(exponent);
    return text;
}

}  // namespace kalvo
