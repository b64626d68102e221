#include "cli/cli_options.h"

#include "cli/cli_subcommand.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace kalvo {

namespace {

std::optional<int> ParseInt(const std::string& text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> Choice(const std::string& text, std::initializer_list<const char*> names) {
    int index = 0;
    for (const char* name : names) {
        if (text == name) {
            return index;
        }
        ++index;
    }
    return std::nullopt;
}

// Valid widths per notation: Scn 8..21, Fix 3..20, Eng 11..21, Sxg 0..22.
std::pair<int, int> DigitsRange(int notation) {
    switch (notation) {
        case 0:
            return {8, 21};
        case 1:
            return {3, 20};
        case 2:
            return {11, 21};
        default:
            return {0, 22};
    }
}

}  // namespace

std::string CliUsage() {
    std::string subcommands;
    for (const Subcommand& command : Subcommands()) {
        std::string name = "  ";
        name += command.name;
        name.resize(std::max<std::size_t>(name.size() + 1, 30), ' ');
        subcommands += name + command.summary + "\n";
    }
    if (!subcommands.empty()) {
        subcommands =
            "\nSubcommands (global options may stand before or after them; "
            "'kalvo-cli NAME --help'\nexplains each):\n" +
            subcommands;
    }
    return "Usage: kalvo-cli [OPTIONS] [EXPRESSION ...]\n"
           "       kalvo-cli [OPTIONS] SUBCOMMAND [ARGUMENTS ...]\n"
           "Evaluates each EXPRESSION in turn, or each line of standard input when none is\n"
           "given, in one calculator session, and prints one result line per expression.\n" +
           subcommands +
           "\n"
           "Options:\n"
           "  --notation scn|fix|eng|sxg  number notation (default scn)\n"
           "  --digits N                  display width: scn 8-21, fix 3-20, eng 11-21 (default "
           "12)\n"
           "  --base dec|hex|bin          number base of input and output (default dec)\n"
           "  --bits N                    binary digit-group width, 1-32 (default 32)\n"
           "  --angle rad|deg             angle unit (default deg; --complex uses rad)\n"
           "  --precision N               integration precision, 1-20 (default 9)\n"
           "  --complex                   complex mode: numbers are written comp(a,b), and\n"
           "                              angles are in radians whatever --angle says\n"
           "  --form rect|polar           complex result form (default rect)\n"
           "  --functions FILE.FNC        load user functions from FILE (may repeat)\n"
           "  --user-vars FILE.USR        load user variables (named constants) from FILE\n"
           "  --variables FILE.VAR        load the variables X..N from FILE and calculate them\n"
           "  --home DIR                  the folder holding Kalvo's files; without --functions\n"
           "                              or --user-vars its Kalvo.FNC and Kalvo.USR (or the\n"
           "                              files its Kalvo.INI names) are read when present\n"
           "  --tape                      print the tape line of each evaluation\n"
           "  --help                      show this help and exit\n"
           "  --version                   show the version and exit\n"
           "\n"
           "  --                          what follows is expressions, even when it begins with\n"
           "                              \"--\" or names a subcommand\n"
           "\n"
           "Exit status: 0 when every expression succeeded, 1 when any failed, 2 on a usage "
           "error.\n";
}

std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args,
                                          std::string& error) {
    return ParseCliOptions(
        args, [](const std::string& word) { return FindSubcommand(word) != nullptr; }, error);
}

