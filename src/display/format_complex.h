#pragma once

#include <string>

#include "complex/complex_num.h"
#include "display/display_settings.h"
#include "display/format_fault.h"

namespace kalvo {

/// Display text of z in the complex form of s: Rect "a+bi" (the imaginary part always
/// signed), Polar "r*exp(ti)" (only a negative argument signed). Each component is
/// formatted at `width` like FormatReal's decimal notations, except that Fix keeps the
/// fixed form for 1e-6 < v < 1e9, a notation other than Fix and Eng behaves as Scn, and
/// the second component always counts its sign. Examples at width 8 in Fix:
/// 1+2i gives "1.0+2.0i" (Rect) and 2i gives "2.0*exp(1.5708i)" (Polar).
/// In base hex or bin both components are empty ("+i"); complex mode uses only dec.
/// A component that is not finite never comes from the engine; should one arrive, the
/// text is "0.0" and *fault (when not null) is kOverflow, else kNone.
std::string FormatComplex(const DisplaySettings& s, int width, const ComplexNum& z,
                          FormatFault* fault = nullptr);

}  // namespace kalvo
