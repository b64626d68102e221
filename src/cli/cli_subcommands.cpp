// The table of kalvo-cli's subcommands. Each subcommand lives in its own file
// (<name>_command.cpp) and adds its declaration and one row here.
#include "cli/cli_subcommand.h"

namespace kalvo {

extern const Subcommand kSampleCommand;
extern const Subcommand kContourCommand;

const std::vector<Subcommand>& Subcommands() {
    static const std::vector<Subcommand> table = {
        kSampleCommand,
        kContourCommand,
    };
    return table;
}

}  // namespace kalvo
