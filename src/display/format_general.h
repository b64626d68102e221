#pragma once

#include <string>

#include "engine/real.h"

namespace kalvo {

/// The short "general" number text used for matrix cells, plot samples and contour
/// levels: the value rounded to `precision` significant digits (1..18) with trailing zeros
/// removed and no point for a whole number. With the rounded value written as
/// 0.d1d2… × 10^e, fixed notation is used when −3 ≤ e ≤ precision; otherwise scientific:
/// the first digit, "." and the other digits if any, "E", "-" for a negative exponent
/// and the exponent without leading zeros. Zero is "0"; an infinity or NaN (which the
/// engines never produce) reads "INF", "-INF" or "NAN".
/// Examples at 7 digits: 1/3 → "0.3333333", 12345678 → "1.234568E7", 1e-5 → "1E-5".
std::string FormatGeneral(Real value, int precision);

}  // namespace kalvo
