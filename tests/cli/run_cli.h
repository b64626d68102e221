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

}  // namespace kalvo::test
