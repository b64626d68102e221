#pragma once

#include <string>

#include "display/display_settings.h"
#include "display/format_fault.h"
#include "engine/real.h"

namespace kalvo {

/// Display text of x in the notation, base and bit-group width of s, aiming at `width`
/// characters. Examples at width 8: 1/3 gives "3.333E-1" (Scn) and "0.333333" (Fix);
/// 255.9 in hex gives "FF"; 5 in bin with 8-bit groups gives "00000101 ".
///
/// *fault (when not null) is set to kNone, or to
/// - kOverflow when base is hex or bin and |x| > 2147483647; the text is "0.0";
/// - kChangeNotation when the notation is Sxg and |x| or |x| * 3600 exceeds
///   2147483647; the text is "0:0:0" (no sign). With an engine error already pending
///   the caller shows "0:0:0" without calling.
/// A value that is not finite never comes from the engine; should one arrive anyway, the
/// text is "0.0" with kOverflow in every notation and base.
std::string FormatReal(const DisplaySettings& s, int width, Real x, FormatFault* fault = nullptr);

}  // namespace kalvo
