// The table of kalvo-cli's subcommands. Each subcommand lives in its own file and adds
// one row here.
#include "cli/cli_subcommand.h"
#include "cli/matrix_command.h"

namespace kalvo {

const std::vector<Subcommand>& Subcommands() {
    static const std::vector<Subcommand> table = {
        MatrixSubcommand(),
    };
    return table;
}

}  // namespace kalvo
