// kalvo-cli's command line: the words (separated by NUL bytes) go through the global
// option parser, with the subcommand split, and a subcommand's own arguments through
// ParseSubcommandArgs.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_subcommand.h"
#include "fuzz_session.h"

namespace {

// Subcommand names for the split; kalvo-cli's own table may be empty or change.
bool IsSubcommand(const std::string& word) {
    return word == "table" || word == "convert" || word == "matrix";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> args = kalvo::FuzzWords(kalvo::FuzzText(data, size));
    std::string error;
    const auto options = kalvo::ParseCliOptions(args, IsSubcommand, error);
    if (!options) {
        kalvo::FuzzCheck(!error.empty(), "a usage error says what is wrong");
        return 0;
    }
    kalvo::FuzzCheck(options->notation >= 0 && options->notation <= 3 && options->base >= 0 &&
                         options->base <= 2 && options->bits >= 1 && options->bits <= 32 &&
                         options->precision >= 1 && options->precision <= 20,
                     "accepted options are in their ranges");
    kalvo::FuzzCheck(options->subcommand.empty() || IsSubcommand(options->subcommand),
                     "only a subcommand name starts a subcommand");
    kalvo::FuzzCheck(options->subcommand.empty() ? options->subcommandArgs.empty()
                                                 : options->expressions.empty(),
                     "words go either to the expressions or to the subcommand");
    if (!options->subcommand.empty()) {
        error.clear();
        const auto parsed = kalvo::ParseSubcommandArgs(options->subcommandArgs,
                                                       {"--x", "--y", "--from"}, {"--csv"}, error);
        kalvo::FuzzCheck(parsed.has_value() || !error.empty(), "a usage error says why");
    }
    return 0;
}
