#include "frontend/real_field.h"

#include <charconv>
#include <cmath>

namespace kalvo {

bool ParseRealField(std::string_view text, Real* value) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') {
        ++first;  // from_chars takes no plus sign...
        if (first != last && *first == '-') {
            return false;  // ...and the minus sign it does take is not a second sign
        }
    }
    Real parsed = 0;
    auto [end, error] = std::from_chars(first, last, parsed);
    if (error != std::errc() || end != last || first == last || !std::isfinite(parsed)) {
        return false;
    }
    if (value) {
        *value = parsed;
    }
    return true;
}

}  // namespace kalvo
