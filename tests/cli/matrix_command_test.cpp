// kalvo-cli matrix, run as users run it: operands in files or on standard input, the
// result on standard output, messages and exit codes.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "engine/engine_host.h"
#include "frontend/calculator_session.h"
#include "frontend/temp_folder.h"
#include "matrix/matrix_calculator.h"

namespace kalvo {
namespace {

using test::CliRun;
using test::RunCli;

class MatrixCommandTest : public ::testing::Test {
  protected:
    /// Writes a file in the test's folder and returns its quoted path.
    std::string File(const std::string& name, const std::string& content) {
        std::ofstream out(folder.File(name), std::ios::binary);
        out << content;
        return "'" + folder.File(name) + "'";
    }
    /// The lines the window's computation gives for the same operands.
    static std::vector<std::string> Expected(MatrixOperation operation, CellTexts a, CellTexts b,
                                             const OperationParameters& parameters = {}) {
        SilentHost host;
        CalculatorSession session(host);
        MatrixCalculator calculator(session);
        calculator.SetOperation(operation);
        calculator.Parameters() = parameters;
        const MatrixOutcome outcome = calculator.Compute(a, b);
        std::vector<std::string> lines;
        for (const auto& row : outcome.c) {
            std::string line;
            for (std::size_t j = 0; j < row.size(); ++j) {
                line += (j > 0 ? "\t" : "") + row[j];
            }
            lines.push_back(line);
        }
        return lines;
    }

    /// The line kalvo-cli prints for an expression that fails.
    static std::string Shown(const std::string& expression) {
        return RunCli("'" + expression + "'", "").output;
    }

    testing::TempFolder folder;
};

TEST_F(MatrixCommandTest, SolvesTheTwoByTwoSystem) {
    const CliRun run =
        RunCli("matrix solve " + File("a.txt", "2 1\n1 3\n") + " " + File("b.txt", "3\n5\n"), "");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.lines, (std::vector<std::string>{"0.8", "1.4"}));
    EXPECT_EQ(run.errors, "");
}

TEST_F(MatrixCommandTest, EveryOperationAsTheWindowComputesIt) {
    const CellTexts a = {{"1", "pi/2", "-3"}, {"2", "0.5", "1"}, {"sqrt(2)", "4", "7"}};
    const CellTexts b = {{"0.25", "1", "0"}, {"-1", "2", "5"}, {"3", "3", "1E-5"}};
    const std::string aFile = File("a.txt", "1, pi/2, -3\r\n2, 0.5, 1\r\nsqrt(2), 4, 7\r\n");
    const std::string bFile = File("b.txt", "0.25\t1\t0\n-1\t2\t5\n3\t3\t1E-5");
    OperationParameters parameters;
    parameters.r = -1.5L;
    parameters.n = 3;
    parameters.f = "1/(A)";
    struct Row {
        const char* arguments;
        MatrixOperation operation;
    } rows[] = {
        {"solve A B", MatrixOperation::kSolve},
        {"add A B", MatrixOperation::kAdd},
        {"sub A B", MatrixOperation::kSubtract},
        {"mul A B", MatrixOperation::kMultiply},
        {"inv A", MatrixOperation::kInverse},
        {"det A", MatrixOperation::kDeterminant},
        {"pow A --n 6/2", MatrixOperation::kPower},
        {"scale A --r -3/2", MatrixOperation::kScale},
        {"f A --f '1/(A)'", MatrixOperation::kFunction},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments);
        std::string arguments = row.arguments;
        arguments.replace(arguments.find(" A") + 1, 1, aFile);
        if (const std::size_t pos = arguments.find(" B"); pos != std::string::npos) {
            arguments.replace(pos + 1, 1, bFile);
        }
        const CliRun run = RunCli("matrix " + arguments, "");
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        EXPECT_EQ(run.lines, Expected(row.operation, a, b, parameters));
    }
}

TEST_F(MatrixCommandTest, GlobalOptionsBeforeOrAfter) {
    const std::string a = File("a.txt", "0 4\n-2 8\n");
    const CliRun before = RunCli("--digits 8 --notation fix matrix f " + a + " --f '1/(A)'", "");
    const CliRun after = RunCli("matrix f " + a + " --f '1/(A)' --notation fix --digits 8", "");
    EXPECT_EQ(before.exitCode, 0) << before.errors;
    EXPECT_EQ(before.lines, after.lines);
    ASSERT_EQ(before.lines.size(), 2u);
    // Cells as the calculator shows 1/4 with the same options, blanks trimmed.
    std::string quarter = RunCli("--notation fix --digits 8 1/4", "").lines.at(0);
    quarter = quarter.substr(quarter.find_first_not_of(' '));
    EXPECT_EQ(before.lines[0], "Error\t" + quarter) << "a failing cell reads Error";
}

