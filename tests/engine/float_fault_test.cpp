// Arithmetic faults the engine does not check as domain errors end the evaluation with a
// FloatFaultError, before any later side effect.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/engine_fixture.h"
#include "engine/user_functions.h"

namespace kalvo::test {
namespace {

class FloatFaultTest : public EngineFixture {};

TEST_F(FloatFaultTest, FaultsByKind) {
    struct Row {
        const char* name;
        std::string text;
        FloatFault fault;
    } rows[] = {
        {"exp_overflow", "exp(100000)", FloatFault::kOverflow},
        {"product_overflow", "1E4000*1E4000", FloatFault::kOverflow},
        {"square_overflow", "(1E3000)\xB2", FloatFault::kOverflow},
        {"power_overflow", "10^5000", FloatFault::kOverflow},
        {"literal_overflow", "1E5000", FloatFault::kOverflow},
        {"sinh_overflow", "sinh(20000)", FloatFault::kOverflow},
        {"zero_to_minus_one", "0^-1", FloatFault::kDivisionByZero},
        {"zero_to_zero", "0^0", FloatFault::kDivisionByZero},
        {"trunc_beyond_32_bits", "trunc(3E9)", FloatFault::kInvalidOperation},
        {"and_beyond_32_bits", "3E9&1", FloatFault::kInvalidOperation},
        {"or_below_32_bits", "1|(-3E9)", FloatFault::kInvalidOperation},
        {"trunc_just_below_int32", "trunc(-2147483649)", FloatFault::kInvalidOperation},
        {"negative_base_overflow", "(-2)^16385", FloatFault::kOverflow},
        {"in_list", "sum(1,1E4000*1E4000)", FloatFault::kOverflow},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Outcome out = Run(row.text);
        ASSERT_TRUE(out.fault.has_value()) << row.text << " gave " << static_cast<double>(out.value);
        EXPECT_EQ(*out.fault, row.fault);
    }
}

TEST_F(FloatFaultTest, MessagesAreTheFixedTexts) {
    EXPECT_STREQ(FloatFaultError(FloatFault::kInvalidOperation).what(),
                 "Invalid floating point operation");
    EXPECT_STREQ(FloatFaultError(FloatFault::kDivisionByZero).what(),
                 "Floating point division by zero");
    EXPECT_STREQ(FloatFaultError(FloatFault::kOverflow).what(), "Floating point overflow");
}

TEST_F(FloatFaultTest, NoAssignmentAfterAFault) {
    ASSERT_EQ(Value("(X=3)"), 3);
    Outcome out = Run("(X=exp(1E6))");
    ASSERT_TRUE(out.fault.has_value());
    EXPECT_EQ(S().Var(kSlotX), 3);
    EXPECT_EQ(S().VarText(kSlotX), "3");

    out = Run("(c=0^-1)");
    ASSERT_TRUE(out.fault.has_value());
    EXPECT_EQ(S().constants.Count(), 0u);
    EXPECT_TRUE(host.constants.empty());
}

TEST_F(FloatFaultTest, OperatorsPutXBackAfterAFault) {
    for (const char* text : {"integral(0,1,exp(1E6*X))", "solve(-1,1,exp(1E6*X)-1)",
                             "min(0,1,exp(1E6*X))", "max(0,1,sinh(1E6*X))"}) {
        SCOPED_TRACE(text);
        S().Var(kSlotX) = 7;
        ASSERT_TRUE(Run(text).fault.has_value());
        EXPECT_EQ(S().Var(kSlotX), 7);
    }
}

TEST_F(FloatFaultTest, EngineIsUsableAfterAFault) {
    // A fault deep inside calls, operators and user functions must not leave state behind.
    std::string line = "f(x)=exp(x)";
    ASSERT_TRUE(engine.Functions().Add(line, nullptr));
    for (const char* text : {"sin(exp(1E6))", "sum(1,exp(1E6))", "f(1E6)",
                             "integral(0,1,exp(1E6*X))", "(((exp(1E6))))"}) {
        SCOPED_TRACE(text);
        S().Var(kSlotX) = 7;
        Outcome out = Run(text);
        ASSERT_TRUE(out.fault.has_value());
        EXPECT_EQ(Value("2+3"), 5);
        EXPECT_EQ(Value("f(0)"), 1);
    }
    // More faults inside user functions than calls may nest.
    for (int i = 0; i < UserFunctions::kMaxCallDepth + 6; ++i) {
        ASSERT_TRUE(Run("f(1E6)").fault.has_value());
    }
    EXPECT_EQ(Value("f(0)"), 1);
}

}  // namespace
}  // namespace kalvo::test
