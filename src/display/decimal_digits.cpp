#include "display/decimal_digits.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace kalvo {

namespace {

using U128 = unsigned __int128;

constexpr std::uint64_t kLow18 = 100000000000000000ULL;   // 10^17: smallest 18-digit integer
constexpr std::uint64_t kHigh18 = 1000000000000000000ULL;  // 10^18

constexpr U128 Pow10(int n) {
    U128 p = 1;
    for (int i = 0; i < n; ++i) {
        p *= 10;
    }
    return p;
}

void StoreDigits(std::uint64_t q, DecimalDigits& dd) {
    for (int i = kStandardDigits - 1; i >= 0; --i) {
        dd.digits[i] = static_cast<char>('0' + q % 10);
        q /= 10;
    }
}

// Exact reduction with 128-bit integers: v = m * 2^e is scaled by 10^k so that the
// quotient has 18 digits, and the remainder decides the rounding (ties to even).
// Returns false when the scaled numerator or denominator would not fit in 128 bits;
// that happens only for magnitudes below about 1e-2 or from about 1e38 up.
bool GenerateDigitsExact(Real v, DecimalDigits& dd) {
    int binExp = 0;
    Real frac = std::frexp(v, &binExp);  // v = frac * 2^binExp, 0.5 <= frac < 1
    const auto m = static_cast<std::uint64_t>(std::ldexp(frac, 64));
    const int e = binExp - 64;  // v = m * 2^e exactly
    // floor((binExp - 1) * log10(2)) estimates floor(log10(v)); the loop below corrects it.
    const int decExp = ((binExp - 1) * 78913) >> 18;
    int k = 17 - decExp;
    for (int attempt = 0; attempt < 4; ++attempt) {
        U128 num = m;
        U128 den = 1;
        if (k > 19 || k < -21) {
            return false;
        }
        if (k >= 0) {
            num *= Pow10(k);  // m < 2^64 and 10^19 < 2^64: fits
        } else {
            den = Pow10(-k);  // 10^21 < 2^70
        }
        if (e >= 0) {
            if (e > 63 || (num >> (127 - e)) != 0) {
                return false;
            }
            num <<= e;
        } else {
            const int s = -e;
            if (s > 126 || (den >> (127 - s)) != 0) {
                return false;
            }
            den <<= s;
        }
        U128 q = num / den;
        if (q >= kHigh18) {
            --k;
            continue;
        }
        if (q < kLow18) {
            ++k;
            continue;
        }
        const U128 r = num % den;
        const U128 twice = r << 1;  // den < 2^127, so no overflow
        if (twice > den || (twice == den && (q & 1) != 0)) {
            ++q;
        }
        int exponent = 17 - k;
        if (q == kHigh18) {
            q = kLow18;
            ++exponent;
        }
        StoreDigits(static_cast<std::uint64_t>(q), dd);
        dd.exponent = exponent;
        dd.isZero = false;
        return true;
    }
    return false;
}

}  // namespace

DecimalDigits GenerateDigitsByPrintf(Real v) {
    DecimalDigits dd;
    if (!(v > 0) || !std::isfinite(v)) {
        for (char& c : dd.digits) {
            c = '0';
        }
        return dd;
    }
    // "d.<17 digits>e<sign><digits>": the C library converts exactly and rounds to even.
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.17Le", v);
    dd.digits[0] = buf[0];
    for (int i = 1; i < kStandardDigits; ++i) {
        dd.digits[i] = buf[i + 1];
    }
    dd.exponent = static_cast<int>(std::strtol(buf + kStandardDigits + 2, nullptr, 10));
    dd.isZero = false;
    return dd;
}

DecimalDigits GenerateDigits(Real v) {
    DecimalDigits dd;
    if (!(v > 0) || !std::isfinite(v)) {
        for (char& c : dd.digits) {
            c = '0';
        }
        return dd;
    }
    if (GenerateDigitsExact(v, dd)) {
        return dd;
    }
    return GenerateDigitsByPrintf(v);
}

int RoundSignificant(const DecimalDigits& dd, int count, char* out) {
    for (int i = 0; i < count; ++i) {
        out[i] = dd.digits[i];
    }
    if (dd.isZero || count >= kStandardDigits || dd.digits[count] < '5') {
        return dd.exponent;
    }
    for (int i = count - 1; i >= 0; --i) {
        if (out[i] != '9') {
            ++out[i];
            return dd.exponent;
        }
        out[i] = '0';
    }
    // Every digit was 9: the carry leaves the first digit as "1" and all others "0".
    out[0] = '1';
    return dd.exponent + 1;
}

}  // namespace kalvo