TEST_F(MatrixCommandTest, StandardInputOnce) {
    const CliRun run = RunCli("matrix mul - " + File("b.txt", "1\n1\n"), "1,2\r\n3,4\r\n");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.lines, (std::vector<std::string>{"3", "7"}));
}

TEST_F(MatrixCommandTest, FailuresExitWithOneAndTheMessage) {
    struct Row {
        const char* name;
        std::string arguments;
        std::string input;
        std::string message;
    } rows[] = {
        {"singular", "matrix inv -", "1 2\n2 4\n", "Could not inverse this matrix\n"},
        {"no solution", "matrix solve - " + File("b.txt", "1\n1\n"), "1 1\n1 1\n",
         "No solution for this equations\n"},
        {"cell", "matrix det -", "1 2\n3 4*\n", "A[2,2]: " + Shown("4*")},
        {"cell in B", "matrix add " + File("a.txt", "1 2\n") + " -", "1 (2\n",
         "B[1,2]: " + Shown("(2")},
        {"sizes", "matrix mul - " + File("b2.txt", "1 2\n"), "1 2\n", "Can not Multiply\n"},
        {"missing file", "matrix inv " + folder.File("none.txt"), "",
         "Can't open file " + folder.File("none.txt") + "\n"},
        {"ragged rows", "matrix inv -", "1 2\n3\n",
         "standard input: row 2 has 1 field, row 1 has 2\n"},
        {"nothing", "matrix inv -", "\n\n", "standard input: no matrix\n"},
        {"a fractional power", "matrix pow - --n 1.5", "1\n", "--n: n must be a whole number\n"},
        {"a bad function", "matrix f - --f 'sin(A'", "1\n", "--f: " + Shown("sin(1")},
        {"overflow", "matrix pow - --n 2", "1E4000\n", "Floating point overflow\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CliRun run = RunCli(row.arguments, row.input);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.errors, row.message);
        EXPECT_EQ(run.output, "");
    }
}

TEST_F(MatrixCommandTest, RefusesHugeInput) {
    std::string rows;
    for (int i = 0; i < 101; ++i) {
        rows += "1\n";
    }
    std::string wide(3u * 1024u * 1024u, '1');
    const CliRun tall = RunCli("matrix det -", rows);
    EXPECT_EQ(tall.exitCode, 1);
    EXPECT_EQ(tall.errors, "standard input: more than 100 rows\n");
    const CliRun huge = RunCli("matrix det -", wide);
    EXPECT_EQ(huge.exitCode, 1);
    EXPECT_EQ(huge.errors, "standard input: more than 1048576 bytes\n");
}

TEST_F(MatrixCommandTest, UsageErrorsExitWithTwo) {
    const std::string a = File("a.txt", "1\n");
    struct Row {
        std::string arguments;
        const char* message;
    } rows[] = {
        {"matrix", "no operation given"},
        {"matrix transpose " + a, "unknown operation transpose"},
        {"matrix add " + a, "add takes two matrices, A and B"},
        {"matrix inv " + a + " " + a, "inv takes one matrix, A"},
        {"matrix pow " + a, "pow needs --n"},
        {"matrix inv " + a + " --r 2", "--r does not belong to inv"},
        {"matrix add - -", "standard input can be read only once"},
        {"matrix inv " + a + " --x 1", "unknown option --x"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments);
        const CliRun run = RunCli(row.arguments, "1\n");
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.errors, std::string("kalvo-cli matrix: ") + row.message +
                                  "\nTry 'kalvo-cli matrix --help'.\n");
    }
}

TEST_F(MatrixCommandTest, HelpNamesTheOperations) {
    const CliRun run = RunCli("matrix --help", "");
    EXPECT_EQ(run.exitCode, 0);
    for (const MatrixOperationInfo& info : MatrixOperations()) {
        EXPECT_NE(run.output.find(std::string("  ") + info.cliName + " "), std::string::npos)
            << info.cliName;
    }
}

}  // namespace
}  // namespace kalvo
