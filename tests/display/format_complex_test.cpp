#include "display/format_complex.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace kalvo {
namespace {

struct Row {
    const char* name;
    int notation;
    int form;
    int width;
    ComplexNum z;
    const char* expected;
};

TEST(FormatComplexTest, Rows) {
    const std::vector<Row> rows = {
        {"fix rect", kFix, kRect, 8, MakeRect(1, 2), "1.0+2.0i"},
        // -2: a negative part above 1 gets width - 4 decimals, "2.0000" trims to "2.0".
        {"fix rect negative imaginary", kFix, kRect, 8, MakeRect(1, -2), "1.0-2.0i"},
        {"fix rect both negative", kFix, kRect, 8, MakeRect(-1, -2), "-1.0-2.0i"},
        // Argument pi/2 = 1.5707963: width - 3 = five decimals, 1.57080 -> "1.5708".
        {"fix polar", kFix, kPolar, 8, MakeRect(0, 2), "2.0*exp(1.5708i)"},
        // 1-i: modulus 1.41421356 with five decimals; argument -0.785398163 (below 1)
        // also with five, 0.78540 -> "0.7854".
        {"fix polar negative argument", kFix, kPolar, 8, MakeRect(1, -1), "1.41421*exp(-0.7854i)"},
        // -i: argument -1.5707963, negative and above 1: four decimals.
        {"fix polar minus i", kFix, kPolar, 8, MakeRect(0, -1), "1.0*exp(-1.5708i)"},
        // A polar input is converted when the form is Rect: 2*exp(0i) = 2+0i.
        {"polar input shown rect", kFix, kRect, 8, MakePolar(2, 0), "2.0+0.0i"},
        // Imaginary part 1.23456789: after "+" five decimals (1.23457), after "-" four
        // (1.2346), as the sign takes a place of the width.
        {"imaginary plus five decimals", kFix, kRect, 8, MakeRect(1, 1.23456789L), "1.0+1.23457i"},
        {"imaginary minus four decimals", kFix, kRect, 8, MakeRect(1, -1.23456789L), "1.0-1.2346i"},
        // The imaginary part always counts a sign: below 1 it gets 5 decimals, the
        // real part 6.
        {"imaginary never k2", kFix, kRect, 8, MakeRect(0.123456789L, 0.123456789L),
         "0.123457+0.12346i"},
        // Fixed range 1e-6 < v < 1e9 (a real value would be "1.235E+7" and "1.0E-5").
        {"fixed up to 1e9", kFix, kRect, 8, MakeRect(12345678, 0), "12345678.0+0.0i"},
        {"fixed down to 1e-6", kFix, kRect, 8, MakeRect(1e-5L, 0), "0.00001+0.0i"},
        {"scientific from 1e9", kFix, kRect, 8, MakeRect(1e9L, 1e-6L), "1.0E+9+1.0E-6i"},
        // Second scientific width: 8 + 4 for the real part, 8 + 4 - 1 for the imaginary.
        {"scn second width", kScn, kRect, 8, MakeRect(1.0L / 3, 1.0L / 3), "3.333E-1+3.33E-1i"},
        {"sxg acts as scn", kSxg, kRect, 8, MakeRect(1, 2), "1.0E+0+2.0E+0i"},
        // 1000: r = 0, reclaims 3 -> width 14. 0.5: "500.E-0003" reclaims 3 -> width 13.
        {"eng", kEng, kRect, 11, MakeRect(1000, 0.5L), "1.0E+3+500.0E-3i"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DisplaySettings s;
        s.notation = row.notation;
        s.complexForm = row.form;
        FormatFault fault = FormatFault::kOverflow;
        EXPECT_EQ(FormatComplex(s, row.width, row.z, &fault), row.expected);
        EXPECT_EQ(fault, FormatFault::kNone);
    }
}

TEST(FormatComplexTest, OtherBaseLeavesPartsEmpty) {
    DisplaySettings s;
    s.base = kHex;
    EXPECT_EQ(FormatComplex(s, 8, MakeRect(-1, -2)), "--i");
    s.complexForm = kPolar;
    EXPECT_EQ(FormatComplex(s, 8, MakeRect(0, 2)), "*exp(i)");
}

TEST(FormatComplexTest, NonFiniteIsOverflow) {
    DisplaySettings s;
    FormatFault fault = FormatFault::kNone;
    EXPECT_EQ(FormatComplex(s, 8, MakeRect(1, std::numeric_limits<Real>::infinity()), &fault),
              "0.0");
    EXPECT_EQ(fault, FormatFault::kOverflow);
}

}  // namespace
}  // namespace kalvo
