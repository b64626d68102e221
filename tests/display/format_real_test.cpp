#include "display/format_real.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace kalvo {
namespace {

struct Row {
    const char* name;
    int notation;
    int width;
    Real value;
    const char* expected;
};

DisplaySettings Dec(int notation) {
    DisplaySettings s;
    s.notation = notation;
    s.base = kDec;
    return s;
}

void ExpectRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FormatFault fault = FormatFault::kChangeNotation;  // must be cleared
        EXPECT_EQ(FormatReal(Dec(row.notation), row.width, row.value, &fault), row.expected);
        EXPECT_EQ(fault, FormatFault::kNone);
    }
}

// The reference table: Scn and Fix at width 8, Eng at width 11.
// Scn 1/3: " 3.3E-0001" reclaims 1 space + 3 exponent zeros, so the second rendering has
// width 12 (4 digits). Eng 1e20: " 1.00E+0020" -> "100.E+0018" reclaims 2 exponent zeros,
// width 13 gives "100.00E+0018", trimmed to "100.0E+18". Eng -0.5: second width
// 11 + 3 - 1 = 13. Fix 1/3: 6 decimals (unsigned below 1), Fix -0.5 and 1: 5 decimals.
TEST(FormatRealTest, ReferenceTable) {
    ExpectRows({
        {"scn third", kScn, 8, 1.0L / 3.0L, "3.333E-1"},
        {"scn 1e20", kScn, 8, 1e20L, "1.0E+20"},
        {"scn minus half", kScn, 8, -0.5L, "-5.0E-1"},
        {"scn zero", kScn, 8, 0.0L, "0.0E+0"},
        {"scn one", kScn, 8, 1.0L, "1.0E+0"},
        {"scn hundred", kScn, 8, 100.0L, "1.0E+2"},
        {"scn 123456789", kScn, 8, 123456789.0L, "1.235E+8"},
        {"fix third", kFix, 8, 1.0L / 3.0L, "0.333333"},
        {"fix 1e20", kFix, 8, 1e20L, "1.0E+20"},
        {"fix minus half", kFix, 8, -0.5L, "-0.5"},
        {"fix zero", kFix, 8, 0.0L, "0.0"},
        {"fix one", kFix, 8, 1.0L, "1.0"},
        {"fix hundred", kFix, 8, 100.0L, "100.0"},
        {"fix 123456789", kFix, 8, 123456789.0L, "1.235E+8"},
        {"eng third", kEng, 11, 1.0L / 3.0L, "333.333E-3"},
        {"eng 1e20", kEng, 11, 1e20L, "100.0E+18"},
        {"eng minus half", kEng, 11, -0.5L, "-500.0E-3"},
        {"eng zero", kEng, 11, 0.0L, "0.0E+0"},
        {"eng one", kEng, 11, 1.0L, "1.0E+0"},
        {"eng hundred", kEng, 11, 100.0L, "100.0E+0"},
        {"eng 123456789", kEng, 11, 123456789.0L, "123.457E+6"},
    });
}

TEST(FormatRealTest, ReclaimedWidth) {
    ExpectRows({
        // 8 + 4 - 1 = 11: three digits, so the sign keeps the text at 8 characters.
        {"negative gets one less", kScn, 8, -1.0L / 3.0L, "-3.33E-1"},
        // " 3.333E-0001" reclaims 4: width 16 gives 8 digits.
        {"width 12", kScn, 12, 1.0L / 3.0L, "3.3333333E-1"},
        // "E+0300" loses only one zero: C = 2, width 10 keeps two digits.
        {"three-digit exponent", kScn, 8, 1.23456e300L, "1.2E+300"},
        // " 1.00E+0000" drops one trailing zero, which is not reclaimed: C = 4, width 15
        // gives 7 digits, 1.000500 (rounded up from 1.0004999), trimmed to 1.0005.
        // Counting the zero would give 8 digits and "1.0004999E+0".
        {"trailing zeros not counted", kScn, 11, 1.0004999L, "1.0005E+0"},
        // Eng keeps no leading spaces: " 1.00E+0003" reclaims only the 3 exponent zeros.
        {"eng counts exponent only", kEng, 11, 1234.5678L, "1.23457E+3"},
        // Exponent 4931 has no zero to give back and 4931 mod 3 = 2: the point lands
        // after the last of three digits.
        {"eng full exponent", kEng, 11, 1.23e4931L, "123.E+4929"},
    });
}

