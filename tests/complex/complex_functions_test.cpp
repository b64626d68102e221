#include <gtest/gtest.h>

#include <cmath>

#include "complex/complex_math.h"
#include "complex_reference_data.h"
#include "complex_test_util.h"

namespace kalvo::test {
namespace {

// Tolerances, relative to max(1, |value|), in units of the extended roundoff kEps:
// elementary functions against mpmath 64 (a few roundings in each of the formula's
// steps, amplified by at most |z| ~ 5 in the arguments used, plus the 28 kEps by which
// the library's kPi exceeds pi in arguments near +-pi); identities 256 (two
// functions in a row, one of them ill-conditioned near its critical points);
// lnGamma 2048 (up to a thousand logarithms summed by the recurrence, or the reflection
// formula at |z| ~ 2e4, whose own argument carries an error of |z| * kEps).
constexpr Real kElementaryTol = 64 * kEps;
constexpr Real kIdentityTol = 256 * kEps;
constexpr Real kLnGammaTol = 2048 * kEps;

const Real kGridX[] = {-2.5L, -1.25L, -0.5L, 0, 0.375L, 1, 1.75L, 3};
const Real kGridY[] = {-2, -0.5L, 0, 0.25L, 1, 2.5L};

TEST(ComplexFunctions, AgreeWithMpmath) {
    for (const auto& row : kFunctionReferences) {
        SCOPED_TRACE(row.name);
        CxMath cx;
        ComplexNum w = (cx.*row.function)(MakeRect(row.x, row.y));
        EXPECT_EQ(cx.mathFault, 0);
        ExpectCx(w, row.re, row.im, kElementaryTol);
    }
}

TEST(ComplexFunctions, ResultForms) {
    CxMath cx;
    const ComplexNum z = MakePolar(2, 1);
    EXPECT_EQ(cx.CxSqrt(MakeRect(-4, 0)).form, kFormPolar);
    EXPECT_EQ(cx.CxPowInt(MakeRect(1, 1), 2).form, kFormPolar);
    for (auto f : {&CxMath::CxSin, &CxMath::CxCos, &CxMath::CxTan, &CxMath::CxSinh, &CxMath::CxCosh,
                   &CxMath::CxTanh, &CxMath::CxExp, &CxMath::CxLn, &CxMath::CxArcSin,
                   &CxMath::CxArcCos, &CxMath::CxArcTan, &CxMath::CxArcSinh, &CxMath::CxArcCosh,
                   &CxMath::CxArcTanh, &CxMath::CxLnGamma}) {
        EXPECT_EQ((cx.*f)(z).form, kFormRect);
    }
    EXPECT_EQ(cx.CxPow(z, z).form, kFormRect);
    ComplexNum root = cx.CxSqrt(MakeRect(-4, 0));
    EXPECT_EQ(root.a, 2);
    EXPECT_LE(std::fabs(root.b - kPi / 2), kAngleTol);
}

// The real axis beyond +-1 carries the cut of arcsin: the values there continue the
// lower half plane for x > 1 and the upper one for x < -1.
TEST(ComplexFunctions, InverseFunctionsOnTheCuts) {
    CxMath cx;
    const Real acosh2 = std::log(2 + std::sqrt(3.0L));
    ExpectCx(cx.CxArcSin(MakeRect(2, 0)), kPi / 2, -acosh2, kElementaryTol);
    ExpectCx(cx.CxArcSin(MakeRect(-2, 0)), -kPi / 2, acosh2, kElementaryTol);
    ExpectCx(cx.CxArcCos(MakeRect(2, 0)), 0, acosh2, kElementaryTol);
    ExpectCx(cx.CxArcCosh(MakeRect(2, 0)), acosh2, 0, kElementaryTol);
    ExpectCx(cx.CxArcCosh(MakeRect(-2, 0)), acosh2, kPi, kElementaryTol);
    ExpectCx(cx.CxArcCosh(MakeRect(0.5L, 0)), 0, kPi / 3, kElementaryTol);
    ExpectCx(cx.CxArcTan(MakeRect(0, 2)), kPi / 2, std::log(3.0L) / 2, kElementaryTol);
    ExpectCx(cx.CxArcTan(MakeRect(0, -2)), -kPi / 2, -std::log(3.0L) / 2, kElementaryTol);
    // On the segment -1 < x < 1 arcsin is real, with no stray imaginary part.
    for (Real x : {-0.999L, -0.3L, 0.0L, 0.6L, 0.9999L}) {
        SCOPED_TRACE(static_cast<double>(x));
        ComplexNum w = cx.CxArcSin(MakeRect(x, 0));
        EXPECT_EQ(w.b, 0);
        EXPECT_LE(std::fabs(w.a - std::asin(x)), 4 * kEps);
    }
}

TEST(ComplexFunctions, ArcSinAwayFromTheUnitDisk) {
    CxMath cx;
    // Large and tiny arguments, where the squares of the plain formula overflow or vanish.
    ComplexNum big = cx.CxArcSin(MakeRect(1e3000L, 0));
    EXPECT_LE(std::fabs(big.a - kPi / 2), kAngleTol);
    EXPECT_LE(std::fabs(big.b + (std::log(2.0L) + 3000 * std::log(10.0L))), 1e-15L);
    ComplexNum tiny = cx.CxArcSin(MakeRect(0.5L, 1e-3000L));
    EXPECT_LE(std::fabs(tiny.b / (1e-3000L / std::sqrt(0.75L)) - 1), 8 * kEps);
    ComplexNum atanTiny = cx.CxArcTan(MakeRect(1e-3000L, 1));
    EXPECT_EQ(cx.mathFault, 0);
    EXPECT_LE(std::fabs(atanTiny.b - (std::log(2.0L) + 3000 * std::log(10.0L)) / 2), 1e-15L);
}

TEST(ComplexIdentities, SinSquaredPlusCosSquared) {
    CxMath cx;
    for (Real x : kGridX) {
        for (Real y : kGridY) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            ComplexNum z = MakeRect(x, y);
            ComplexNum s = cx.CxSin(z);
            ComplexNum c = cx.CxCos(z);
            ComplexNum one = CxAdd(CxMul(s, s), CxMul(c, c));
            // |sin|^2 + |cos|^2 ~ cosh(2y): the cancellation scales with it.
            ExpectCx(one, 1, 0, kIdentityTol * std::cosh(2 * y));
        }
    }
}

TEST(ComplexIdentities, ExpOfLnAndLnOfExp) {
    CxMath cx;
    for (Real x : kGridX) {
        for (Real y : kGridY) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            ComplexNum z = MakeRect(x, y);
            if (x == 0 && y == 0) {
                continue;
            }
            ExpectCx(cx.CxExp(cx.CxLn(z)), z, kIdentityTol);
            // ln(exp z) = z while Im z stays in (-pi, pi].
            ExpectCx(cx.CxLn(cx.CxExp(z)), z, kIdentityTol);
            // sqrt(z)^2 = z, through the polar results.
            ExpectCx(cx.CxPowInt(cx.CxSqrt(z), 2), z, kIdentityTol);
            ExpectCx(cx.CxPow(z, MakeRect(2, 0)), CxMul(z, z), kIdentityTol);
        }
    }
}

