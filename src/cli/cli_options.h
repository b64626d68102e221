#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kalvo {

/// The command line of kalvo-cli.
struct CliOptions {
    int notation = 0;
    int digits = 12;
    bool digitsGiven = false;
    int base = 0;
    int bits = 32;
    int angle = 1;  ///< degrees, as on a first start without settings
    int precision = 9;
    bool complex = false;  ///< complex mode; always computes in radians
    int form = 1;          ///< complex form: 0 polar, 1 rect
    bool tape = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> functionFiles;
    std::vector<std::string> variableFiles;      ///< --variables FILE.VAR
    std::vector<std::string> userVariableFiles;  ///< --user-vars FILE.USR
    std::string home;                            ///< --home DIR
    std::vector<std::string> expressions;
    /// The subcommand (the first word that is not a global option, when it names one) and
    /// its own arguments: every word after it that is not a global option, in order.
    std::string subcommand;
    std::vector<std::string> subcommandArgs;
};

/// Parses the arguments (without the program name). On a usage error returns nothing and
/// sets `error` to a one-line message.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args, std::string& error);

/// The same with the subcommand names given by `isSubcommand` instead of kalvo-cli's table.
std::optional<CliOptions> ParseCliOptions(
    const std::vector<std::string>& args,
    const std::function<bool(const std::string&)>& isSubcommand, std::string& error);

/// The --help text.
std::string CliUsage();

}  // namespace kalvo