TEST(FormatRealTest, Rounding) {
    ExpectRows({
        // 9.99999999 at two digits rounds to 10: " 1.0E+0001"; then four digits.
        {"carry scn", kScn, 8, 9.99999999L, "1.0E+1"},
        // 5 decimals: 9.99999|99 carries into a new leading digit.
        {"carry fix", kFix, 8, 9.9999999L, "10.0"},
        // 2.25 is exact; the last wanted digit rounds half up (even would give 2.2).
        {"half up", kFix, 4, 2.25L, "2.3"},
        {"half up below one", kFix, 4, 0.125L, "0.13"},
        // 0.35L is 0.34999999999999999999457...; its 18 digits round to 3.5000...,
        // which then rounds half up to 0.4.
        {"double rounding", kFix, 3, 0.35L, "0.4"},
        // 2.675L is 2.67499999999999999995...; 18 digits give 2.675, then 2.68.
        {"double rounding two places", kFix, 5, 2.675L, "2.68"},
        // 1e18 + 25 has 19 digits ...025; the 18-digit reduction is a tie that goes to
        // the even ...002 (half up would give ...003). Width 26 shows all 18 digits.
        {"tie to even", kScn, 26, 1000000000000000025.0L, "1.00000000000000002E+18"},
        // ...000|5 stays ...000: all zeros, trimmed to one.
        {"tie to even down", kScn, 26, 1000000000000000005.0L, "1.0E+18"},
        // Beyond 18 digits a fixed text shows zeros, trimmed away: 1234567.12345678900.
        {"fix beyond 18 digits", kFix, 20, 1234567.123456789L, "1234567.123456789"},
    });
}

TEST(FormatRealTest, FixedEdges) {
    ExpectRows({
        {"wide fixed text", kFix, 8, 123456.789L, "123456.789"},
        // 3 - 4 = -1 decimals: scientific at width 3, two digits, only E+0000 dropped.
        {"d3 negative above one", kFix, 3, -12.34L, "-1.2E+1"},
        {"d3 negative zero exponent", kFix, 3, -2.25L, "-2.3"},
        // 3 - 3 = 0 decimals: no point.
        {"d3 positive", kFix, 3, 12.34L, "12"},
        {"upper bound is scientific", kFix, 8, 1e7L, "1.0E+7"},
        {"just below upper bound", kFix, 8, 9999999.0L, "9999999.0"},
        {"lower bound is scientific", kFix, 8, 1e-4L, "1.0E-4"},
        {"just above lower bound", kFix, 8, 0.0002L, "0.0002"},
        // Scientific fallback of a negative: second width 8 + 3 - 1 = 10.
        {"negative scientific", kFix, 8, -1e20L, "-1.0E+20"},
        {"width 12", kFix, 12, 12345.6789L, "12345.6789"},
    });
}

TEST(FormatRealTest, NarrowEngineering) {
    ExpectRows({
        // Two digits only: " 1.0E+0020" needs the point two places on, so a "0" fills
        // the missing place.
        {"width 8", kEng, 8, 1e20L, "100.E+18"},
        // " 1.2E+0004" moves the point one place: "12.E+0003".
        {"width 5", kEng, 5, 12345.0L, "12.E+3"},
        // Negative widths render like the smallest width.
        {"negative width", kEng, -40, 12345.0L, "12.E+3"},
    });
}

struct BaseRow {
    const char* name;
    int base;
    int bits;
    Real value;
    const char* expected;
};

TEST(FormatRealTest, HexAndBin) {
    const std::vector<BaseRow> rows = {
        {"hex fraction", kHex, 32, 255.9L, "FF"},
        {"hex negative", kHex, 32, -255.0L, "-FF"},
        {"hex truncates", kHex, 32, 2.9L, "2"},
        {"hex truncates negative", kHex, 32, -2.9L, "-2"},
        {"hex no minus zero", kHex, 32, -0.5L, "0"},
        {"hex zero", kHex, 32, 0.0L, "0"},
        {"hex largest", kHex, 32, 2147483647.0L, "7FFFFFFF"},
        {"hex most negative", kHex, 32, -2147483647.0L, "-7FFFFFFF"},
        {"bin five", kBin, 8, 5.0L, "00000101 "},
        {"bin zero", kBin, 8, 0.0L, "00000000 "},
        {"bin no minus zero", kBin, 8, -0.5L, "00000000 "},
        {"bin negative", kBin, 8, -2.9L, "-00000010 "},
        {"bin two groups", kBin, 8, 256.0L, "00000001 00000000 "},
        {"bin nibbles", kBin, 4, 165.0L, "1010 0101 "},
        {"bin exact multiple", kBin, 4, 15.0L, "1111 "},
        {"bin wide group", kBin, 16, 3.0L, "0000000000000011 "},
        {"bin group below one", kBin, 0, 5.0L, "1 0 1 "},
    };
    for (const BaseRow& row : rows) {
        SCOPED_TRACE(row.name);
        DisplaySettings s;
        s.base = row.base;
        s.bits = row.bits;
        FormatFault fault = FormatFault::kOverflow;
        EXPECT_EQ(FormatReal(s, 12, row.value, &fault), row.expected);
        EXPECT_EQ(fault, FormatFault::kNone);
    }
}

