#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "complex/complex_math.h"
#include "complex_test_util.h"

namespace kalvo::test {
namespace {

struct RealFaultRow {
    const char* name;
    std::function<Real(CxMath&)> call;
    int code;
    Real value;
};

TEST(RealHelpers, FaultCodesAndDefaultValues) {
    const RealFaultRow rows[] = {
        {"RaiseMathFault 8", [](CxMath& c) { return c.RaiseMathFault(8); }, 8, 0},
        {"RaiseMathFault 11", [](CxMath& c) { return c.RaiseMathFault(11); }, 11, kExtMax},
        {"RaiseMathFault 12", [](CxMath& c) { return c.RaiseMathFault(12); }, 12, kExtMax},
        {"RaiseMathFault 28", [](CxMath& c) { return c.RaiseMathFault(28); }, 28, 0},
        {"exp below range", [](CxMath& c) { return c.ExpChecked(-11355.14L); }, 28, 0},
        {"exp above range", [](CxMath& c) { return c.ExpChecked(11356.53L); }, 11, kExtMax},
        {"ln of negative", [](CxMath& c) { return c.LnChecked(-1); }, 8, 0},
        {"ln of zero", [](CxMath& c) { return c.LnChecked(0); }, 12, kExtMax},
        {"0^-1", [](CxMath& c) { return c.PowerInt(0, -1); }, 12, kExtMax},
        {"0^0", [](CxMath& c) { return c.PowerInt(0, 0); }, 0, 1},
        {"0^5", [](CxMath& c) { return c.PowerInt(0, 5); }, 0, 0},
        {"arcsin above 1", [](CxMath& c) { return c.ArcSinChecked(1.0000001L); }, 8, 0},
        {"arcsin below -1", [](CxMath& c) { return c.ArcSinChecked(-2); }, 8, 0},
        {"arcsin 1", [](CxMath& c) { return c.ArcSinChecked(1); }, 0, kPi / 2},
        {"arcsin -1", [](CxMath& c) { return c.ArcSinChecked(-1); }, 0, -kPi / 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CxMath cx;
        EXPECT_EQ(row.call(cx), row.value);
        EXPECT_EQ(cx.mathFault, row.code);
    }
}

TEST(RealHelpers, ValuesInsideTheRangesAndFaultReset) {
    struct Row {
        const char* name;
        std::function<Real(CxMath&)> call;
        Real expected;
        Real tol;  // relative
    };
    const Row rows[] = {
        {"exp at lower bound", [](CxMath& c) { return c.ExpChecked(-11355.137111933024L); },
         std::exp(-11355.137111933024L), 4 * kEps},
        {"exp at upper bound", [](CxMath& c) { return c.ExpChecked(11356.5234062941439L); },
         std::exp(11356.5234062941439L), 4 * kEps},
        {"exp 1", [](CxMath& c) { return c.ExpChecked(1); }, 2.71828182845904523536L, 4 * kEps},
        {"ln 10", [](CxMath& c) { return c.LnChecked(10); }, 2.30258509299404568402L, 4 * kEps},
        {"2^10", [](CxMath& c) { return c.PowerInt(2, 10); }, 1024, 0},
        {"(-3)^5", [](CxMath& c) { return c.PowerInt(-3, 5); }, -243, 0},
        {"2^-3", [](CxMath& c) { return c.PowerInt(2, -3); }, 0.125L, 0},
        {"1.5^-7", [](CxMath& c) { return c.PowerInt(1.5L, -7); }, 1 / std::pow(1.5L, 7), 8 * kEps},
        {"10^-5000 underflows to 0", [](CxMath& c) { return c.PowerInt(10, -5000); }, 0, 0},
        {"arcsin 0.5", [](CxMath& c) { return c.ArcSinChecked(0.5L); }, kTruePi / 6, 4 * kEps},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CxMath cx;
        cx.mathFault = 99;  // a helper that succeeds must clear an older code
        Real v = row.call(cx);
        EXPECT_EQ(cx.mathFault, 0);
        EXPECT_LE(std::fabs(v - row.expected), row.tol * std::fabs(row.expected));
    }
}

TEST(RealHelpers, HypSinCos) {
    CxMath cx;
    Real sh = 0;
    Real ch = 0;
    cx.HypSinCos(1e-12L, sh, ch);
    EXPECT_EQ(cx.mathFault, 0);
    EXPECT_LE(std::fabs(sh / 1e-12L - 1), 4 * kEps);  // no cancellation near 0
    EXPECT_EQ(ch, 1);
    cx.HypSinCos(-2, sh, ch);
    EXPECT_LE(std::fabs(sh - (std::exp(-2.0L) - std::exp(2.0L)) / 2), 8 * kEps);
    EXPECT_LE(std::fabs(ch - (std::exp(-2.0L) + std::exp(2.0L)) / 2), 8 * kEps);
    cx.HypSinCos(-11356, sh, ch);
    EXPECT_EQ(cx.mathFault, 11);
    EXPECT_EQ(sh, -kExtMax);
    EXPECT_EQ(ch, kExtMax);
    cx.HypSinCos(11357, sh, ch);
    EXPECT_EQ(cx.mathFault, 11);
    EXPECT_EQ(sh, kExtMax);
}

struct ComplexFaultRow {
    const char* name;
    std::function<ComplexNum(CxMath&)> call;
    int code;
    ComplexNum value;
};

TEST(ComplexOperations, FaultCodesAndDefaultValues) {
    const ComplexNum two = MakeRect(2, 0);
    const ComplexNum zero = CxZero;
    const ComplexFaultRow rows[] = {
        {"divide by rect zero", [&](CxMath& c) { return c.CxDiv(two, zero); }, 11, CxHuge},
        {"divide by polar zero",
         [&](CxMath& c) { return c.CxDiv(MakePolar(1, 1), MakePolar(0, 2)); }, 11, CxHuge},
        {"ln 0", [](CxMath& c) { return c.CxLn(CxZero); }, 12, MakeRect(-kExtMax, 0)},
        {"ln polar 0", [](CxMath& c) { return c.CxLn(MakePolar(0, 1)); }, 12,
         MakeRect(-kExtMax, 0)},
        {"exp underflow", [](CxMath& c) { return c.CxExp(MakeRect(-20000, 0)); }, 28, CxZero},
        {"0^0 power", [](CxMath& c) { return c.CxPow(CxZero, CxZero); }, 0, CxOne},
        {"0^(2+i)", [](CxMath& c) { return c.CxPow(CxZero, MakeRect(2, 1)); }, 0, CxZero},
        {"0^-1 power", [](CxMath& c) { return c.CxPow(CxZero, MakeRect(-1, 0)); }, 12, CxHuge},
        {"0^i power", [](CxMath& c) { return c.CxPow(CxZero, MakeRect(0, 1)); }, 12, CxHuge},
        {"0^0 integer power", [](CxMath& c) { return c.CxPowInt(CxZero, 0); }, 0, CxOne},
        {"0^3 integer power", [](CxMath& c) { return c.CxPowInt(CxZero, 3); }, 0, CxZero},
        {"0^-1 integer power", [](CxMath& c) { return c.CxPowInt(CxZero, -1); }, 12, CxHuge},
        {"sqrt 0", [](CxMath& c) { return c.CxSqrt(MakePolar(0, 2)); }, 0, CxZero},
        {"tan at pi/2", [](CxMath& c) { return c.CxTan(MakeRect(kPi / 2, 0)); }, 12,
         MakeRect(kExtMax, 0)},
        {"arctan i", [](CxMath& c) { return c.CxArcTan(CxI); }, 12, MakeRect(0, kExtMax)},
        {"arctan -i", [](CxMath& c) { return c.CxArcTan(MakeRect(0, -1)); }, 12,
         MakeRect(0, -kExtMax)},
        {"arctanh 1", [](CxMath& c) { return c.CxArcTanh(CxOne); }, 12, MakeRect(kExtMax, 0)},
        {"arctanh -1", [](CxMath& c) { return c.CxArcTanh(MakeRect(-1, 0)); }, 12,
         MakeRect(-kExtMax, 0)},
        {"arctanh polar 1", [](CxMath& c) { return c.CxArcTanh(MakePolar(1, 0)); }, 12,
         MakeRect(kExtMax, 0)},
        {"lnGamma 0", [](CxMath& c) { return c.CxLnGamma(CxZero); }, 12, CxHuge},
        {"lnGamma -1", [](CxMath& c) { return c.CxLnGamma(MakeRect(-1, 0)); }, 12, CxHuge},
        {"lnGamma -7", [](CxMath& c) { return c.CxLnGamma(MakeRect(-7, 0)); }, 12, CxHuge},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CxMath cx;
        ComplexNum z = row.call(cx);
        EXPECT_EQ(cx.mathFault, row.code);
        EXPECT_EQ(z.form, row.value.form);
        EXPECT_EQ(z.a, row.value.a);
        EXPECT_EQ(z.b, row.value.b);
    }
}

// Large imaginary parts overflow cosh: the functions report 11 with finite values.
TEST(ComplexOperations, HyperbolicOverflowInsideTrigonometry) {
    struct Row {
        const char* name;
        ComplexNum (CxMath::*function)(const ComplexNum&);
        ComplexNum z;
    };
    const Row rows[] = {
        {"sin", &CxMath::CxSin, MakeRect(1, 12000)},
        {"cos", &CxMath::CxCos, MakeRect(1, -12000)},
        {"tan", &CxMath::CxTan, MakeRect(1, 6000)},
        {"sinh", &CxMath::CxSinh, MakeRect(12000, 1)},
        {"cosh", &CxMath::CxCosh, MakeRect(-12000, 1)},
        {"exp", &CxMath::CxExp, MakeRect(12000, 1)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CxMath cx;
        ComplexNum w = (cx.*row.function)(row.z);
        EXPECT_EQ(cx.mathFault, 11);
        EXPECT_TRUE(std::isfinite(w.a) && std::isfinite(w.b));
    }
    // tan(x + iy) tends to i for large y: the limit is returned along with the code.
    CxMath cx;
    ExpectCx(cx.CxTan(MakeRect(1, 6000)), 0, 1, 4 * kEps);
}

TEST(ComplexOperations, NoFaultLeftAfterSuccess) {
    CxMath cx;
    cx.mathFault = 12;
    cx.CxDiv(CxOne, CxI);
    EXPECT_EQ(cx.mathFault, 0);
    cx.mathFault = 12;
    cx.CxLnGamma(MakeRect(-2.5L, 0));
    EXPECT_EQ(cx.mathFault, 0);
    cx.mathFault = 12;
    cx.CxArcTan(MakeRect(0, 2));
    EXPECT_EQ(cx.mathFault, 0);
}

}  // namespace
}  // namespace kalvo::test
