#pragma once

#include <string>
#include <string_view>

#include "engine/real.h"

namespace kalvo {

/// Reads a real number written in decimal: optional blanks, an optional sign, digits
/// with an optional "." (at least one digit), an optional exponent "E" or "e" with an
/// optional sign and digits, optional blanks. "." is the separator whatever the
/// process locale says. False for anything else, including hexadecimal, "inf", "nan",
/// and values beyond the extended range.
bool ReadDecimalReal(std::string_view text, Real& value);

/// The message for a text that is not such a number, naming the file and the 1-based line:
/// "/home/ann/x.USR, line 3: '12:30:00' is not a valid floating point value".
std::string BadNumberMessage(const std::string& path, std::size_t line, std::string_view text);

}  // namespace kalvo
