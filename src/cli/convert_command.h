#pragma once

#include "cli/cli_subcommand.h"

namespace kalvo {

/// `kalvo-cli convert CATEGORY UNIT VALUE`: the value in every other unit of the category,
/// one "NAME<TAB>TEXT" line each, as the unit convertor window shows them.
/// `kalvo-cli convert --list [CATEGORY]` lists the categories or a category's units.
Subcommand ConvertCommand();

}  // namespace kalvo
