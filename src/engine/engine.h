#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "engine/char_classes.h"
#include "engine/engine_host.h"
#include "engine/engine_state.h"
#include "engine/random_source.h"
#include "engine/real.h"

namespace kalvo {

class UserFunctions;

/// Copies the argument that starts at position `start` (1-based) of text up to the "," or
/// ")" that ends it at nesting depth 0; returns that terminator's position, or the text's
/// length + 1 when the text ends first.
int ArgumentEnd(const std::string& text, int start, std::string& argument);

/// The real-mode expression engine: a recursive-descent evaluator that computes while it
/// parses, so every evaluation reads the text again. Errors are reported through the
/// error fields of the state; floating-point faults leave as FloatFaultError.
///
///   Engine engine(host);
///   Real v = engine.Evaluate("2^3^2");          // 512
///   if (engine.State().errorFlag) { ... engine.ErrorText(engine.State().errorCode) ... }
class Engine {
  public:
    explicit Engine(EngineHost& host);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    EngineState& State() { return m_state; }
    const EngineState& State() const { return m_state; }
    EngineHost& Host() { return *m_host; }
    void SetHost(EngineHost& host) { m_host = &host; }

    /// Stores text as the expression and evaluates it. An empty text gives 0 and changes
    /// nothing. Throws FloatFaultError on an arithmetic fault.
    Real Evaluate(const std::string& text);

    struct Report {
        bool errorFlag = false;
        int errorPos = 0;
        int errorLength = 0;
    };
    /// Evaluate with the error fields copied out (the complex evaluator's entry).
    Real EvaluateReport(const std::string& text, Report& report);

    /// The message of an error code; code 27 is built from the user-function fields.
    std::string ErrorText(int code) const;

    /// `FormatReal` with the engine's settings; a formatting fault becomes engine error
    /// 11 or 23 positioned just past the end of the text.
    std::string FormatValue(int width, Real value);
    /// `UsedValues`[i] as text, formatted with `ListDigits` at the time of reading.
    std::string UsedValueText(std::size_t index) const;

    void RaiseError(int code);
    void ResetAnswer(Real& result);
    /// The end marker (DEL) inside the text would end the evaluation there and drop the
    /// rest unseen; raises a syntax error at it instead. True when it did.
    bool RejectEndMarker();

    // Variable access used by the front end and the value prompt.
    bool PromptVariable(int slot);
    bool CheckBreak();
    /// Pumps the host's messages and checks for a confirmed break (true: stop, error 22 raised).
    bool Poll();

    UserFunctions& Functions() { return *m_functions; }
    RandomSource& Random() { return m_random; }

    // Grammar levels; the numerical operators and user functions call them directly.
    Real Expression();
    Real Term();
    Real Factor();

    void Advance() { m_state.currentChar = NextChar(); }
    char NextChar() {
        if (m_state.scanPos >= static_cast<int>(m_state.text.size())) {
            return kEndMarker;
        }
        return m_state.text[static_cast<std::size_t>(m_state.scanPos++)];
    }
    /// 1-based; the end marker outside the text.
    char CharAt(int pos) const {
        if (pos < 1 || pos > static_cast<int>(m_state.text.size())) {
            return kEndMarker;
        }
        return m_state.text[static_cast<std::size_t>(pos - 1)];
    }
    /// Whether c belongs to the number characters of the current base (`DigitSet`).
    bool InDigitSet(char c) const { return m_digitTable[static_cast<unsigned char>(c)]; }

    /// Maximum nesting of factors (parentheses, exponents, arguments, user functions).
    static constexpr int kMaxNesting = 400;

  private:
    class CalculatingScope;

    Real FactorBody();

    Real NumberLiteral(int sign, bool& postfix);
    Real NameRule(int sign, bool& postfix);
    int NameLookup(int nameStart, NamedConstant*& constant);
    /// Rejects juxtaposition: after an operand only an operator, ")", "," or the end may follow.
    bool OperandCheck() {
        if (!IsOperandFollower(m_state.currentChar)) [[unlikely]] {
            RaiseError(0);
            return false;
        }
        return true;
    }
    bool ShortDecimal(int sign, Real& result);
    Real DivisionByZero();

    Real ReadVariable(int slot, int sign, int nameStart);
    Real AssignVariable(int slot, int nameStart);
    int DefineConstant(std::string name, int nameStart, NamedConstant*& constant);
    Real RunLoop(int keywordStart);
    bool PromptAndKeepPlace(int slot);
    void EvaluateVariableEditAndKeepPlace(int slot);
    /// Raises error 1 ("Undefined") on a variable whose definition leads back to itself.
    Real VariableCycle(int nameStart);

    Real CallFunction(int id, Real first, Real second);
    Real CallSpecial(int id, Real first, Real second);
    Real CallBuiltinWithArguments(int id, int nameStart, int sign, bool& postfix);

    // Numerical operators and list functions.
    Real ListFunction(int id);
    Real Solve();
    Real Integral();
    Real ExtremumSearch(bool maximum, bool boundsGiven);
    bool ExtractArgument(std::string& argument, int& endPos);
    bool EvaluateBound(Real& bound, int& endPos);
    bool EvaluateBounds(Real& lower, Real& upper);
    Real EvaluateAt(Real x, int argStart);
    Real SearchSubinterval(Real a, Real b, bool maximum, int argStart, Real& argument);
    Real ParabolicRefine(Real a, Real c, Real step, bool maximum, int argStart, Real& argument,
                         bool& ok);

    EngineState m_state;
    EngineHost* m_host;
    std::unique_ptr<UserFunctions> m_functions;
    RandomSource m_random;
    Real m_savedX = 0;  ///< X when the running extremum search started
    std::array<bool, 256> m_digitTable{};    ///< `DigitSet` as a lookup table
    std::array<bool, 256> m_operandStart{};  ///< characters that can start an operand
    std::string m_digitTableSource;  ///< the `DigitSet` that m_digitTable was built from
    int m_nesting = 0;
    /// Slots whose definition is being evaluated (from the variables panel or the value
    /// prompt); reading one of them again while it is undefined closes a cycle.
    std::array<bool, kVariableCount + 1> m_calculating{};
    int m_calculatingCount = 0;
    /// A cycle was found; every variable read on the way back out of the nested
    /// evaluations fails with it too.
    bool m_variableCycle = false;
};

}  // namespace kalvo
