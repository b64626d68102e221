#include "engine/special/adaptive_quadrature.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/error_codes.h"
#include "engine/special/fake_break_poll.h"
#include "engine/special/standard_text.h"

namespace kalvo {
namespace {

TEST(StandardRealTextTest, SignOrBlankEighteenDigitsAndFourDigitExponent) {
    struct Row {
        const char* name;
        Real value;
        const char* text;
    };
    const Row rows[] = {
        {"one", 1, " 1.00000000000000000E+0000"},
        {"zero", 0, " 0.00000000000000000E+0000"},
        {"negative small", -2.5e-10L, "-2.50000000000000000E-0010"},
        {"rounded in the 18th digit", 0.1234567890123456789L, " 1.23456789012345679E-0001"},
        {"large exponent", 1e4000L, " 1.00000000000000000E+4000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(StandardRealText(row.value), row.text);
    }
}

Real Polynomial19(Real t, Real, Real, int&) {
    return std::pow(t, 19);
}
Real Linear(Real t, Real p, Real q, int&) {
    return p * t + q;
}
Real Reciprocal(Real t, Real, Real, int&) {
    return 1 / t;
}
Real SqrtRoot(Real t, Real, Real, int&) {
    return std::sqrt(t);
}
Real FailsAtOnce(Real, Real, Real, int& error) {
    error = kErrArgumentNegative;
    return 0;
}

TEST(AdaptiveQuadratureTest, TenPointRuleIsExactForDegreeNineteen) {
    FakeBreakPoll poll;
    bool stopped = true;
    int error = 0;
    Real value = AdaptiveQuadrature(Polynomial19, 0, 0, 2, 0, 9, poll, stopped, error);
    EXPECT_FALSE(stopped);
    EXPECT_EQ(error, -1);
    // Exact up to the 16-17 significant digits of the stored nodes and weights.
    EXPECT_LE(std::fabs(value / (1048576.0L / 20) - 1), 2e-16L);
    // One subinterval, then two agree: three polls in all.
    EXPECT_EQ(poll.Polls(), 3);
}

TEST(AdaptiveQuadratureTest, UpperBoundComesFirstAndParametersReachTheIntegrand) {
    FakeBreakPoll poll;
    bool stopped = false;
    int error = -1;
    // int_1^3 (2t + 5) dt = 8 + 10
    EXPECT_NEAR(
        static_cast<double>(AdaptiveQuadrature(Linear, 2, 5, 3, 1, 9, poll, stopped, error)), 18.0,
        1e-15);
    EXPECT_NEAR(
        static_cast<double>(AdaptiveQuadrature(Linear, 2, 5, 1, 3, 9, poll, stopped, error)), -18.0,
        1e-15);
}

TEST(AdaptiveQuadratureTest, SubintervalCountDoublesUntilThePrefixesAgree) {
    // sqrt has error ~ h^1.5: each precision level needs more doublings, and the polls
    // always total 1 + 2 + ... + m = 2m - 1.
    long previousPolls = 0;
    for (int precision : {3, 6, 9, 11}) {
        SCOPED_TRACE(precision);
        FakeBreakPoll poll;
        bool stopped = false;
        int error = -1;
        Real value = AdaptiveQuadrature(SqrtRoot, 0, 0, 1, 0, precision, poll, stopped, error);
        long polls = poll.Polls();
        long m = (polls + 1) / 2;
        EXPECT_EQ(2 * m - 1, polls);
        EXPECT_EQ(m & (m - 1), 0) << "not a power of two";
        EXPECT_GE(polls, previousPolls);
        previousPolls = polls;
        // Agreement in precision - 2 digits leaves an error below 10^(3 - precision) * 2/3.
        EXPECT_LE(std::fabs(value - 2.0L / 3), std::pow(10.0L, 3 - precision));
    }
}

TEST(AdaptiveQuadratureTest, ZeroPrecisionStopsAfterTwoEstimatesEvenWhenDivergent) {
    FakeBreakPoll poll;
    bool stopped = false;
    int error = -1;
    AdaptiveQuadrature(Reciprocal, 0, 0, 1, 0, 0, poll, stopped, error);
    EXPECT_EQ(poll.Polls(), 3);
}

TEST(AdaptiveQuadratureTest, BreakGivesZeroAtOnce) {
    // 1/t on [0, 1] never converges: only the break ends it.
    for (long breakAt : {1L, 2L, 3L, 7L, 50L}) {
        SCOPED_TRACE(breakAt);
        FakeBreakPoll poll(breakAt);
        bool stopped = false;
        int error = 0;
        Real value = AdaptiveQuadrature(Reciprocal, 0, 0, 1, 0, 9, poll, stopped, error);
        EXPECT_TRUE(stopped);
        EXPECT_EQ(error, -1);
        EXPECT_EQ(value, 0);
        EXPECT_EQ(poll.Polls(), breakAt);
    }
}

TEST(AdaptiveQuadratureTest, IntegrandErrorEndsTheQuadratureBeforeThePoll) {
    FakeBreakPoll poll;
    bool stopped = false;
    int error = -1;
    Real value = AdaptiveQuadrature(FailsAtOnce, 0, 0, 1, 0, 9, poll, stopped, error);
    EXPECT_EQ(error, kErrArgumentNegative);
    EXPECT_FALSE(stopped);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(poll.Polls(), 0);
}

Real Sine(Real t, Real, Real, int&) {
    return std::sin(t);
}

TEST(AdaptiveQuadratureTest, IntegralWorthZeroSettlesOnTheAbsoluteIntegral) {
    // int_0^2pi sin = 0: the estimates are rounding noise whose texts never agree.
    for (int precision : {3, 9, 15}) {
        SCOPED_TRACE(precision);
        FakeBreakPoll poll;
        bool stopped = true;
        int error = 0;
        const Real value = AdaptiveQuadrature(Sine, 0, 0, 2 * 3.14159265358979324L, 0, precision,
                                              poll, stopped, error);
        EXPECT_FALSE(stopped);
        EXPECT_EQ(error, -1);
        // Within the share 10^-(precision - 2) of int |sin| = 4.
        EXPECT_LE(std::fabs(value), 4 * std::pow(10.0L, 2 - precision));
        EXPECT_LT(poll.Polls(), 1000);
    }
}

TEST(AdaptiveQuadratureTest, DivergentIntegrandEndsWithSingularity) {
    FakeBreakPoll poll;
    bool stopped = true;
    int error = -1;
    const Real value = AdaptiveQuadrature(Reciprocal, 0, 0, 1, 0, 9, poll, stopped, error);
    EXPECT_FALSE(stopped);
    EXPECT_EQ(error, kErrSingularity);
    EXPECT_EQ(value, 0);
    // 1 + 2 + 4 + ... subintervals: a power of two less one, and bounded.
    const long polls = poll.Polls();
    EXPECT_EQ((polls + 1) & polls, 0) << polls;
    EXPECT_LT(polls, 1L << 20);
}

}  // namespace
}  // namespace kalvo
