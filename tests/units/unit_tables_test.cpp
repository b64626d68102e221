// The unit tables: categories, names, sizes as factors, and the accepted ranges.
#include "units/unit_tables.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "units/unit_test_util.h"

namespace kalvo {
namespace {

using test::CategoryOf;
using test::EpsilonsApart;
using test::UnitOf;

TEST(UnitCategories, ComeInMenuOrderWithTheirTagsAndUnitCounts) {
    struct Row {
        const char* caption;
        int number;
        int count;
    } rows[] = {
        {"A&cceleration", 8, 9}, {"&Area", 4, 20},   {"&Force", 7, 12},
        {"&Length", 1, 20},      {"&Mass", 6, 20},   {"&Temperature", 2, 5},
        {"T&ime", 5, 18},        {"&Volume", 3, 20}, {"&Energy", 9, 14},
    };
    ASSERT_EQ(UnitCategories().size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const UnitCategory& category = UnitCategories()[i];
        SCOPED_TRACE(rows[i].caption);
        EXPECT_STREQ(category.caption, rows[i].caption);
        EXPECT_EQ(category.number, rows[i].number);
        EXPECT_EQ(category.Count(), rows[i].count);
        EXPECT_LE(category.Count(), kUnitSlots);
        std::string plain = category.caption;
        plain.erase(plain.find('&'), 1);
        EXPECT_EQ(category.name, plain);
        EXPECT_EQ(FindUnitCategory(category.number), &category);
    }
    EXPECT_EQ(FindUnitCategory(0), nullptr);
    EXPECT_EQ(FindUnitCategory(10), nullptr);
}

TEST(UnitCategories, NamesAreShortAndTellTheUnitsApart) {
    for (const UnitCategory& category : UnitCategories()) {
        for (int unit = 1; unit <= category.Count(); ++unit) {
            const std::string name = category.Unit(unit).name;
            SCOPED_TRACE(std::string(category.name) + " " + name);
            EXPECT_FALSE(name.empty());
            EXPECT_LE(name.size(), 15u);
            // A second unit of the same name, in any letter case, would be found first.
            EXPECT_EQ(FindUnitByName(category, name), unit);
        }
    }
}

// Relations that hold by definition of the units, so that a mistyped size shows up. The
// sizes carry ten significant digits.
TEST(UnitSizes, AgreeWithTheDefinitionsOfTheUnits) {
    struct Row {
        int category;
        const char* unit;
        const char* in;
        Real count;  ///< of `in` in one `unit`
    } rows[] = {
        {kLength, "Foot", "Inch", 12},
        {kLength, "Yard", "Foot", 3},
        {kLength, "Fathom", "Foot", 6},
        {kLength, "Chain", "Yard", 22},
        {kLength, "Furlong", "Chain", 10},
        {kLength, "Mile", "Furlong", 8},
        {kLength, "League", "Mile", 3},
        {kLength, "Inch", "Mil", 1000},
        {kLength, "KM", "Meter", 1000},
        {kLength, "Meter", "CM", 100},
        {kLength, "MM", "\xB5M", 1000},
        {kLength, "\xB5M", "A\xB0", 10000},
        {kLength, "A\xB0", "Fermi", 100000},
        {kTime, "Minute", "Second", 60},
        {kTime, "Hour", "Minute", 60},
        {kTime, "Day", "Hour", 24},
        {kTime, "Week", "Day", 7},
        {kTime, "Fornight", "Week", 2},
        {kTime, "Month", "Day", 30},
        {kTime, "Year", "Day", 365},
        {kTime, "Leap year", "Day", 366},
        {kTime, "Decade", "Year", 10},
        {kTime, "Century", "Year", 100},
        {kTime, "Miiiennium", "Year", 1000},
        {kTime, "Second", "Millisecond", 1000},
        {kTime, "Millisecond", "Microsecond", 1000},
        {kTime, "Microsecond", "Nanosecond", 1000},
        {kTime, "Nanosecond", "Picosecond", 1000},
        {kTime, "Picosecond", "Femtosecond", 1000},
        {kTime, "Femtosecond", "Attosecond", 1000},
        {kVolume, "Gallon", "Quart", 4},
        {kVolume, "Quart", "Pint", 2},
        {kVolume, "Pint", "Ounce (oz.)", 16},
        {kVolume, "Galon (GB)", "Quart (GB)", 4},
        {kVolume, "Quart (GB)", "Pint (GB)", 2},
        {kVolume, "Pint (GB)", "Ounce (GB)", 20},
        {kVolume, "Gallon", "Inch\xB3", 231},
        {kVolume, "Foot\xB3", "Inch\xB3", 1728},
        {kVolume, "Yard\xB3", "Foot\xB3", 27},
        {kVolume, "Barrel (oil)", "Gallon", 42},
        {kVolume, "Meter\xB3", "Liter", 1000},
        {kVolume, "Liter", "CM\xB3", 1000},
        {kVolume, "Liter", "Milliliter", 1000},
        {kVolume, "Liter", "Deciliter", 10},
        {kVolume, "Hectoliter", "Dekaliter", 10},
        {kArea, "Foot\xB2", "Inch\xB2", 144},
        {kArea, "Yard\xB2", "Foot\xB2", 9},
        {kArea, "Chain\xB2", "Rod\xB2", 16},
        {kArea, "Arce", "Chain\xB2", 10},
        {kArea, "Rood", "Rod\xB2", 40},
        {kArea, "Mile", "Arce", 640},
        {kArea, "Township", "Mile", 36},
        {kArea, "Hectare", "Are", 100},
        {kArea, "Hectometre\xB2", "Dekameter\xB2", 100},
        {kArea, "Kilometer\xB2", "Hectare", 100},
        {kArea, "Meter\xB2", "Decimeter\xB2", 100},
        {kArea, "Decimeter\xB2", "CM\xB2", 100},
        {kArea, "CM\xB2", "Millimeter\xB2", 100},
        {kArea, "Millimeter\xB2", "Micrometer\xB2", 1e6L},
        {kArea, "Micrometer\xB2", "Nonometer\xB2", 1e6L},
        {kMass, "Pound", "Ounce", 16},
        {kMass, "Pound", "Grain", 7000},
        {kMass, "Kip", "Pound", 1000},
        {kMass, "Ton", "Pound", 2000},
        {kMass, "Ton (long)", "Pound", 2240},
        {kMass, "Quarter", "Pound", 25},
        {kMass, "Quarter (GB)", "Pound", 28},
        {kMass, "Troy Pound", "Troy ounce", 12},
        {kMass, "Pennyweight", "Grain", 24},
        {kMass, "Gram", "Carat", 5},
        {kMass, "Ton (metric)", "Kilogram", 1000},
        {kMass, "Kilogram", "Gram", 1000},
        {kMass, "Gram", "Microgram", 1e6L},
        {kForce, "Kip force", "Pound force", 1000},
        {kForce, "Pound force", "Ounce force", 16},
        {kForce, "Kilogram force", "Gram force", 1000},
        {kForce, "Kilonewton", "Newton", 1000},
        {kForce, "Newton", "Millinewton", 1000},
        {kForce, "Newton", "Dyne", 1e5L},
        {kForce, "Joule/Meter", "Joule/CM", 100},
        {kForce, "Newton", "Joule/Meter", 1},
        {kAcceleration, "Foot/sec\xB2", "Inch/sec\xB2", 12},
        {kAcceleration, "Yard/sec\xB2", "Foot/sec\xB2", 3},
        {kAcceleration, "Mile/sec\xB2", "Foot/sec\xB2", 5280},
        {kAcceleration, "km/sec\xB2", "m/sec\xB2", 1000},
        {kAcceleration, "m/sec\xB2", "cm/sec\xB2", 100},
        {kAcceleration, "gal", "cm/sec\xB2", 1},
        {kEnergy, "Foot*pound", "Inch*pound", 12},
        {kEnergy, "Inch*pound", "Inch*ouns", 16},
        {kEnergy, "Kilowatt*hour", "Joul(newton*m)", 3.6e6L},
        {kEnergy, "Joul(newton*m)", "Dyne*cm (erg)", 1e7L},
        {kEnergy, "Ton", "Calorie(chem.)", 1e9L},
    };
    for (const Row& row : rows) {
        const UnitCategory& category = CategoryOf(row.category);
        SCOPED_TRACE(std::string(row.unit) + " in " + row.in);
        const Real factor =
            ConversionFactor(category, UnitOf(category, row.unit), UnitOf(category, row.in));
        EXPECT_NEAR(factor / row.count, 1, 1e-9L);
    }
}

// Units whose sizes the tables take from the same physical constants.
TEST(UnitSizes, AgreeAcrossCategories) {
    const UnitCategory& force = CategoryOf(kForce);
    const UnitCategory& acceleration = CategoryOf(kAcceleration);
    const UnitCategory& length = CategoryOf(kLength);
    EXPECT_EQ(force.Unit(UnitOf(force, "Kilogram force")).size,
              acceleration.Unit(UnitOf(acceleration, "g")).size);
    // A dyne of mass is the mass that weighs one dyne.
    const UnitCategory& mass = CategoryOf(kMass);
    EXPECT_NEAR(mass.Unit(UnitOf(mass, "Dyne")).size *
                    acceleration.Unit(UnitOf(acceleration, "g")).size /
                    force.Unit(UnitOf(force, "Dyne")).size,
                1, 1e-9L);
    for (const char* unit : {"Foot", "Inch", "Yard", "Mile"}) {
        SCOPED_TRACE(unit);
        const std::string perSecond = std::string(unit) + "/sec\xB2";
        EXPECT_EQ(length.Unit(UnitOf(length, unit)).size,
                  acceleration.Unit(UnitOf(acceleration, perSecond.c_str())).size);
    }
}

TEST(ConversionFactor, IsTheRatioOfSizesInExtendedPrecision) {
    int pairs = 0;
    for (const UnitCategory& category : UnitCategories()) {
        if (!category.Linear()) {
            continue;
        }
        for (int a = 1; a <= category.Count(); ++a) {
            const Real sizeA = category.Unit(a).size;
            EXPECT_EQ(ConversionFactor(category, a, a), 1);
            for (int b = 1; b <= category.Count(); ++b) {
                const Real sizeB = category.Unit(b).size;
                SCOPED_TRACE(std::string(category.Unit(a).name) + " to " + category.Unit(b).name);
                // One unit of the last place: a factor held in double or to ten digits is
                // a thousand and more of them away.
                EXPECT_LE(EpsilonsApart(ConversionFactor(category, a, b), sizeA / sizeB), 1);
                EXPECT_LE(
                    EpsilonsApart(
                        ConversionFactor(category, a, b) * ConversionFactor(category, b, a), 1),
                    2);
                ++pairs;
            }
        }
    }
    EXPECT_EQ(pairs, 20 * 20 * 4 + 18 * 18 + 12 * 12 + 9 * 9 + 14 * 14);
}

TEST(LeastValue, IsAbsoluteZeroForTemperaturesNoneForLengthsAndZeroElsewhere) {
    const UnitCategory& temperature = CategoryOf(kTemperature);
    const struct {
        const char* unit;
        Real least;
    } temperatures[] = {{"Celsium", -273.15L},
                        {"Farhenheit", -459.67L},
                        {"Kelvin", 0},
                        {"Rankine", 0},
                        {"R\xE9"
                         "aumur",
                         -218.52L}};
    for (const auto& row : temperatures) {
        SCOPED_TRACE(row.unit);
        EXPECT_EQ(LeastValue(temperature, UnitOf(temperature, row.unit)), row.least);
    }
    for (const UnitCategory& category : UnitCategories()) {
        if (category.number == kTemperature) {
            continue;
        }
        for (int unit = 1; unit <= category.Count(); ++unit) {
            SCOPED_TRACE(std::string(category.name) + " " + category.Unit(unit).name);
            const Real least = LeastValue(category, unit);
            if (category.number == kLength) {
                EXPECT_TRUE(std::isinf(least) && least < 0);
            } else {
                EXPECT_EQ(least, 0);
            }
        }
    }
}

}  // namespace
}  // namespace kalvo
