#include "units/unit_names.h"

#include <algorithm>

namespace kalvo {

namespace {

// Latin-1 letters in lower case: A-Z and the accented capitals 0xC0-0xDE except the
// multiplication sign 0xD7.
unsigned char FoldCase(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    return c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return FoldCase(static_cast<unsigned char>(x)) == FoldCase(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::string AsciiUnitName(std::string_view name) {
    std::string ascii;
    for (char c : name) {
        switch (static_cast<unsigned char>(c)) {
            case 0xB0:  // degree sign
                break;
            case 0xB5:  // micro sign
                ascii += 'u';
                break;
            case 0xB2:
                ascii += '2';
                break;
            case 0xB3:
                ascii += '3';
                break;
            case 0xE9:
                ascii += 'e';
                break;
            default:
                ascii += c;
        }
    }
    return ascii;
}

const UnitCategory* FindUnitCategoryByName(std::string_view name) {
    for (const UnitCategory& category : UnitCategories()) {
        if (SameIgnoringCase(category.name, name)) {
            return &category;
        }
    }
    return nullptr;
}

int FindUnitByName(const UnitCategory& category, std::string_view name) {
    for (int unit = 1; unit <= category.Count(); ++unit) {
        const char* table = category.Unit(unit).name;
        if (SameIgnoringCase(table, name) || SameIgnoringCase(AsciiUnitName(table), name)) {
            return unit;
        }
    }
    return 0;
}

}  // namespace kalvo
