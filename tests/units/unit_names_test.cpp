// Finding categories and units by the names a user types.
#include "units/unit_names.h"

#include <string>

#include <gtest/gtest.h>

#include "units/unit_test_util.h"

namespace kalvo {
namespace {

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

TEST(FindUnitCategoryByName, TakesTheNameWithoutAcceleratorInAnyCase) {
    for (const UnitCategory& category : UnitCategories()) {
        SCOPED_TRACE(category.name);
        for (const std::string& name :
             {std::string(category.name), Upper(category.name), Lower(category.name)}) {
            EXPECT_EQ(FindUnitCategoryByName(name), &category);
        }
    }
    for (const char* unknown : {"", "Len", "Lengths", "&Length", "Length ", "Units"}) {
        SCOPED_TRACE(unknown);
        EXPECT_EQ(FindUnitCategoryByName(unknown), nullptr);
    }
}

TEST(FindUnitByName, TakesEveryNameAndItsAsciiSpellingInAnyCase) {
    for (const UnitCategory& category : UnitCategories()) {
        for (int unit = 1; unit <= category.Count(); ++unit) {
            const std::string name = category.Unit(unit).name;
            const std::string ascii = AsciiUnitName(name);
            SCOPED_TRACE(std::string(category.name) + " " + ascii);
            for (const std::string& typed :
                 {name, Upper(name), Lower(name), ascii, Upper(ascii), Lower(ascii)}) {
                EXPECT_EQ(FindUnitByName(category, typed), unit) << typed;
            }
            for (unsigned char c : ascii) {
                EXPECT_LT(c, 0x80);
            }
        }
    }
}

TEST(FindUnitByName, KnowsTheAsciiSpellingsOfTheSpecialLetters) {
    const struct {
        int category;
        const char* typed;
        const char* unit;
    } rows[] = {
        {kLength, "A", "A\xB0"},
        {kLength, "a", "A\xB0"},
        {kLength, "uM", "\xB5M"},
        {kLength, "\xB5m", "\xB5M"},
        {kVolume, "CM3", "CM\xB3"},
        {kVolume, "cm\xB3", "CM\xB3"},
        {kArea, "Meter2", "Meter\xB2"},
        {kArea, "cm2", "CM\xB2"},
        {kTemperature, "Reaumur",
         "R\xE9"
         "aumur"},
        {kTemperature,
         "R\xC9"
         "AUMUR",
         "R\xE9"
         "aumur"},
        {kAcceleration, "KM/SEC2", "km/sec\xB2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        const UnitCategory& category = test::CategoryOf(row.category);
        EXPECT_EQ(FindUnitByName(category, row.typed), test::UnitOf(category, row.unit));
    }
}

TEST(FindUnitByName, RefusesNamesOfOtherCategoriesAndNearMisses) {
    const struct {
        int category;
        const char* typed;
    } rows[] = {
        {kLength, ""},          {kLength, "K"},      {kLength, "KMs"},
        {kLength, " KM"},       {kLength, "Second"}, {kArea, "Meter"},
        {kVolume, "CM"},        {kTemperature, "C"}, {kTemperature, "Reaumur2"},
        {kLength, "A\xB0\xB0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        EXPECT_EQ(FindUnitByName(test::CategoryOf(row.category), row.typed), 0);
    }
}

}  // namespace
}  // namespace kalvo
