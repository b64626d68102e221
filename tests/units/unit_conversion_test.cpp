// Converting a value into every unit of its category, the accepted values and the texts.
#include "units/unit_conversion.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "display/format_real.h"
#include "units/unit_test_util.h"

namespace kalvo {
namespace {

using test::CategoryOf;
using test::EpsilonsApart;
using test::UnitOf;

Real Converted(int category, const char* from, Real value, const char* to) {
    const UnitCategory& c = CategoryOf(category);
    const std::vector<Real> values = ConvertUnits(c, UnitOf(c, from), value);
    return values.at(static_cast<std::size_t>(UnitOf(c, to) - 1));
}

TEST(ConvertUnits, OneKilometre) {
    EXPECT_EQ(Converted(kLength, "KM", 1, "Meter"), 1000);
    EXPECT_NEAR(Converted(kLength, "KM", 1, "Mile"), 0.6213711922L, 5e-11L);
}

TEST(ConvertUnits, HundredDegreesCelsius) {
    const struct {
        const char* unit;
        Real expected;
    } rows[] = {{"Celsium", 100},
                {"Farhenheit", 212},
                {"Kelvin", 373.15L},
                {"Rankine", 671.67L},
                {"R\xE9"
                 "aumur",
                 80}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.unit);
        EXPECT_LE(EpsilonsApart(Converted(kTemperature, "Celsium", 100, row.unit), row.expected),
                  8);
    }
}

// Each source unit has its own formulas; starting from any of the results must give the
// same five values, which also checks every formula against the others.
TEST(ConvertUnits, TemperatureFormulasAgreeFromEverySourceUnit) {
    const UnitCategory& temperature = CategoryOf(kTemperature);
    for (Real celsius : {-273.15L, -40.0L, 0.0L, 36.6L, 100.0L, 1500.0L, 1e6L}) {
        const std::vector<Real> values = ConvertUnits(temperature, 1, celsius);
        ASSERT_EQ(values.size(), 5u);
        for (int from = 1; from <= 5; ++from) {
            SCOPED_TRACE(std::to_string(static_cast<double>(celsius)) + " from " +
                         temperature.Unit(from).name);
            const std::vector<Real> again =
                ConvertUnits(temperature, from, values[static_cast<std::size_t>(from - 1)]);
            for (std::size_t b = 0; b < values.size(); ++b) {
                // Absolute: the formulas add 273.15 and 40, which cancel near zero.
                EXPECT_NEAR(again[b], values[b], 1e-15L * (1 + std::fabs(values[b])));
            }
        }
    }
}

TEST(ConvertUnits, AbsoluteZeroIsTheLeastValueOfEveryTemperatureUnit) {
    const UnitCategory& temperature = CategoryOf(kTemperature);
    for (int from = 1; from <= temperature.Count(); ++from) {
        SCOPED_TRACE(temperature.Unit(from).name);
        const std::vector<Real> values =
            ConvertUnits(temperature, from, LeastValue(temperature, from));
        for (int b = 1; b <= temperature.Count(); ++b) {
            EXPECT_NEAR(values[static_cast<std::size_t>(b - 1)], LeastValue(temperature, b),
                        1e-13L);
        }
    }
}

TEST(ConvertUnits, RoundTripsReturnTheValue) {
    for (const UnitCategory& category : UnitCategories()) {
        for (Real value : {1.0L, 123.456L, 1e-7L, 5e20L}) {
            for (int a = 1; a <= category.Count(); ++a) {
                const std::vector<Real> there = ConvertUnits(category, a, value);
                ASSERT_EQ(static_cast<int>(there.size()), category.Count());
                EXPECT_EQ(there[static_cast<std::size_t>(a - 1)], value);
                for (int b = 1; b <= category.Count(); ++b) {
                    SCOPED_TRACE(std::string(category.Unit(a).name) + " to " +
                                 category.Unit(b).name);
                    const Real back =
                        ConvertUnits(category, b, there[static_cast<std::size_t>(b - 1)])[a - 1];
                    if (category.Linear()) {
                        EXPECT_LE(EpsilonsApart(back, value), 4);
                    } else {
                        EXPECT_NEAR(back, value, 1e-15L * (300 + std::fabs(value)));
                    }
                }
            }
        }
    }
}

TEST(ConvertUnits, NegativeLengthsConvert) {
    EXPECT_EQ(Converted(kLength, "KM", -2.5L, "Meter"), -2500);
}

TEST(ConvertUnits, UnitsOutsideTheCategoryGiveNothing) {
    const UnitCategory& acceleration = CategoryOf(kAcceleration);
    EXPECT_TRUE(ConvertUnits(acceleration, 0, 1).empty());
    EXPECT_TRUE(ConvertUnits(acceleration, acceleration.Count() + 1, 1).empty());
    EXPECT_TRUE(ConvertUnits(CategoryOf(kTemperature), 6, 1).empty());
}

TEST(AcceptsValue, RefusesValuesBelowTheLeastOne) {
    const struct {
        int category;
        const char* unit;
        Real value;
        bool accepted;
    } rows[] = {
        {kTemperature, "Celsium", -300, false},
        {kTemperature, "Celsium", -273.15L, true},
        {kTemperature, "Celsium", -273.16L, false},
        {kTemperature, "Farhenheit", -459.67L, true},
        {kTemperature, "Farhenheit", -459.68L, false},
        {kTemperature, "Kelvin", 0, true},
        {kTemperature, "Kelvin", -1e-30L, false},
        {kTemperature, "Rankine", -0.001L, false},
        {kTemperature,
         "R\xE9"
         "aumur",
         -218.52L, true},
        {kTemperature,
         "R\xE9"
         "aumur",
         -218.53L, false},
        {kTemperature, "Celsium", 1e300L, true},
        {kLength, "Meter", -1e300L, true},
        {kLength, "KM", -5, true},
        {kTime, "Second", -1e-30L, false},
        {kTime, "Second", 0, true},
        {kVolume, "Liter", -1, false},
        {kArea, "Are", -1, false},
        {kMass, "Gram", -1, false},
        {kForce, "Newton", -1, false},
        {kAcceleration, "g", -1, false},
        {kEnergy, "Calorie", -1, false},
        {kEnergy, "Calorie", 1e300L, true},
    };
    for (const auto& row : rows) {
        const UnitCategory& category = CategoryOf(row.category);
        SCOPED_TRACE(std::string(row.unit) + " " + std::to_string(static_cast<double>(row.value)));
        EXPECT_EQ(AcceptsValue(category, UnitOf(category, row.unit), row.value), row.accepted);
    }
    const UnitCategory& length = CategoryOf(kLength);
    const int parsec = UnitOf(length, "Parsec");
    EXPECT_FALSE(AcceptsValue(length, parsec, GreatestValue(length, parsec) * 1.001L));
}

TEST(GreatestValue, KeepsEveryConversionFiniteAndCutsOffOnlyAtTheEndOfTheRange) {
    for (const UnitCategory& category : UnitCategories()) {
        for (int unit = 1; unit <= category.Count(); ++unit) {
            SCOPED_TRACE(std::string(category.name) + " " + category.Unit(unit).name);
            const Real greatest = GreatestValue(category, unit);
            EXPECT_GT(greatest, 1e4000L);
            for (Real value : ConvertUnits(category, unit, greatest)) {
                EXPECT_TRUE(std::isfinite(value));
            }
            const Real beyond = greatest * 1.001L;
            if (std::isinf(beyond)) {
                continue;  // the unit takes every finite value but the last few
            }
            // A little more overflows somewhere: the bound is not needlessly low.
            bool overflows = false;
            for (Real value : ConvertUnits(category, unit, beyond)) {
                overflows = overflows || std::isinf(value);
            }
            EXPECT_TRUE(overflows);
        }
    }
}

TEST(ConversionDisplay, KeepsDecimalNotationsAndShowsTheOthersInDecimalScientific) {
    const struct {
        const char* name;
        int notation;
        int base;
        int shownNotation;
    } rows[] = {
        {"scn", kScn, kDec, kScn}, {"fix", kFix, kDec, kFix}, {"eng", kEng, kDec, kEng},
        {"sxg", kSxg, kDec, kScn}, {"hex", kFix, kHex, kFix}, {"bin", kScn, kBin, kScn},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        DisplaySettings main;
        main.notation = row.notation;
        main.base = row.base;
        const DisplaySettings shown = ConversionDisplay(main);
        EXPECT_EQ(shown.notation, row.shownNotation);
        EXPECT_EQ(shown.base, kDec);
    }
}

TEST(ConversionTexts, AreTheFormattedValuesWithTheSourceLeftOut) {
    const UnitCategory& length = CategoryOf(kLength);
    const int km = UnitOf(length, "KM");
    for (int notation : {kScn, kFix, kEng}) {
        for (int digits : {8, 12, 20}) {
            DisplaySettings display;
            display.notation = notation;
            const std::vector<std::string> texts = ConversionTexts(length, km, 1, display, digits);
            const std::vector<Real> values = ConvertUnits(length, km, 1);
            ASSERT_EQ(texts.size(), values.size());
            for (std::size_t b = 0; b < texts.size(); ++b) {
                SCOPED_TRACE(length.Unit(static_cast<int>(b) + 1).name);
                if (static_cast<int>(b) + 1 == km) {
                    EXPECT_EQ(texts[b], "");
                    continue;
                }
                EXPECT_EQ(texts[b], FormatReal(display, digits, values[b]));
                EXPECT_EQ(texts[b].find(' '), std::string::npos);
            }
        }
    }
}

TEST(ConversionTexts, HexadecimalDisplayStillShowsTheFraction) {
    const UnitCategory& length = CategoryOf(kLength);
    DisplaySettings hex;
    hex.notation = kFix;
    hex.base = kHex;
    DisplaySettings dec = hex;
    dec.base = kDec;
    EXPECT_EQ(ConversionTexts(length, UnitOf(length, "KM"), 1, hex, 12),
              ConversionTexts(length, UnitOf(length, "KM"), 1, dec, 12));
}

}  // namespace
}  // namespace kalvo
