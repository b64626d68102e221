// The matrix window's computation without the window: cell evaluation, the operations
// with their messages, f(A), the prompts' checks and the repository.
#include "matrix/matrix_calculator.h"

#include <gtest/gtest.h>

#include <string>

#include "display/format_real.h"
#include "engine/engine_host.h"
#include "frontend/calculator_session.h"

namespace kalvo {
namespace {

using Kind = MatrixOutcome::Kind;
using Op = MatrixOperation;

class MatrixCalculatorTest : public ::testing::Test {
  protected:
    MatrixOutcome Run(Op operation, CellTexts a, CellTexts b = {{"0"}}) {
        calculator.SetOperation(operation);
        lastA = std::move(a);
        return calculator.Compute(lastA, b);
    }
    std::vector<std::string> Labels() const {
        std::vector<std::string> labels;
        for (const RepositoryEntry& entry : calculator.Repository()) {
            labels.push_back(entry.label);
        }
        return labels;
    }

    SilentHost host;
    CalculatorSession session{host};
    MatrixCalculator calculator{session};
    CellTexts lastA;
};

TEST_F(MatrixCalculatorTest, SolvesTheTwoByTwoSystem) {
    const MatrixOutcome outcome = Run(Op::kSolve, {{"2", "1"}, {"1", "3"}}, {{"3"}, {"5"}});
    ASSERT_EQ(outcome.kind, Kind::kDone) << outcome.message;
    EXPECT_EQ(outcome.c, (CellTexts{{"0.8"}, {"1.4"}}));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"A22Solve", "B21Solve", "C21Solve"}));
}

