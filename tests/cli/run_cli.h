#pragma once

#include <string>
#include <vector>

namespace kalvo::test {

struct CliRun {
    int exitCode = -1;
    std::string output;              ///< standard output
    std::vector<std::string> lines;  ///< standard output split at "\n"
    std::string errors;              ///< standard error
};

/// Runs kalvo-cli with the given option string (shell words) and standard input.
CliRun RunCli(const std::string& arguments, const std::string& input);

}  // namespace kalvo::test
