#include "engine/special/sine_cosine_integral.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/error_codes.h"
#include "engine/special/fake_break_poll.h"
#include "engine/special/reference_source.h"

namespace kalvo {
namespace {

struct Row {
    const char* name;
    Real x;
    Real reference;
};

// Up to x = 1 both are quadratures of entire functions: one 10-point rule is already exact
// to the last bit, so they are held to 1e-18. Above 1 the rational approximations of f and
// g have absolute errors below 5e-7 and 3e-7, so Si and Ci are off by at most
// sqrt(5^2 + 3^2) e-7 = 5.9e-7 (mpmath finds 5.69e-7 at worst on [1, 21]).
constexpr Real kQuadratureTolerance = 1e-18L;
constexpr Real kRationalTolerance = 5.9e-7L;

Real Tolerance(Real x) {
    return x <= 1 ? kQuadratureTolerance : kRationalTolerance;
}

const Row kSines[] = {
    // mpmath si
    {"x0p1", 0.1L, 0.09994446110827695016059212L}, {"x0p5", 0.5L, 0.4931074180430666891616267L},
    {"x1", 1L, 0.9460830703671830149413533L},      {"x1p5", 1.5L, 1.324683531172119680370473L},
    {"x2", 2L, 1.60541297680269484857672L},        {"x5", 5L, 1.549931244944674137274408L},
    {"x10", 10L, 1.658347594218874049330972L},     {"x20", 20L, 1.548241701043439840163643L},
    {"x100", 100L, 1.562225466889056293352345L},   {"x1000", 1000L, 1.570233121968771218147963L},
};

const Row kCosines[] = {
    // mpmath ci
    {"x0p01", 0.01L, -4.027979520982392072243976L}, {"x0p1", 0.1L, -1.727868386657296638997725L},
    {"x0p5", 0.5L, -0.1777840788066129013358103L},  {"x1", 1L, 0.3374039229009681346626462L},
    {"x1p5", 1.5L, 0.4703563171953998866750822L},   {"x2", 2L, 0.4229808287748649956985652L},
    {"x5", 5L, -0.1900297496566438786184589L},      {"x10", 10L, -0.04545643300445537263453283L},
    {"x20", 20L, 0.04441982084535331653976872L},    {"x100", 100L, -0.005148825142610492144443554L},
};

TEST(SineIntegralTest, MatchesReference) {
    for (const Row& row : kSines) {
        SCOPED_TRACE(row.name);
        FakeBreakPoll poll;
        SpecialResult result = SineIntegral(row.x, 9, poll);
        ASSERT_EQ(result.error, -1);
        EXPECT_LE(std::fabs(result.value - row.reference), Tolerance(row.x)) << result.value;
    }
}

TEST(CosineIntegralTest, MatchesReference) {
    for (const Row& row : kCosines) {
        SCOPED_TRACE(row.name);
        FakeBreakPoll poll;
        SpecialResult result = CosineIntegral(row.x, 9, poll);
        ASSERT_EQ(result.error, -1);
        EXPECT_LE(std::fabs(result.value - row.reference), Tolerance(row.x)) << result.value;
    }
}

TEST(SineIntegralTest, ZeroIsZeroAndNegativeIsAnArgumentError) {
    FakeBreakPoll poll;
    SpecialResult zero = SineIntegral(0, 9, poll);
    EXPECT_EQ(zero.error, -1);
    EXPECT_EQ(zero.value, 0);
    SpecialResult negative = SineIntegral(-0.5L, 9, poll);
    EXPECT_EQ(negative.error, kErrArgument);
    EXPECT_TRUE(negative.resetAnswer);
}

TEST(CosineIntegralTest, ZeroIsOutOfRangeAndNegativeIsAnArgumentError) {
    FakeBreakPoll poll;
    SpecialResult zero = CosineIntegral(0, 9, poll);
    EXPECT_EQ(zero.error, kErrOutOfRange);
    EXPECT_FALSE(zero.resetAnswer);
    SpecialResult negative = CosineIntegral(-2, 9, poll);
    EXPECT_EQ(negative.error, kErrArgument);
    EXPECT_TRUE(negative.resetAnswer);
}

TEST(CosineIntegralTest, BreakDuringTheQuadratureGivesZero) {
    FakeBreakPoll poll(1);
    SpecialResult result = CosineIntegral(0.5L, 9, poll);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.value, 0);
    EXPECT_EQ(poll.Polls(), 1);
}

}  // namespace
}  // namespace kalvo
