#pragma once

#include <span>

#include "engine/real.h"

namespace kalvo {

/// The categories by number (the tag of their menu item).
enum UnitCategoryNumber : int {
    kLength = 1,
    kTemperature = 2,
    kVolume = 3,
    kArea = 4,
    kTime = 5,
    kMass = 6,
    kForce = 7,
    kAcceleration = 8,
    kEnergy = 9,
};

/// The most units a category has (slots of the conversion window).
inline constexpr int kUnitSlots = 20;

/// One unit: its name as the window shows it (Latin-1, at most 15 characters) and its size
/// in the category's reference unit. Temperature converts by formulas; its sizes are 0.
struct UnitRow {
    const char* name;
    Real size;
};

/// One category of units. Units are numbered from 1 in table order.
struct UnitCategory {
    int number;
    const char* caption;  ///< the menu text with its accelerator: "&Length"
    const char* name;     ///< the same without "&": "Length"
    std::span<const UnitRow> units;
    Real least;                         ///< least accepted value of every unit...
    std::span<const Real> leastByUnit;  ///< ...unless each unit has its own

    int Count() const { return static_cast<int>(units.size()); }
    bool HasUnit(int unit) const { return unit >= 1 && unit <= Count(); }
    /// Unit 1..Count().
    const UnitRow& Unit(int unit) const { return units[static_cast<std::size_t>(unit - 1)]; }
    /// Whether values convert by size ratios (every category but Temperature).
    bool Linear() const { return number != kTemperature; }
};

/// The nine categories in the order of the "&Units" menu.
std::span<const UnitCategory> UnitCategories();

/// The category with that number, or nullptr outside 1..9.
const UnitCategory* FindUnitCategory(int number);

/// The least value unit `unit` accepts: its absolute zero for a temperature, minus infinity
/// for a length, 0 elsewhere.
Real LeastValue(const UnitCategory& category, int unit);

/// The number of b in one a: size(a) / size(b) in extended precision. Linear categories only.
///
///   ConversionFactor(*FindUnitCategory(kLength), 10, 13)  // KM to Meter: 1000
Real ConversionFactor(const UnitCategory& category, int a, int b);

}  // namespace kalvo
