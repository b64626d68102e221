#include "frontend/real_field.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kalvo {

bool ParseRealField(std::string_view field, Real* value) {
    // libstdc++ reads a long double through strtold, which runs on to the next NUL byte:
    // a text that ends without one (a view into a longer buffer) needs a terminated copy.
    const std::string text(field);
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
