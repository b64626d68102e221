// The table of kalvo-cli's subcommands. Each subcommand lives in its own file
// (<name>_command.h/.cpp) and adds its include and one row here.
#include "cli/cli_subcommand.h"
#include "cli/contour_command.h"
#include "cli/convert_command.h"
#include "cli/matrix_command.h"
#include "cli/sample_command.h"

namespace kalvo {

const std::vector<Subcommand>& Subcommands() {
    static const std::vector<Subcommand> table = {
        SampleCommand(),
        ContourCommand(),
        ConvertCommand(),
        MatrixCommand(),
    };
    return table;
}

}  // namespace kalvo
