#pragma once

#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"

namespace kalvo {

class CalculatorSession;

/// What a subcommand runs with: its own arguments (the global options already taken
/// out), the global options, a session set up from them with its data files loaded, and
/// the two output streams. Text written to the streams is UTF-8.
struct SubcommandContext {
    const std::vector<std::string>& args;
    const CliOptions& options;
    CalculatorSession& session;
    std::ostream& out;
    std::ostream& err;
};

/// One subcommand of kalvo-cli: `kalvo-cli NAME ARGS…`. Run returns the exit status:
/// 0 success, 1 a failure of the work, 2 a usage error.
struct Subcommand {
    const char* name;
    const char* summary;  ///< one line for the general --help
    const char* usage;    ///< the text of `kalvo-cli NAME --help`
    int (*run)(const SubcommandContext& context);
};

/// The subcommands in the order --help lists them.
const std::vector<Subcommand>& Subcommands();

/// The subcommand of that name, or nullptr.
const Subcommand* FindSubcommand(std::string_view name);

/// Runs the subcommand the options name. A usage error from it is followed by the pointer
/// to its help.
int RunSubcommand(const CliOptions& options, CalculatorSession& session, std::ostream& out,
                  std::ostream& err);

/// A subcommand's own arguments after parsing: options that take a value (the last one
/// given wins), flags, and the words in between, in order.
struct SubcommandArgs {
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
    std::vector<std::string> words;

    bool Has(const std::string& option) const {
        return flags.count(option) != 0 || values.count(option) != 0;
    }
    std::optional<std::string> Value(const std::string& option) const;
};

/// Parses a subcommand's arguments. `valueOptions` take a value, written as the next word
/// or after "=" (`--x 0,1,10`, `--x=0,1,10`); `flagOptions` take none. Words that begin
/// with a single "-" ("-2", "-X^2") are words, and after "--" everything is. On an unknown
/// option or a missing value returns nothing and sets `error` to a one-line message.
std::optional<SubcommandArgs> ParseSubcommandArgs(
    const std::vector<std::string>& args, std::initializer_list<std::string_view> valueOptions,
    std::initializer_list<std::string_view> flagOptions, std::string& error);

}  // namespace kalvo
