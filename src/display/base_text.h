#pragma once

#include <cstdint>
#include <string>

namespace kalvo {

/// Digits of n in the given radix (2..16), most significant first, no leading zeros,
/// "0" for zero, preceded by "-" when n is negative. Example: 255 in radix 16 gives "FF".
std::string IntToBaseText(std::int64_t n, int radix);

/// Left-pads a binary digit text with "0" to a multiple of groupWidth and puts one space
/// after every group, the last one included: "101" with width 8 gives "00000101 ".
/// A group width below 1 is taken as 1.
std::string GroupBits(const std::string& bits, int groupWidth);

}  // namespace kalvo