TEST(ComplexIdentities, InverseTrigonometryWithinThePrincipalBranch) {
    CxMath cx;
    // Re z inside (-pi/2, pi/2) for arcsin and arctan, (0, pi) for arccos.
    const Real xs[] = {-1.25L, -0.75L, -0.25L, 0, 0.375L, 1, 1.5L};
    for (Real x : xs) {
        for (Real y : kGridY) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            ComplexNum z = MakeRect(x, y);
            ExpectCx(cx.CxArcSin(cx.CxSin(z)), z, kIdentityTol);
            ExpectCx(cx.CxArcTan(cx.CxTan(z)), z, kIdentityTol);
            ComplexNum shifted = MakeRect(x + kPi / 2, y);
            ExpectCx(cx.CxArcCos(cx.CxCos(shifted)), shifted, kIdentityTol);
            // The other way round holds everywhere.
            ExpectCx(cx.CxSin(cx.CxArcSin(z)), z, kIdentityTol);
            ExpectCx(cx.CxSinh(cx.CxArcSinh(z)), z, kIdentityTol);
            ExpectCx(cx.CxCosh(cx.CxArcCosh(z)), z, kIdentityTol);
            if (!(y == 0 && std::fabs(x) == 1)) {
                ExpectCx(cx.CxTanh(cx.CxArcTanh(z)), z, kIdentityTol);
            }
        }
    }
}

