// Random texts for the complex evaluator: a finite value, an error or a fault, never a
// crash, and a last result that stays finite.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "complex/complex_evaluator.h"
#include "engine/engine.h"
#include "engine/float_fault.h"

namespace kalvo {
namespace {

TEST(ComplexRandomText, EveryTextEndsInAValueAnErrorOrAFault) {
    static const char* const kPieces[] = {
        "comp(1,2)", "comp(0,0)", "comp(", ",", ")", "(", "+", "-", "*", "/", "^", "\xB2",
        "\xB3", "\xBD", "?", "sin(", "ln(", "exp(", "sqrt(", "arccosh(", "tan(", "LnGamma(",
        "abs(", "pi", "e", "X", "1", "comp(1E4000,1)", "comp(-4,0)", "random", "sqr(", "%",
    };
    SilentHost host;
    Engine engine(host);
    engine.State().digitSet = ".0123456789";
    engine.State().Var(kSlotX) = 0.5L;
    ComplexEvaluator evaluator(engine);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> length(1, 10);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    int values = 0;
    int errors = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            text += kPieces[piece(random)];
        }
        ComplexNum z;
        try {
            z = evaluator.EvaluateComplex(text);
        } catch (const FloatFaultError&) {
            continue;
        }
        if (evaluator.ErrorFlag()) {
            ++errors;
            ASSERT_GE(evaluator.ErrorPos(), 0) << text;
        } else {
            ++values;
            ASSERT_TRUE(std::isfinite(z.a) && std::isfinite(z.b)) << text;
            evaluator.SetLastResult(z);  // as the session does, so "?" varies
        }
        const ComplexNum& last = evaluator.LastResult();
        ASSERT_TRUE(std::isfinite(last.a) && std::isfinite(last.b)) << text;
    }
    EXPECT_GT(values, 300);
    EXPECT_GT(errors, 300);
}

}  // namespace
}  // namespace kalvo
