#pragma once

#include <string>

#include "display/format_fault.h"
#include "engine/real.h"

namespace kalvo {

/// Degrees or hours as "h:m:s" rounded to whole seconds (ties to even), each part a
/// plain integer without padding: 1.5 gives "1:30:0", 1.51 gives "1:30:36".
/// v >= 0. When v or v * 3600 exceeds 2147483647 the result is "0:0:0" and *fault (when
/// not null) is kChangeNotation. The caller checks a pending engine error beforehand:
/// with one pending the text is "0:0:0" and nothing else happens.
std::string FormatSexagesimal(Real v, FormatFault* fault);

}  // namespace kalvo
