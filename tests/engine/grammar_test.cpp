// Values of well-formed texts: precedence, signs, postfix operators, literals in every base.
#include <gtest/gtest.h>

#include "engine/engine_fixture.h"
#include "engine/user_functions.h"

namespace kalvo::test {
namespace {

struct ValueRow {
    const char* name;
    std::string text;
    Real expected;
};

class GrammarTest : public EngineFixture {
protected:
    void CheckRows(std::initializer_list<ValueRow> rows) {
        for (const ValueRow& row : rows) {
            SCOPED_TRACE(row.name);
            EXPECT_TRUE(Near(Value(row.text), row.expected, 1e-17L)) << row.text;
        }
    }
};

TEST_F(GrammarTest, PrecedenceAndSigns) {
    CheckRows({
        {"sum_then_product", "1+2*3", 7},
        {"left_assoc_minus", "10-4-3", 3},
        {"left_assoc_divide", "64/4/2", 8},
        {"percent_is_binary", "200%5", 10},
        {"percent_chain", "50*200%5", 500},
        {"percent_in_sum", "2+50%10", 7},
        {"sign_applies_to_first_factor", "-2^2", -4},
        {"parenthesised_negative_base", "(-2)^2", 4},
        {"negative_odd_power", "(-2)^3", -8},
        {"power_right_assoc", "2^3^2", 512},
        {"exponent_takes_its_sign", "2^-1", 0.5L},
        {"exponent_takes_postfix", "2^3\xB2", 512},
        {"sign_in_parentheses", "2*(-3)", -6},
        {"bitwise_and_additive_level", "1+2&3", 3},
        {"bitwise_or", "5|2", 7},
        {"bitwise_xor", "6\\3", 5},
        {"bitwise_truncates", "7.9&3", 3},
        {"bitwise_negative_twos_complement", "-7.9&15", 9},
        {"leading_plus", "+3*2", 6},
        {"unclosed_at_end", "2*(3+4", 14},
        {"leftover_closing_ends", "2)+3", 2},
        {"nested_parentheses", "((1+2)*(3+4))", 21},
        {"percent_by_zero_is_no_division", "5%0", 0},
        {"xor_negative", "-1\\0", -1},
        {"empty_text", "", 0},
    });
}

TEST_F(GrammarTest, PostfixOperatorsInFixedOrder) {
    CheckRows({
        {"square", "3\xB2", 9},
        {"cube", "2\xB3", 8},
        {"root", "16\xBD", 4},
        {"square_then_cube", "2\xB2\xB3", 64},
        {"power_then_square", "2^2\xB2", 16},
        {"square_root_cube", "4\xB2\xBD\xB3", 64},
        {"postfix_after_parenthesis", "(1+2)\xB2+1", 10},
        {"postfix_after_function", "sqrt(9)\xB2", 9},
        {"sign_before_square", "-3\xB2", -9},
    });
}

TEST_F(GrammarTest, AnswerOperand) {
    S().lastAnswer = 2.5L;
    CheckRows({
        {"answer", "?", 2.5L},
        {"negated_answer", "-?", -2.5L},
        {"answer_in_sum", "?*2+1", 6},
        {"answer_as_exponent_with_sign", "4^-?", 0.03125L},
    });
}

TEST_F(GrammarTest, SignAfterPowerAppliesToEveryKindOfOperand) {
    ASSERT_EQ(Value("(c=3)"), 3);
    ASSERT_TRUE(engine.Functions().Add("f(x)=x+1", nullptr));
    CheckRows({
        {"named_constant", "2^-c", 0.125L},
        {"user_function", "2^-f(2)", 0.125L},
        {"list_function", "2^-sum(1,2)", 0.125L},
        {"variable", "2^-(X=3)", 0.125L},
    });
}

TEST_F(GrammarTest, ConstantsAndPiSign) {
    CheckRows({
        {"pi", "pi", 3.14159265358979324L},
        {"e", "e", 2.71828182845904524L},
        {"pi_sign", "\xB6", 3.14159265358979324L},
        {"pi_sign_in_product", "2*\xB6", 2 * 3.14159265358979324L},
        {"pi_then_operator", "pi+1", 3.14159265358979324L + 1},
    });
}

TEST_F(GrammarTest, DecimalLiterals) {
    CheckRows({
        {"integer", "42", 42},
        {"fraction", "1.5", 1.5L},
        {"leading_point", ".25", 0.25L},
        {"point_alone_is_zero", ".", 0},
        {"exponent", "1E3", 1000},
        {"exponent_plus", "2.5E+1", 25},
        {"exponent_minus", "1.5E-2", 0.015L},
        {"exponent_zero", "7E0", 7},
        {"tenth_correctly_rounded", "0.1", 0.1L},
        {"third_correctly_rounded", "0.3333333333333333333333", 0.3333333333333333333333L},
        {"long_pi_correctly_rounded", "3.14159265358979323846264", 3.14159265358979323846264L},
        {"tiny_exponent_correctly_rounded", "1.7E-300", 1.7E-300L},
        {"long_integer_correctly_rounded", "123456789012345678901", 123456789012345678901.0L},
        {"sexagesimal_minutes", "1:30", 1.5L},
        {"sexagesimal_seconds", "1:30:36", 1.51L},
        {"sexagesimal_in_sum", "0:45+1", 1.75L},
    });
}

TEST_F(GrammarTest, HexLiterals) {
    SetBase(kHex);
    CheckRows({
        {"dollar_prefix", "$1F", 31},
        {"no_prefix", "1F", 31},
        {"letter_digits_first", "FF", 255},
        {"letter_digit_in_sum", "A+1", 11},
        {"dollar_letter", "$A", 10},
        {"e_is_a_digit", "1E2", 482},
        {"sexagesimal_hex_parts", "1:30", 1.8L},
        {"name_still_read", "pi", 3.14159265358979324L},
        {"c_alone_is_a_digit", "C+1", 13},
        {"c_then_digit", "CA", 202},
    });
    // The hex digit C followed by "i" starts the name Ci( after all.
    Real hexCi = Value("Ci(1)");
    SetBase(kDec);
    EXPECT_EQ(hexCi, Value("Ci(1)"));
}

TEST_F(GrammarTest, BinaryLiterals) {
    SetBase(kBin);
    CheckRows({
        {"integer", "101", 5},
        {"exponent_counts_in_decimal", "1E11", 2048},
        {"negative_exponent", "1E-1", 0.5L},
        {"sexagesimal", "1:1", 1 + 1.0L / 60},
        {"sum", "11+1", 4},
    });
}

}  // namespace
}  // namespace kalvo::test
