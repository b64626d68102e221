// Complex mode of the calculator session: the evaluation cycle with the complex evaluator,
// the last complex answer in the mode switches, and the complex-form tape line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine_host.h"
#include "frontend/calculator_session.h"

namespace kalvo {
namespace {

class SessionComplexTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_session.SetNotation(kFix);
        m_session.SetDigits(12);
        m_session.SetComplexMode(true);
    }

    SilentHost m_host;
    CalculatorSession m_session{m_host};
};

using Kind = ResultLine::Kind;

TEST_F(SessionComplexTest, EvaluatesAndRecords) {
    ResultLine line = m_session.Evaluate("comp(1,2)*comp(0,1)", true);
    EXPECT_EQ(line.kind, Kind::kValue);
    EXPECT_EQ(line.text, "-2.0+1.0i");
    ASSERT_EQ(m_session.History().size(), 1u);
    EXPECT_EQ(m_session.History().front(), "comp(1,2)*comp(0,1)");
    ASSERT_EQ(m_session.Results().size(), 1u);
    EXPECT_EQ(m_session.Results().front(), "-2.0+1.0i");
    ASSERT_EQ(m_session.Tape().size(), 1u);
    EXPECT_EQ(m_session.Tape().front(), "comp(1,2)*comp(0,1) = -2.0+1.0i; ");

    // Unmodified input updates the answer but records nothing.
    line = m_session.Evaluate("?*comp(0,1)", false);
    EXPECT_EQ(line.text, "-1.0-2.0i");
    EXPECT_EQ(m_session.Results().size(), 1u);
    EXPECT_EQ(m_session.Tape().size(), 1u);
}

TEST_F(SessionComplexTest, ErrorsShowMessageAndTypedPosition) {
    struct Row {
        const char* name;
        const char* input;
        const char* text;
        int selectStart;
        int selectLength;
    };
    const std::vector<Row> rows = {
        {"division by zero", "comp(1,0)/comp(0,0)", "Division by zero: position 11", 10, 9},
        {"division by zero with blanks", "comp(1,0) / comp(0,0)", "Division by zero: position 13",
         12, 9},
        {"number written directly", "2*comp(1,1)", "Syntax error: position 1", 0, 1},
        {"missing closing parenthesis", "comp(1,2", "Missing \")\": position 8", 7, 1},
        {"error inside comp", "comp(1, 2/0)", "Division by zero: position 11", 10, 1},
        {"math fault", "ln(comp(0,0))", "Function singularity: position 13", 12, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ResultLine line = m_session.Evaluate(row.input, true);
        EXPECT_EQ(line.kind, Kind::kError);
        EXPECT_EQ(line.text, row.text);
        EXPECT_EQ(line.selectStart, row.selectStart);
        EXPECT_EQ(line.selectLength, row.selectLength);
        EXPECT_FALSE(m_session.State().errorFlag);
    }
    EXPECT_TRUE(m_session.History().empty());
    EXPECT_TRUE(m_session.Tape().empty());
}

TEST_F(SessionComplexTest, ComplexFormSwitchShowsTheAnswerAndWritesTheTape) {
    m_session.Evaluate("comp(0,2)", true);
    ResultLine line = m_session.SetComplexForm(kPolar, "comp(0,2)");
    EXPECT_EQ(line.kind, Kind::kValue);
    EXPECT_EQ(line.text, "2.0*exp(1.570796327i)");
    EXPECT_EQ(m_session.ComplexForm(), kPolar);
    ASSERT_EQ(m_session.Tape().size(), 2u);
    EXPECT_EQ(m_session.Tape().front(), "comp(0,2) = 2.0*exp(1.570796327i)");

    line = m_session.SetComplexForm(kRect, "comp(0,2)");
    EXPECT_EQ(line.text, "0.0+2.0i");
    EXPECT_EQ(m_session.Tape().front(), "comp(0,2) = 0.0+2.0i");
}

TEST_F(SessionComplexTest, NotationAndDigitsShowTheLastComplexAnswer) {
    m_session.Evaluate("comp(1,2)", true);
    EXPECT_EQ(m_session.SetNotation(kScn).text, "1.0E+0+2.0E+0i");
    ResultLine shown;
    m_session.SetNotation(kFix);
    m_session.SetDigitsPosition(12, &shown);
    EXPECT_EQ(shown.text, "1.0+2.0i");
}

TEST_F(SessionComplexTest, MathFaultZeroesTheLastAnswer) {
    m_session.Evaluate("comp(1,2)", true);
    m_session.Evaluate("ln(comp(0,0))", true);
    EXPECT_EQ(m_session.ShowLastAnswer().text, "0.0+0.0i");
    EXPECT_EQ(m_session.Evaluate("?+comp(0,1)", true).text, "0.0+1.0i");
}

TEST_F(SessionComplexTest, RealAndComplexAnswersAreSeparate) {
    m_session.SetComplexMode(false);
    EXPECT_EQ(m_session.Evaluate("5", true).text, "5.0");
    m_session.SetComplexMode(true);
    EXPECT_EQ(m_session.Evaluate("comp(1,1)", true).text, "1.0+1.0i");
    EXPECT_EQ(m_session.ShowLastAnswer().text, "1.0+1.0i");
    m_session.SetComplexMode(false);
    EXPECT_EQ(m_session.ShowLastAnswer().text, "5.0");
    EXPECT_EQ(m_session.Evaluate("?+1", true).text, "6.0");
}

TEST_F(SessionComplexTest, ComputesInRadiansWhateverTheAngleSetting) {
    m_session.SetAngle(1);
    EXPECT_EQ(m_session.Evaluate("comp(sin(pi/2),cos(pi))", true).text, "1.0-1.0i");
    EXPECT_EQ(m_session.AngleUnit(), 1);
    m_session.SetComplexMode(false);
    EXPECT_EQ(m_session.Evaluate("sin(90)", true).text, "1.0");
}

TEST_F(SessionComplexTest, BreakRequestIsClearedOnlyInRealMode) {
    m_session.State().breakRequested = true;
    m_session.Evaluate("comp(1,1)", true);
    EXPECT_TRUE(m_session.State().breakRequested);
    m_session.SetComplexMode(false);
    m_session.Evaluate("1", true);
    EXPECT_FALSE(m_session.State().breakRequested);
}

TEST_F(SessionComplexTest, TapeNoteListsTheRealVariablesRead) {
    m_session.State().Var(kSlotX) = 2;
    EXPECT_EQ(m_session.Evaluate("comp(X,1)", true).text, "2.0+1.0i");
    const std::string tape = m_session.Tape().front();
    EXPECT_EQ(tape.rfind("comp(X,1) = 2.0+1.0i; X=", 0), 0u) << tape;
}

TEST_F(SessionComplexTest, FloatingPointFaultIsReportedNotShownAsAValue) {
    ResultLine line = m_session.Evaluate("comp(1E4000,0)*comp(1E4000,0)", true);
    EXPECT_EQ(line.kind, Kind::kFault);
    EXPECT_EQ(line.text, "Floating point overflow");
    EXPECT_TRUE(m_session.Results().empty());
    EXPECT_EQ(m_session.ShowLastAnswer().text, "0.0+0.0i");
}

}  // namespace
}  // namespace kalvo
