// kalvo-cli as a program: exit codes, standard-input mode, options and their errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "cli/run_cli.h"

namespace {

using kalvo::test::RunCli;

TEST(Cli, ExitCodeReflectsFailures) {
    struct Row {
        const char* name;
        const char* arguments;
        int exitCode;
    } rows[] = {
        {"all succeed", "'1+1' '2*3'", 0},
        {"one engine error", "'1+1' '2*'", 1},
        {"floating-point fault", "'exp(1E6)'", 1},
        {"unknown option", "--frobnicate 1", 2},
        {"bad notation", "--notation xyz 1", 2},
        {"digits outside the notation's range", "--notation eng --digits 8 1", 2},
        {"option without its value", "--digits", 2},
        {"help", "--help", 0},
        {"version", "--version", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(RunCli(row.arguments, "").exitCode, row.exitCode);
    }
}

TEST(Cli, UsageErrorsExplainThemselvesOnStandardError) {
    auto run = RunCli("--base octal 1", "");
    EXPECT_EQ(run.output, "");
    EXPECT_NE(run.errors.find("--base"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("dec|hex|bin"), std::string::npos) << run.errors;
}

TEST(Cli, StandardInputIsOneSessionWithEmptyLinesKept) {
    auto run = RunCli("", "(X=4)\n\nX*2\n?+1\n");
    ASSERT_EQ(run.lines.size(), 4u) << run.output;
    EXPECT_EQ(run.lines[0], "4.0E+0");
    EXPECT_EQ(run.lines[1], "");
    EXPECT_EQ(run.lines[2], "8.0E+0");
    EXPECT_EQ(run.lines[3], "9.0E+0");
    EXPECT_EQ(run.exitCode, 0);
}

TEST(Cli, AcceptsCarriageReturnLineEnds) {
    auto run = RunCli("", "1+1\r\n2+2\r\n");
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[1], "4.0E+0");
}

TEST(Cli, UndefinedVariableReadsAsCancelledPrompt) {
    auto run = RunCli("'1+Y'", "");
    ASSERT_EQ(run.lines.size(), 1u);
    EXPECT_EQ(run.lines[0], "User break: position 3");
    EXPECT_EQ(run.exitCode, 1);
}

TEST(Cli, TapePrintsTheRecordedLineWithItsNote) {
    auto run = RunCli("--tape", "(X=2)\nX+1\n2*\n");
    ASSERT_EQ(run.lines.size(), 3u) << run.output;
    EXPECT_EQ(run.lines[0], "(X=2) = 2.0E+0; X=2.0E+0; ");
    EXPECT_EQ(run.lines[1], "X+1 = 3.0E+0; X=2.0E+0; ");
    EXPECT_EQ(run.lines[2], "Syntax error: position 2");
}

TEST(Cli, Utf8ArgumentsReachTheEngineAsSingleCharacters) {
    // "²" is one character to the engine, so the error after it is at position 3.
    auto run = RunCli("'3²' '3²+' ", "");
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0], "9.0E+0");
    EXPECT_EQ(run.lines[1], "Syntax error: position 3");
}

TEST(Cli, LoadsUserFunctionsAndReportsRejectedLines) {
    const auto path = std::filesystem::temp_directory_path() / "kalvo-cli-test.FNC";
    {
        std::ofstream out(path, std::ios::binary);
        out << "f(x) = x*x;square\r\n;comment\r\nk(x)=2*y\r\ng(a,b)=a-b\r\n";
    }
    auto run = RunCli("--functions '" + path.string() + "' 'f(1+2)' 'f((1+2))' 'g(5,2)'", "");
    std::filesystem::remove(path);
    ASSERT_EQ(run.lines.size(), 3u) << run.output;
    EXPECT_EQ(run.lines[0], "5.0E+0");
    EXPECT_EQ(run.lines[1], "9.0E+0");
    // Loading stops at the rejected line; the functions before it stay usable.
    EXPECT_EQ(run.lines[2], "Syntax error: position 1");
    EXPECT_NE(run.errors.find("Parametr missing k(x)=2*y"), std::string::npos) << run.errors;
    EXPECT_EQ(run.exitCode, 1);
}

TEST(Cli, MissingFunctionFileIsReported) {
    auto run = RunCli("--functions /nonexistent/none.FNC '1'", "");
    EXPECT_NE(run.errors.find("Cannot load /nonexistent/none.FNC!"), std::string::npos);
    EXPECT_EQ(run.lines.at(0), "1.0E+0");
}

}  // namespace

namespace {

std::filesystem::path WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << content;
    return path;
}

class CliHomeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("kalvo-cli-home-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::filesystem::path m_dir;
};

TEST_F(CliHomeTest, HomeFolderFunctionsAndUserVariablesAreRead) {
    WriteFile(m_dir / "Kalvo.FNC", "sq(x)=x*x\r\n");
    WriteFile(m_dir / "Kalvo.USR", "rate = 2.5E+0\r\n");
    auto run = RunCli("--home '" + m_dir.string() + "' 'sq(3)+rate'", "");
    ASSERT_EQ(run.lines.size(), 1u) << run.errors;
    EXPECT_EQ(run.lines[0], "1.15E+1");
    EXPECT_EQ(run.errors, "");
    // Reading never creates anything in the home folder.
    EXPECT_FALSE(std::filesystem::exists(m_dir / "Kalvo.INI"));
}

TEST_F(CliHomeTest, SettingsFileNamesTheCurrentDataFiles) {
    WriteFile(m_dir / "other.FNC", "tw(x)=2*x\r\n");
    WriteFile(m_dir / "Kalvo.INI",
              "[Files]\r\nFunctions=" + (m_dir / "other.FNC").string() + "\r\n");
    auto run = RunCli("--home '" + m_dir.string() + "' 'tw(4)'", "");
    ASSERT_EQ(run.lines.size(), 1u) << run.errors;
    EXPECT_EQ(run.lines[0], "8.0E+0");
}

TEST_F(CliHomeTest, UserVariablesFileStopsAtAnUnreadableLineAndKeepsTheRecordsBefore) {
    auto path = WriteFile(m_dir / "a.USR", "a = 1.0E+0\r\nb = 0:0:1\r\nc = 3.0E+0\r\n");
    auto run = RunCli("--user-vars '" + path.string() + "' 'a' 'c'", "");
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0], "1.0E+0");
    EXPECT_EQ(run.lines[1], "Syntax error: position 1");
    EXPECT_NE(run.errors.find("a.USR"), std::string::npos) << run.errors;
    EXPECT_EQ(run.exitCode, 1);
}

TEST_F(CliHomeTest, VariablesFileIsLoadedAndCalculated) {
    std::string content;
    for (int i = 0; i < 10; ++i) {
        content += " 1.23454321000000E-0001\r\n";
    }
    content += "2+3\r\nX*2\r\n";  // X and Y; Y uses X
    for (int i = 2; i < 10; ++i) {
        content += "\r\n";
    }
    auto path = WriteFile(m_dir / "v.VAR", content);
    auto run = RunCli("--variables '" + path.string() + "' 'X+Y' 'Z'", "");
    ASSERT_EQ(run.lines.size(), 2u) << run.errors;
    EXPECT_EQ(run.lines[0], "1.5E+1");
    EXPECT_EQ(run.lines[1], "User break: position 1") << "Z has no expression: undefined";
}

}  // namespace
