#pragma once

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "units/unit_names.h"
#include "units/unit_tables.h"

namespace kalvo::test {

inline const UnitCategory& CategoryOf(int number) {
    const UnitCategory* category = FindUnitCategory(number);
    if (category == nullptr) {
        ADD_FAILURE() << "no category " << number;
        return UnitCategories().front();
    }
    return *category;
}

/// The number of a unit named as the table writes it (Latin-1).
inline int UnitOf(const UnitCategory& category, const char* name) {
    const int unit = FindUnitByName(category, name);
    EXPECT_NE(unit, 0) << category.name << " has no unit " << name;
    return unit;
}

/// Relative distance of two reals, in units of the extended epsilon.
inline Real EpsilonsApart(Real a, Real b) {
    const Real scale = std::max(std::fabs(a), std::fabs(b));
    if (scale == 0) {
        return 0;
    }
    return std::fabs(a - b) / scale / std::numeric_limits<Real>::epsilon();
}

}  // namespace kalvo::test
