// Every engine error with the code, position and length that the caller marks.
#include <gtest/gtest.h>

#include "engine/engine_fixture.h"
#include "engine/error_codes.h"

namespace kalvo::test {
namespace {

struct ErrorRow {
    const char* name;
    std::string text;
    int code;
    int pos;
    int length;
};

class ErrorPositionTest : public EngineFixture {
protected:
    void CheckRows(std::initializer_list<ErrorRow> rows) {
        for (const ErrorRow& row : rows) {
            SCOPED_TRACE(row.name);
            Outcome out = Run(row.text);
            ASSERT_TRUE(out.error) << row.text << " gave " << static_cast<double>(out.value);
            EXPECT_EQ(out.code, row.code) << row.text;
            EXPECT_EQ(out.pos, row.pos) << row.text;
            EXPECT_EQ(out.length, row.length) << row.text;
            // Every level has unwound: the rest of the text is consumed.
            EXPECT_EQ(S().currentChar, kEndMarker);
            EXPECT_EQ(S().scanPos, static_cast<int>(S().text.size()));
        }
    }
};

TEST_F(ErrorPositionTest, GrammarViolations) {
    CheckRows({
        {"juxtaposed_name", "2x", 0, 2, 1},
        {"juxtaposed_parenthesis", "2(3)", 0, 2, 1},
        {"percent_without_operand", "5%", 0, 2, 1},
        {"sign_after_product", "2*-3", 0, 3, 1},
        {"double_minus", "2--3", 0, 3, 1},
        {"operator_after_power", "2^*3", 0, 3, 1},
        {"sign_after_power_without_operand", "2^-", 0, 3, 1},
        {"cube_then_square", "2\xB3\xB2", 0, 3, 1},
        {"square_twice", "2\xB2\xB2", 0, 3, 1},
        {"opening_alone", "(", 0, 1, 1},
        {"text_starts_with_percent", "%2", 0, 1, 1},
        {"parenthesis_starts_with_power", "(^2)", 0, 2, 1},
        {"parenthesis_starts_with_percent", "2+(%3)", 0, 4, 1},
        {"text_starts_with_and", "&1", 0, 1, 1},
        {"constant_called", "pi(", 0, 3, 1},
        {"comma_at_top_level", "1,2", 0, 2, 1},
        {"second_argument_to_one_argument_function", "sin(1,2)", 0, 6, 1},
        {"third_argument", "gauss(1,2,3)", 0, 10, 1},
        {"dollar_in_decimal", "2+$1", 0, 3, 1},
        {"colon_without_digit", "1:+2", 0, 3, 1},
        {"point_after_sexagesimal", "1:30.5", 0, 5, 1},
        {"exponent_after_sexagesimal", "1:30E2", 0, 5, 1},
        {"exponent_without_digits", "2E+x", 0, 4, 1},
        {"sign_after_sign_in_factor", "2^--1", 0, 4, 1},
        {"second_point", "1.5.3", 0, 4, 1},
        {"point_after_exponent", "1E2.5", 0, 4, 1},
        {"third_colon", "1:30:36:5", 0, 8, 1},
        {"user_function_value_then_digit", "sqrt(4)2", 0, 8, 1},
    });
}

TEST_F(ErrorPositionTest, UnknownNamesMarkTheName) {
    CheckRows({
        {"unknown_name", "foo+1", 0, 1, 3},
        {"name_with_blank", "sin x+1", 0, 1, 5},
        {"upper_case_function", "SIN(1)", 0, 1, 3},
        {"name_after_operator", "2*abc*3", 0, 3, 3},
        {"two_letters", "x y+1", 0, 1, 3},
        {"name_running_to_the_end", "foo", 0, 1, 3},
    });
}

TEST_F(ErrorPositionTest, TextThatNoRuleConsumesIsAnError) {
    CheckRows({
        {"comma_after_a_product", "2*3,9", 0, 4, 1},
        {"second_square_after_a_product", "2*3\xB2\xB2", 0, 5, 1},
        {"semicolon_after_a_sum", "1+2;", 0, 4, 1},
        // The end marker's own character would otherwise end the text unseen.
        {"end_marker_inside", "1+2\x7F+5", 0, 4, 1},
        {"end_marker_first", "\x7F", 0, 1, 1},
        {"end_marker_in_an_argument", "sin(1\x7F)", 0, 6, 1},
    });
    // A leftover ")" still ends the evaluation quietly; the parenthesis check rejects it
    // before the calculator evaluates.
    EXPECT_EQ(Value("2)+3"), 2);
}

TEST_F(ErrorPositionTest, DivisionByZeroMarksTheDivisor) {
    CheckRows({
        {"last_character", "1/0", 13, 3, 1},
        {"followed_by_sum", "1/0+2", 13, 3, 1},
        {"parenthesised_divisor_at_end", "1/(2-2)", 13, 3, 5},
        {"parenthesised_divisor_then_product", "1/(2-2)*3", 13, 3, 5},
        {"second_division", "8/2/(1-1)+4", 13, 5, 5},
        {"inside_parentheses_then_more", "(1/0)+1", 13, 4, 1},
        {"divisor_before_the_last_character", "(1/0)", 13, 4, 1},
        {"squared_divisor_at_the_end", "1/0\xB2", 13, 3, 2},
        {"function_divisor_at_end", "1/sin(0)", 13, 3, 6},
        {"function_divisor_then_sum", "1/sin(0)+1", 13, 3, 6},
    });
}

TEST_F(ErrorPositionTest, ErrorsInBuiltinCallsMarkTheCall) {
    CheckRows({
        {"square_root_negative", "sqrt(-1)", 10, 1, 8},
        {"logarithm_after_sum", "2+ln(0)", 10, 3, 5},
        {"arc_sine_then_product", "arcsin(2)*3", 8, 1, 9},
        {"gauss_missing_second", "gauss(1)", 20, 1, 8},
        {"bessel_missing_second", "Jn(2)", 20, 1, 5},
        {"nested_call_marks_inner", "sin(sqrt(-4))", 10, 5, 8},
        {"factorial_overflow", "1+n!(1755)", 11, 3, 8},
        {"factorial_of_fraction", "n!(2.5)", 8, 1, 7},
        {"gamma_pole", "gamma(0)", 13, 1, 8},
        {"bessel_order_negative", "Jn(-1,2)", 24, 1, 8},
    });
}

TEST_F(ErrorPositionTest, ExtremumNotFoundAtACusp) {
    // Parabolas never settle on |X-0.3|^0.05: the refinement gives up after 501 points.
    CheckRows({{"cusp", "min(0,1,abs(X-0.3)^0.05)", 6, 24, 1}});
}

TEST_F(ErrorPositionTest, MissingClosingIsOnePast) {
    // Inside an argument list the term may stop at a character that is not ")".
    CheckRows({
        {"in_function_argument", "sin((2\xB2\xB2))", 18, 9, 1},
        {"in_list_argument", "sum(1,(3\xB3\xB3))", 18, 11, 1},
    });
}

TEST_F(ErrorPositionTest, PostfixRootOfNegative) {
    S().lastAnswer = 5;
    CheckRows({{"root_of_negative", "(-4)\xBD", 10, 5, 1}});
    EXPECT_EQ(S().lastAnswer, 0) << "a domain error resets the answer";
    CheckRows({{"fractional_power_of_negative", "(-8)^(1/3)", 10, 10, 1}});
}

TEST_F(ErrorPositionTest, ArgDepthIsBackToZeroAfterEveryCall) {
    CheckRows({
        {"after_function", "sin(1)+2,3", 0, 9, 1},
        {"after_nested_call", "2+sqrt(abs(4)),2", 0, 15, 1},
        {"after_min", "min(0,1,X)+1,2", 0, 13, 1},
        {"after_integral", "integral(0,1,X),2", 0, 16, 1},
        {"after_mean", "mean(1,2)+3,9", 0, 12, 1},
        {"after_solve", "solve(0,2,X*X-2)+1,2", 0, 19, 1},
        {"after_sum_juxtaposed", "sum(1,2)3", 0, 9, 1},
    });
    S().Var(kSlotX) = 1;
    host.promptAnswers.push_back("2");
    CheckRows({{"after_prompt_in_argument", "sin(y)+1,2", 0, 9, 1}});
}

TEST_F(ErrorPositionTest, DeepNestingIsStackOverflow) {
    std::string deep(5000, '(');
    deep += '1';
    deep.append(5000, ')');
    Outcome out = Run(deep);
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 2);
    EXPECT_GT(out.pos, Engine::kMaxNesting - 1);
    EXPECT_LT(out.pos, 5000);