std::optional<CliOptions> ParseCliOptions(
    const std::vector<std::string>& args,
    const std::function<bool(const std::string&)>& isSubcommand, std::string& error) {
    CliOptions options;
    bool onlyExpressions = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool inSubcommand = !options.subcommand.empty();
        if (onlyExpressions || arg.size() < 2 || arg.rfind("--", 0) != 0) {
            if (inSubcommand) {
                options.subcommandArgs.push_back(arg);
            } else if (!onlyExpressions && options.expressions.empty() && isSubcommand(arg)) {
                options.subcommand = arg;
            } else {
                options.expressions.push_back(arg);
            }
            continue;
        }
        if (arg == "--") {
            // A subcommand sees the "--" too, so that its own option parsing stops there.
            if (inSubcommand) {
                options.subcommandArgs.push_back(arg);
            }
            onlyExpressions = true;
            continue;
        }
        std::string name = arg;
        std::optional<std::string> value;
        if (auto eq = arg.find('='); eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        auto needValue = [&]() -> std::optional<std::string> {
            if (value) {
                return value;
            }
            if (i + 1 < args.size()) {
                return args[++i];
            }
            error = "option " + name + " needs a value";
            return std::nullopt;
        };
        auto intOption = [&](int low, int high, int& target) {
            auto text = needValue();
            if (!text) {
                return false;
            }
            auto number = ParseInt(*text);
            if (!number || *number < low || *number > high) {
                error = "invalid value '" + *text + "' for " + name +
                        ": expected an integer from " + std::to_string(low) + " to " +
                        std::to_string(high);
                return false;
            }
            target = *number;
            return true;
        };
        auto choiceOption = [&](std::initializer_list<const char*> names, int& target) {
            auto text = needValue();
            if (!text) {
                return false;
            }
            auto index = Choice(*text, names);
            if (!index) {
                std::string list;
                for (const char* n : names) {
                    if (!list.empty()) {
                        list += '|';
                    }
                    list += n;
                }
                error = "invalid value '" + *text + "' for " + name + ": expected " + list;
                return false;
            }
            target = *index;
            return true;
        };

        bool ok = true;
        if (name == "--notation") {
            ok = choiceOption({"scn", "fix", "eng", "sxg"}, options.notation);
        } else if (name == "--digits") {
            ok = intOption(0, 32, options.digits);
            options.digitsGiven = true;
        } else if (name == "--base") {
            ok = choiceOption({"dec", "hex", "bin"}, options.base);
        } else if (name == "--bits") {
            ok = intOption(1, 32, options.bits);
        } else if (name == "--angle") {
            ok = choiceOption({"rad", "deg"}, options.angle);
        } else if (name == "--precision") {
            ok = intOption(1, 20, options.precision);
        } else if (name == "--complex" && !value) {
            options.complex = true;
        } else if (name == "--form") {
            ok = choiceOption({"polar", "rect"}, options.form);
        } else if (name == "--functions" || name == "--variables" || name == "--user-vars" ||
                   name == "--home") {
            auto text = needValue();
            ok = text.has_value();
            if (ok) {
                if (name == "--functions") {
                    options.functionFiles.push_back(*text);
                } else if (name == "--variables") {
                    options.variableFiles.push_back(*text);
                } else if (name == "--user-vars") {
                    options.userVariableFiles.push_back(*text);
                } else {
                    options.home = *text;
                }
            }
        } else if (name == "--tape" && !value) {
            options.tape = true;
        } else if (name == "--help" && !value) {
            options.help = true;
        } else if (name == "--version" && !value) {
            options.version = true;
        } else if (inSubcommand) {
            // The subcommand's own option; its value, if any, follows as a word.
            options.subcommandArgs.push_back(arg);
        } else {
            error = "unknown option " + arg;
            ok = false;
        }
        if (!ok) {
            return std::nullopt;
        }
    }
    if (options.complex) {
        if (options.base != 0) {
            error = "--complex works only with --base dec";
            return std::nullopt;
        }
        options.angle = 0;
    }
    if (options.digitsGiven) {
        auto [low, high] = DigitsRange(options.notation);
        if (options.digits < low || options.digits > high) {
            error = "invalid value '" + std::to_string(options.digits) +
                    "' for --digits: this notation takes " + std::to_string(low) + " to " +
                    std::to_string(high);
            return std::nullopt;
        }
    } else {
        options.digits = std::max(options.digits, DigitsRange(options.notation).first);
    }
    return options;
}

}  // namespace kalvo
