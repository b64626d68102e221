#pragma once

#include <string>
#include <vector>

#include "display/display_settings.h"
#include "engine/real.h"
#include "units/unit_tables.h"

namespace kalvo {

/// 5/9 as an extended constant, the factor of the Fahrenheit and Rankine formulas.
inline constexpr Real kFiveNinths = 0.5555555555555555556L;

/// The values of every unit of the category for `value` in unit `from`: entry b - 1 holds
/// unit b, entry from - 1 the value itself. Temperatures follow the conversion formulas
/// (Celsium c: Farhenheit (c + 40) * 1.8 - 40, Kelvin c + 273.15, ...); the other
/// categories multiply by ConversionFactor(from, b). The caller checks AcceptsValue first,
/// which keeps every result finite.
///
///   ConvertUnits(*FindUnitCategory(kTemperature), 1, 100)  // {100, 212, 373.15, 671.67, 80}
std::vector<Real> ConvertUnits(const UnitCategory& category, int from, Real value);

/// The greatest value unit `unit` accepts: the largest whose conversion into every unit of
/// the category stays within the extended range, so that no converted value overflows.
Real GreatestValue(const UnitCategory& category, int unit);

/// Whether unit `unit` accepts the value: LeastValue <= value <= GreatestValue.
bool AcceptsValue(const UnitCategory& category, int unit, Real value);

/// How converted values are shown: the main display's notation in decimal. Hexadecimal and
/// binary would cut the fractions off (1 KM would read 0 miles) and overflow beyond 32
/// bits, and sexagesimal text overflows beyond 2^31 seconds; neither could be read back by
/// a unit field, which takes decimal numbers. Those show in scientific notation instead.
DisplaySettings ConversionDisplay(const DisplaySettings& main);

/// The text of every unit for `value` in unit `from`, as FormatReal shows it at `digits`
/// with ConversionDisplay(main) and without blanks; entry from - 1 is empty. The value must
/// be accepted (AcceptsValue).
std::vector<std::string> ConversionTexts(const UnitCategory& category, int from, Real value,
                                         const DisplaySettings& main, int digits);

}  // namespace kalvo
