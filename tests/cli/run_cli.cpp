#include "cli/run_cli.h"

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kalvo::test {

namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

CliRun RunCli(const std::string& arguments, const std::string& input, std::size_t memoryLimitKiB) {
    const auto dir = std::filesystem::temp_directory_path();
    const std::string stem = (dir / ("kalvo-cli-test-" + std::to_string(::getpid()))).string();
    {
        std::ofstream in(stem + ".in", std::ios::binary);
        in << input;
    }
    // An empty home folder of its own, so that no user's files take part in a test.
    const std::string home = stem + ".home";
    std::filesystem::create_directories(home);
#ifdef __SANITIZE_ADDRESS__
    memoryLimitKiB = 0;
#endif
    const std::string limit =
        memoryLimitKiB > 0 ? "ulimit -v " + std::to_string(memoryLimitKiB) + "; " : "";
    const std::string command = limit + "KALVO_HOME='" + home + "' '" +
                                std::string(KALVO_CLI_PATH) + "' " + arguments + " < '" + stem +
                                ".in' > '" + stem + ".out' 2> '" + stem + ".err'";
    CliRun run;
    const int status = std::system(command.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = ReadAll(stem + ".out");
    run.errors = ReadAll(stem + ".err");
    std::size_t start = 0;
    while (start < run.output.size()) {
        std::size_t end = run.output.find('\n', start);
        if (end == std::string::npos) {
            end = run.output.size();
        }
        run.lines.push_back(run.output.substr(start, end - start));
        start = end + 1;
    }
    for (const char* ext : {".in", ".out", ".err"}) {
        std::filesystem::remove(stem + ext);
    }
    std::filesystem::remove_all(home);
    return run;
}

void ExpectCliFailure(const std::string& arguments, int exitCode, const std::string& message) {
    const CliRun run = RunCli(arguments, "");
    EXPECT_EQ(run.exitCode, exitCode);
    EXPECT_EQ(run.output, "");
    EXPECT_NE(run.errors.find(message), std::string::npos) << run.errors;
}

void ExpectSubcommandHelp(const std::string& name) {
    const CliRun general = RunCli("--help", "");
    EXPECT_NE(general.output.find(name), std::string::npos);
    const CliRun own = RunCli(name + " --help", "");
    EXPECT_EQ(own.exitCode, 0);
    EXPECT_EQ(own.output.rfind("Usage: kalvo-cli " + name, 0), 0u) << own.output;
}

}  // namespace kalvo::test
