// The complex-mode evaluator: scanner, grammar levels, names and comp(a, b).
#include "complex/complex_evaluator.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "complex/complex_function_table.h"
#include "engine/char_classes.h"
#include "engine/engine.h"
#include "engine/error_codes.h"

namespace kalvo {

namespace {

bool IsSign(char c) {
    return c == '+' || c == '-';
}

/// Characters that end a name: ( ) , = ^ * / + - squared cubed root and the end marker.
bool EndsName(char c) {
    switch (c) {
        case '(':
        case ')':
        case ',':
        case '=':
        case '^':
        case '*':
        case '/':
        case '+':
        case '-':
        case kSquareSign:
        case kCubeSign:
        case kRootSign:
        case kEndMarker:
            return true;
        default:
            return false;
    }
}

/// Characters that may follow "?" or a name without arguments.
bool MayFollowOperand(char c) {
    switch (c) {
        case ')':
        case ',':
        case '^':
        case '+':
        case '-':
        case '*':
        case '/':
        case kSquareSign:
        case kCubeSign:
        case kRootSign:
        case kEndMarker:
            return true;
        default:
            return false;
    }
}

/// What a complex evaluation changes in the real engine and must give back: it computes
/// in radians whatever the angle setting, and the argument evaluations overwrite the
/// engine's text and error flag. Restored on every path, a floating-point fault included.
class RealEngineScope {
  public:
    explicit RealEngineScope(EngineState& state)
        : m_state(state), m_angleUnit(state.angleUnit), m_text(state.text) {
        m_state.angleUnit = 0;
    }
    ~RealEngineScope() {
        m_state.angleUnit = m_angleUnit;
        m_state.text = std::move(m_text);
        m_state.errorFlag = false;
    }
    RealEngineScope(const RealEngineScope&) = delete;
    RealEngineScope& operator=(const RealEngineScope&) = delete;

