// Random texts built from the grammar's own characters and names: whatever the text, the
// engine ends with a finite value, an engine error that consumed the text, or a
// floating-point fault, and it never crashes or overruns (the sanitizer build runs this).
#include <gtest/gtest.h>

#include <random>

#include "engine/engine_fixture.h"
#include "engine/user_functions.h"

namespace kalvo::test {
namespace {

class RandomTextTest : public EngineFixture {};

std::string RandomText(std::mt19937& random) {
    static const char* const kPieces[] = {
        "1",     "2.5",   "0",      "1E3",   "3:30",  "$1F",  ".",     "+",     "-",
        "*",     "/",     "%",      "^",     "&",     "|",    "\\",    "(",     ")",
        ",",     "=",     "?",      "X",     "Y",     "x",    "J",     "\xB2",  "\xB3",
        "\xBD",  "\xB6",  "sin(",   "ln(",   "sqrt(", "pi",   "e",     "max(",  "min(",
        "solve(", "integral(", "mean(", "poly(", "std(", "n!(", "gamma(", "Jn(", "f(",
        "g(",    "c",     "(c=",    "(X=",   "forJtoKstepMdo(", "E",  ";",    "9",
        "exp(",  "1E4000", "0^-1",  "trunc(", "1E9&",
    };
    std::uniform_int_distribution<int> length(1, 14);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::string text;
    for (int n = length(random); n > 0; --n) {
        text += kPieces[piece(random)];
    }
    return text;
}

TEST_F(RandomTextTest, EveryTextEndsInAValueAnErrorOrAFault) {
    ASSERT_TRUE(engine.Functions().Add("f(x)=x*x+1", nullptr));
    ASSERT_TRUE(engine.Functions().Add("g(a,b)=f(a)-b", nullptr));
    std::mt19937 random(20261208);
    int values = 0;
    int errors = 0;
    int faults = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string text = RandomText(random);
        S().Var(kSlotX) = 1.5L;
        S().Var(kSlotY) = -2;
        S().Var(kSlotJ) = 1;
        S().Var(kSlotK) = 3;
        S().Var(kSlotM) = 1;
        S().breakRequested = false;
        Outcome out = Run(text);
        if (out.fault) {
            ++faults;
        } else if (out.error) {
            ++errors;
            ASSERT_EQ(S().currentChar, kEndMarker) << text;
            ASSERT_GE(out.code, 0) << text;
            ASSERT_LE(out.code, 28) << text;
        } else {
            ++values;
            ASSERT_TRUE(std::isfinite(out.value)) << text;
        }
        for (int slot = 1; slot <= kVariableCount; ++slot) {
            ASSERT_TRUE(std::isfinite(S().Var(slot))) << text;
        }
    }
    // The mix must exercise all three endings, or the generator has gone blind.
    EXPECT_GT(values, 500);
    EXPECT_GT(errors, 500);
    EXPECT_GT(faults, 50);
    RecordProperty("values", values);
    RecordProperty("errors", errors);
    RecordProperty("faults", faults);
}

}  // namespace
}  // namespace kalvo::test
