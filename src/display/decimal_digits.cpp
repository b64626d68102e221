#include "display/decimal_digits.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace kalvo {

namespace {

using U128 = unsigned __int128;

constexpr std::uint64_t kLow18 = 100000000000000000ULL;    // 10^17: smallest 18-digit integer
constexpr std::uint64_t kHigh18 = 1000000000000000000ULL;  // 10^18

// Powers of five up to 5^27, the largest below 2^63, and of ten up to 10^21.
constexpr int kMaxPow5 = 27;
constexpr int kMaxPow10 = 21;

constexpr auto kPow5 = [] {
    std::array<std::uint64_t, kMaxPow5 + 1> table{};
    table[0] = 1;
    for (int i = 1; i <= kMaxPow5; ++i) {
        table[i] = table[i - 1] * 5;
    }
    return table;
}();

constexpr auto kPow10 = [] {
    std::array<U128, kMaxPow10 + 1> table{};
    table[0] = 1;
    for (int i = 1; i <= kMaxPow10; ++i) {
        table[i] = table[i - 1] * 10;
    }
    return table;
}();

// Writes nine digits of n (< 10^9) at out; two at a time to keep the chain short.
void StoreNineDigits(std::uint32_t n, char* out) {
    for (int i = 7; i >= 1; i -= 2) {
        const std::uint32_t pair = n % 100;
        n /= 100;
        out[i] = static_cast<char>('0' + pair / 10);
        out[i + 1] = static_cast<char>('0' + pair % 10);
    }
    out[0] = static_cast<char>('0' + n);
}

void StoreDigits(std::uint64_t q, DecimalDigits& dd) {
    // The two halves have no data dependency on each other.
    StoreNineDigits(static_cast<std::uint32_t>(q / 1000000000U), dd.digits);
    StoreNineDigits(static_cast<std::uint32_t>(q % 1000000000U), dd.digits + 9);
}

// floor(v * 10^k) as q and how the dropped rest compares with one half:
// -1 below, 0 exactly one half, +1 above (only meaningful when inexact).
struct Scaled {
    U128 q = 0;
    int half = -1;
};

// v = m * 2^e scaled by 10^k exactly with 128-bit integers. For k >= 0 the scaling is
// m * 5^k shifted by e + k bits, so the only division is a shift; for k < 0 it is a
// division by 10^-k. Returns false when an intermediate value would not fit.
bool ScaleExact(std::uint64_t m, int e, int k, Scaled& out) {
    if (k >= 0) {
        if (k > kMaxPow5) {
            return false;
        }
        const U128 num = static_cast<U128>(m) * kPow5[k];  // < 2^127
        const int t = e + k;
        if (t >= 0) {
            if (t > 63 || (num >> (127 - t)) != 0) {
                return false;
            }
            out.q = num << t;
            out.half = -1;
            return true;
        }
        const int s = -t;
        if (s >= 127) {
            out.q = 0;
            out.half = -1;  // v * 10^k < 2^-63: far below one half
            return true;
        }
        const U128 rest = num & ((static_cast<U128>(1) << s) - 1);
        const U128 half = static_cast<U128>(1) << (s - 1);
        out.q = num >> s;
        out.half = rest < half ? -1 : (rest == half ? 0 : 1);
        return true;
    }
    const int j = -k;
    if (j > kMaxPow10) {
        return false;
    }
    U128 num = m;
    U128 den = kPow10[j];  // < 2^70
    if (e >= 0) {
        if (e > 56) {
            return false;  // m * 2^e would not leave room for the comparison below
        }
        num <<= e;
    } else {
        if (-e > 56) {
            return false;
        }
        den <<= -e;
    }
    out.q = num / den;
    const U128 twice = (num % den) << 1;  // den < 2^127: no overflow
    out.half = twice < den ? -1 : (twice == den ? 0 : 1);
    return true;
}

// Exact reduction to 18 digits with ties to even. Returns false for magnitudes that do
// not fit the 128-bit path: below about 1e-10 and from about 1e36 up.
bool GenerateDigitsExact(Real v, DecimalDigits& dd) {
    // Real has a 64-bit significand, which only the x87 extended format offers: eight
    // bytes of significand with an explicit leading bit, then sign and biased exponent.
    // Reading the fields avoids two library calls and a slow conversion to integer.
    static_assert(std::numeric_limits<Real>::max_exponent == 16384);
    unsigned char bytes[10];
    std::memcpy(bytes, &v, sizeof bytes);
    std::uint64_t m = 0;
    std::memcpy(&m, bytes, sizeof m);
    const int biased = (bytes[8] | (bytes[9] << 8)) & 0x7FFF;
    if (biased == 0 || (m >> 63) == 0) {
        return false;  // subnormal (far below the 128-bit range) or not normalised
    }
    const int binExp = biased - 16382;  // v = m * 2^(binExp - 64), 2^63 <= m < 2^64
    const int e = binExp - 64;
    // floor((binExp - 1) * log10(2)) estimates floor(log10(v)) from below by at most
    // one; the loop corrects it.
    const int decExp = ((binExp - 1) * 78913) >> 18;
    int k = 17 - decExp;
    Scaled scaled;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!ScaleExact(m, e, k, scaled)) {
            return false;
        }
        if (scaled.q >= kHigh18) {
            --k;
            continue;
        }
        if (scaled.q < kLow18) {
            ++k;
            continue;
        }
        auto q = static_cast<std::uint64_t>(scaled.q);
        if (scaled.half > 0 || (scaled.half == 0 && (q & 1) != 0)) {
            ++q;
        }
        int exponent = 17 - k;
        if (q == kHigh18) {
            q = kLow18;
            ++exponent;
        }
        StoreDigits(q, dd);
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