  private:
    EngineState& m_state;
    int m_angleUnit;
    std::string m_text;
};

}  // namespace

/// Counts the nesting of factors so that deeply nested text ends with "Stack overflow"
/// instead of exhausting the machine stack.
class ComplexEvaluator::NestingGuard {
  public:
    explicit NestingGuard(ComplexEvaluator& evaluator) : m_evaluator(evaluator) {
        ++m_evaluator.m_nesting;
    }
    ~NestingGuard() { --m_evaluator.m_nesting; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;
    bool TooDeep() const { return m_evaluator.m_nesting > kMaxNesting; }

  private:
    ComplexEvaluator& m_evaluator;
};

ComplexEvaluator::ComplexEvaluator(Engine& engine) : m_engine(engine) {}

ComplexNum ComplexEvaluator::EvaluateComplex(const std::string& text) {
    m_text = text;
    m_errorFlag = false;
    m_errorCode = 0;
    m_errorPos = 0;
    m_errorLength = 0;
    m_nesting = 0;
    if (text.empty()) {
        return CxZero;
    }
    if (const std::size_t at = text.find(kEndMarker); at != std::string::npos) {
        // The end marker's own character would end the text there and drop the rest.
        RaiseErrorAt(kErrSyntax, static_cast<int>(at) + 1, 1);
        return CxZero;
    }
    RealEngineScope scope(m_engine.State());
    m_scanPos = 0;
    Advance();
    ComplexNum result = Expression();
    if (!m_errorFlag && m_current != kEndMarker) {
        // Only a ")" that closes nothing stops the expression before the end.
        RaiseError(kErrSyntax);
    }
    return m_errorFlag ? CxZero : result;
}

void ComplexEvaluator::Advance() {
    if (m_scanPos < Length()) {
        ++m_scanPos;
        m_current = m_text[static_cast<std::size_t>(m_scanPos - 1)];
    } else {
        m_current = kEndMarker;
    }
}

char ComplexEvaluator::CharAt(int pos) const {
    if (pos < 1 || pos > Length()) {
        return kEndMarker;
    }
    return m_text[static_cast<std::size_t>(pos - 1)];
}

int ComplexEvaluator::PreviousEnd() const {
    return m_current == kEndMarker ? Length() : m_scanPos - 1;
}

void ComplexEvaluator::RaiseError(int code) {
    RaiseErrorAt(code, m_scanPos, 1);
}

void ComplexEvaluator::RaiseErrorAt(int code, int pos, int length) {
    if (m_errorFlag) {
        return;
    }
    m_errorFlag = true;
    m_errorCode = code;
    m_errorPos = pos;
    m_errorLength = length;
    // Consuming the rest of the text makes every level of the recursion return at once.
    m_scanPos = Length();
    m_current = kEndMarker;
}

ComplexNum ComplexEvaluator::Expression() {
    ComplexNum result = Term();
    while (!m_errorFlag && IsSign(m_current)) {
        const char op = m_current;
        Advance();
        const char c = m_current;
        if (c == '^' || c == '+' || c == '-' || c == '*' || c == '/') {
            RaiseError(kErrSyntax);
            break;
        }
        ComplexNum operand = Term();
        if (m_errorFlag) {
            break;
        }
        result = op == '+' ? CxAdd(result, operand) : CxSub(result, operand);
    }
    return result;
}

ComplexNum ComplexEvaluator::Term() {
    ComplexNum result = Factor();
    while (!m_errorFlag && (m_current == '*' || m_current == '/')) {
        const char op = m_current;
        Advance();
        if (IsSign(m_current) || m_current == '^') {
            RaiseError(kErrSyntax);
            break;
        }
        const int operandStart = m_scanPos;
        ComplexNum operand = Factor();
        if (m_errorFlag) {
            break;
        }
        result = op == '*' ? CxMul(result, operand) : Divide(result, operand, operandStart);
    }
    if (!m_errorFlag && m_current != ')' && m_current != kEndMarker && !IsSign(m_current)) {
        RaiseError(kErrSyntax);
    }
    return result;
}

ComplexNum ComplexEvaluator::Divide(const ComplexNum& dividend, const ComplexNum& divisor,
                                    int divisorStart) {
    if (CxEqual(divisor, CxZero)) {
        RaiseErrorAt(kErrDivisionByZero, divisorStart, PreviousEnd() - divisorStart + 1);
        return CxZero;
    }
    m_math.mathFault = 0;
    ComplexNum result = m_math.CxDiv(dividend, divisor);
    MathFaultRaised(result);
    return result;
}

ComplexNum ComplexEvaluator::Factor() {
    NestingGuard guard(*this);
    if (guard.TooDeep()) {
        RaiseError(kErrStackOverflow);
        return CxZero;
    }
    bool negative = false;
    if (IsSign(m_current)) {
        negative = m_current == '-';
        Advance();
        if (IsSign(m_current)) {
            RaiseError(kErrSyntax);
            return CxZero;
        }
    }
    ComplexNum value = Operand();
    if (m_errorFlag) {
        return CxZero;
    }
    // The sign belongs to the operand itself, so that -a^b is (-a)^b.
    if (negative) {
        value = CxNeg(value);
    }
    return ApplyPostfix(value);
}

ComplexNum ComplexEvaluator::Operand() {
    const char c = m_current;
    if (c == '(') {
        Advance();
        ComplexNum value = Expression();
        if (m_errorFlag) {
            return CxZero;
        }
        if (m_current != ')' && m_current != kEndMarker) {
            RaiseErrorAt(kErrMissingClosing, m_scanPos + 1, 1);
            return CxZero;
        }
        Advance();
        return value;
    }
    if (c == '?') {
        Advance();
        return FollowerCheck() ? m_lastResult : CxZero;
    }
    if (IsAsciiLetter(c) || c == kPiSign) {
        return NameRule();
    }
    // Numbers included: every number is written with comp(a, b).
    RaiseError(kErrSyntax);
    return CxZero;
}

ComplexNum ComplexEvaluator::ApplyPostfix(ComplexNum value) {
    if (m_current == '^') {
        Advance();
        if (char_class::Is(m_current, char_class::kBadAfterPower)) {
            RaiseError(kErrSyntax);
            return CxZero;
        }
        // The exponent is a factor with its own postfix operators: a^b^c is a^(b^c).
        ComplexNum exponent = Factor();
        if (m_errorFlag) {
            return CxZero;
        }
        m_math.mathFault = 0;
        value = m_math.CxPow(value, exponent);
        if (MathFaultRaised(value)) {
            return value;
        }
    }
    if (m_current == kSquareSign) {
        Advance();
        value = CxMul(value, value);
    }
    if (m_current == kRootSign) {
        Advance();
        m_math.mathFault = 0;
        value = m_math.CxSqrt(value);
        if (MathFaultRaised(value)) {
            return value;
        }
    }
    if (m_current == kCubeSign) {
        Advance();
        m_math.mathFault = 0;
        value = m_math.CxPowInt(value, 3);
        MathFaultRaised(value);
    }
    return value;
}

bool ComplexEvaluator::FollowerCheck() {
    if (!MayFollowOperand(m_current)) {
        RaiseError(kErrSyntax);
        return false;
    }
    return true;
}

bool ComplexEvaluator::MathFaultRaised(ComplexNum& result) {
    if (m_math.mathFault == 0) {
        return false;
    }
    result = CxZero;
    m_lastResult = CxZero;
    RaiseError(m_math.mathFault);
    return true;
}

ComplexNum ComplexEvaluator::NameRule() {
    const int nameStart = m_scanPos;
    do {
        Advance();
    } while (!EndsName(m_current));
    const int nameLength = PreviousEnd() - nameStart + 1;
    const std::string_view body(m_text.data() + nameStart - 1,
                                static_cast<std::size_t>(nameLength));
    const int code = LookupComplexName(body, m_current);
    if (code < 0) {
        RaiseErrorAt(kErrSyntax, nameStart, nameLength);
        return CxZero;
    }
    const FunctionEntry& entry = ComplexFunctionTable()[static_cast<std::size_t>(code)];
    if (entry.argumentCount == 0) {
        // Constants, "random" and the variable letters are written without parentheses.
        if (!FollowerCheck()) {
            return CxZero;
        }
        switch (code) {
            case kFnRandom: {
                const Real re = m_engine.Random().Uniform();
                const Real im = m_engine.Random().Uniform();
                return MakeRect(re, im);
            }
            case kFnPiSign:
            case kFnPi:
                return CxPi;
            case kFnE:
                return MakeRect(kE, 0);
            default:
                return RealVariable(body.front(), nameStart);
        }
    }
    if (code == kCxFnComp) {
        return Comp();
    }
    Advance();  // past the "(" that ended the name
    ComplexNum argument = Expression();
    if (m_errorFlag) {
        return CxZero;
    }
    ComplexNum result = CallFunction(code, argument);
    if (MathFaultRaised(result)) {
        return result;
    }
    Advance();  // past the closing ")"
    return result;
}

ComplexNum ComplexEvaluator::CallFunction(int code, const ComplexNum& z) {
    m_math.mathFault = 0;
    switch (code) {
        case kFnSin:
            return m_math.CxSin(z);
        case kFnArcSin:
            return m_math.CxArcSin(z);
        case kFnArcCos:
            return m_math.CxArcCos(z);
        case kFnArcTan:
            return m_math.CxArcTan(z);
        case kFnArcSinh:
            return m_math.CxArcSinh(z);
        case kFnArcCosh:
            return m_math.CxArcCosh(z);
        case kFnArcTanh:
            return m_math.CxArcTanh(z);
        case kFnSinh:
            return m_math.CxSinh(z);
        case kFnCosh:
            return m_math.CxCosh(z);
        case kFnTanh:
            return m_math.CxTanh(z);
        case kFnCos:
            return m_math.CxCos(z);
        case kFnTan:
            return m_math.CxTan(z);
        case kFnExp:
            return m_math.CxExp(z);
        case kFnSqrt:
            return m_math.CxSqrt(z);
        case kFnLn:
            return m_math.CxLn(z);
        case kCxFnLnGamma:
            return m_math.CxLnGamma(z);
        case kFnAbs: {
            const std::uint8_t form =
                static_cast<std::uint8_t>(m_engine.State().display.complexForm);
            return ComplexNum{form, CxModulus(z), 0};
        }
        case kFnSqr:
            return m_math.CxPowInt(z, 2);
        default:
            return z;  // unreachable: the table holds no other live name with arguments
    }
}

ComplexNum ComplexEvaluator::Comp() {
    // The scanner stands on the "(" of "comp(". Two real arguments follow, the first
    // ended by ",", the second by ")".
    Real parts[2] = {0, 0};
    int start = m_scanPos + 1;
    for (int k = 0; k < 2; ++k) {
        std::string argument;
        const int end = ArgumentEnd(m_text, start, argument);
        if (end > Length()) {
            RaiseErrorAt(kErrMissingClosing, Length(), 1);
            return CxZero;
        }
        if (argument.empty()) {
            RaiseErrorAt(kErrMissingArgument, end, 1);
            return CxZero;
        }
        if (!EvaluateArgument(argument, start, parts[k])) {
            return CxZero;
        }
        const char closer = CharAt(end);
        if (k == 0 && closer != ',') {
            RaiseErrorAt(kErrCommaExpected, end, 1);
            return CxZero;
        }
        if (k == 1 && closer != ')') {
            RaiseErrorAt(kErrSyntax, end, 1);
            return CxZero;
        }
        start = end + 1;
        m_scanPos = end;
    }
    Advance();  // past the closing ")"
    if (m_engine.State().display.complexForm == kPolar) {
        return NormalizePolar(MakePolar(parts[0], parts[1]));
    }
    return MakeRect(parts[0], parts[1]);
}

bool ComplexEvaluator::EvaluateArgument(const std::string& argument, int start, Real& value) {
    EngineState& state = m_engine.State();
    state.argDepth = 0;
    Engine::Report report;
    value = m_engine.EvaluateReport(argument, report);
    if (report.errorFlag) {
        // The real engine counts from the argument's first character.
        RaiseErrorAt(state.errorCode, start - 1 + std::max(report.errorPos, 1),
                     std::max(report.errorLength, 1));
        state.errorFlag = false;
        return false;
    }
    return true;
}

ComplexNum ComplexEvaluator::RealVariable(char letter, int nameStart) {
    // The real engine reads the variable, with its value prompt for an undefined one.
    EngineState& state = m_engine.State();
    state.argDepth = 0;
    Engine::Report report;
    const Real value = m_engine.EvaluateReport(std::string(1, letter), report);
    if (report.errorFlag) {
        RaiseErrorAt(state.errorCode, nameStart - 1 + std::max(report.errorPos, 1),
                     std::max(report.errorLength, 1));
        state.errorFlag = false;
        return CxZero;
    }
    return MakeRect(value, 0);
}

}  // namespace kalvo
