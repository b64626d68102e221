// The built-in functions that take values: angle units, domain errors, rounding, unit
// factors, random numbers, and the three cases of the power operator.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine_fixture.h"

namespace kalvo::test {
namespace {

constexpr Real kPiL = 3.14159265358979324L;

struct FunctionRow {
    const char* name;
    int angleUnit;
    std::string text;
    Real expected;
    Real relative;  ///< tolerance; 0 asks for the exact value
};

class BuiltinTest : public EngineFixture {
protected:
    void CheckRows(std::initializer_list<FunctionRow> rows) {
        for (const FunctionRow& row : rows) {
            SCOPED_TRACE(row.name);
            S().angleUnit = row.angleUnit;
            Real value = Value(row.text);
            if (row.relative == 0) {
                EXPECT_EQ(value, row.expected) << row.text;
            } else {
                EXPECT_TRUE(Near(value, row.expected, row.relative)) << row.text;
            }
        }
    }
};

TEST_F(BuiltinTest, TrigonometryInBothAngleUnits) {
    CheckRows({
        {"sin_90_degrees", 1, "sin(90)", 1, 1e-18L},
        {"sin_90_radians", 0, "sin(90)", std::sin(90.0L), 1e-18L},
        {"cos_60_degrees", 1, "cos(60)", 0.5L, 1e-17L},
        {"tan_45_degrees", 1, "tan(45)", 1, 1e-17L},
        {"tan_radians", 0, "tan(1)", std::tan(1.0L), 1e-17L},
        {"arcsin_one_degrees", 1, "arcsin(1)", 90, 0},
        {"arcsin_one_radians", 0, "arcsin(1)", kPiL / 2, 0},
        {"arcsin_minus_one_degrees", 1, "arcsin(-1)", -90, 0},
        {"arcsin_half_degrees", 1, "arcsin(0.5)", 30, 1e-17L},
        {"arcsin_tiny_keeps_digits", 0, "arcsin(1E-10)", 1e-10L, 1e-17L},
        {"arccos_minus_one_degrees", 1, "arccos(-1)", 180, 0},
        {"arccos_minus_one_radians", 0, "arccos(-1)", kPiL, 1e-18L},
        {"arccos_zero_degrees", 1, "arccos(0)", 90, 0},
        {"arccos_minus_half_degrees", 1, "arccos(-0.5)", 120, 1e-17L},
        {"arctan_one_degrees", 1, "arctan(1)", 45, 1e-17L},
        {"arctan_radians", 0, "arctan(1)", kPiL / 4, 1e-18L},
    });
}

TEST_F(BuiltinTest, HyperbolicAndLogarithms) {
    const Real e = 2.71828182845904524L;
    CheckRows({
        {"sinh_one", 0, "sinh(1)", (e - 1 / e) / 2, 1e-17L},
        {"cosh_one", 0, "cosh(1)", (e + 1 / e) / 2, 1e-17L},
        {"tanh_one", 0, "tanh(1)", (e * e - 1) / (e * e + 1), 1e-17L},
        {"sinh_tiny_keeps_digits", 0, "sinh(1E-12)", 1e-12L, 1e-17L},
        {"arcsinh_large_negative", 0, "arcsinh(-1E10)", -std::log(2e10L), 1e-15L},
        {"arccosh_one", 0, "arccosh(1)", 0, 0},
        {"arccosh_two", 0, "arccosh(2)", std::log(2 + std::sqrt(3.0L)), 1e-17L},
        {"arctanh_half", 0, "arctanh(0.5)", 0.5L * std::log(3.0L), 1e-17L},
        {"arctanh_tiny_keeps_digits", 0, "arctanh(1E-12)", 1e-12L, 1e-17L},
        {"tanh_tiny_keeps_digits", 0, "tanh(1E-12)", 1e-12L, 1e-17L},
        {"arcsinh_tiny_keeps_digits", 0, "arcsinh(1E-12)", 1e-12L, 1e-17L},
        {"exp_one", 0, "exp(1)", std::exp(1.0L), 1e-18L},
        {"ln_e", 0, "ln(e)", 1, 1e-17L},
        {"log_thousand", 0, "log(1000)", 3, 1e-18L},
        {"sqrt_two", 0, "sqrt(2)", std::sqrt(2.0L), 0},
        {"sqr", 0, "sqr(-3)", 9, 0},
        {"abs", 0, "abs(-2.5)", 2.5L, 0},
    });
}

TEST_F(BuiltinTest, RoundingFunctions) {
    CheckRows({
        {"round_half_is_one", 0, "round(0.5)", 1, 0},
        {"round_one_and_half", 0, "round(1.5)", 2, 0},
        {"round_two_and_half_to_even", 0, "round(2.5)", 2, 0},
        {"round_minus_half", 0, "round(-0.5)", 0, 0},
        {"round_minus_one_and_half", 0, "round(-1.5)", -2, 0},
        {"round_ordinary", 0, "round(3.7)", 4, 0},
        {"frac_positive", 0, "frac(2.75)", 0.75L, 0},
        {"frac_negative", 0, "frac(-2.75)", -0.75L, 0},
        {"trunc_positive", 0, "trunc(2.75)", 2, 0},
        {"trunc_negative", 0, "trunc(-2.75)", -2, 0},
        {"trunc_largest_int32", 0, "trunc(2147483647.9)", 2147483647, 0},
        {"trunc_smallest_int32", 0, "trunc(-2147483648.9)", -2147483648.0L, 0},
        {"frac_of_huge", 0, "frac(1E30)", 0, 0},
    });
}

TEST_F(BuiltinTest, UnitFactorsAreUsedAsStored) {
    CheckRows({
        {"feet_to_meters", 0, "ft_m(1)", 0.304800000001L, 0},
        {"meters_to_feet", 0, "m_ft(2)", 2 * 3.280839895L, 0},
        {"miles_to_km", 0, "ml_km(1)", 1.60934700009L, 0},
        {"pounds_to_grams", 0, "lb_g(1)", 453.592370001L, 0},
        {"gallons_to_liters", 0, "gl_l(1)", 3.7853L, 0},
        {"inches_to_meters", 0, "in_m(1)", 0.0254000000001L, 0},
        {"liters_to_barrels", 0, "br_oc(1)", 0.00812861088137L, 0},
        {"cubic_meters_to_british_gallons", 0, "cm_bigl(1)", 219.968852247L, 0},
    });
}

TEST_F(BuiltinTest, DomainErrorsResetTheAnswer) {
    struct Row {
        const char* name;
        std::string text;
        int code;
    } rows[] = {
        {"arcsin_above_one", "arcsin(1.5)", 8},
        {"arccos_below_minus_one", "arccos(-2)", 8},
        {"arccosh_below_one", "arccosh(0.5)", 8},
        {"arctanh_at_one", "arctanh(1)", 8},
        {"arctanh_at_minus_one", "arctanh(-1)", 8},
        {"sqrt_negative", "sqrt(-0.1)", 10},
        {"ln_zero", "ln(0)", 10},
        {"log_negative", "log(-1)", 10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        S().lastAnswer = 42;
        Outcome out = Run(row.text);
        ASSERT_TRUE(out.error);
        EXPECT_EQ(out.code, row.code);
        EXPECT_EQ(out.pos, 1);
        EXPECT_EQ(out.length, static_cast<int>(row.text.size()));
        EXPECT_EQ(S().lastAnswer, 0);
    }
}

TEST_F(BuiltinTest, RandomNumbers) {
    for (int i = 0; i < 200; ++i) {
        Real r = Value("random");
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 1);
    }
    EXPECT_EQ(Value("gauss(5,0)"), 5) << "zero deviation gives the mean";
    Outcome out = Run("gauss(1)+1");
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 20);
    EXPECT_EQ(out.pos, 1);
    EXPECT_EQ(out.length, 8);
}

TEST_F(BuiltinTest, PowerCases) {
    CheckRows({
        {"positive_base", 0, "2^0.5", std::sqrt(2.0L), 1e-18L},
        {"positive_base_negative_exponent", 0, "4^-0.5", 0.5L, 1e-18L},
        {"underflow_guard_gives_zero", 0, "2^-20000", 0, 0},
        {"zero_base_positive_exponent", 0, "0^3", 0, 0},
        {"negative_base_even", 0, "(-3)^2", 9, 1e-18L},
        {"negative_base_odd", 0, "(-2)^3", -8, 1e-18L},
        {"negative_base_negative_odd", 0, "(-2)^-1", -0.5L, 1e-18L},
        {"negative_base_tiny_result", 0, "(-2)^-20001", 0, 0},
    });
    Outcome out = Run("(-8)^(1/3)");
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 10);
}

}  // namespace
}  // namespace kalvo::test