    std::string powers = "2";
    for (int i = 0; i < 3000; ++i) {
        powers += "^2";
    }
    out = Run(powers);
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 2);

    std::string calls;
    for (int i = 0; i < 2000; ++i) {
        calls += "sqrt(";
    }
    calls += "4";
    calls.append(2000, ')');
    out = Run(calls);
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 2);
    EXPECT_EQ(Value("sqrt(sqrt(16))"), 2) << "the nesting count is back to zero";
}

TEST_F(ErrorPositionTest, Binary) {
    SetBase(kBin);
    CheckRows({
        {"digit_outside_base", "2", 0, 1, 1},
        {"no_fraction_in_binary", "1.1", 0, 2, 1},
        {"dollar_in_binary", "$1", 0, 1, 1},
    });
}

TEST_F(ErrorPositionTest, MessagesOfTheCodes) {
    EXPECT_EQ(ErrorMessage(0), "Syntax error");
    EXPECT_EQ(ErrorMessage(1), "Undefined");
    EXPECT_EQ(ErrorMessage(5), "Undefined");
    EXPECT_EQ(ErrorMessage(99), "Undefined");
    EXPECT_EQ(ErrorMessage(15), "working...");
    EXPECT_EQ(ErrorMessage(17), "Missing \"(\"");
    EXPECT_EQ(ErrorMessage(18), "Missing \")\"");
    EXPECT_EQ(ErrorMessage(20), "\",\" expected");
    EXPECT_EQ(ErrorMessage(24), "Argument out of range");
}

TEST_F(ErrorPositionTest, EmptyTextKeepsErrorFields) {
    Run("1/0");
    S().errorFlag = false;
    Outcome out = Run("");
    EXPECT_FALSE(out.error);
    EXPECT_EQ(S().errorCode, 13);
    EXPECT_EQ(S().errorPos, 3);
}

}  // namespace
}  // namespace kalvo::test
