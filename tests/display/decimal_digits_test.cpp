#include "display/decimal_digits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iomanip>
#include <limits>
#include <random>
#include <string>

namespace kalvo {
namespace {

std::string Text(const DecimalDigits& dd) {
    return std::string(dd.digits, kStandardDigits) + "e" + std::to_string(dd.exponent);
}

TEST(DecimalDigitsTest, KnownValues) {
    EXPECT_EQ(Text(GenerateDigits(1.0L / 3)), "333333333333333333e-1");
    EXPECT_EQ(Text(GenerateDigits(1.0L)), "100000000000000000e0");
    EXPECT_EQ(Text(GenerateDigits(255.9L)), "255900000000000000e2");
    // 19 digits ...025 and ...035: ties go to the even neighbour.
    EXPECT_EQ(Text(GenerateDigits(1000000000000000025.0L)), "100000000000000002e18");
    EXPECT_EQ(Text(GenerateDigits(1000000000000000035.0L)), "100000000000000004e18");
    // 2^64 - 1 = 18446744073709551615: ...551|615 rounds up.
    EXPECT_EQ(Text(GenerateDigits(18446744073709551615.0L)), "184467440737095516e19");
    // 10^19 - 1 rounds up out of the first digit.
    EXPECT_EQ(Text(GenerateDigits(9999999999999999999.0L)), "100000000000000000e19");
    const DecimalDigits zero = GenerateDigits(0.0L);
    EXPECT_TRUE(zero.isZero);
    EXPECT_EQ(Text(zero), "000000000000000000e0");
}

// The integer fast path and the C library's exact conversion must agree everywhere:
// on random bit patterns across the whole exponent range, on integers and halves
// next to powers of ten, and on subnormals.
TEST(DecimalDigitsTest, AgreesWithExactLibraryConversion) {
    std::mt19937_64 rng(20240611);
    int mismatches = 0;
    auto check = [&mismatches](Real v) {
        // Report only the first few mismatches of the many values.
        if (Text(GenerateDigits(v)) != Text(GenerateDigitsByPrintf(v)) && ++mismatches <= 5) {
            ADD_FAILURE() << std::setprecision(21) << v << ": " << Text(GenerateDigits(v))
                          << " vs " << Text(GenerateDigitsByPrintf(v));
        }
    };
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t mantissa = rng() | (std::uint64_t{1} << 63);
        const int exponent = static_cast<int>(rng() % 400) - 200 - 63;
        check(std::ldexp(static_cast<Real>(mantissa), exponent));
    }
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t mantissa = rng() | (std::uint64_t{1} << 63);
        const int exponent = static_cast<int>(rng() % 32000) - 16000 - 63;
        check(std::ldexp(static_cast<Real>(mantissa), exponent));
    }
    for (int p = -30; p <= 40; ++p) {
        const Real power = std::pow(10.0L, static_cast<Real>(p));
        for (Real v : {power, std::nextafter(power, 0.0L),
                       std::nextafter(power, std::numeric_limits<Real>::infinity()),
                       power * 0.5L, power * 1.5L, power - 0.5L, power + 0.5L}) {
            if (v > 0) {
                check(v);
            }
        }
    }
    for (std::uint64_t n = 1000000000000000000ULL; n < 1000000000000000000ULL + 200; ++n) {
        check(static_cast<Real>(n));
    }
    check(std::numeric_limits<Real>::denorm_min());
    check(std::numeric_limits<Real>::min());
    check(std::numeric_limits<Real>::max());
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace kalvo
