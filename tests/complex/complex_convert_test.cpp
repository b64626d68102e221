#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "complex/complex_math.h"
#include "complex_test_util.h"
#include "engine/float_fault.h"

namespace kalvo::test {
namespace {

struct WrapRow {
    const char* name;
    Real theta;
    Real expected;
    Real tol;  // absolute; 0 means the result must be exact
};

TEST(WrapAngle, BringsAnglesIntoHalfOpenRange) {
    const WrapRow rows[] = {
        {"pi stays", kPi, kPi, 0},
        {"minus pi becomes pi", -kPi, kPi, 0},
        {"zero", 0, 0, 0},
        {"two pi is zero", 2 * kPi, 0, 0},
        {"three pi is pi", 3 * kPi, kPi, 4 * kEps},
        {"minus three pi is pi", -3 * kPi, kPi, 4 * kEps},
        {"just above pi", kPi + 0.001L, -kPi + 0.001L, 4 * kEps},
        {"just above minus pi stays", -kPi + 0.001L, -kPi + 0.001L, 0},
        {"7.5", 7.5L, 7.5L - 2 * kPi, 8 * kEps},
        {"minus 100", -100, -100 + 32 * kPi, 64 * kEps},
        // Reduction of large angles relative to the stored 2*pi, not the true one.
        {"1e6", 1e6L, 1e6L - 159155 * 2 * kPi, 1e-12L},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Real w = WrapAngle(row.theta);
        EXPECT_GT(w, -kPi);
        EXPECT_LE(w, kPi);
        EXPECT_LE(std::fabs(w - row.expected), row.tol);
    }
}

TEST(WrapAngle, HugeAnglesEndWithoutLooping) {
    for (Real theta : {1e30L, -1e30L, 1e4000L, -kExtMax}) {
        SCOPED_TRACE(static_cast<double>(theta));
        Real w = WrapAngle(theta);
        EXPECT_GT(w, -kPi);
        EXPECT_LE(w, kPi);
    }
}

TEST(WrapAngle, NonFiniteAngleIsAFloatFault) {
    EXPECT_THROW(WrapAngle(std::numeric_limits<Real>::infinity()), FloatFaultError);
    EXPECT_THROW(WrapAngle(std::numeric_limits<Real>::quiet_NaN()), FloatFaultError);
}

TEST(Atan2, QuadrantsAndAxes) {
    struct Row {
        const char* name;
        Real y, x, expected;
    };
    const Row rows[] = {
        {"origin", 0, 0, 0},
        {"positive y axis", 2, 0, kPi / 2},
        {"negative y axis", -2, 0, -kPi / 2},
        {"negative x axis", 0, -3, kPi},
        {"first quadrant", 1, 1, kPi / 4},
        {"second quadrant", 1, -1, 3 * kPi / 4},
        {"third quadrant", -1, -1, -3 * kPi / 4},
        {"fourth quadrant", -1, 1, -kPi / 4},
        {"steep second quadrant", 1e10L, -1, kPi / 2 + 1e-10L},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_LE(std::fabs(Atan2(row.y, row.x) - row.expected), kAngleTol);
    }
}

TEST(Hypot, NoOverflowOrUnderflowInBetween) {
    EXPECT_EQ(Hypot(3, 4), 5);
    EXPECT_EQ(Hypot(0, 0), 0);
    EXPECT_EQ(Hypot(-5, 0), 5);
    Real big = Hypot(1e4000L, 1e4000L);
    EXPECT_LE(std::fabs(big / 1e4000L - std::sqrt(2.0L)), 4 * kEps);
    Real tiny = Hypot(3e-4000L, 4e-4000L);
    EXPECT_LE(std::fabs(tiny / 1e-4000L - 5), 16 * kEps);
}

TEST(SignOf, ThreeWays) {
    EXPECT_EQ(SignOf(2.5L), 1);
    EXPECT_EQ(SignOf(-1e-4000L), -1);
    EXPECT_EQ(SignOf(0), 0);
    EXPECT_EQ(SignOf(-0.0L), 0);
}

TEST(NormalizePolar, NegativeModulusTurnsByPi) {
    struct Row {
        const char* name;
        ComplexNum in;
        Real r, theta;
    };
    const Row rows[] = {
        {"minus four", MakePolar(-4, 0), 4, kPi},
        {"minus two at pi/2", MakePolar(-2, kPi / 2), 2, -kPi / 2},
        {"minus one at pi", MakePolar(-1, kPi), 1, 0},
        {"argument wrapped", MakePolar(3, 7), 3, 7 - 2 * kPi},
        {"normal value kept", MakePolar(2, -1), 2, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ComplexNum p = NormalizePolar(row.in);
        EXPECT_EQ(p.form, kFormPolar);
        EXPECT_EQ(p.a, row.r);
        EXPECT_LE(std::fabs(p.b - row.theta), kAngleTol);
    }
    ComplexNum rect = NormalizePolar(MakeRect(-4, 1));
    EXPECT_EQ(rect.form, kFormRect);
    EXPECT_EQ(rect.a, -4);
}

TEST(CxConvert, RectanglePolarRoundTrip) {
    for (Real x : {-3.5L, -1.0L, 0.0L, 0.25L, 2.0L}) {
        for (Real y : {-2.0L, 0.0L, 0.5L, 7.0L}) {
            SCOPED_TRACE(testing::Message()
                         << "x=" << static_cast<double>(x) << " y=" << static_cast<double>(y));
            ComplexNum p = CxConvert(MakeRect(x, y), kFormPolar);
            EXPECT_EQ(p.form, kFormPolar);
            EXPECT_GE(p.a, 0);
            EXPECT_GT(p.b, -kPi);
            EXPECT_LE(p.b, kPi);
            ComplexNum back = CxConvert(p, kFormRect);
            EXPECT_EQ(back.form, kFormRect);
            ExpectCx(back, x, y, kAngleTol);
        }
    }
    ComplexNum minusFour = CxConvert(MakeRect(-4, 0), kFormPolar);
    EXPECT_EQ(minusFour.a, 4);
    EXPECT_EQ(minusFour.b, kPi);
}

// comp(-4, 0) with the Polar setting is the polar value (-4, 0): every function must
// treat it as -4.
TEST(NegativeModulus, OperationsSeeTheNormalisedValue) {
    CxMath cx;
    const ComplexNum minusFour = MakePolar(-4, 0);

    ComplexNum root = cx.CxSqrt(minusFour);
    EXPECT_EQ(root.form, kFormPolar);
    EXPECT_EQ(root.a, 2);
    EXPECT_LE(std::fabs(root.b - kPi / 2), kAngleTol);

    ExpectCx(cx.CxLn(minusFour), std::log(4.0L), kPi, kAngleTol);
    ExpectCx(cx.CxPowInt(minusFour, 3), -64, 0, kAngleTol);
    ExpectCx(cx.CxPow(minusFour, MakeRect(0.5L, 0)), 0, 2, kAngleTol);
    EXPECT_EQ(CxModulus(minusFour), 4);
    ExpectCx(CxMul(minusFour, MakeRect(0, 1)), 0, -4, kAngleTol);
    ExpectCx(cx.CxDiv(minusFour, MakeRect(2, 0)), -2, 0, kAngleTol);
    ExpectCx(CxNeg(minusFour), 4, 0, kAngleTol);
    ExpectCx(CxConj(MakePolar(-2, kPi / 4)), -std::sqrt(2.0L), std::sqrt(2.0L), kAngleTol);
    EXPECT_EQ(cx.mathFault, 0);
}

}  // namespace
}  // namespace kalvo::test
