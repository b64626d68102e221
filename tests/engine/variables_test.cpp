// Variables and the value prompt, the variables panel, assignments, named constants,
// the used-names lists, the loop construct and break polling.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/engine_fixture.h"
#include "engine/error_codes.h"

namespace kalvo::test {
namespace {

class VariablesTest : public EngineFixture {
  protected:
    void ExpectError(const std::string& text, int code, int pos, int length) {
        SCOPED_TRACE(text);
        Outcome out = Run(text);
        ASSERT_TRUE(out.error) << "gave " << static_cast<double>(out.value);
        EXPECT_EQ(out.code, code);
        EXPECT_EQ(out.pos, pos);
        EXPECT_EQ(out.length, length);
    }
    std::vector<Real> UsedValues() { return S().usedValues.Kept(); }
};

TEST_F(VariablesTest, UndefinedVariableOpensThePromptAndOkStoresTextAndValue) {
    host.promptAnswers.push_back("2+3");
    EXPECT_EQ(Value("X*2"), 10);
    EXPECT_EQ(host.promptedSlots, std::vector<int>{kSlotX});
    EXPECT_EQ(S().Var(kSlotX), 5);
    EXPECT_EQ(S().VarText(kSlotX), "2+3");
    EXPECT_EQ(S().text, "X*2") << "the interrupted text is back";
    EXPECT_EQ(S().usedNames.ToVector(), std::vector<std::string>{"X"});
    EXPECT_EQ(UsedValues(), std::vector<Real>{5});
}

TEST_F(VariablesTest, PromptInsideAnArgumentListResumesTheList) {
    host.promptAnswers.push_back("4");
    EXPECT_EQ(Value("sum(1,y,2)*2"), 14);
    EXPECT_EQ(host.promptedSlots, std::vector<int>{kSlotY});
    EXPECT_EQ(S().usedNames.ToVector(), std::vector<std::string>{"Y"});
}

TEST_F(VariablesTest, CancelledPromptIsUserBreakAtTheVariable) {
    host.promptAnswers.push_back(std::nullopt);
    ExpectError("1+W*2", 22, 3, 1);
    EXPECT_EQ(S().Var(kSlotW), kUndefinedValue);
    EXPECT_TRUE(S().VarText(kSlotW).empty());
}

TEST_F(VariablesTest, ExactlyTheUndefinedValueReadsAsUndefined) {
    S().Var(kSlotZ) = 0.123454321L;
    host.promptAnswers.push_back("1");
    EXPECT_EQ(Value("z+1"), 2);
    EXPECT_EQ(host.promptedSlots, std::vector<int>{kSlotZ});
}

TEST_F(VariablesTest, CancelInsideAnArgumentMarksTheVariable) {
    host.promptAnswers.push_back(std::nullopt);
    ExpectError("2*sin(x)", 22, 7, 1);
}

TEST_F(VariablesTest, SignedReadRecordsTheSignedValue) {
    S().Var(kSlotX) = 3;
    EXPECT_EQ(Value("2^-X"), 0.125L);
    EXPECT_EQ(UsedValues(), std::vector<Real>{-3});
    EXPECT_EQ(Value("-X"), -3);
    EXPECT_EQ(UsedValues(), std::vector<Real>{3}) << "the term's sign is not the read's";
}

TEST_F(VariablesTest, UndefinedVariableWithTextIsEvaluatedFromThePanel) {
    S().VarText(kSlotV) = "old";
    host.variableEdits[kSlotV] = "3*3";
    EXPECT_EQ(Value("V+1"), 10);
    EXPECT_EQ(host.editedSlots, std::vector<int>{kSlotV});
    EXPECT_TRUE(host.promptedSlots.empty());
    EXPECT_EQ(S().Var(kSlotV), 9);
    EXPECT_EQ(S().text, "V+1");
}

TEST_F(VariablesTest, PanelThatFailsLeavesTheUndefinedValue) {
    S().VarText(kSlotN) = "bad";
    host.variableEdits[kSlotN] = "1/0";
    EXPECT_EQ(Value("-N"), -kUndefinedValue);
    EXPECT_TRUE(host.promptedSlots.empty());
}

TEST_F(VariablesTest, AssignmentsStoreValueAndText) {
    S().Var(kSlotY) = 3;
    struct Row {
        const char* name;
        std::string text;
        Real value;
        Real x;
        std::string xText;
    } rows[] = {
        {"plain", "(X=5)", 5, 5, "5"},
        {"expression_then_more", "(X=2*Y)+1", 7, 6, "2*Y"},
        {"uses_old_value", "(X=2*X)", 12, 12, "2*X"},
        {"postfix_after_parenthesis", "(X=3)\xB2", 9, 3, "3"},
        {"lower_case", "(x=Y-1)", 2, 2, "Y-1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Value(row.text), row.value);
        EXPECT_EQ(S().Var(kSlotX), row.x);
        EXPECT_EQ(S().VarText(kSlotX), row.xText);
    }
}

TEST_F(VariablesTest, AssignmentRecordsNameAndValue) {
    EXPECT_EQ(Value("(X=2)+X"), 4);
    EXPECT_EQ(S().usedNames.ToVector(), (std::vector<std::string>{"X", "X"}));
    EXPECT_EQ(UsedValues(), (std::vector<Real>{2, 2}));
}

TEST_F(VariablesTest, AssignmentErrors) {
    S().Var(kSlotX) = 1;
    ExpectError("X=5", 17, 2, 1);
    ExpectError("2*X=5", 17, 4, 1);
    EXPECT_EQ(S().Var(kSlotX), 1);
    ExpectError("(X=1/0+1)", 13, 6, 1);
    EXPECT_EQ(S().Var(kSlotX), 1) << "a failed expression assigns nothing";
    ExpectError("(X=5", 21, 4, 1);
    EXPECT_EQ(S().Var(kSlotX), 5) << "the value was computed before the missing parenthesis";
}

TEST_F(VariablesTest, NamedConstantsGetIdentifiersInCreationOrder) {
    EXPECT_EQ(Value("(c=5)"), 5);
    EXPECT_EQ(S().usedNames.ToVector(), std::vector<std::string>{"c"});
    EXPECT_EQ(UsedValues(), std::vector<Real>{5});
    EXPECT_EQ(Value("(dd=7)+1"), 8);
    ASSERT_EQ(host.constants.size(), 2u);
    EXPECT_EQ(host.constants[0].identifier, 1000);
    EXPECT_EQ(host.constants[1].identifier, 1001);
    EXPECT_TRUE(host.constants[1].created);
    EXPECT_TRUE(host.constants[1].show);
    ASSERT_EQ(S().constants.Count(), 2u);
    EXPECT_EQ(S().constants.Records().front().name, "dd") << "newest first";

    EXPECT_EQ(Value("c*dd"), 35);
    EXPECT_EQ(S().usedNames.ToVector(), (std::vector<std::string>{"c", "dd"}));
    EXPECT_EQ(UsedValues(), (std::vector<Real>{5, 7}));

    EXPECT_EQ(Value("(c=c+1)"), 6);
    ASSERT_EQ(host.constants.size(), 3u);
    EXPECT_EQ(host.constants[2].identifier, 1000) << "redefinition keeps the identifier";
    EXPECT_FALSE(host.constants[2].created);
    EXPECT_EQ(S().constants.Count(), 2u);
    EXPECT_EQ(Value("c"), 6);

    EXPECT_EQ(Value("(speedoflight=3)"), 3) << "names longer than any built-in";
    EXPECT_EQ(Value("speedoflight*2"), 6);
    EXPECT_EQ(host.constants.back().identifier, 1002);
}

TEST_F(VariablesTest, ConstantDefinitionErrors) {
    // Not closed by ")": the definition is still stored, the error marks the name.
    ExpectError("k2=4", 0, 1, 3);
    ASSERT_EQ(S().constants.Count(), 1u);
    EXPECT_EQ(S().constants.Records().front().value, 4);
    ExpectError("(q=1/0+1)", 13, 6, 1);
    EXPECT_EQ(S().constants.Find("q"), nullptr);
}

TEST_F(VariablesTest, LoopExamples) {
    struct Row {
        const char* name;
        Real j, k, m, answer;
        std::string text;
        Real value;
    } rows[] = {
        {"accumulates_j", 1, 3, 1, 0, "forJtoKstepMdo(?+J)", 6},
        {"runs_once_when_j_above_k", 5, 3, 1, 10, "forJtoKstepMdo(?+1)", 11},
        {"default_body_keeps_answer", 1, 4, 1, 7, "forJtoKstepMdo(?)", 7},
        {"half_steps", 0, 1, 0.5L, 0, "forJtoKstepMdo(?+J)", 1.5L},
        {"operand_check_after_loop", 1, 3, 1, 0, "forJtoKstepMdo(?+J)*2", 12},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        S().Var(kSlotJ) = row.j;
        S().Var(kSlotK) = row.k;
        S().Var(kSlotM) = row.m;
        S().lastAnswer = row.answer;
        EXPECT_EQ(Value(row.text), row.value);
        EXPECT_EQ(S().Var(kSlotJ), row.j) << "J is restored";
    }
}

TEST_F(VariablesTest, LoopReadsBoundsAfreshAndRecordsEveryRead) {
    S().Var(kSlotJ) = 1;
    S().Var(kSlotK) = 10;
    S().Var(kSlotM) = 1;
    S().lastAnswer = 0;
    EXPECT_EQ(Value("forJtoKstepMdo(?+1+0*(K=3))"), 3);
    EXPECT_EQ(S().Var(kSlotK), 3);

    S().lastAnswer = 0;
    EXPECT_EQ(Value("forJtoKstepMdo(?+J)"), 6);
    EXPECT_EQ(S().usedNames.ToVector(), (std::vector<std::string>{"J", "J", "J"}));
    EXPECT_EQ(UsedValues(), (std::vector<Real>{1, 2, 3}));
}

TEST_F(VariablesTest, LoopPromptsForUndefinedBounds) {
    host.promptAnswers = {"1", "2", "1"};
    EXPECT_EQ(Value("forJtoKstepMdo(J*10)"), 20);
    EXPECT_EQ(host.promptedSlots, (std::vector<int>{kSlotJ, kSlotK, kSlotM}));
    EXPECT_EQ(S().Var(kSlotJ), 1);

    S().Var(kSlotK) = kUndefinedValue;
    host.promptAnswers = {std::nullopt};
    Outcome out = Run("forJtoKstepMdo(?)");
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 22);
}

TEST_F(VariablesTest, LoopErrorLeavesJAtTheFailingPass) {
    S().Var(kSlotJ) = 1;
    S().Var(kSlotK) = 5;
    S().Var(kSlotM) = 1;
    Outcome out = Run("forJtoKstepMdo(1/(J-2))");
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 13);
    EXPECT_EQ(S().Var(kSlotJ), 2);
}

TEST_F(VariablesTest, BreakIsConfirmedAtTheChosenPoll) {
    S().Var(kSlotJ) = 1;
    S().Var(kSlotK) = 2;
    S().Var(kSlotM) = 0;  // never ends by itself
    S().lastAnswer = 0;
    S().breakRequested = true;
    host.confirmBreakAt = 3;
    Outcome out = Run("forJtoKstepMdo(?+1)");
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 22);
    EXPECT_EQ(host.breakQuestions, 3);
    EXPECT_EQ(host.pumps, 3);
    EXPECT_EQ(S().lastAnswer, 3) << "each pass stored its value before the poll";
}

