#include "cli/cli_subcommand.h"

#include <algorithm>
#include <ostream>

namespace kalvo {

std::optional<std::string> SubcommandArgs::Value(const std::string& option) const {
    auto it = values.find(option);
    if (it == values.end()) {
        return std::nullopt;
    }
    return it->second;
}

const Subcommand* FindSubcommand(std::string_view name) {
    for (const Subcommand& command : Subcommands()) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}

int RunSubcommand(const CliOptions& options, CalculatorSession& session, std::ostream& out,
                  std::ostream& err) {
    const Subcommand* command = FindSubcommand(options.subcommand);
    if (command == nullptr) {
        err << "kalvo-cli: unknown subcommand " << options.subcommand << '\n';
        return 2;
    }
    const SubcommandContext context{options.subcommandArgs, options, session, out, err};
    const int status = command->run(context);
    if (status == 2) {
        err << "Try 'kalvo-cli " << command->name << " --help'.\n";
    }
    return status;
}

std::optional<SubcommandArgs> ParseSubcommandArgs(
    const std::vector<std::string>& args, std::initializer_list<std::string_view> valueOptions,
    std::initializer_list<std::string_view> flagOptions, std::string& error) {
    auto listed = [](std::initializer_list<std::string_view> list, std::string_view name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    SubcommandArgs parsed;
    bool onlyWords = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyWords || arg.size() < 3 || arg.rfind("--", 0) != 0) {
            if (!onlyWords && arg == "--") {
                onlyWords = true;
                continue;
            }
            parsed.words.push_back(arg);
            continue;
        }
        std::string name = arg;
        std::optional<std::string> value;
        if (auto eq = arg.find('='); eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        if (listed(valueOptions, name)) {
            if (!value) {
                if (i + 1 >= args.size()) {
                    error = "option " + name + " needs a value";
                    return std::nullopt;
                }
                value = args[++i];
            }
            parsed.values[name] = *value;
        } else if (listed(flagOptions, name) && !value) {
            parsed.flags.insert(name);
        } else {
            error = "unknown option " + arg;
            return std::nullopt;
        }
    }
    return parsed;
}

}  // namespace kalvo
