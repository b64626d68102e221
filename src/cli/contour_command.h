#pragma once

#include "cli/cli_subcommand.h"

namespace kalvo {

/// `kalvo-cli contour EXPRESSION --x FROM,TO,N --y FROM,TO,M` or `kalvo-cli contour --grid
/// FILE`: the contour lines of the contour plot as text or GeoJSON.
Subcommand ContourCommand();

}  // namespace kalvo
