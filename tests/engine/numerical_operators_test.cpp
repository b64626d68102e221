// solve, integral, min and max: results, error positions mapped from the bounds, the
// shared subdivision memo, and X left as it was.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine_fixture.h"
#include "engine/error_codes.h"

namespace kalvo::test {
namespace {

constexpr Real kPiL = 3.14159265358979324L;

class NumericalOperatorsTest : public EngineFixture {
  protected:
    NumericalOperatorsTest() { S().Var(kSlotX) = 7; }

    Outcome ExpectError(const std::string& text, int code, int pos) {
        SCOPED_TRACE(text);
        Outcome out = Run(text);
        EXPECT_TRUE(out.error) << "gave " << static_cast<double>(out.value);
        EXPECT_EQ(out.code, code);
        EXPECT_EQ(out.pos, pos);
        EXPECT_EQ(S().Var(kSlotX), 7) << "X keeps its value";
        return out;
    }
};

TEST_F(NumericalOperatorsTest, SolveFindsRoots) {
    struct Row {
        const char* name;
        std::string text;
        Real root;
        Real relative;
    } rows[] = {
        {"square_root_of_two", "solve(0,2,X*X-2)", std::sqrt(2.0L), 1e-14L},
        {"negative_root", "solve(-2,-1,X*X-2)", -std::sqrt(2.0L), 1e-14L},
        {"root_at_lower_bound", "solve(0,1,X)", 0, 0},
        {"root_at_upper_bound", "solve(-1,0,X)", 0, 0},
        {"cosine", "solve(1,2,cos(X))", kPiL / 2, 1e-14L},
        {"no_sign_change_minimum_below_zero", "solve(0,3,(X-1)^2-0.25)", 1.5L, 1e-12L},
        {"then_more_text", "solve(0,2,X*X-2)*0+1", 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Real root = Value(row.text);
        if (row.relative == 0) {
            EXPECT_EQ(root, row.root);
        } else {
            EXPECT_TRUE(Near(root, row.root, row.relative));
        }
        EXPECT_EQ(S().Var(kSlotX), 7);
    }
    Value("solve(0,2,X*X-2)");
    EXPECT_EQ(S().Var(kSlotL), 0);
    EXPECT_EQ(S().Var(kSlotU), 2);
}

TEST_F(NumericalOperatorsTest, SolveErrors) {
    Outcome reversed = ExpectError("solve(2,0,X)", 21, 7);
    EXPECT_EQ(reversed.length, 4) << "marks the bounds up to the third argument";
    ExpectError("solve(1,2,X)", 21, 12);
    ExpectError("solve(-2,-1,-X*X)", 21, 17);
    ExpectError("solve(-1,1,1/X)", 13, 14);
    ExpectError("solve(-1,1,trunc(X+1.3)-0.5)", 12, 28);
}

TEST_F(NumericalOperatorsTest, SolveCanBeBroken) {
    S().breakRequested = true;
    host.confirmBreakAt = 2;
    ExpectError("solve(0,2,X*X-2)", 22, 16);
    EXPECT_EQ(host.breakQuestions, 2);
}

TEST_F(NumericalOperatorsTest, BoundErrorsPointIntoTheFullText) {
    ExpectError("solve(1/0,2,X)", 13, 9);
    ExpectError("integral(0,1/0,X)", 13, 14);
    ExpectError("min(0,2*foo+1,X)", 0, 9);
    ExpectError("max(sqrt(-1),1,X)", 10, 5);
    ExpectError("solve(,1,X)", 0, 7);
    ExpectError("min(0)", 0, 6);
}

TEST_F(NumericalOperatorsTest, Integrals) {
    EXPECT_TRUE(Near(Value("integral(0,1,X)"), 0.5L, 1e-18L));
    EXPECT_EQ(S().Var(kSlotX), 7);
    EXPECT_TRUE(Near(Value("integral(1,0,X)"), -0.5L, 1e-18L));
    EXPECT_TRUE(Near(Value("integral(0,1,X*X)"), 1.0L / 3, 1e-17L));
    EXPECT_TRUE(Near(Value("integral(0,pi,sin(X))"), 2, 1e-9L));
    host.progress.clear();
    EXPECT_TRUE(Near(Value("integral(0,1,sqrt(X))"), 2.0L / 3, 1e-8L));
    EXPECT_FALSE(host.progress.empty()) << "estimates that differ are shown as progress";
    EXPECT_EQ(S().Var(kSlotX), 7);
    EXPECT_TRUE(Near(Value("integral(0,1,X)*2+1"), 2, 1e-18L));
}

TEST_F(NumericalOperatorsTest, IntegralErrors) {
    ExpectError("integral(0,1,sqrt(X-0.5))", 10, 14);
    S().breakRequested = true;
    host.confirmBreakAt = 1;
    ExpectError("integral(0,pi,sin(X))", 22, 21);
}

TEST_F(NumericalOperatorsTest, Extrema) {
    EXPECT_TRUE(std::fabs(Value("min(0,2,(X-1)^2)")) < 1e-12L);
    EXPECT_TRUE(Near(S().extremumArgument, 1, 1e-6L));
    EXPECT_EQ(S().Var(kSlotL), 0);
    EXPECT_EQ(S().Var(kSlotU), 2);
    EXPECT_EQ(S().Var(kSlotX), 7);

    EXPECT_TRUE(Near(Value("max(0,pi,sin(X))"), 1, 1e-6L));
    EXPECT_TRUE(Near(S().extremumArgument, kPiL / 2, 1e-3L));

    EXPECT_EQ(Value("min(-1,1,X)"), -1) << "an end of the interval";
    EXPECT_EQ(S().extremumArgument, -1);
    EXPECT_TRUE(std::fabs(Value("min(2,0,(X-1)^2)")) < 1e-12L) << "bounds the other way";
    EXPECT_TRUE(Near(Value("min(0,10,sin(X))"), -1, 1e-6L)) << "the interior minimum";
    EXPECT_TRUE(Near(S().extremumArgument, 3 * kPiL / 2, 1e-3L));
    EXPECT_EQ(Value("max(1,2,3)"), 3) << "a constant third argument";
    EXPECT_EQ(S().extremumArgument, 1);
    EXPECT_EQ(Value("max(-1,1,X*X*X)"), 1);
    EXPECT_EQ(S().extremumArgument, 1);
    EXPECT_EQ(S().Var(kSlotX), 7);
}

TEST_F(NumericalOperatorsTest, RepeatedSearchDoublesTheSubdivision) {
    const std::string text = "min(0,2,(X-1)^2)";
    Value(text);
    EXPECT_EQ(S().subdivisionCount, 1);
    Value(text);
    EXPECT_EQ(S().subdivisionCount, 2);
    Value(text);
    EXPECT_EQ(S().subdivisionCount, 4);
    Value("min(0,2,(X-1)^2+0)");
    EXPECT_EQ(S().subdivisionCount, 1) << "another text starts again";
    Value("min(0,2,(X-1)^2+0)");
    EXPECT_EQ(S().subdivisionCount, 2);
    Value("solve(0,3,X-1)");
    Value("min(0,2,(X-1)^2+0)");
    EXPECT_EQ(S().subdivisionCount, 1) << "solve replaced the remembered interval";
    S().previousSearchText.clear();  // what the plot sampler does before every point
    Value("min(0,2,(X-1)^2+0)");
    EXPECT_EQ(S().subdivisionCount, 1);
}

TEST_F(NumericalOperatorsTest, ExtremumErrors) {
    ExpectError("min(0,40,1/(X-20))", 13, 12);
    ExpectError("max(0,1,X,2)", 0, 10);
    S().breakRequested = true;
    host.confirmBreakAt = 1;
    Outcome out = Run("max(0,pi,sin(X))");
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 22);
    EXPECT_EQ(S().Var(kSlotX), 7);
}

TEST_F(NumericalOperatorsTest, SignAfterPowerReachesEveryOperator) {
    struct Row {
        const char* name;
        std::string signedText;
        std::string parenthesised;
    } rows[] = {
        {"integral", "2^-integral(0,1,X)", "2^(-integral(0,1,X))"},
        {"min", "2^-min(0,2,(X-1)^2+1)", "2^(-min(0,2,(X-1)^2+1))"},
        {"max", "2^-max(0,2,X)", "2^(-max(0,2,X))"},
        {"solve", "2^-solve(0,2,X-1)", "2^(-solve(0,2,X-1))"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Real value = Value(row.signedText);
        EXPECT_TRUE(Near(value, Value(row.parenthesised), 1e-15L));
        EXPECT_LT(value, 1) << "a negative exponent of 2";
    }
}

TEST_F(NumericalOperatorsTest, IntegralsWorthZeroSettleOnTheShareOfTheAbsoluteIntegral) {
    // The estimates are rounding noise whose texts never agree; they count as settled once
    // they differ by less than 10^-precision of the integral of |f|.
    const struct {
        const char* name;
        std::string text;
        std::string absolute;
    } rows[] = {
        {"sine_over_a_period", "integral(0,2*pi,sin(X))", "integral(0,2*pi,abs(sin(X)))"},
        {"cosine_over_half_a_period", "integral(0,pi,cos(X))", "integral(0,pi,abs(cos(X)))"},
        {"odd_polynomial", "integral(-1,1,X^3-X)", "integral(-1,1,abs(X^3-X))"},
        {"orthogonal_product", "integral(0,2*pi,sin(3*X)*cos(X))",
         "integral(0,2*pi,abs(sin(3*X)*cos(X)))"},
    };
    S().angleUnit = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        host.pumps = 0;
        const Real value = Value(row.text);
        EXPECT_LT(host.pumps, 1000) << "a few passes, not thousands";
        EXPECT_LE(std::fabs(value), 1e-9L * Value(row.absolute));
    }
}

TEST_F(NumericalOperatorsTest, IntegralsThatNeverSettleEndWithSingularity) {
    const struct {
        const char* name;
        std::string text;
        int pos;
    } rows[] = {
        {"pole_at_the_bound", "integral(0,1,1/X)", 17},
        {"pole_inside", "integral(-1,2,1/X^2)", 20},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        host.pumps = 0;
        ExpectError(row.text, kErrSingularity, row.pos);
        EXPECT_LT(host.pumps, 1 << 19) << "the pass limit ends the doubling";
    }
}

TEST_F(NumericalOperatorsTest, SolveStopsAtAJumpWithinItsStepLimit) {
    // The bisection closes in on 0 without ever reaching it: |f| stays 1.
    host.pumps = 0;
    ExpectError("solve(-1,2,X/abs(X))", kErrSingularity, 20);
    EXPECT_LT(host.pumps, 2000);
}

}  // namespace
}  // namespace kalvo::test
