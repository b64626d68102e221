#pragma once

#include <string>

#include "display/decimal_digits.h"

namespace kalvo {

/// Widths are clamped to -kMaxWidth..kMaxWidth before use, so that an absurd width
/// from a caller can neither overflow the width arithmetic nor build a huge text.
inline constexpr int kMaxWidth = 1000;

/// Scientific text of a non-negative value at width W: S = W - 8 significant digits
/// (clamped to 2..18), max(W - S - 8, 0) spaces, one space for the sign position, the
/// first digit, ".", the other S - 1 digits, "E", "+" or "-" and four exponent digits.
/// Example: 1/3 at width 8 gives " 3.3E-0001". Zero gives zero digits and "E+0000".
void RenderScientific(const DecimalDigits& dd, int width, std::string& out);

/// Fixed text of a non-negative value with `decimals` places: the integer part (at least
/// "0"), then "." and the decimals when decimals > 0, left-padded with spaces to width
/// (never cut). With decimals < 0 it is RenderScientific(dd, width).
/// Example: 123456.789 at width 8 with 5 decimals gives "123456.78900".
void RenderFixed(const DecimalDigits& dd, int width, int decimals, std::string& out);

/// Removes the leading spaces and returns their count. Then removes trailing zeros
/// after the point ("5.00000" -> "5.0", "500" stays) or before the "E", and in Fix
/// notation drops an exponent of exactly "E+0000" ("0.0E+0000" -> "0.0").
int TrimNumberText(std::string& s, int notation);

/// Deletes up to three leading zeros of the exponent ("E+0020" -> "E+20",
/// "E-0001" -> "E-1"); adds one to *counter per deleted zero when counter is not null.
void ShortenExponent(std::string& s, int* counter);

/// Turns a RenderScientific text into engineering form: strips the leading spaces
/// and moves the point right until the exponent is a multiple of three
/// (" 1.00E+0020" -> "100.E+0018", " 3.33E-0001" -> "333.E-0003").
void ToEngineering(std::string& s);

}  // namespace kalvo
