#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "engine/engine.h"
#include "engine/float_fault.h"
#include "engine/fake_host.h"

namespace kalvo::test {

/// What one evaluation produced: a value, an engine error or a floating-point fault.
struct Outcome {
    Real value = 0;
    bool error = false;
    int code = 0;
    int pos = 0;
    int length = 0;
    std::optional<FloatFault> fault;
};

/// An engine wired to the fake host, set up as the main window sets it up before each
/// evaluation (decimal digit set, ArgDepth and the used lists cleared).
class EngineFixture : public ::testing::Test {
protected:
    EngineFixture() {
        host.Attach(engine);
        SetBase(kDec);
    }

    EngineState& S() { return engine.State(); }

    void SetBase(int base) {
        S().display.base = base;
        S().digitSet = base == kHex ? "$0123456789ABCDEF" : base == kBin ? "01" : ".0123456789";
    }

    Outcome Run(const std::string& text) {
        Outcome out;
        S().argDepth = 0;
        S().errorFlag = false;
        S().usedNames.clear();
        S().usedValues.clear();
        try {
            out.value = engine.Evaluate(text);
        } catch (const FloatFaultError& fault) {
            out.fault = fault.Fault();
            return out;
        }
        out.error = S().errorFlag;
        if (out.error) {
            out.code = S().errorCode;
            out.pos = S().errorPos;
            out.length = S().errorLength;
        }
        return out;
    }

    /// Evaluates text that must succeed and returns its value.
    Real Value(const std::string& text) {
        Outcome out = Run(text);
        EXPECT_FALSE(out.error) << text << ": error " << out.code << " at " << out.pos;
        EXPECT_FALSE(out.fault.has_value()) << text << ": floating-point fault";
        return out.value;
    }

    FakeHost host;
    Engine engine{host};
};

/// Relative closeness for results computed through several roundings.
inline ::testing::AssertionResult Near(Real actual, Real expected, Real relative) {
    Real scale = std::fmax(std::fabs(expected), 1e-300L);
    if (std::fabs(actual - expected) <= relative * scale) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << static_cast<double>(actual) << " is not within " << static_cast<double>(relative)
           << " (relative) of " << static_cast<double>(expected);
}

}  // namespace kalvo::test
