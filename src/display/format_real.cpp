#include "display/format_real.h"

#include <cmath>
#include <cstdint>

#include "display/base_text.h"
#include "display/format_decimal.h"
#include "display/sexagesimal.h"

namespace kalvo {

namespace {

void Report(FormatFault* fault, FormatFault value) {
    if (fault != nullptr) {
        *fault = value;
    }
}

}  // namespace

std::string FormatReal(const DisplaySettings& s, int width, Real x, FormatFault* fault) {
    Report(fault, FormatFault::kNone);
    if (!std::isfinite(x)) [[unlikely]] {
        Report(fault, FormatFault::kOverflow);
        return "0.0";
    }
    const bool negative = x < 0;
    const Real v = std::fabs(x);

    if (s.base == kHex || s.base == kBin) {
        if (v > 2147483647.0L) {
            Report(fault, FormatFault::kOverflow);
            return "0.0";
        }
        const auto n = static_cast<std::int64_t>(v);  // truncates toward zero
        std::string text = IntToBaseText(n, s.base == kHex ? 16 : 2);
        if (s.base == kBin) {
            text = GroupBits(text, s.bits);
        }
        // A value that truncates to 0 shows no sign: -0.5 is "0", not "-0".
        return (negative && n != 0) ? "-" + text : text;
    }

    if (s.notation == kSxg) {
        FormatFault sxgFault = FormatFault::kNone;
        std::string text = FormatSexagesimal(v, &sxgFault);
        if (sxgFault != FormatFault::kNone) {
            Report(fault, sxgFault);
            return text;  // "0:0:0" without a sign
        }
        return negative ? "-" + text : text;
    }

    std::string text;
    if (negative) {
        text.push_back('-');
    }
    FormatDecimal(v, width, s.notation, negative ? '-' : '\0', kRealFixedRange, text);
    return text;
}

}  // namespace kalvo
