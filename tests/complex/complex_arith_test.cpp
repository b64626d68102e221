#include <gtest/gtest.h>

#include <cmath>

#include "complex/complex_math.h"
#include "complex_test_util.h"
#include "engine/float_fault.h"

namespace kalvo::test {
namespace {

const ComplexNum kRectA = MakeRect(1, 2);          // 1 + 2i
const ComplexNum kPolarB = MakePolar(2, kPi / 2);  // 2i

struct FormRow {
    const char* name;
    ComplexNum result;
    std::uint8_t form;
    Real re, im;
};

// Products and quotients keep the form of the first operand; sums are rectangular.
TEST(ComplexArithmetic, ResultForms) {
    CxMath cx;
    const FormRow rows[] = {
        {"rect * polar", CxMul(kRectA, kPolarB), kFormRect, -4, 2},
        {"polar * rect", CxMul(kPolarB, kRectA), kFormPolar, -4, 2},
        {"polar * polar", CxMul(kPolarB, kPolarB), kFormPolar, -4, 0},
        {"rect / polar", cx.CxDiv(kRectA, kPolarB), kFormRect, 1, -0.5L},
        {"polar / rect", cx.CxDiv(kPolarB, kRectA), kFormPolar, 0.8L, 0.4L},
        {"rect + polar", CxAdd(kRectA, kPolarB), kFormRect, 1, 4},
        {"polar + polar", CxAdd(kPolarB, kPolarB), kFormRect, 0, 4},
        {"polar - rect", CxSub(kPolarB, kRectA), kFormRect, -1, 0},
        {"neg polar", CxNeg(kPolarB), kFormPolar, 0, -2},
        {"conj polar", CxConj(kPolarB), kFormPolar, 0, -2},
        {"neg rect", CxNeg(kRectA), kFormRect, -1, -2},
        {"conj rect", CxConj(kRectA), kFormRect, 1, -2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.result.form, row.form);
        ExpectCx(row.result, row.re, row.im, kAngleTol);
        if (row.form == kFormPolar) {
            EXPECT_GT(row.result.b, -kPi);
            EXPECT_LE(row.result.b, kPi);
        }
    }
    EXPECT_EQ(cx.mathFault, 0);
}

TEST(ComplexArithmetic, PolarProductWrapsTheArgument) {
    ComplexNum p = CxMul(MakePolar(1, 3), MakePolar(2, 3));
    EXPECT_EQ(p.a, 2);
    EXPECT_LE(std::fabs(p.b - (6 - 2 * kPi)), 4 * kEps);
}

TEST(ComplexArithmetic, RectangularQuotient) {
    CxMath cx;
    struct Row {
        const char* name;
        ComplexNum z, w;
        Real re, im;
    };
    const Row rows[] = {
        {"(3+4i)/(1-2i)", MakeRect(3, 4), MakeRect(1, -2), -1, 2},
        {"1/i", CxOne, CxI, 0, -1},
        {"real by real", MakeRect(7, 0), MakeRect(2, 0), 3.5L, 0},
        // The divisor's squared modulus would overflow or vanish without scaling.
        {"huge by huge", MakeRect(1e3000L, 1e3000L), MakeRect(1e3000L, 0), 1, 1},
        {"one by tiny", CxOne, MakeRect(0, 1e-3000L), 0, -1e3000L},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ComplexNum q = cx.CxDiv(row.z, row.w);
        EXPECT_EQ(cx.mathFault, 0);
        ExpectCx(q, row.re, row.im, 8 * kEps);
        if (std::fabs(row.im) > 1) {
            EXPECT_LE(std::fabs(q.b / row.im - 1), 8 * kEps);
        }
    }
}

TEST(ComplexArithmetic, RealAndImaginaryPartsAndModulus) {
    EXPECT_EQ(CxRe(kRectA), 1);
    EXPECT_EQ(CxIm(kRectA), 2);
    EXPECT_LE(std::fabs(CxRe(MakePolar(2, kPi / 3)) - 1), kAngleTol);
    EXPECT_LE(std::fabs(CxIm(MakePolar(2, -kPi / 6)) + 1), kAngleTol);
    EXPECT_EQ(CxModulus(MakeRect(-3, 4)), 5);
    EXPECT_EQ(CxModulus(MakePolar(6, 1)), 6);
}

TEST(ComplexArithmetic, SignAndEquality) {
    EXPECT_EQ(CxSign(MakeRect(-2, 5)), -1);
    EXPECT_EQ(CxSign(MakeRect(0, 5)), 1);
    EXPECT_EQ(CxSign(MakeRect(0, -5)), -1);
    EXPECT_EQ(CxSign(CxZero), 0);
    EXPECT_EQ(CxSign(MakePolar(3, kPi)), -1);
    EXPECT_TRUE(CxEqual(MakeRect(2, 0), MakePolar(2, 0)));
    EXPECT_TRUE(CxEqual(CxZero, MakePolar(0, 1)));
    EXPECT_FALSE(CxEqual(MakeRect(1, 1), MakeRect(1, 2)));
    EXPECT_FALSE(CxEqual(MakeRect(1, 1), MakeRect(2, 1)));
}

TEST(ComplexArithmetic, OverflowIsAFloatFaultNotAnInfinity) {
    EXPECT_THROW(CxMul(MakeRect(1e4000L, 0), MakeRect(1e4000L, 0)), FloatFaultError);
    EXPECT_THROW(CxAdd(MakeRect(kExtMax, 0), MakeRect(kExtMax, 0)), FloatFaultError);
    EXPECT_THROW(CxMul(MakePolar(1e4000L, 0), MakePolar(1e4000L, 1)), FloatFaultError);
    CxMath cx;
    EXPECT_THROW(cx.CxDiv(MakeRect(1e4000L, 0), MakeRect(1e-4000L, 0)), FloatFaultError);
}

}  // namespace
}  // namespace kalvo::test
