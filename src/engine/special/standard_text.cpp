#include "engine/special/standard_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kalvo {

std::string StandardRealText(Real value) {
    char mantissa[64];
    // "%.17Le" rounds to 18 significant digits: "1.23456789012345678e+05".
    std::snprintf(mantissa, sizeof mantissa, "%.17Le", std::fabs(value));
    // The value is finite, so the digits fill the first 19 characters and "e" follows.
    long exponent = std::strtol(mantissa + 20, nullptr, 10);
    char text[96];
    std::snprintf(text, sizeof text, "%c%.19sE%c%04ld", std::signbit(value) ? '-' : ' ', mantissa,
                  exponent < 0 ? '-' : '+', std::labs(exponent));
    return text;
}

}  // namespace kalvo