TEST(ComplexIdentities, HyperbolicFunctionsMatchTheirDefinitions) {
    CxMath cx;
    for (Real x : kGridX) {
        for (Real y : kGridY) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            ComplexNum z = MakeRect(x, y);
            ComplexNum ez = cx.CxExp(z);
            ComplexNum emz = cx.CxExp(CxNeg(z));
            ComplexNum half = MakeRect(0.5L, 0);
            ComplexNum sinh = CxMul(CxSub(ez, emz), half);
            ComplexNum cosh = CxMul(CxAdd(ez, emz), half);
            ExpectCx(cx.CxSinh(z), sinh, kIdentityTol);
            ExpectCx(cx.CxCosh(z), cosh, kIdentityTol);
            ExpectCx(cx.CxTanh(z), cx.CxDiv(sinh, cosh), kIdentityTol);
        }
    }
}

TEST(ComplexIdentities, ArcCoshIsThePrincipalValue) {
    CxMath cx;
    for (Real x : kGridX) {
        for (Real y : kGridY) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            ComplexNum w = cx.CxArcCosh(MakeRect(x, y));
            EXPECT_GE(w.a, 0);
            EXPECT_GT(w.b, -kPi - kIdentityTol);
            EXPECT_LE(w.b, kPi + kIdentityTol);
            // arccosh(conj z) = conj arccosh(z) off the cut.
            if (y != 0) {
                ComplexNum v = cx.CxArcCosh(MakeRect(x, -y));
                ExpectCx(v, w.a, -w.b, kIdentityTol);
            }
        }
    }
}

TEST(LnGamma, AgreesWithMpmath) {
    for (const auto& row : kLnGammaReferences) {
        SCOPED_TRACE(row.name);
        CxMath cx;
        ComplexNum w = cx.CxLnGamma(MakeRect(row.x, row.y));
        EXPECT_EQ(cx.mathFault, 0);
        EXPECT_EQ(w.form, kFormRect);
        ExpectCx(w, row.re, row.im, kLnGammaTol);
    }
}

// Across the switch from the recurrence to the reflection formula the recurrence
// lnGamma(z + 1) = lnGamma(z) + ln z must still hold exactly on the branch.
TEST(LnGamma, RecurrenceHoldsAcrossTheReflectionThreshold) {
    CxMath cx;
    for (Real y : {0.0L, 0.5L, -3.0L, 200.0L}) {
        for (Real x : {-1000.5L, -1000.75L, -1001.25L}) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            ComplexNum z = MakeRect(x, y);
            ComplexNum lhs = cx.CxLnGamma(CxAdd(z, CxOne));
            ComplexNum rhs = CxAdd(cx.CxLnGamma(z), cx.CxLn(z));
            ExpectCx(lhs, rhs, kLnGammaTol);
        }
    }
}

TEST(LnGamma, NegativeRealArgumentsHaveImaginaryPartsInStepsOfPi) {
    CxMath cx;
    for (Real x : {-0.5L, -1.5L, -2.25L, -7.75L, -1500.5L}) {
        SCOPED_TRACE(static_cast<double>(x));
        ComplexNum w = cx.CxLnGamma(MakeRect(x, 0));
        Real steps = w.b / kPi;
        // One -pi for every negative factor x, x+1, ... on the way up to 0.
        EXPECT_LE(std::fabs(steps - std::floor(x)), 1e-12L);
        // The real part is ln|Gamma(x)|.
        EXPECT_LE(std::fabs(w.a - std::lgamma(x)), kLnGammaTol * std::max<Real>(1, std::fabs(w.a)));
    }
}

}  // namespace
}  // namespace kalvo::test