TEST_F(MatrixCalculatorTest, OperationsOnEvaluatedCells) {
    const CellTexts a = {{"1", "2"}, {"3", "2*2"}};
    const CellTexts b = {{"pi-pi", "1"}, {"1", "0.5"}};
    calculator.Parameters().r = -2;
    calculator.Parameters().n = 3;
    struct Row {
        Op operation;
        CellTexts c;
    } rows[] = {
        {Op::kAdd, {{"1", "3"}, {"4", "4.5"}}},      {Op::kSubtract, {{"1", "1"}, {"2", "3.5"}}},
        {Op::kMultiply, {{"2", "2"}, {"4", "5"}}},   {Op::kInverse, {{"-2", "1"}, {"1.5", "-0.5"}}},
        {Op::kPower, {{"37", "54"}, {"81", "118"}}}, {Op::kDeterminant, {{"-2"}}},
        {Op::kScale, {{"-2", "-4"}, {"-6", "-8"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(OperationInfo(row.operation).caption);
        const MatrixOutcome outcome = Run(row.operation, a, b);
        ASSERT_EQ(outcome.kind, Kind::kDone) << outcome.message;
        EXPECT_EQ(outcome.c, row.c);
    }
}

TEST_F(MatrixCalculatorTest, ResultsInTheSevenDigitFormat) {
    calculator.Parameters().r = 1;
    const MatrixOutcome outcome =
        Run(Op::kScale, {{"1.5E20", "1/100000", "0"}, {"1/3", "12345678", "-2.5"}});
    ASSERT_EQ(outcome.kind, Kind::kDone);
    EXPECT_EQ(outcome.c, (CellTexts{{"1.5E20", "1E-5", "0"}, {"0.3333333", "1.234568E7", "-2.5"}}));
}

TEST_F(MatrixCalculatorTest, EmptyCellsBecomeZero) {
    const MatrixOutcome outcome = Run(Op::kAdd, {{"", "1"}}, {{"2", ""}});
    ASSERT_EQ(outcome.kind, Kind::kDone);
    EXPECT_EQ(lastA, (CellTexts{{"0", "1"}})) << "the empty cell now reads 0";
    EXPECT_EQ(outcome.c, (CellTexts{{"2", "1"}}));
}

TEST_F(MatrixCalculatorTest, FirstFailingCellColumnByColumn) {
    // (1,2) and (2,1) both fail; the columns are read first to last.
    calculator.SetOperation(Op::kAdd);
    CellTexts a = {{"1", "2+"}, {"sin(", "4"}};
    CellTexts b = {{"0", "0"}, {"0", "0"}};
    const MatrixOutcome outcome = calculator.Compute(a, b);
    ASSERT_EQ(outcome.kind, Kind::kCellFailed);
    EXPECT_EQ(outcome.grid, 'A');
    EXPECT_EQ(outcome.row, 2);
    EXPECT_EQ(outcome.col, 1);
    EXPECT_EQ(outcome.message.rfind("A[2,1]: ", 0), 0u) << outcome.message;
    EXPECT_NE(outcome.message.find(": position "), std::string::npos) << outcome.message;
    EXPECT_TRUE(calculator.Repository().empty());

    CellTexts goodA = {{"1"}};
    CellTexts badB = {{"1/"}};
    const MatrixOutcome inB = calculator.Compute(goodA, badB);
    EXPECT_EQ(inB.grid, 'B');
    EXPECT_EQ(inB.message.rfind("B[1,1]: ", 0), 0u) << inB.message;
}

TEST_F(MatrixCalculatorTest, FailuresCarryTheWindowsMessages) {
    struct Row {
        const char* name;
        Op operation;
        CellTexts a;
        CellTexts b;
        const char* message;
    } rows[] = {
        {"singular system",
         Op::kSolve,
         {{"1", "2"}, {"2", "4"}},
         {{"1"}, {"1"}},
         "No solution for this equations"},
        {"tiny pivot",
         Op::kSolve,
         {{"1", "0"}, {"0", "1E-20"}},
         {{"1"}, {"1"}},
         "No solution for this equations"},
        {"solve needs a square A",
         Op::kSolve,
         {{"1", "2"}},
         {{"1"}},
         "This operation can be applied only to square matrix"},
        {"B shorter than A",
         Op::kSolve,
         {{"1", "0"}, {"0", "1"}},
         {{"1"}},
         "Index out of bounds0 1"},
        {"singular inverse",
         Op::kInverse,
         {{"1", "2"}, {"0", "0"}},
         {},
         "Could not inverse this matrix"},
        {"sum of other sizes", Op::kAdd, {{"1", "2"}}, {{"1"}}, "Can not add these matrixes"},
        {"product of misfits", Op::kMultiply, {{"1", "2"}}, {{"1", "2"}}, "Can not Multiply"},
        {"det of a non-square",
         Op::kDeterminant,
         {{"1", "2"}},
         {},
         "This operation can be applied only to square matrix"},
        {"overflow", Op::kPower, {{"1E4000"}}, {}, "Floating point overflow"},
    };
    calculator.Parameters().n = 2;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const MatrixOutcome outcome =
            Run(row.operation, row.a, row.b.empty() ? CellTexts{{"0"}} : row.b);
        EXPECT_EQ(outcome.kind, Kind::kFailed);
        EXPECT_EQ(outcome.message, row.message);
    }
    EXPECT_TRUE(calculator.Repository().empty()) << "failures keep nothing";
}

TEST_F(MatrixCalculatorTest, DeterminantOfOneByOneIsItsElement) {
    const MatrixOutcome outcome = Run(Op::kDeterminant, {{"-7.25"}});
    ASSERT_EQ(outcome.kind, Kind::kDone);
    EXPECT_EQ(outcome.c, (CellTexts{{"-7.25"}}));
    EXPECT_EQ(Labels().back(), "C11Power");
}

TEST_F(MatrixCalculatorTest, FunctionOfEachElement) {
    calculator.Parameters().f = "1/(A)";
    const MatrixOutcome outcome = Run(Op::kFunction, {{"0", "4"}, {"1-1", "-0.5"}});
    ASSERT_EQ(outcome.kind, Kind::kDone);
    const DisplaySettings& display = session.State().display;
    auto shown = [&](Real v) {
        std::string text = FormatReal(display, session.Digits(), v);
        return text.substr(text.find_first_not_of(' '));
    };
    EXPECT_EQ(outcome.c, (CellTexts{{"Error", shown(0.25L)}, {"Error", shown(-2)}}));
    EXPECT_EQ(calculator.Repository().back().matrix.GetItem(0, 1), 0.25L);
}

TEST_F(MatrixCalculatorTest, FunctionGetsTheCellsTextInParentheses) {
    calculator.Parameters().f = "(A)*2";
    const MatrixOutcome outcome = Run(Op::kFunction, {{"1+2"}});  // (1+2)*2, not 1+2*2
    ASSERT_EQ(outcome.kind, Kind::kDone);
    EXPECT_EQ(calculator.Repository().back().matrix.GetItem(0, 0), 6);
}

TEST_F(MatrixCalculatorTest, PromptChecks) {
    struct Row {
        const char* name;
        PromptCheck (MatrixCalculator::*check)(const std::string&);
        const char* text;
        bool ok;
    } rows[] = {
        {"r: any value", &MatrixCalculator::CheckScale, "pi/2", true},
        {"r: a syntax error", &MatrixCalculator::CheckScale, "2*", false},
        {"n: whole", &MatrixCalculator::CheckPower, "6/2", true},
        {"n: negative", &MatrixCalculator::CheckPower, "-4", true},
        {"n: a fraction", &MatrixCalculator::CheckPower, "2.5", false},
        {"n: too large", &MatrixCalculator::CheckPower, "2^40", false},
        {"f: the default", &MatrixCalculator::CheckFunction, "sin(A)+cos(A)/3", true},
        {"f: a domain error at 1 passes", &MatrixCalculator::CheckFunction, "ln((A)-1)", true},
        {"f: a division by zero at 1 passes", &MatrixCalculator::CheckFunction, "1/((A)-1)", true},
        {"f: a syntax error", &MatrixCalculator::CheckFunction, "sin(A)+", false},
        {"f: unbalanced", &MatrixCalculator::CheckFunction, "sin((A)", false},
        {"f: unknown name", &MatrixCalculator::CheckFunction, "foo(A)", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PromptCheck check = (calculator.*row.check)(row.text);
        EXPECT_EQ(check.ok, row.ok) << check.message;
        EXPECT_EQ(check.message.empty(), row.ok);
    }
    EXPECT_EQ(calculator.CheckPower("6/2").value, 3);
}

TEST_F(MatrixCalculatorTest, PromptTexts) {
    EXPECT_EQ(calculator.FunctionPromptText(), "sin(A)+cos(A)/3");
    calculator.Parameters().f = "abs(A)";
    EXPECT_EQ(calculator.FunctionPromptText(), "abs(A)");
    calculator.Parameters().r = 1.0L / 3;
    EXPECT_EQ(calculator.ScalePromptText(), "0.3333333");
    EXPECT_EQ(calculator.PowerPromptText(), "2");
}

TEST_F(MatrixCalculatorTest, KeepsTheEnginesExpressionText) {
    session.State().text = "2+2";
    Run(Op::kAdd, {{"5"}}, {{"1"}});
    calculator.CheckFunction("sin(A)");
    EXPECT_EQ(session.State().text, "2+2");
}

TEST_F(MatrixCalculatorTest, RepositoryKeepsTheNewestEntries) {
    for (int i = 0; i < 60; ++i) {
        Run(Op::kAdd, {{std::to_string(i)}}, {{"1"}});
    }
    ASSERT_EQ(calculator.Repository().size(), MatrixCalculator::kRepositoryLimit);
    EXPECT_EQ(calculator.Repository().back().matrix.GetItem(0, 0), 60);
    EXPECT_EQ(calculator.Repository().back().label, "C11Add");
}

TEST_F(MatrixCalculatorTest, NothingWithoutAnOperation) {
    EXPECT_EQ(Run(Op::kNone, {{"1"}}).kind, Kind::kNothing);
}

}  // namespace
}  // namespace kalvo
