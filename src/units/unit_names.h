#pragma once

#include <string>
#include <string_view>

#include "units/unit_tables.h"

namespace kalvo {

/// The category named `name` ("Length", any letter case), or nullptr.
const UnitCategory* FindUnitCategoryByName(std::string_view name);

/// The number of the unit named `name` (Latin-1) in the category, or 0. The name is
/// compared in any letter case, as the table writes it or in its ASCII spelling:
/// "km", "\xB5M" and "uM", "Reaumur".
int FindUnitByName(const UnitCategory& category, std::string_view name);

/// A unit name with its non-ASCII letters spelt in ASCII: the degree sign is dropped,
/// the micro sign becomes "u", the superscripts "2" and "3", e acute "e".
/// "CM\xB3" gives "CM3", "A\xB0" gives "A".
std::string AsciiUnitName(std::string_view name);

}  // namespace kalvo
