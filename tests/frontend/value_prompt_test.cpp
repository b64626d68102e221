#include "frontend/value_prompt.h"

#include <deque>
#include <string>

#include <gtest/gtest.h>

#include "engine/error_codes.h"
#include "engine/parse_decimal.h"

namespace kalvo {
namespace {

struct OkRow {
    const char* name;
    std::string typed;
    ValuePromptOutcome::Action action;
    std::string message;  // empty unless the prompt shows an error
    int selectStart;
    int selectLength;
};

class ValuePromptOkTest : public ::testing::TestWithParam<OkRow> {};

TEST_P(ValuePromptOkTest, ClassifiesTheTypedText) {
    const OkRow& row = GetParam();
    SilentHost host;
    Engine engine(host);
    ValuePromptOutcome outcome = ValuePromptOk(engine, kSlotY, row.typed);
    EXPECT_EQ(outcome.action, row.action);
    EXPECT_EQ(outcome.message, row.message);
    if (row.action == ValuePromptOutcome::Action::kStayError) {
        EXPECT_EQ(outcome.selectStart, row.selectStart);
        EXPECT_EQ(outcome.selectLength, row.selectLength);
        EXPECT_FALSE(engine.State().errorFlag) << "the error is shown, not left pending";
    }
    // The typed text is the slot's expression whatever the outcome.
    EXPECT_EQ(engine.State().VarText(kSlotY), row.typed);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ValuePromptOkTest,
    ::testing::Values(OkRow{"Sum", "1 + 2", ValuePromptOutcome::Action::kClose, "", 0, 0},
                      OkRow{"OnlyBlanks", "   ", ValuePromptOutcome::Action::kStayEmpty, "", 0, 0},
                      OkRow{"Empty", "", ValuePromptOutcome::Action::kStayEmpty, "", 0, 0},
                      // "1+(2" lacks its ")" at blank-free position 4; two blanks lie before it.
                      OkRow{"MissingCloseAfterBlanks", "1 + (2",
                            ValuePromptOutcome::Action::kStayError,
                            ErrorMessage(kErrMissingClosing) + ": position 6", 5, 1},
                      OkRow{"SurplusClose", "2)", ValuePromptOutcome::Action::kStayError,
                            ErrorMessage(kErrTooManyClosing) + ": position 2", 1, 1},
                      OkRow{"EngineSyntaxError", "1 +*2", ValuePromptOutcome::Action::kStayError,
                            ErrorMessage(kErrSyntax) + ": position 4", 3, 1},
                      OkRow{"FloatingPointFault", "1E40000", ValuePromptOutcome::Action::kStayFault,
                            "Floating point overflow", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ValuePromptOk, SuccessStoresTheValueAndLeavesTheBlankFreeText) {
    SilentHost host;
    Engine engine(host);
    ASSERT_EQ(ValuePromptOk(engine, kSlotZ, " 2 * 3 ").action, ValuePromptOutcome::Action::kClose);
    EXPECT_EQ(engine.State().Var(kSlotZ), 6.0L);
    EXPECT_EQ(engine.State().text, "2*3");
}

TEST(ValuePromptOk, EmptyTextFlagsPositionOneAndKeepsTheValue) {
    SilentHost host;
    Engine engine(host);
    engine.State().Var(kSlotX) = 4.0L;
    ValuePromptOk(engine, kSlotX, "  ");
    EXPECT_TRUE(engine.State().errorFlag);
    EXPECT_EQ(engine.State().errorPos, 1);
    EXPECT_EQ(engine.State().Var(kSlotX), 4.0L);
}

TEST(ValuePromptOk, FailedTextDoesNotDefineTheVariable) {
    SilentHost host;
    Engine engine(host);
    ValuePromptOk(engine, kSlotX, "1+");
    EXPECT_EQ(engine.State().Var(kSlotX), kUndefinedValue);
}

TEST(ValuePromptValueText, UndefinedAndDefinedSlots) {
    SilentHost host;
    Engine engine(host);
    EXPECT_EQ(ValuePromptValueText(engine, kSlotK), "undefined");
    engine.State().Var(kSlotK) = 2.5L;
    const std::string text = ValuePromptValueText(engine, kSlotK);
    ASSERT_NE(text, "undefined");
    EXPECT_EQ(ParseDecimal(text), 2.5L) << text;
}

/// A host whose prompt answers with scripted texts, as a user typing and pressing OK
/// until the prompt closes, or cancelling when the script runs out.
class ScriptedPromptHost : public SilentHost {
  public:
    Engine* engine = nullptr;
    std::deque<std::string> typed;
    int prompts = 0;

    bool ShowValuePrompt(int slot) override {
        ++prompts;
        while (!typed.empty()) {
            std::string text = typed.front();
            typed.pop_front();
            if (ValuePromptOk(*engine, slot, text).action == ValuePromptOutcome::Action::kClose) {
                return true;
            }
        }
        return false;  // Cancel
    }
};

TEST(ValuePromptFlow, UndefinedVariableIsAskedForAndDefinedByTheBlankFreeText) {
    ScriptedPromptHost host;
    Engine engine(host);
    host.engine = &engine;
    host.typed = {"1+", "( 3 + 4", "3 + 4"};
    Real value = engine.Evaluate("X*2");
    EXPECT_FALSE(engine.State().errorFlag);
    EXPECT_EQ(value, 14.0L);
    EXPECT_EQ(host.prompts, 1);
    EXPECT_EQ(engine.State().VarText(kSlotX), "3+4");
    EXPECT_EQ(engine.State().text, "X*2") << "the outer expression is restored";
}

TEST(ValuePromptFlow, TextThatNamesTheVariableItselfIsRefused) {
    // "X+1" typed for X makes X's definition read X again: an error the prompt shows,
    // not the undefined marker plus one.
    ScriptedPromptHost host;
    Engine engine(host);
    host.engine = &engine;
    host.typed = {"X+1", "5"};
    Real value = engine.Evaluate("X*2");
    EXPECT_FALSE(engine.State().errorFlag);
    EXPECT_EQ(value, 10.0L);
    EXPECT_EQ(host.prompts, 1);
    EXPECT_EQ(engine.State().VarText(kSlotX), "5");
}

TEST(ValuePromptFlow, CancelAfterAFailedOkKeepsTheTypedTextAndBreaks) {
    ScriptedPromptHost host;
    Engine engine(host);
    host.engine = &engine;
    host.typed = {"1+"};
    engine.Evaluate("X*2");
    EXPECT_TRUE(engine.State().errorFlag);
    EXPECT_EQ(engine.State().errorCode, kErrUserBreak);
    EXPECT_EQ(engine.State().VarText(kSlotX), "1+");
    EXPECT_EQ(engine.State().Var(kSlotX), kUndefinedValue);
}

TEST(ValuePromptFlow, CancelBeforeAnyOkLeavesTheSlotAlone) {
    ScriptedPromptHost host;
    Engine engine(host);
    host.engine = &engine;
    EXPECT_FALSE(engine.PromptVariable(kSlotV));
    EXPECT_EQ(engine.State().errorCode, kErrUserBreak);
    EXPECT_TRUE(engine.State().VarText(kSlotV).empty());
    EXPECT_EQ(engine.State().Var(kSlotV), kUndefinedValue);
}

}  // namespace
}  // namespace kalvo
