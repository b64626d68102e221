// kalvo-cli in complex mode, run as users run it, and its --complex and --form options.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_options.h"

namespace kalvo {
namespace {

struct RunResult {
    std::string output;
    int status = -1;
};

/// Runs kalvo-cli with the given arguments (already shell-quoted) and captures stdout.
RunResult RunCli(const std::string& arguments) {
    RunResult result;
    const std::string command = std::string("'") + KALVO_CLI_PATH + "' " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return result;
    }
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        result.output += buffer;
    }
    int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

TEST(CliComplexTest, ResultLines) {
    struct Row {
        const char* name;
        const char* arguments;
        const char* output;
        int status;
    };
    const std::vector<Row> rows = {
        {"product in fix rect", "--complex --notation fix 'comp(1,2)*comp(0,1)'", "-2.0+1.0i\n", 0},
        {"division by zero", "--complex 'comp(1,0)/comp(0,0)'", "Division by zero: position 11\n",
         1},
        {"number written directly", "--complex '2*comp(1,1)'", "Syntax error: position 1\n", 1},
        {"polar form", "--complex --form polar --notation fix 'comp(2,pi/2)'",
         "2.0*exp(1.570796327i)\n", 0},
        {"rect form named", "--complex --form rect --notation fix 'comp(3,-4)'", "3.0-4.0i\n", 0},
        {"radians whatever --angle says",
         "--complex --angle deg --notation fix 'comp(sin(pi/2),0)'", "1.0+0.0i\n", 0},
        {"answer carries over", "--complex --notation fix 'comp(1,2)' '?*comp(0,1)'",
         "1.0+2.0i\n-2.0+1.0i\n", 0},
        {"tape line", "--complex --notation fix --tape 'comp(1,1)+comp(1,1)'",
         "comp(1,1)+comp(1,1) = 2.0+2.0i; \n", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RunResult run = RunCli(row.arguments);
        EXPECT_EQ(run.output, row.output);
        EXPECT_EQ(run.status, row.status);
    }
}

TEST(CliComplexTest, Options) {
    std::string error;
    auto options = ParseCliOptions({"--complex", "--angle", "deg", "--form", "polar"}, error);
    ASSERT_TRUE(options.has_value()) << error;
    EXPECT_TRUE(options->complex);
    EXPECT_EQ(options->form, 0);
    EXPECT_EQ(options->angle, 0);

    options = ParseCliOptions({"--complex"}, error);
    ASSERT_TRUE(options.has_value()) << error;
    EXPECT_EQ(options->form, 1);

    options = ParseCliOptions({"--angle", "deg"}, error);
    ASSERT_TRUE(options.has_value()) << error;
    EXPECT_FALSE(options->complex);
    EXPECT_EQ(options->angle, 1);

    EXPECT_FALSE(ParseCliOptions({"--complex", "--form", "euler"}, error).has_value());
    EXPECT_EQ(error, "invalid value 'euler' for --form: expected polar|rect");
    EXPECT_FALSE(ParseCliOptions({"--complex", "--base", "hex"}, error).has_value());
    EXPECT_FALSE(ParseCliOptions({"--complex=yes"}, error).has_value());
    EXPECT_NE(CliUsage().find("--complex"), std::string::npos);
    EXPECT_NE(CliUsage().find("--form rect|polar"), std::string::npos);
}

}  // namespace
}  // namespace kalvo
