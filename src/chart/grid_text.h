#pragma once

#include <string>
#include <string_view>

#include "chart/contour_grid.h"

namespace kalvo {

/// A grid read from text, or the message that tells why it could not be.
struct GridTextResult {
    bool ok = false;
    ContourGrid grid;
    std::string message;  ///< "NAME, line 3: 'x' is not a valid floating point value"
};

/// Reads a grid of values from text: line 1 holds the X values, line 2 the Y values, then
/// one line per X value holds the Z values at that X for every Y, in order (line i + 2 holds
/// Z[i][1..ny]). Fields are separated by blanks, commas or tabs; lines end in LF, CR LF or
/// CR; blank lines may follow the last row. Numbers are decimal ("-1.5", "2e-3"); 1234321
/// marks a missing value. At least 2 X and 2 Y values, at most kMaxGridPoints values of Z.
/// `name` (the file's path) begins every message.
///
///     0 1 2
///     0 1
///     0, 0
///     1, 2
///     2, 4
GridTextResult ReadGridText(std::string_view text, const std::string& name);

}  // namespace kalvo
