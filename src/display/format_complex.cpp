#include "display/format_complex.h"

#include <cmath>

#include "complex/complex_convert.h"
#include "display/format_decimal.h"

namespace kalvo {

std::string FormatComplex(const DisplaySettings& s, int width, const ComplexNum& z,
                          FormatFault* fault) {
    if (fault != nullptr) {
        *fault = FormatFault::kNone;
    }
    const bool polar = s.complexForm == kPolar;
    const ComplexNum w = CxConvert(z, polar ? kFormPolar : kFormRect);
    if (!std::isfinite(w.a) || !std::isfinite(w.b)) [[unlikely]] {
        if (fault != nullptr) {
            *fault = FormatFault::kOverflow;
        }
        return "0.0";
    }
    const bool negativeA = w.a < 0;
    const char sign2 = w.b < 0 ? '-' : '+';

    const bool dec = s.base != kHex && s.base != kBin;
    std::string text;
    if (negativeA) {
        text.push_back('-');
    }
    if (dec) {
        FormatDecimal(std::fabs(w.a), width, s.notation, negativeA ? '-' : '\0', kComplexFixedRange,
                      text);
    }
    if (polar) {
        text += "*exp(";
        if (sign2 == '-') {
            text.push_back('-');
        }
    } else {
        text.push_back(sign2);
    }
    if (dec) {
        FormatDecimal(std::fabs(w.b), width, s.notation, sign2, kComplexFixedRange, text);
    }
    text += polar ? "i)" : "i";
    return text;
}

}  // namespace kalvo
