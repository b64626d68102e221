#pragma once

#include "engine/real.h"

namespace kalvo {

/// Number of significant decimal digits every displayed value is first reduced to.
inline constexpr int kStandardDigits = 18;

/// A non-negative value reduced to 18 significant decimal digits:
/// value = 0 when isZero, else d1.d2d3...d18 * 10^exponent with d1 != '0'.
struct DecimalDigits {
    char digits[kStandardDigits];  ///< ASCII '0'..'9', not NUL-terminated
    int exponent = 0;
    bool isZero = true;
};

/// Reduces v (finite, v >= 0) to 18 significant digits: the exact value scaled to an
/// 18-digit integer and rounded with ties to even. A rounding that carries out of the
/// first digit gives "100000000000000000" with the exponent raised by one.
/// Example: 1/3 gives "333333333333333333" with exponent -1.
DecimalDigits GenerateDigits(Real v);

/// The same reduction done by the C library's exact conversion ("%.17Le"). Slower than
/// GenerateDigits on common magnitudes; kept as the reference and as the fallback for
/// magnitudes the fast integer path cannot hold.
DecimalDigits GenerateDigitsByPrintf(Real v);

/// Rounds dd to `count` significant digits (1..18) by looking at the next digit only:
/// 5 or more rounds up with carry. Writes the digits to out (count characters) and
/// returns the decimal exponent of the first digit, raised by one on a carry out of it.
int RoundSignificant(const DecimalDigits& dd, int count, char* out);

}  // namespace kalvo
