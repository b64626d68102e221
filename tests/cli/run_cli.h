#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kalvo::test {

struct CliRun {
    int exitCode = -1;
    std::string output;              ///< standard output
    std::vector<std::string> lines;  ///< standard output split at "\n"
    std::string errors;              ///< standard error
};

/// Runs kalvo-cli with the given option string (shell words) and standard input. A
/// `memoryLimitKiB` other than 0 caps the program's address space (ignored in builds with
/// AddressSanitizer, which reserves more than any such cap).
CliRun RunCli(const std::string& arguments, const std::string& input,
              std::size_t memoryLimitKiB = 0);

/// Runs kalvo-cli without input and expects the exit status, no standard output, and
/// `message` somewhere on standard error.
void ExpectCliFailure(const std::string& arguments, int exitCode, const std::string& message);

/// Expects the general --help to list the subcommand and `kalvo-cli NAME --help` to show
/// its usage.
void ExpectSubcommandHelp(const std::string& name);

}  // namespace kalvo::test
