#pragma once

#include "cli/cli_subcommand.h"

namespace kalvo {

/// `kalvo-cli matrix OP A [B]`: the matrix window's operations on text files.
Subcommand MatrixCommand();

}  // namespace kalvo
