#pragma once

#include <limits>

namespace kalvo {

/// Every number in the engines, formatters and matrix code is an 80-bit extended real.
using Real = long double;
static_assert(std::numeric_limits<Real>::digits == 64, "Kalvo needs the 80-bit extended real");

/// Marker of a variable without a value and of an omitted optional argument.
inline constexpr Real kUndefinedValue = 0.123454321L;

inline constexpr Real kPi = 3.14159265358979324L;
inline constexpr Real kE = 2.71828182845904524L;

}  // namespace kalvo
