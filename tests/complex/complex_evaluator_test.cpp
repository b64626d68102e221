// The complex-mode evaluator: values, error codes and positions, "?" and the last result,
// and a cross-check against the real engine on real inputs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "complex/complex_evaluator.h"
#include "complex/complex_test_util.h"
#include "engine/engine.h"
#include "engine/error_codes.h"
#include "engine/float_fault.h"

namespace kalvo {
namespace {

using test::ExpectCx;
using test::kTruePi;

class ComplexEvaluatorTest : public ::testing::Test {
protected:
    SilentHost m_host;
    Engine m_engine{m_host};
    ComplexEvaluator m_cx{m_engine};

    void SetForm(int form) { m_engine.State().display.complexForm = form; }
};

struct ValueRow {
    const char* name;
    const char* text;
    int form;
    Real re;
    Real im;
};

// Expected values are exact or taken from tables of the elementary functions.
constexpr Real kSinh1 = 1.17520119364380145688L;
constexpr Real kCos1 = 0.540302305868139717401L;
constexpr Real kTanh1 = 0.761594155955764888120L;
constexpr Real kLn24 = 3.17805383034794561964L;
constexpr Real kTrueE = 2.71828182845904523536L;

TEST_F(ComplexEvaluatorTest, Values) {
    const std::vector<ValueRow> rows = {
        {"product rect", "comp(1,2)*comp(0,1)", kRect, -2, 1},
        {"sum", "comp(1,2)+comp(3,-4)", kRect, 4, -2},
        {"difference", "comp(1,2)-comp(3,-4)", kRect, -2, 6},
        {"quotient", "comp(1,2)/comp(3,4)", kRect, 0.44L, 0.08L},
        {"polar literal", "comp(2,pi/2)", kPolar, 0, 2},
        {"polar negative modulus", "comp(-4,0)", kPolar, -4, 0},
        {"real power", "comp(2,0)^comp(3,0)", kRect, 8, 0},
        {"i squared by power", "comp(0,1)^comp(2,0)", kRect, -1, 0},
        {"power is right associative", "comp(2,0)^comp(3,0)^comp(2,0)", kRect, 512, 0},
        {"sign applies to the base", "-comp(2,0)^comp(2,0)", kRect, 4, 0},
        {"sign of a product", "-comp(1,2)*comp(0,1)", kRect, 2, -1},
        {"squared sign", "comp(0,1)\xB2", kRect, -1, 0},
        {"root sign", "comp(-4,0)\xBD", kRect, 0, 2},
        {"cubed sign", "comp(0,1)\xB3", kRect, 0, -1},
        {"sqr", "sqr(comp(1,1))", kRect, 0, 2},
        {"sqrt of -4", "sqrt(comp(-4,0))", kRect, 0, 2},
        {"sqrt of -4 polar", "sqrt(comp(-4,0))", kPolar, 0, 2},
        {"abs", "abs(comp(3,4))", kRect, 5, 0},
        {"abs polar", "abs(comp(5,1))", kPolar, 5, 0},
        {"exp of i pi", "exp(comp(0,pi))", kRect, -1, 0},
        {"ln of -1", "ln(comp(-1,0))", kRect, 0, kTruePi},
        {"sin of i", "sin(comp(0,1))", kRect, 0, kSinh1},
        {"cos of i", "cos(comp(0,1))", kRect, 1.54308063481524377848L, 0},
        {"sinh is hyperbolic", "sinh(comp(1,0))", kRect, kSinh1, 0},
        {"cosh is hyperbolic", "cosh(comp(0,1))", kRect, kCos1, 0},
        {"tanh is hyperbolic", "tanh(comp(1,0))", kRect, kTanh1, 0},
        {"arctan of 1", "arctan(comp(1,0))", kRect, kTruePi / 4, 0},
        {"LnGamma of 5", "LnGamma(comp(5,0))", kRect, kLn24, 0},
        {"pi", "pi", kRect, kTruePi, 0},
        {"pi sign", "\xB6", kRect, kTruePi, 0},
        {"e", "e", kRect, kTrueE, 0},
        {"constant in a sum", "comp(1,1)+pi", kRect, 1 + kTruePi, 1},
        {"constant with power", "e^comp(0,pi)", kRect, -1, 0},
        {"parentheses", "(comp(1,1))*(comp(1,-1))", kRect, 2, 0},
        {"nested parentheses", "((comp(1,1)+comp(1,1)))/comp(2,0)", kRect, 1, 1},
        {"real functions inside comp", "comp(sqrt(9),2^3)", kRect, 3, 8},
        {"empty text", "", kRect, 0, 0},
    };
    for (const ValueRow& row : rows) {
        SCOPED_TRACE(row.name);
        SetForm(row.form);
        ComplexNum z = m_cx.EvaluateComplex(row.text);
        ASSERT_FALSE(m_cx.ErrorFlag()) << "code " << m_cx.ErrorCode() << " at " << m_cx.ErrorPos();
        ExpectCx(z, row.re, row.im, 1e-17L);
    }
}

TEST_F(ComplexEvaluatorTest, CompTakesTheFormSetting) {
    SetForm(kPolar);
    ComplexNum polar = m_cx.EvaluateComplex("comp(2,1)");
    EXPECT_EQ(polar.form, kFormPolar);
    ExpectCx(polar, 2 * std::cos(1.0L), 2 * std::sin(1.0L), 1e-18L);
    SetForm(kRect);
    ComplexNum rect = m_cx.EvaluateComplex("comp(2,1)");
    EXPECT_EQ(rect.form, kFormRect);
    ExpectCx(rect, 2, 1, 0);
}

TEST_F(ComplexEvaluatorTest, BareVariablesReadTheRealVariables) {
    EngineState& s = m_engine.State();
    s.Var(kSlotX) = 2;
    s.Var(kSlotY) = -3;
    const std::vector<ValueRow> rows = {
        {"upper case", "X*comp(0,1)", kRect, 0, 2},
        {"lower case", "x*comp(0,1)", kRect, 0, 2},
        {"negated", "-Y", kRect, 3, 0},
        {"inside comp", "comp(X,Y)", kRect, 2, -3},
        {"with power", "X^comp(2,0)", kRect, 4, 0},
    };
    for (const ValueRow& row : rows) {
        SCOPED_TRACE(row.name);
        ComplexNum z = m_cx.EvaluateComplex(row.text);
        ASSERT_FALSE(m_cx.ErrorFlag()) << "code " << m_cx.ErrorCode() << " at " << m_cx.ErrorPos();
        ExpectCx(z, row.re, row.im, 0);
    }
}

TEST_F(ComplexEvaluatorTest, RandomIsInTheUnitSquare) {
    for (int i = 0; i < 20; ++i) {
        ComplexNum z = m_cx.EvaluateComplex("random");
        ASSERT_FALSE(m_cx.ErrorFlag());
        EXPECT_GE(z.a, 0);
        EXPECT_LE(z.a, 1);
        EXPECT_GE(z.b, 0);
        EXPECT_LE(z.b, 1);
    }
}

struct ErrorRow {
    const char* name;
    const char* text;
    int code;
    int pos;
    int length;
};

TEST_F(ComplexEvaluatorTest, ErrorsAndPositions) {
    const std::vector<ErrorRow> rows = {
        {"division by zero at the divisor", "comp(1,0)/comp(0,0)", kErrDivisionByZero, 11, 9},
        {"division by a zero in parentheses", "comp(1,0)/(comp(0,0))+comp(1,1)", kErrDivisionByZero,
         11, 11},
        {"division by polar zero", "comp(1,0)/(comp(0,0)*comp(1,1))", kErrDivisionByZero, 11, 21},
        {"number written directly", "2*comp(1,1)", kErrSyntax, 1, 1},
        {"number as a factor", "comp(1,1)*2", kErrSyntax, 11, 1},
        {"decimal point", ".5", kErrSyntax, 1, 1},
        {"hex prefix", "$A", kErrSyntax, 1, 1},
        {"term starting with squared", "\xB2" "comp(1,1)", kErrSyntax, 1, 1},
        {"term after ( starting with ^", "(^comp(1,1))", kErrSyntax, 2, 1},
        {"sign after times", "comp(1,0)*-comp(1,0)", kErrSyntax, 11, 1},
        {"operator after plus", "comp(1,0)+*comp(1,0)", kErrSyntax, 11, 1},
        {"two signs", "--comp(1,0)", kErrSyntax, 2, 1},
        {"operator after power", "comp(1,1)^*comp(1,1)", kErrSyntax, 11, 1},
        {"juxtaposed values", "comp(1,1)comp(1,1)", kErrSyntax, 10, 1},
        {"surplus closing parenthesis", "comp(1,1))", kErrSyntax, 10, 1},
        {"bad character after ?", "?comp(1,1)", kErrSyntax, 2, 1},
        {"constant used as a function", "pi(comp(1,1))", kErrSyntax, 3, 1},
        {"assignment", "X=comp(1,1)", kErrSyntax, 2, 1},
        {"unknown function", "foo(comp(1,1))", kErrSyntax, 1, 3},
        {"real-only function", "log(comp(10,0))", kErrSyntax, 1, 3},
        {"unknown name at the end", "comp(1,1)+bar", kErrSyntax, 11, 3},
        {"function without parenthesis", "sin", kErrSyntax, 1, 3},
        {"ln of zero", "ln(comp(0,0))", kErrSingularity, 13, 1},
        {"ln of zero inside a sum", "ln(comp(0,0))+comp(1,1)", kErrSingularity, 13, 1},
        {"power overflow", "comp(10,0)^comp(10000,0)", kErrOverflow, 24, 1},
        {"arctan of i", "arctan(comp(0,1))", kErrSingularity, 17, 1},
        {"arctanh of 1", "arctanh(comp(1,0))", kErrSingularity, 18, 1},
        {"LnGamma at -2", "LnGamma(comp(-2,0))", kErrSingularity, 19, 1},
        {"exp overflow", "exp(comp(20000,0))", kErrOverflow, 18, 1},
        {"exp underflow", "exp(comp(-20000,0))", kErrUnderflow, 19, 1},
        {"comp with one argument", "comp(1)", kErrCommaExpected, 7, 1},
        {"comp with empty first argument", "comp(,1)", kErrMissingArgument, 6, 1},
        {"comp with empty second argument", "comp(1,)", kErrMissingArgument, 8, 1},
        {"comp with three arguments", "comp(1,2,3)", kErrSyntax, 9, 1},
        {"comp without its closing parenthesis", "comp(1,2", kErrMissingClosing, 8, 1},
        {"undefined variable, prompt cancelled", "comp(1,1)*Y", kErrUserBreak, 11, 1},
        {"end marker inside the text", "comp(1,0)\x7F+comp(5,0)", kErrSyntax, 10, 1},
    };
    for (const ErrorRow& row : rows) {
        SCOPED_TRACE(row.name);
        ComplexNum z = m_cx.EvaluateComplex(row.text);
        ASSERT_TRUE(m_cx.ErrorFlag());
        EXPECT_EQ(m_cx.ErrorCode(), row.code);
        EXPECT_EQ(m_cx.ErrorPos(), row.pos);
        EXPECT_EQ(m_cx.ErrorLength(), row.length);
        EXPECT_TRUE(CxEqual(z, CxZero));
    }
}

// An error inside an argument of comp( is the real engine's error, moved to where the
// argument stands in the whole text.
TEST_F(ComplexEvaluatorTest, CompArgumentErrorsAreOffsetIntoTheText) {
    struct Row {
        const char* name;
        const char* before;  ///< text up to the argument
        const char* argument;
        const char* after;
    };
    const std::vector<Row> rows = {
        {"first argument", "comp(", "1+", ",2)"},
        {"second argument", "comp(1,", "2/0", ")"},
        {"after another value", "comp(1,1)*comp(", "sqrt(-1)", ",0)"},
        {"nested parentheses", "comp(", "(1+(2*))", ",0)"},
        {"undefined variable", "exp(comp(0,", "Z", "))"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Engine::Report report;
        m_engine.EvaluateReport(row.argument, report);
        ASSERT_TRUE(report.errorFlag);
        const int realCode = m_engine.State().errorCode;
        const std::string text = std::string(row.before) + row.argument + row.after;
        m_cx.EvaluateComplex(text);
        ASSERT_TRUE(m_cx.ErrorFlag());
        EXPECT_EQ(m_cx.ErrorCode(), realCode);
        EXPECT_EQ(m_cx.ErrorPos(), static_cast<int>(std::string(row.before).size()) + report.errorPos);
        EXPECT_EQ(m_cx.ErrorLength(), report.errorLength);
    }
}

TEST_F(ComplexEvaluatorTest, DeepNestingIsAStackOverflow) {
    const std::string text = std::string(500, '(') + "comp(1,1)" + std::string(500, ')');
    m_cx.EvaluateComplex(text);
    ASSERT_TRUE(m_cx.ErrorFlag());
    EXPECT_EQ(m_cx.ErrorCode(), kErrStackOverflow);

    const std::string shallow = std::string(100, '(') + "comp(1,1)" + std::string(100, ')');
    ExpectCx(m_cx.EvaluateComplex(shallow), 1, 1, 0);
    EXPECT_FALSE(m_cx.ErrorFlag());
}

TEST_F(ComplexEvaluatorTest, QuestionMarkIsTheLastResult) {
    m_cx.SetLastResult(MakeRect(1, 2));
    ExpectCx(m_cx.EvaluateComplex("?*comp(0,1)"), -2, 1, 0);
    ExpectCx(m_cx.EvaluateComplex("comp(1,0)+?"), 2, 2, 0);
    // A syntax error leaves the last result alone.
    m_cx.EvaluateComplex("2*?");
    ASSERT_TRUE(m_cx.ErrorFlag());
    ExpectCx(m_cx.LastResult(), 1, 2, 0);
    // A math fault makes it zero.
    m_cx.EvaluateComplex("?+ln(comp(0,0))");
    ASSERT_TRUE(m_cx.ErrorFlag());
    EXPECT_EQ(m_cx.ErrorCode(), kErrSingularity);
    ExpectCx(m_cx.LastResult(), 0, 0, 0);
    ExpectCx(m_cx.EvaluateComplex("?+comp(1,1)"), 1, 1, 0);
}

TEST_F(ComplexEvaluatorTest, ComputesInRadiansAndRestoresTheAngleUnit) {
    m_engine.State().angleUnit = 1;
    ExpectCx(m_cx.EvaluateComplex("comp(sin(pi/2),cos(pi))"), 1, -1, 1e-18L);
    EXPECT_EQ(m_engine.State().angleUnit, 1);
    m_cx.EvaluateComplex("comp(sin(pi/2),1+)");
    EXPECT_TRUE(m_cx.ErrorFlag());
    EXPECT_EQ(m_engine.State().angleUnit, 1);
    EXPECT_FALSE(m_engine.State().errorFlag);
}

TEST_F(ComplexEvaluatorTest, FloatingPointFaultsAreStopped) {
    m_engine.State().angleUnit = 1;
    m_engine.State().text = "typed";
    try {
        m_cx.EvaluateComplex("comp(1E4000,0)*comp(1E4000,0)");
        ADD_FAILURE() << "no fault";
    } catch (const FloatFaultError& fault) {
        EXPECT_EQ(fault.Fault(), FloatFault::kOverflow);
    }
    EXPECT_EQ(m_engine.State().angleUnit, 1);
    EXPECT_EQ(m_engine.State().text, "typed");
}

// Real inputs: the complex functions on comp(x, 0) agree with the real engine in radians.
TEST_F(ComplexEvaluatorTest, AgreesWithTheRealEngineOnRealInputs) {
    struct Row {
        const char* function;
        std::vector<Real> points;
    };
    const std::vector<Row> rows = {
        {"sin", {-3, -0.5L, 0, 0.25L, 1, 2.5L, 10}},
        {"cos", {-3, -0.5L, 0, 0.25L, 1, 2.5L, 10}},
        {"tan", {-1.2L, -0.5L, 0, 0.25L, 1}},
        {"exp", {-20, -1, 0, 0.5L, 3, 40}},
        {"ln", {0.001L, 0.5L, 1, 2, 1000}},
        {"sqrt", {0, 0.25L, 2, 1e6L}},
        {"sqr", {-3, 0.5L, 7}},
        {"abs", {-3, 0, 2.5L}},
        {"arctan", {-5, -1, 0, 0.3L, 2}},
        {"arcsin", {-0.9L, -0.2L, 0, 0.5L, 0.99L}},
        {"arccos", {-0.9L, -0.2L, 0, 0.5L, 0.99L}},
        {"sinh", {-3, -0.5L, 0, 1, 5}},
        {"cosh", {-3, -0.5L, 0, 1, 5}},
        {"tanh", {-3, -0.5L, 0, 1, 5}},
        {"arcsinh", {-3, -0.5L, 0, 1, 5}},
        {"arccosh", {1, 1.5L, 3, 10}},
        {"arctanh", {-0.9L, -0.2L, 0, 0.5L}},
    };
    m_engine.State().angleUnit = 0;
    for (const Row& row : rows) {
        for (Real x : row.points) {
            const std::string arg = std::to_string(static_cast<double>(x));
            SCOPED_TRACE(std::string(row.function) + "(" + arg + ")");
            const Real expected = m_engine.Evaluate(std::string(row.function) + "(" + arg + ")");
            ASSERT_FALSE(m_engine.State().errorFlag);
            const ComplexNum z =
                m_cx.EvaluateComplex(std::string(row.function) + "(comp(" + arg + ",0))");
            ASSERT_FALSE(m_cx.ErrorFlag()) << "code " << m_cx.ErrorCode();
            ExpectCx(z, expected, 0, 1e-16L);
        }
    }
}

}  // namespace
}  // namespace kalvo
