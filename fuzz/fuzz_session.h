#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/calculator_session.h"
#include "fuzz_host.h"

namespace kalvo {

/// Ends the run with a message when a property that must hold for every input fails;
/// libFuzzer keeps the input like a crash.
void FuzzCheck(bool holds, const char* what);

/// The text after `skip` leading bytes of a fuzz input.
std::string_view FuzzText(const std::uint8_t* data, std::size_t size, std::size_t skip = 0);

/// The lines of a text split at "\n" (a "\r" stays in its line).
std::vector<std::string_view> FuzzLines(std::string_view text);

/// The words of a command line, separated by NUL bytes (at most 64 words).
std::vector<std::string> FuzzWords(std::string_view text);

/// A calculator session as the command line runs it, set up from the leading bytes of
/// the input, with the fuzz host's break.
class FuzzSession {
  public:
    /// Bytes that `ApplySettings` reads.
    static constexpr std::size_t kSettingBytes = 4;

    FuzzSession();

    /// Notation, base, angle and complex form from the first byte, the width from the
    /// second, the integration precision from the third and the bit-group width from the
    /// fourth (missing bytes count as 0).
    void ApplySettings(const std::uint8_t* data, std::size_t size);

    /// A line before the expression: "X:text" gives variable X (any of X..N) the
    /// definition text without a value; any other line is offered as a user function.
    void Define(std::string_view line);

    /// Runs the evaluation cycle on text and checks what it produced.
    ResultLine Evaluate(std::string_view text);

    /// The whole input of the evaluator targets: every line but the last goes to
    /// `Define`, the last is evaluated, then the session must still be usable.
    void DefineAndEvaluate(std::string_view text);

    /// Checks that the session still evaluates a plain sum: nothing of the input may be
    /// left in a state that breaks the next evaluation.
    void CheckStillUsable();

    CalculatorSession& Session() { return m_session; }
    Engine& GetEngine() { return m_session.GetEngine(); }

  private:
    FuzzHost m_host;
    CalculatorSession m_session;
};

}  // namespace kalvo
