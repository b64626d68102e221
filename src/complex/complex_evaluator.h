#pragma once

#include <string>

#include "complex/complex_math.h"
#include "complex/complex_num.h"
#include "engine/engine_state.h"

namespace kalvo {

class Engine;

/// The complex-mode evaluator: a recursive-descent interpreter over the text with complex
/// values, its own scanner and error state and its own name table. It has no number
/// literals: every number is written comp(a, b), whose two arguments are real expressions
/// evaluated by the real engine, so real variables and functions are reachable inside them.
///
///   ComplexEvaluator cx(engine);
///   ComplexNum z = cx.EvaluateComplex("comp(1,2)*comp(0,1)");   // -2 + 1i
///   if (cx.ErrorFlag()) { ... ErrorMessage(cx.ErrorCode()), cx.ErrorPos() ... }
///
/// It always computes in radians: the real engine's angle unit is 0 while it runs.
/// Arithmetic faults the library does not check leave as FloatFaultError.
class ComplexEvaluator {
  public:
    explicit ComplexEvaluator(Engine& engine);

    /// Evaluates a blank-free text. An empty text gives CxZero without error. Resets the
    /// error fields first; the last result is left to the caller (see SetLastResult),
    /// except that a math fault sets it to zero.
    ComplexNum EvaluateComplex(const std::string& text);

    bool ErrorFlag() const { return m_errorFlag; }
    /// An engine error code; 0 is a syntax error.
    int ErrorCode() const { return m_errorCode; }
    /// 1-based position in the evaluated text, and the length of the marked span.
    int ErrorPos() const { return m_errorPos; }
    int ErrorLength() const { return m_errorLength; }

    /// The value of "?".
    const ComplexNum& LastResult() const { return m_lastResult; }
    void SetLastResult(const ComplexNum& value) { m_lastResult = value; }

    /// Maximum nesting of factors (parentheses, exponents, arguments).
    static constexpr int kMaxNesting = 400;

  private:
    class NestingGuard;

    ComplexNum Expression();
    ComplexNum Term();
    ComplexNum Factor();
    ComplexNum Operand();
    ComplexNum NameRule();
    ComplexNum Comp();
    ComplexNum RealVariable(char letter, int nameStart);
    ComplexNum CallFunction(int code, const ComplexNum& z);
    ComplexNum ApplyPostfix(ComplexNum value);
    ComplexNum Divide(const ComplexNum& dividend, const ComplexNum& divisor, int divisorStart);

    /// Evaluates an argument of comp(...) that starts at position `start` with the real
    /// engine, moving its error position into this text.
    bool EvaluateArgument(const std::string& argument, int start, Real& value);
    bool FollowerCheck();
    bool MathFaultRaised(ComplexNum& result);

    void Advance();
    char CharAt(int pos) const;
    int Length() const { return static_cast<int>(m_text.size()); }
    /// Position of the last character consumed before the current one.
    int PreviousEnd() const;
    void RaiseError(int code);
    void RaiseErrorAt(int code, int pos, int length);

    Engine& m_engine;
    CxMath m_math;
    std::string m_text;
    int m_scanPos = 0;  ///< 1-based position of the current character (the last one at the end)
    char m_current = kEndMarker;
    bool m_errorFlag = false;
    int m_errorCode = 0;
    int m_errorPos = 0;
    int m_errorLength = 0;
    int m_nesting = 0;
    ComplexNum m_lastResult = CxZero;
};

}  // namespace kalvo
