#include "display/format_decimal.h"

#include <algorithm>

#include "display/decimal_digits.h"
#include "display/display_settings.h"
#include "display/number_text.h"

namespace kalvo {

void FormatDecimal(Real v, int width, int notation, char sign, FixedRange fixedRange,
                   std::string& out) {
    if (notation != kFix && notation != kEng) {
        notation = kScn;
    }
    width = std::clamp(width, -kMaxWidth, kMaxWidth);
    const bool eng = notation == kEng;
    // Both renderings share one reduction to 18 digits.
    const DecimalDigits dd = GenerateDigits(v);

    // Texts at the usual widths fit the small-string buffer; wider ones allocate once.
    std::string s;
    if (notation == kFix && fixedRange.low < v && v < fixedRange.high) {
        int k = 3;
        if (sign == '\0' && 0 < v && v < 1) {
            k = 2;
        } else if (sign == '-' && v > 1) {
            k = 4;
        }
        RenderFixed(dd, width, width - k, s);
    } else {
        RenderScientific(dd, width, s);
        if (eng) {
            ToEngineering(s);
        }
        int reclaimed = TrimNumberText(s, notation);
        if (s.find('E') != std::string::npos) {
            ShortenExponent(s, &reclaimed);
            RenderScientific(dd, width + reclaimed - (sign != '\0' ? 1 : 0), s);
        }
    }
    if (eng) {
        ToEngineering(s);
    }
    TrimNumberText(s, notation);
    if (s.find('E') != std::string::npos) {
        ShortenExponent(s, nullptr);
    }
    out += s;
}

}  // namespace kalvo
