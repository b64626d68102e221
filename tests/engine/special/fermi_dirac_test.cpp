#include "engine/special/fermi_dirac.h"

#include <gtest/gtest.h>

#include "engine/error_codes.h"
#include "engine/special/fake_break_poll.h"
#include "engine/special/quadrature_tolerance.h"
#include "engine/special/reference_source.h"

namespace kalvo {
namespace {

struct Row {
    const char* name;
    Real j;
    Real x;
    Real reference;
    bool analytic;  // integer order: t^j is smooth at 0
};

// int_0^(x+23) t^j / (e^(t-x) + 1) dt by mpmath quad, split at x, with the same cut
// at x + 23 as the function (the cut changes these values by up to 3e-7 relative).
const Row kRows[] = {
    {"j0_x0", 0L, 0L, 0.6931471804573265131054785L, true},
    {"j0p5_x1", 0.5L, 1L, 1.396375280153569066792311L, false},
    {"j0p5_xm2", 0.5L, -2L, 0.1145878234440575376729256L, false},
    {"j1p5_x5", 1.5L, 5L, 27.80244619971535744801434L, false},
    {"j2_x10", 2L, 10L, 366.2321053509121582254343L, true},
    {"j1_xm5", 1L, -5L, 0.006726628927765268196920099L, true},
    {"j3_x0", 3L, 0L, 5.68219555078744435995694L, true},
    {"j0p25_x2", 0.25L, 2L, 2.242229035515741956419182L, false},
};

TEST(FermiDiracTest, MatchesReference) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        FakeBreakPoll poll;
        SpecialResult result = FermiDirac(row.j, row.x, kDefaultPrecision, poll);
        ASSERT_EQ(result.error, -1);
        EXPECT_LE(RelativeError(result.value, row.reference), kDefaultPrecisionTolerance)
            << result.value;
        if (row.analytic) {
            FakeBreakPoll finePoll;
            SpecialResult fine = FermiDirac(row.j, row.x, kFinePrecision, finePoll);
            EXPECT_LE(RelativeError(fine.value, row.reference), kFinePrecisionTolerance)
                << fine.value;
        }
    }
}

TEST(FermiDiracTest, MissingArgumentIsCommaExpected) {
    FakeBreakPoll poll;
    SpecialResult result = FermiDirac(0.5L, kUndefinedValue, kDefaultPrecision, poll);
    EXPECT_EQ(result.error, kErrCommaExpected);
    EXPECT_EQ(poll.Polls(), 0);
}

TEST(FermiDiracTest, OrdersThatDivergeAtZeroAreArgumentErrors) {
    for (Real j : {-1.0L, -1.5L, -3.0L}) {
        SCOPED_TRACE(static_cast<double>(j));
        FakeBreakPoll poll;
        SpecialResult result = FermiDirac(j, 1, kDefaultPrecision, poll);
        EXPECT_EQ(result.error, kErrArgument);
        EXPECT_TRUE(result.resetAnswer);
        EXPECT_EQ(poll.Polls(), 0);
    }
}

TEST(FermiDiracTest, FractionalPowerOfANegativeAbscissaIsArgumentNegative) {
    // Below x = -23 the integration runs over negative t.
    FakeBreakPoll poll;
    SpecialResult result = FermiDirac(0.5L, -30, kDefaultPrecision, poll);
    EXPECT_EQ(result.error, kErrArgumentNegative);
    EXPECT_EQ(result.value, 0);
    EXPECT_EQ(poll.Polls(), 0);  // the error ends the quadrature before the first poll
}

TEST(FermiDiracTest, BreakStopsAtThePollThatAsksForIt) {
    for (long breakAt : {1L, 5L, 100L}) {
        SCOPED_TRACE(breakAt);
        FakeBreakPoll poll(breakAt);
        // Order 0.25 needs over 8000 subintervals in all.
        SpecialResult result = FermiDirac(0.25L, 2, kDefaultPrecision, poll);
        EXPECT_TRUE(result.stopped);
        EXPECT_EQ(result.value, 0);
        EXPECT_EQ(poll.Polls(), breakAt);
    }
}

}  // namespace
}  // namespace kalvo
