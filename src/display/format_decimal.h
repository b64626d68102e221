#pragma once

#include <string>

#include "engine/real.h"

namespace kalvo {

/// Open range (low < v < high) in which Fix notation shows a value in fixed form.
struct FixedRange {
    Real low;
    Real high;
};

inline constexpr FixedRange kRealFixedRange{1e-4L, 1e7L};
inline constexpr FixedRange kComplexFixedRange{1e-6L, 1e9L};

/// Decimal text of a magnitude v >= 0 in notation Scn, Fix or Eng (any other notation
/// value renders as Scn) aiming at `width` characters including the sign that the caller
/// puts in front. `sign` is that sign character: '\0' for none, '-' or '+'. It decides
/// the decimals in fixed form (one more for an unsigned value below 1, one fewer for
/// "-" above 1) and takes one character from the width of the second scientific
/// rendering. The trimmed width of the first scientific rendering (its leading spaces
/// and exponent zeros) is given back to the significand in the second one.
/// The text is appended to `out` (which may already hold the sign), so that the whole
/// result is built in one buffer.
/// Example: 1/3 in Scn at width 8 gives "3.333E-1"; with sign '-' it gives "3.33E-1".
void FormatDecimal(Real v, int width, int notation, char sign, FixedRange fixedRange,
                   std::string& out);

}  // namespace kalvo
