#include "display/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "display/display_settings.h"

namespace kalvo {
namespace {

std::string Scientific(Real v, int width) {
    std::string s;
    RenderScientific(GenerateDigits(v), width, s);
    return s;
}

std::string Fixed(Real v, int width, int decimals) {
    std::string s;
    RenderFixed(GenerateDigits(v), width, decimals, s);
    return s;
}

TEST(NumberTextTest, RenderScientific) {
    struct Row {
        const char* name;
        Real v;
        int width;
        const char* expected;
    };
    const std::vector<Row> rows = {
        {"two digits", 1.0L / 3, 8, " 3.3E-0001"},
        {"four digits", 1.0L / 3, 12, " 3.333E-0001"},
        {"clamped below", 1.0L / 3, 3, " 3.3E-0001"},
        // Width 30: 18 digits, 30 - 18 - 8 = 4 padding spaces before the sign position.
        {"padded", 1.5L, 30, "     1.50000000000000000E+0000"},
        {"zero", 0.0L, 11, " 0.00E+0000"},
        {"carry raises exponent", 9.96L, 10, " 1.0E+0001"},
        {"negative exponent", 0.00012345L, 12, " 1.235E-0004"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Scientific(row.v, row.width), row.expected);
    }
}

TEST(NumberTextTest, ScientificLengthIsWidthOrDigitsPlusEight) {
    for (int width = -3; width <= 40; ++width) {
        SCOPED_TRACE(width);
        const int significant = std::clamp(width - 8, 2, 18);
        EXPECT_EQ(Scientific(12345.678L, width).size(),
                  static_cast<std::size_t>(std::max(width, significant + 8)));
    }
}

TEST(NumberTextTest, RenderFixed) {
    struct Row {
        const char* name;
        Real v;
        int width;
        int decimals;
        const char* expected;
    };
    const std::vector<Row> rows = {
        {"padded", 1.5L, 8, 2, "    1.50"},
        {"never cut", 123456.789L, 8, 5, "123456.78900"},
        {"no decimals", 12.5L, 4, 0, "  13"},
        {"zero", 0.0L, 6, 3, " 0.000"},
        // The first digit lies past the last place: 0.0004 -> 0.000, 0.0006 -> 0.001.
        {"rounds to zero", 0.0004L, 1, 3, "0.000"},
        {"rounds up from beyond", 0.0006L, 1, 3, "0.001"},
        {"far beyond", 0.00001L, 1, 2, "0.00"},
        {"carry adds integer digit", 99.96L, 1, 1, "100.0"},
        {"negative decimals", 1.0L / 3, 8, -1, " 3.3E-0001"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Fixed(row.v, row.width, row.decimals), row.expected);
    }
}

TEST(NumberTextTest, TrimNumberText) {
    struct Row {
        const char* name;
        const char* text;
        int notation;
        const char* expected;
        int counted;
    };
    const std::vector<Row> rows = {
        {"trailing zeros", "  5.00000", kScn, "5.0", 2},
        {"integer kept", "500", kFix, "500", 0},
        {"point kept", "120.0", kFix, "120.0", 0},
        {"before exponent", " 1.500E+0003", kScn, "1.5E+0003", 1},
        {"zero exponent dropped in fix", " 0.000E+0000", kFix, "0.0", 1},
        {"zero exponent kept in scn", " 0.000E+0000", kScn, "0.0E+0000", 1},
        {"other exponent kept in fix", "1.20E+0001", kFix, "1.2E+0001", 0},
        {"point before exponent", "100.E+0018", kEng, "100.E+0018", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string s = row.text;
        EXPECT_EQ(TrimNumberText(s, row.notation), row.counted);
        EXPECT_EQ(s, row.expected);
    }
}

TEST(NumberTextTest, ToEngineering) {
    struct Row {
        const char* text;
        const char* expected;
    };
    const std::vector<Row> rows = {
        {" 1.00E+0020", "100.E+0018"},
        {" 3.33E-0001", "333.E-0003"},
        {" 1.234E+0004", "12.34E+0003"},
        {" 1.234E-0005", "12.34E-0006"},
        {"   1.234E+0003", "1.234E+0003"},  // multiple of three: only stripped
        {" 1.2E+0002", "120.E+0000"},        // two digits: the missing place is a 0
        {" 1.2E-0004", "120.E-0006"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        std::string s = row.text;
        ToEngineering(s);
        EXPECT_EQ(s, row.expected);
    }
}

}  // namespace
}  // namespace kalvo