TEST_F(VariablesTest, BreakDeclinedKeepsAsking) {
    S().Var(kSlotJ) = 1;
    S().Var(kSlotK) = 3;
    S().Var(kSlotM) = 1;
    S().lastAnswer = 0;
    S().breakRequested = true;
    EXPECT_EQ(Value("forJtoKstepMdo(?+J)"), 6);
    EXPECT_EQ(host.breakQuestions, 3);

    S().breakRequested = false;
    host.breakQuestions = 0;
    EXPECT_EQ(Value("forJtoKstepMdo(?+J)"), 12);
    EXPECT_EQ(host.breakQuestions, 0) << "no request, no question";
}

TEST_F(VariablesTest, DefinitionsThatLeadBackToTheirVariableAreUndefined) {
    struct Row {
        const char* name;
        std::map<int, std::string> definitions;
        std::string text;
        int pos;
        std::vector<int> edited;  ///< each definition is evaluated once
    } rows[] = {
        {"self", {{kSlotX, "X+1"}}, "X", 1, {kSlotX}},
        {"pair", {{kSlotV, "I*V%"}, {kSlotI, "V"}}, "2*V+1", 3, {kSlotV, kSlotI}},
        {"through_a_third",
         {{kSlotX, "Y"}, {kSlotY, "Z+1"}, {kSlotZ, "2*X"}},
         "1+X",
         3,
         {kSlotX, kSlotY, kSlotZ}},
        {"inside_an_argument", {{kSlotW, "sin(W)"}}, "cos(W)", 5, {kSlotW}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        host.editedSlots.clear();
        host.variableEdits = row.definitions;
        for (const auto& [slot, text] : row.definitions) {
            S().Var(slot) = kUndefinedValue;
            S().VarText(slot) = text;
        }
        Outcome out = Run(row.text);
        ASSERT_TRUE(out.error) << "gave " << static_cast<double>(out.value);
        EXPECT_EQ(out.code, kErrUndefined);
        EXPECT_EQ(engine.ErrorText(out.code), "Undefined");
        EXPECT_EQ(out.pos, row.pos);
        EXPECT_EQ(out.length, 1);
        EXPECT_EQ(host.editedSlots, row.edited);
        for (const auto& [slot, text] : row.definitions) {
            EXPECT_EQ(S().Var(slot), kUndefinedValue) << EngineState::Letter(slot);
        }
    }
}

TEST_F(VariablesTest, ACycleLeavesNothingBehind) {
    host.variableEdits = {{kSlotX, "X+1"}, {kSlotY, "Z+1"}, {kSlotZ, "2"}};
    S().VarText(kSlotX) = "X+1";
    S().VarText(kSlotY) = "Z+1";
    S().VarText(kSlotZ) = "2";
    ASSERT_TRUE(Run("X").error);
    // A chain without a cycle, read right after it, is calculated as usual.
    EXPECT_EQ(Value("Y*2"), 6);
    EXPECT_EQ(S().Var(kSlotZ), 2);
}

}  // namespace
}  // namespace kalvo::test
