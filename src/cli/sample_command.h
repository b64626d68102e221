#pragma once

#include "cli/cli_subcommand.h"

namespace kalvo {

/// `kalvo-cli sample EXPRESSION --x FROM,TO,N [--y FROM,TO,M] [--surface] [--polar]`: the
/// points the plot windows draw, one line each.
Subcommand SampleCommand();

}  // namespace kalvo
