// Number literals in the current base: integer run, sexagesimal parts, fraction, exponent.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/char_classes.h"
#include "engine/engine.h"
#include "engine/error_codes.h"
#include "engine/float_fault.h"
#include "engine/parse_decimal.h"

namespace kalvo {

namespace {

constexpr Real kRadix[] = {10, 16, 2};

// Powers of ten that the 64-bit significand holds exactly (5^27 < 2^63).
constexpr int kMaxExactPower = 27;
constexpr auto kPowersOfTen = [] {
    std::array<Real, kMaxExactPower + 1> p{};
    Real v = 1;
    for (auto& e : p) {
        e = v;
        v *= 10;
    }
    return p;
}();

/// Digits of a decimal literal gathered while scanning: up to 18 significant digits are
/// exact in an integer, and with an exactly representable power of ten the value is
/// then one correctly rounded multiplication or division.
struct DecimalMantissa {
    std::uint64_t digits = 0;
    int significant = 0;
    int fractionDigits = 0;

    void Add(char c, bool fraction) {
        if (significant > 18) {
            return;
        }
        if (digits != 0 || c != '0') {
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            ++significant;
        }
        fractionDigits += fraction ? 1 : 0;
    }

    bool Value(long exponent, Real& value) const {
        const long e = exponent - fractionDigits;
        if (significant > 18 || e < -kMaxExactPower || e > kMaxExactPower) {
            return false;
        }
        const Real m = static_cast<Real>(digits);
        value = e >= 0 ? m * kPowersOfTen[static_cast<std::size_t>(e)]
                       : m / kPowersOfTen[static_cast<std::size_t>(-e)];
        return true;
    }
};

}  // namespace

Real Engine::NumberLiteral(int sign, bool& postfix) {
    const int base = m_state.display.base;
    auto inRun = [this, base](char c) {
        return c != '.' && c != kEndMarker && (c != '$' || base == kHex) && InDigitSet(c);
    };
    if (m_state.currentChar == '$') {
        if (base != kHex) {
            RaiseError(kErrSyntax);
            return 0;
        }
        Advance();  // the "$" prefix of a hex literal
    }
    if (base == kHex && m_state.currentChar == 'C') {
        char next = CharAt(m_state.scanPos + 1);
        if (next == 'i' || next == 'n') {
            return NameRule(sign, postfix);  // the hex digit C starts a function name
        }
    }

    const Real radix = kRadix[base];
    const int start = m_state.scanPos;
    Real value = 0;
    // Decimal integers of up to 18 digits accumulate exactly; longer or fractional decimal
    // literals are converted with correct rounding from their digit text.
    bool exact = true;
    int digits = 0;
    DecimalMantissa mantissa;
    while (inRun(m_state.currentChar)) {
        value = value * radix + DigitValue(m_state.currentChar);
        mantissa.Add(m_state.currentChar, false);
        ++digits;
        Advance();
    }
    value = Checked(value);
    if (base == kDec && digits > 18) {
        exact = false;
    }

    if (m_state.currentChar == ':') {
        Real parts[2] = {0, 0};
        for (int part = 0; part < 2 && m_state.currentChar == ':'; ++part) {
            Advance();
            if (!inRun(m_state.currentChar)) {
                RaiseError(kErrSyntax);
                return 0;
            }
            while (inRun(m_state.currentChar)) {
                parts[part] = parts[part] * radix + DigitValue(m_state.currentChar);
                Advance();
            }
        }
        if (m_state.currentChar == '.' || m_state.currentChar == 'E') {
            RaiseError(kErrSyntax);
            return 0;
        }
        value = Checked(value + parts[0] / 60 + parts[1] / 3600);
    } else {
        long exponent = 0;
        if (m_state.currentChar == '.' && InDigitSet('.')) {
            exact = false;
            Advance();
            Real scale = 1;
            while (inRun(m_state.currentChar)) {
                scale /= radix;
                value += DigitValue(m_state.currentChar) * scale;
                mantissa.Add(m_state.currentChar, true);
                Advance();
            }
        }
        if (m_state.currentChar == 'E' && base != kHex) {
            exact = false;
            Advance();
            bool negative = false;
            if (m_state.currentChar == '+' || m_state.currentChar == '-') {
                negative = m_state.currentChar == '-';
                Advance();
            }
            if (m_state.currentChar < '0' || m_state.currentChar > '9') {
                RaiseError(kErrSyntax);
                return 0;
            }
            while (m_state.currentChar >= '0' && m_state.currentChar <= '9') {
                if (exponent < 100000000) {
                    exponent = exponent * 10 + (m_state.currentChar - '0');
                }
                Advance();
            }
            if (negative) {
                exponent = -exponent;
            }
            if (base == kBin) {
                value = std::ldexp(value, static_cast<int>(exponent));
            }
        }
        if (!exact && base == kDec && !mantissa.Value(exponent, value)) {
            const int end = m_state.currentChar == kEndMarker
                                ? static_cast<int>(m_state.text.size()) + 1
                                : m_state.scanPos;
            std::string literal = m_state.text.substr(static_cast<std::size_t>(start - 1),
                                                      static_cast<std::size_t>(end - start));
            if (literal.front() == '.') {
                literal.insert(literal.begin(), '0');
            }
            value = ParseDecimal(literal);
        }
        value = Checked(value);
    }
    Real result = sign * value;
    return OperandCheck() ? result : 0;
}

}  // namespace kalvo
