#pragma once

namespace kalvo {

/// What a formatter reports instead of touching the engine state; the caller raises the
/// matching engine error (position just past the end of the input text, length 1).
enum class FormatFault {
    kNone,
    kOverflow,        ///< engine error 11 "Overflow"
    kChangeNotation,  ///< engine error 23 "Change notation"
};

}  // namespace kalvo
