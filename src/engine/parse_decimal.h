#pragma once

#include <string>

#include "engine/real.h"

namespace kalvo {

/// Converts decimal text ("1.5E-3") to the nearest extended real, always with "." as the
/// decimal separator whatever the process locale says. Overflow gives infinity.
Real ParseDecimal(const std::string& text);

}  // namespace kalvo