TEST(FormatRealTest, HexAndBinOverflow) {
    const std::vector<BaseRow> rows = {
        {"hex above", kHex, 32, 2147483648.0L, "0.0"},
        {"hex below", kHex, 32, -2147483647.5L, "0.0"},
        {"bin above", kBin, 8, 1e30L, "0.0"},
    };
    for (const BaseRow& row : rows) {
        SCOPED_TRACE(row.name);
        DisplaySettings s;
        s.base = row.base;
        s.bits = row.bits;
        FormatFault fault = FormatFault::kNone;
        EXPECT_EQ(FormatReal(s, 12, row.value, &fault), row.expected);
        EXPECT_EQ(fault, FormatFault::kOverflow);
    }
}

TEST(FormatRealTest, Sexagesimal) {
    ExpectRows({
        {"one and a half", kSxg, 12, 1.5L, "1:30:0"},
        {"negative", kSxg, 12, -1.5L, "-1:30:0"},
        {"seconds", kSxg, 12, 1.51L, "1:30:36"},     // 5436 s
        {"minutes", kSxg, 12, 10.2L, "10:12:0"},     // 36720 s
        {"carry to hours", kSxg, 12, 1.99999L, "2:0:0"},  // 7199.964 s rounds to 7200
        {"zero", kSxg, 12, 0.0L, "0:0:0"},
        {"largest", kSxg, 12, 596523.0L, "596523:0:0"},  // 2147482800 s
    });
}

TEST(FormatRealTest, SexagesimalTooLarge) {
    const std::vector<Row> rows = {
        {"value too large", kSxg, 12, 2147483648.0L, "0:0:0"},
        {"seconds too large", kSxg, 12, 600000.0L, "0:0:0"},  // 2.16e9 s
        {"negative too large", kSxg, 12, -600000.0L, "0:0:0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FormatFault fault = FormatFault::kNone;
        EXPECT_EQ(FormatReal(Dec(row.notation), row.width, row.value, &fault), row.expected);
        EXPECT_EQ(fault, FormatFault::kChangeNotation);
    }
}

TEST(FormatRealTest, NonFiniteIsOverflow) {
    const Real inf = std::numeric_limits<Real>::infinity();
    const Real nan = std::numeric_limits<Real>::quiet_NaN();
    for (int notation : {kScn, kFix, kEng, kSxg}) {
        for (Real x : {inf, -inf, nan}) {
            SCOPED_TRACE(testing::Message() << "notation " << notation << " value " << x);
            FormatFault fault = FormatFault::kNone;
            EXPECT_EQ(FormatReal(Dec(notation), 12, x, &fault), "0.0");
            EXPECT_EQ(fault, FormatFault::kOverflow);
        }
    }
    DisplaySettings hex;
    hex.base = kHex;
    FormatFault fault = FormatFault::kNone;
    EXPECT_EQ(FormatReal(hex, 12, nan, &fault), "0.0");
    EXPECT_EQ(fault, FormatFault::kOverflow);
}

TEST(FormatRealTest, ExtremeWidthsStayBounded) {
    for (int width : {std::numeric_limits<int>::min(), -1, 0, 1, std::numeric_limits<int>::max()}) {
        for (int notation : {kScn, kFix, kEng}) {
            SCOPED_TRACE(testing::Message() << "width " << width << " notation " << notation);
            const std::string text = FormatReal(Dec(notation), width, -1234.5678L);
            EXPECT_FALSE(text.empty());
            EXPECT_LE(text.size(), 1100U);
            EXPECT_EQ(text[0], '-');
        }
    }
}

}  // namespace
}  // namespace kalvo
