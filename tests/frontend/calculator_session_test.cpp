// The evaluation cycle and the mode switches, as the main window drives them.
#include <gtest/gtest.h>

#include "frontend/calculator_session.h"

namespace {

using kalvo::CalculatorSession;
using kalvo::ResultLine;

class SessionTest : public ::testing::Test {
  protected:
    kalvo::SilentHost m_host;
    CalculatorSession m_session{m_host};
};

TEST_F(SessionTest, ValueIsShownRecordedAndBecomesTheAnswer) {
    ResultLine line = m_session.Evaluate("1 + 2", true);
    EXPECT_EQ(line.kind, ResultLine::Kind::kValue);
    EXPECT_EQ(line.text, "3.0E+0");
    EXPECT_EQ(m_session.State().lastAnswer, 3);
    ASSERT_EQ(m_session.History().size(), 1u);
    EXPECT_EQ(m_session.History().front(), "1 + 2");
    EXPECT_EQ(m_session.Results().front(), "3.0E+0");
    EXPECT_EQ(m_session.Tape().front(), "1 + 2 = 3.0E+0; ");
}

TEST_F(SessionTest, ErrorIsMappedToTheTypedTextAndRecordsNothing) {
    m_session.Evaluate("5", true);
    ResultLine line = m_session.Evaluate("1 +  2)", true);
    EXPECT_EQ(line.kind, ResultLine::Kind::kError);
    EXPECT_EQ(line.text, "Too many \")\": position 7");
    EXPECT_EQ(line.selectStart, 6);
    EXPECT_EQ(line.selectLength, 1);
    EXPECT_EQ(m_session.History().size(), 1u);
    EXPECT_EQ(m_session.Tape().size(), 1u);
    EXPECT_EQ(m_session.State().lastAnswer, 5);
    EXPECT_FALSE(m_session.State().errorFlag);
}

TEST_F(SessionTest, DivisionByZeroSelectsTheDivisorAsTyped) {
    ResultLine line = m_session.Evaluate("1/(2 - 2)", true);
    EXPECT_EQ(line.text, "Division by zero: position 3");
    EXPECT_EQ(line.selectStart, 2);
    EXPECT_EQ(line.selectLength, 7);
}

TEST_F(SessionTest, HistoryKeepsOneEntryAndMovesItToTheTop) {
    m_session.Evaluate("1", true);
    m_session.Evaluate("2", true);
    m_session.Evaluate("1", true);
    m_session.Evaluate("1", true);
    ASSERT_EQ(m_session.History().size(), 2u);
    EXPECT_EQ(m_session.History()[0], "1");
    EXPECT_EQ(m_session.History()[1], "2");
    EXPECT_EQ(m_session.Results().size(), 4u);
    EXPECT_EQ(m_session.Tape().size(), 4u);
}

TEST_F(SessionTest, UnmodifiedInputUpdatesTheAnswerButRecordsNothing) {
    m_session.Evaluate("6*7", true);
    ResultLine line = m_session.Evaluate("6*7+1", false);
    EXPECT_EQ(line.text, "4.3E+1");
    EXPECT_EQ(m_session.State().lastAnswer, 43);
    EXPECT_EQ(m_session.History().size(), 1u);
    EXPECT_EQ(m_session.Tape().size(), 1u);
}

TEST_F(SessionTest, TapeNoteListsEachNameOnceAndDropsTenOrMoreReads) {
    m_session.Evaluate("(X=2)+(Y=3)", true);
    EXPECT_EQ(m_session.Tape().front(), "(X=2)+(Y=3) = 5.0E+0; X=2.0E+0; Y=3.0E+0; ");
    m_session.Evaluate("X+X*Y", true);
    EXPECT_EQ(m_session.Tape().front(), "X+X*Y = 8.0E+0; X=2.0E+0; Y=3.0E+0; ");
    m_session.Evaluate("X+X+X+X+X+X+X+X+X+X", true);
    EXPECT_EQ(m_session.Tape().front(), "X+X+X+X+X+X+X+X+X+X = 2.0E+1; ");
}

TEST_F(SessionTest, ValueThatTheBaseCannotShowIsAnErrorNotAResult) {
    m_session.SetBase(kalvo::kHex, "", false);
    m_session.Evaluate("10", true);
    ResultLine line = m_session.Evaluate("FFFFFFFF", true);
    EXPECT_EQ(line.kind, ResultLine::Kind::kError);
    EXPECT_EQ(line.text, "Overflow: position 9");
    EXPECT_EQ(m_session.State().lastAnswer, 16);
    EXPECT_EQ(m_session.History().size(), 1u);
}

TEST_F(SessionTest, FloatingPointFaultIsReportedAndRecordsNothing) {
    m_session.Evaluate("2", true);
    ResultLine line = m_session.Evaluate("(X=exp(1E6))", true);
    EXPECT_EQ(line.kind, ResultLine::Kind::kFault);
    EXPECT_EQ(line.text, "Floating point overflow");
    EXPECT_EQ(m_session.State().lastAnswer, 2);
    EXPECT_EQ(m_session.State().Var(kalvo::kSlotX), kalvo::kUndefinedValue);
    EXPECT_EQ(m_session.History().size(), 1u);
}

TEST_F(SessionTest, ListLimitKeepsTheNewestEntriesAndStillHandsOutTheTapeLine) {
    const struct {
        const char* name;
        std::size_t limit;
    } rows[] = {{"none", 0}, {"two", 2}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        kalvo::SilentHost host;
        CalculatorSession session(host);
        session.SetListLimit(row.limit);
        for (const char* input : {"1", "2", "3", "1", "4"}) {
            ResultLine line = session.Evaluate(input, true);
            EXPECT_EQ(line.tapeLine, std::string(input) + " = " + line.text + "; ");
        }
        EXPECT_EQ(session.History().size(), row.limit);
        EXPECT_EQ(session.Results().size(), row.limit);
        EXPECT_EQ(session.Tape().size(), row.limit);
        if (row.limit == 2) {
            EXPECT_EQ(session.History()[0], "4");
            EXPECT_EQ(session.History()[1], "1");
        }
        // An input that fell off the history comes back as a new entry.
        session.Evaluate("2", true);
        EXPECT_EQ(session.History().size(), row.limit);
        if (row.limit > 0) {
            EXPECT_EQ(session.History().front(), "2");
        }
        EXPECT_FALSE(session.SetBase(kalvo::kHex, "5", true).tapeLine.empty());
    }
}

TEST_F(SessionTest, BaseSwitchEvaluatesFirstThenWritesItsTapeLine) {
    ResultLine line = m_session.SetBase(kalvo::kHex, "255", true);
    EXPECT_EQ(line.text, "FF");
    ASSERT_EQ(m_session.Tape().size(), 2u);
    EXPECT_EQ(m_session.Tape()[0], "255 = FF; Base=16");
    EXPECT_EQ(m_session.Tape()[1], "255 = 2.55E+2; ");
    EXPECT_EQ(m_session.State().digitSet, "$0123456789ABCDEF");
}

TEST_F(SessionTest, ErroneousInputStillSwitchesTheBase) {
    m_session.Evaluate("2", true);
    ResultLine line = m_session.SetBase(kalvo::kBin, "2*", true);
    EXPECT_EQ(line.kind, ResultLine::Kind::kValue);
    EXPECT_EQ(line.text, "00000000000000000000000000000010 ");
    EXPECT_EQ(m_session.NumberBase(), kalvo::kBin);
}

TEST_F(SessionTest, BinaryDigitsSnapToTheUsableGroupWidths) {
    m_session.SetBase(kalvo::kBin, "", false);
    m_session.SetDigitsPosition(8);
    struct Step {
        int moveTo;
        int shown;
    } upward[] = {{9, 16}, {17, 32}}, downward[] = {{31, 16}, {15, 8}, {7, 7}, {6, 7}};
    for (const Step& step : upward) {
        EXPECT_EQ(m_session.SetDigitsPosition(step.moveTo), step.shown);
        EXPECT_EQ(m_session.Bits(), step.shown);
    }
    for (const Step& step : downward) {
        EXPECT_EQ(m_session.SetDigitsPosition(step.moveTo), step.shown);
    }
}

TEST_F(SessionTest, NotationClampsDigitsAndShowsTheAnswerAgain) {
    m_session.Evaluate("1/3", true);
    m_session.SetDigits(8);
    ResultLine line = m_session.SetNotation(kalvo::kEng);
    EXPECT_EQ(m_session.Digits(), 11);
    EXPECT_EQ(line.text, "333.333E-3");
    line = m_session.SetNotation(kalvo::kFix);
    EXPECT_EQ(m_session.Digits(), 11);
    EXPECT_EQ(line.text, "0.333333333");
    EXPECT_EQ(m_session.Tape().size(), 1u);
}

TEST_F(SessionTest, ClearAllForgetsListsVariablesAndAnswers) {
    m_session.Evaluate("(X=2)", true);
    m_session.ClearAll();
    EXPECT_TRUE(m_session.History().empty());
    EXPECT_TRUE(m_session.Results().empty());
    EXPECT_EQ(m_session.State().Var(kalvo::kSlotX), kalvo::kUndefinedValue);
    EXPECT_EQ(m_session.State().VarText(kalvo::kSlotX), "");
    EXPECT_EQ(m_session.State().lastAnswer, kalvo::kUndefinedValue);
    EXPECT_EQ(m_session.Tape().size(), 1u);  // the tape is not part of "Clear All"
}

TEST_F(SessionTest, AngleSwitchIsIgnoredWhileLoading) {
    m_session.SetAngle(1);
    m_session.SetLoading(true);
    m_session.SetAngle(0);
    EXPECT_EQ(m_session.AngleUnit(), 1);
    m_session.SetLoading(false);
    m_session.SetAngle(0);
    EXPECT_EQ(m_session.AngleUnit(), 0);
}

}  // namespace
