// kalvo-cli sample as a script uses it: output lines, messages and exit codes.
#include <gtest/gtest.h>

#include "cli/run_cli.h"

namespace {

using kalvo::test::RunCli;

TEST(CliSample, PrintsThePointsOfEachPlotType) {
    struct Row {
        const char* name;
        const char* arguments;
        std::vector<std::string> lines;
    } rows[] = {
        {"curve", "sample 'X^2/4' --x 0,3,4", {"0\t0", "1\t0.25", "2\t1", "3\t2.25"}},
        {"global option after the subcommand",
         "sample 'sin(X)' --x 0,90,2 --angle deg",
         {"0\t0", "90\t1"}},
        {"grid, X outer and Y inner",
         "sample 'X*10+Y' --x 1,2,2 --y 0,1,2",
         {"1\t0\t10", "1\t1\t11", "2\t0\t20", "2\t1\t21"}},
        {"surface keeps failing points",
         "sample 'sqrt(X)' --surface --x -1,1,2 --y 0,1,2",
         {"-1\t0\t0", "-1\t1\t0", "1\t0\t1", "1\t1\t1"}},
        {"polar angles in degrees, X in radians",
         "--angle deg sample 'X' --polar --x 0,180,2",
         {"0\t0", "180\t3.14159265358979"}},
        {"complex grid is the modulus",
         "--complex sample 'comp(X,Y)' --x 3,6,2 --y 4,8,2",
         {"3\t4\t5", "3\t8\t8.54400374531753", "6\t4\t7.21110255092798", "6\t8\t10"}},
        {"15 digits, scientific outside the fixed range",
         "sample 'X*1E20' --x 1,1.5,2",
         {"1\t1E20", "1.5\t1.5E20"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto run = RunCli(row.arguments, "");
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        EXPECT_EQ(run.lines, row.lines);
        EXPECT_EQ(run.errors, "");
    }
}

TEST(CliSample, FailingPointPrintsNothingAndExplainsOnStandardError) {
    auto run = RunCli("sample 'ln(X - 1)' --x 0,2,3", "");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "");
    EXPECT_NE(run.errors.find(": position "), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("Cann't calculate this function"), std::string::npos);
}

TEST(CliSample, ValidationAndUsageErrorsExitWithTwo) {
    struct Row {
        const char* name;
        const char* arguments;
        const char* message;
    } rows[] = {
        {"one point", "sample X --x 0,1,1", "Number of Steps must be in the range [2..16000]"},
        {"reversed range", "sample X --x 1,0,5",
         "Maximum X-coordinate must be more than minimum one"},
        {"coordinate out of range", "sample X --x 0,200000,5",
         "Maximum X-coordinate must be in the range [-115425.2 ... 115425.2]"},
        {"one Y point", "sample X --x 0,1,5 --y 0,1,1",
         "Number of Steps must be in the range [2..16000]"},
        {"range without its count", "sample X --x 0,1", "--x takes FROM,TO,N"},
        {"no expression", "sample --x 0,1,3", "give one expression"},
        {"surface without Y", "sample X --surface --x 0,1,3", "--surface needs --y"},
        {"unknown option", "sample X --x 0,1,3 --z 1", "unknown option --z"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        kalvo::test::ExpectCliFailure(row.arguments, 2, row.message);
    }
}

TEST(CliSample, HelpNamesTheSubcommand) {
    kalvo::test::ExpectSubcommandHelp("sample");
}

}  // namespace
