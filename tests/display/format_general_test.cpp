#include "display/format_general.h"

#include <gtest/gtest.h>

#include <limits>

namespace kalvo {
namespace {

TEST(FormatGeneral, RowsAtSevenAndFifteenDigits) {
    struct Row {
        const char* name;
        Real value;
        int precision;
        const char* expected;
    } rows[] = {
        {"zero", 0.0L, 7, "0"},
        {"negative zero", -0.0L, 7, "0"},
        {"third", 1.0L / 3, 7, "0.3333333"},
        {"whole number has no point", 100.0L, 7, "100"},
        {"negative", -2.5L, 7, "-2.5"},
        {"large goes scientific", 1.5e20L, 7, "1.5E20"},
        {"small goes scientific", 1e-5L, 7, "1E-5"},
        {"smallest fixed", 1e-4L, 7, "0.0001"},
        {"eight digits go scientific", 12345678.0L, 7, "1.234568E7"},
        {"largest fixed", 9999999.0L, 7, "9999999"},
        {"rounding carries into a new digit", 9999999.5L, 7, "1E7"},
        {"negative small", -0.000012345678L, 7, "-1.234568E-5"},
        {"negative exponent above -10", 2.5e-7L, 7, "2.5E-7"},
        {"three-digit exponent", 1e300L, 7, "1E300"},
        {"extended range", 1e-4000L, 7, "1E-4000"},
        {"fifteen digits keep a sum clean", 0.1L + 0.2L, 15, "0.3"},
        {"fifteen digits fixed below 1e15", 123456789012345.0L, 15, "123456789012345"},
        {"fifteen digits: 1e15 is scientific", 1e15L, 15, "1E15"},
        {"twelve digits of pi", 3.14159265358979324L, 12, "3.14159265359"},
        {"one digit", 0.35L, 1, "0.3"},  // 0.35 is below 0.35 in binary
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FormatGeneral(row.value, row.precision), row.expected);
    }
}

TEST(FormatGeneral, NamesValuesTheEnginesNeverProduce) {
    EXPECT_EQ(FormatGeneral(std::numeric_limits<Real>::infinity(), 7), "INF");
    EXPECT_EQ(FormatGeneral(-std::numeric_limits<Real>::infinity(), 7), "-INF");
    EXPECT_EQ(FormatGeneral(std::numeric_limits<Real>::quiet_NaN(), 7), "NAN");
}

TEST(FormatGeneral, ReadsBackToTheRoundedValue) {
    // The text at 18 digits names the value to the last of the extended digits.
    for (Real v : {1.0L / 3, 2.0L / 3 * 1e-300L, 6.02214076e23L, -1.0L / 7}) {
        SCOPED_TRACE(static_cast<double>(v));
        const Real back = std::strtold(FormatGeneral(v, 18).c_str(), nullptr);
        EXPECT_NEAR(static_cast<double>(back / v), 1.0, 1e-17);
    }
}

}  // namespace
}  // namespace kalvo
