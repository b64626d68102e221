// The text of a real-number field: what reads as a number and what does not.
#include "frontend/real_field.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace kalvo {
namespace {

TEST(ParseRealField, ReadsWholeDecimalNumbers) {
    const struct {
        const char* text;
        Real value;
    } rows[] = {
        {"1", 1},         {"-2.5", -2.5L}, {"+7", 7},
        {".5", 0.5L},     {"3.", 3},       {"1.5e-3", 1.5e-3L},
        {"2E+10", 2e10L}, {"-0", 0},       {"1e4000", 1e4000L},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        Real value = -99;
        EXPECT_TRUE(ParseRealField(row.text, &value));
        EXPECT_EQ(value, row.value);
        EXPECT_TRUE(ParseRealField(row.text, nullptr));
    }
}

TEST(ParseRealField, RefusesAnythingElseAndKeepsTheValue) {
    for (const char* text : {"", "-", "+", ".", "1e", "1e+", "1.5.", "2x", " 1", "1 ", "+-1", "--1",
                             "0x10", "inf", "-inf", "nan", "1e5000", "1,5", "\xB5"}) {
        SCOPED_TRACE(text);
        Real value = 42;
        EXPECT_FALSE(ParseRealField(text, &value));
        EXPECT_EQ(value, 42);
    }
}

TEST(ParseRealField, ReadsOnlyTheFieldOfALongerText) {
    // The field is the start of a longer buffer: what follows it is not part of the number,
    // and nothing after the field's end is read (the sanitizer build checks that, the
    // field being copied to a buffer of its own length).
    const struct {
        const char* buffer;
        std::size_t length;
        bool ok;
        Real value;
    } rows[] = {
        {"12", 1, true, 1},     {"1.5e3", 3, true, 1.5L}, {"2e", 1, true, 2},
        {"1x", 2, false, 42},   {"n!(5", 4, false, 42},   {"info", 3, false, 42},
        {"nan1", 3, false, 42},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.buffer);
        Real value = 42;
        const std::vector<char> field(row.buffer, row.buffer + row.length);
        EXPECT_EQ(ParseRealField(std::string_view(field.data(), field.size()), &value), row.ok);
        EXPECT_EQ(value, row.value);
    }
}

}  // namespace
}  // namespace kalvo
