// The split between global options and a subcommand's own arguments.
#include "cli/cli_subcommand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalvo {
namespace {

std::optional<CliOptions> Parse(const std::vector<std::string>& args, std::string& error) {
    return ParseCliOptions(
        args, [](const std::string& word) { return word == "convert" || word == "sample"; }, error);
}

TEST(CliSubcommandSplit, GlobalOptionsStandBeforeOrAfterTheSubcommand) {
    struct Row {
        const char* name;
        std::vector<std::string> args;
        std::vector<std::string> subcommandArgs;
    } rows[] = {
        {"before", {"--digits", "8", "convert", "length", "KM", "1"}, {"length", "KM", "1"}},
        {"after", {"convert", "length", "KM", "1", "--digits", "8"}, {"length", "KM", "1"}},
        {"in between with =",
         {"convert", "length", "--digits=8", "KM", "1"},
         {"length", "KM", "1"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string error;
        auto options = Parse(row.args, error);
        ASSERT_TRUE(options) << error;
        EXPECT_EQ(options->subcommand, "convert");
        EXPECT_EQ(options->subcommandArgs, row.subcommandArgs);
        EXPECT_EQ(options->digits, 8);
        EXPECT_TRUE(options->expressions.empty());
    }
}

TEST(CliSubcommandSplit, OwnOptionsAndTheirValuesGoToTheSubcommand) {
    std::string error;
    auto options =
        Parse({"--angle", "rad", "sample", "sin(X)", "--x", "0,1,3", "--complex", "--polar", "-X"},
              error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->subcommand, "sample");
    EXPECT_EQ(options->subcommandArgs,
              (std::vector<std::string>{"sin(X)", "--x", "0,1,3", "--polar", "-X"}));
    EXPECT_TRUE(options->complex);
}

TEST(CliSubcommandSplit, OnlyTheFirstWordCanNameASubcommand) {
    std::string error;
    auto options = Parse({"1+1", "convert"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->subcommand, "");
    EXPECT_EQ(options->expressions, (std::vector<std::string>{"1+1", "convert"}));

    options = Parse({"--", "convert"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->subcommand, "");
    EXPECT_EQ(options->expressions, (std::vector<std::string>{"convert"}));
}

TEST(CliSubcommandSplit, UnknownOptionsAreStillErrorsWithoutASubcommand) {
    std::string error;
    EXPECT_FALSE(Parse({"--x", "1"}, error));
    EXPECT_EQ(error, "unknown option --x");
}

TEST(SubcommandArgs, ParsesValuesFlagsAndWords) {
    std::string error;
    auto parsed =
        ParseSubcommandArgs({"sin(X)", "--x", "0,1,3", "--levels=5", "--shade", "-2", "--", "--y"},
                            {"--x", "--levels"}, {"--shade"}, error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(parsed->Value("--x"), "0,1,3");
    EXPECT_EQ(parsed->Value("--levels"), "5");
    EXPECT_TRUE(parsed->Has("--shade"));
    EXPECT_FALSE(parsed->Has("--y"));
    EXPECT_EQ(parsed->words, (std::vector<std::string>{"sin(X)", "-2", "--y"}));
}

TEST(SubcommandArgs, RefusesUnknownOptionsMissingValuesAndValuedFlags) {
    struct Row {
        const char* name;
        std::vector<std::string> args;
        const char* error;
    } rows[] = {
        {"unknown", {"--z", "1"}, "unknown option --z"},
        {"missing value", {"--x"}, "option --x needs a value"},
        {"flag with a value", {"--shade=1"}, "unknown option --shade=1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string error;
        EXPECT_FALSE(ParseSubcommandArgs(row.args, {"--x"}, {"--shade"}, error));
        EXPECT_EQ(error, row.error);
    }
}

}  // namespace
}  // namespace kalvo
