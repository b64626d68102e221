// The three grammar levels of the recursive-descent evaluator and the postfix operators.
#include <cmath>
#include <cstdint>

#include "engine/char_classes.h"
#include "engine/engine.h"
#include "engine/error_codes.h"
#include "engine/float_fault.h"
#include "engine/power.h"

namespace kalvo {

namespace {

Real Combine(char op, Real left, Real right) {
    switch (op) {
        case '+':
            return Checked(left + right);
        case '-':
            return Checked(left - right);
        case '&':
            return static_cast<Real>(TruncToInt32(left) & TruncToInt32(right));
        case '|':
            return static_cast<Real>(TruncToInt32(left) | TruncToInt32(right));
        default:  // backslash: exclusive or
            return static_cast<Real>(TruncToInt32(left) ^ TruncToInt32(right));
    }
}

}  // namespace

Real Engine::Expression() {
    Real result = Term();
    if (m_state.errorFlag) {
        return result;
    }
    while (IsAdditive(m_state.currentChar)) {
        char op = m_state.currentChar;
        Advance();
        char c = m_state.currentChar;
        if (c == '^' || IsMultiplicative(c) || IsAdditive(c)) {
            RaiseError(kErrSyntax);
            return result;
        }
        Real operand = Term();
        if (m_state.errorFlag) {
            return result;
        }
        result = Combine(op, result, operand);
    }
    return result;
}

Real Engine::Term() {
    if (m_state.scanPos == m_state.subexprStart &&
        char_class::Is(CharAt(m_state.subexprStart), char_class::kBadTermStart)) {
        RaiseError(kErrSyntax);
        return 0;
    }
    Real result;
    char c = m_state.currentChar;
    if (c == '+' || c == '-') {
        Advance();
        if (IsAdditive(m_state.currentChar)) {
            RaiseError(kErrSyntax);
            return 0;
        }
        result = Factor();
        if (c == '-') {
            result = -result;
        }
    } else {
        result = Factor();
    }
    if (m_state.errorFlag) {
        return result;
    }
    c = m_state.currentChar;
    if (!char_class::Is(c, char_class::kTermEnd)) {
        // Inside an argument list another character (such as ",") ends the term.
        if (m_state.argDepth == 0) {
            RaiseError(kErrSyntax);
        }
        return result;
    }
    while (IsMultiplicative(m_state.currentChar)) {
        char op = m_state.currentChar;
        Advance();
        if (IsAdditive(m_state.currentChar) || m_state.currentChar == '^') {
            RaiseError(kErrSyntax);
            return result;
        }
        Real operand = Factor();
        if (m_state.errorFlag) {
            return result;
        }
        if (op == '*') {
            result = Checked(result * operand);
        } else if (op == '%') {
            result = Checked(result * Checked(operand * 0.01L));
        } else if (operand == 0) {
            return DivisionByZero();
        } else {
            result = Checked(result / operand);
        }
    }
    return result;
}

Real Engine::DivisionByZero() {
    // Mark the divisor: from just after the "/" up to the character before the scanner.
    // At the end marker the divisor ends with the text, so there is nothing to step back
    // over (the position alone cannot tell that from a scanner on the last character).
    const bool atEnd = m_state.currentChar == kEndMarker;
    RaiseError(kErrSyntax);
    if (!atEnd) {
        --m_state.errorPos;
    }
    while (m_state.errorPos > 1 && CharAt(m_state.errorPos - 1) != '/') {
        --m_state.errorPos;
        ++m_state.errorLength;
    }
    m_state.errorCode = kErrDivisionByZero;
    return 0;
}

bool Engine::ShortDecimal(int sign, Real& result) {
    constexpr int kMaxDigits = 18;  // exact in the 64-bit significand
    int pos = m_state.scanPos;
    std::uint64_t value = 0;
    int digits = 0;
    char c = CharAt(pos);
    while (c >= '0' && c <= '9') {
        if (++digits > kMaxDigits) {
            return false;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        c = CharAt(++pos);
    }
    if (c == '.' || c == 'E' || c == ':' || c == '$') {
        return false;
    }
    const int size = static_cast<int>(m_state.text.size());
    m_state.scanPos = pos > size ? size : pos;
    m_state.currentChar = c;
    result = sign * static_cast<Real>(value);
    if (!OperandCheck()) {
        result = 0;
    }
    return true;
}

Real Engine::Factor() {
    // Deeply nested text ends with "Stack overflow" instead of exhausting the machine
    // stack. The count is kept by hand rather than by a guard object: a destructor on
    // this hottest path costs a quarter of the evaluation time. Evaluate puts the count
    // back when a fault unwinds through here.
    if (++m_nesting > kMaxNesting) {
        --m_nesting;
        RaiseError(kErrStackOverflow);
        return 0;
    }
    Real result = FactorBody();
    --m_nesting;
    return result;
}

Real Engine::FactorBody() {
    auto isOperandStart = [this](char ch) {
        return m_operandStart[static_cast<unsigned char>(ch)];
    };
    if (!isOperandStart(m_state.currentChar)) {
        RaiseError(kErrSyntax);
        return 0;
    }
    int sign = 1;
    if (m_state.currentChar == '+' || m_state.currentChar == '-') {
        sign = m_state.currentChar == '-' ? -1 : 1;
        Advance();
        // A sign must be followed by an operand, never by another sign or an operator.
        if (m_state.currentChar == '+' || m_state.currentChar == '-' ||
            !isOperandStart(m_state.currentChar)) {
            RaiseError(kErrSyntax);
            return 0;
        }
    }

    Real result = 0;
    char c = m_state.currentChar;
    bool postfix = true;
    if (c == '?') {
        Advance();
        result = sign * m_state.lastAnswer;
        if (!OperandCheck()) {
            return 0;
        }
    } else if (c == '(') {
        Advance();
        m_state.subexprStart = m_state.scanPos;
        result = Expression();
        if (m_state.errorFlag) {
            return result;
        }
        c = m_state.currentChar;
        if (c == ')' || c == kEndMarker || (m_state.argDepth > 0 && c == ',')) {
            Advance();
            result = sign * result;
            if (m_state.currentChar == kEndMarker) {
                return result;
            }
        } else {
            RaiseError(kErrMissingClosing);
            ++m_state.errorPos;
            return 0;
        }
    } else if (c >= '0' && c <= '9' && m_state.display.base == kDec && ShortDecimal(sign, result)) {
        // A plain decimal integer: read without the general literal machinery.
    } else if (c == '$' || InDigitSet(c)) {
        result = NumberLiteral(sign, postfix);
    } else if (IsVariableLetter(c) && IsNameTerminator(CharAt(m_state.scanPos + 1)) &&
               CharAt(m_state.scanPos + 1) != '=') {
        // A variable read, the commonest name, without the table lookup.
        const int nameStart = m_state.scanPos;
        const int slot = VariableSlotOf(c);
        m_state.usedNames.AddLetter(EngineState::Letter(slot));
        Advance();
        result = ReadVariable(slot, sign, nameStart);
    } else if (IsAsciiLetter(c) || c == kPiSign) {
        result = NameRule(sign, postfix);
    }
    // Any other operand start (a bitwise operator) consumes nothing and leaves 0.
    if (m_state.errorFlag || !postfix ||
        !char_class::Is(m_state.currentChar, char_class::kPostfix)) {
        return result;
    }

    if (m_state.currentChar == '^') {
        Advance();
        if (char_class::Is(m_state.currentChar, char_class::kBadAfterPower)) {
            RaiseError(kErrSyntax);
            return 0;
        }
        Real exponent = Factor();
        if (m_state.errorFlag) {
            return 0;
        }
        bool negativeBase = false;
        result = Power(result, exponent, negativeBase);
        if (negativeBase) {
            RaiseError(kErrArgumentNegative);
            return 0;
        }
    }
    if (m_state.currentChar == kSquareSign) {
        Advance();
        result = Checked(result * result);
    }
    if (m_state.currentChar == kRootSign) {
        Advance();
        if (result < 0) {
            ResetAnswer(result);
            RaiseError(kErrArgumentNegative);
            return 0;
        }
        result = std::sqrt(result);
    }
    if (m_state.currentChar == kCubeSign) {
        Advance();
        result = Checked(result * result * result);
    }
    return result;
}

}  // namespace kalvo
