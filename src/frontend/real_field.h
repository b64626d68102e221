#pragma once

#include <string_view>

#include "engine/real.h"

namespace kalvo {

/// Reads the text of a real-number field: the whole text is one finite number in the "."
/// notation with an optional sign and exponent ("-1.5e-3", "+2", ".5", "3."), without
/// blanks. On success stores the number in *value when value is not null.
bool ParseRealField(std::string_view text, Real* value);

}  // namespace kalvo
