#include "engine/engine.h"

#include "display/format_real.h"
#include "engine/char_classes.h"
#include "engine/error_codes.h"
#include "engine/user_functions.h"

namespace kalvo {

Engine::Engine(EngineHost& host) : m_host(&host), m_functions(std::make_unique<UserFunctions>()) {}

Engine::~Engine() = default;

Real Engine::Evaluate(const std::string& text) {
    m_state.text = text;
    if (text.empty()) {
        return 0;
    }
    if (m_state.digitSet != m_digitTableSource) {
        m_digitTableSource = m_state.digitSet;
        m_digitTable.fill(false);
        for (char c : m_state.digitSet) {
            m_digitTable[static_cast<unsigned char>(c)] = true;
        }
        for (int c = 0; c < 256; ++c) {
            const char ch = static_cast<char>(c);
            m_operandStart[static_cast<std::size_t>(c)] = ch == '(' || ch == '?' || ch == kPiSign ||
                                                          IsAsciiLetter(ch) || IsAdditive(ch) ||
                                                          m_digitTable[static_cast<std::size_t>(c)];
        }
    }
    if (m_calculatingCount == 0) {
        m_variableCycle = false;  // nothing left over from an evaluation that was abandoned
    }
    m_state.subexprStart = 1;
    m_state.scanPos = 0;
    m_state.errorFlag = false;
    m_state.errorPos = 0;
    m_state.currentChar = NextChar();
    if (RejectEndMarker()) {
        return 0;
    }
    const int nesting = m_nesting;
    Real value = 0;
    try {
        value = Expression();
    } catch (...) {
        m_nesting = nesting;
        throw;
    }
    // Text that no rule consumed is an error, not something to ignore: «2*3,9» is not 6.
    // (A leftover ")" is let through; the parenthesis check before evaluating rejects it.)
    if (!m_state.errorFlag && m_state.currentChar != kEndMarker && m_state.currentChar != ')') {
        RaiseError(kErrSyntax);
    }
    return value;
}

Real Engine::EvaluateReport(const std::string& text, Report& report) {
    if (text.empty()) {
        m_state.text = text;
        return 0;
    }
    Real value = Evaluate(text);
    report.errorFlag = m_state.errorFlag;
    report.errorPos = m_state.errorPos;
    report.errorLength = m_state.errorLength;
    return value;
}

void Engine::RaiseError(int code) {
    m_state.errorPos = m_state.scanPos;
    m_state.errorFlag = true;
    m_state.errorLength = 1;
    // Consuming the rest of the text makes every level of the recursion see the end marker.
    m_state.scanPos = std::max(m_state.scanPos, static_cast<int>(m_state.text.size()));
    m_state.currentChar = kEndMarker;
    m_state.errorCode = code;
    m_state.argDepth = 0;
}

bool Engine::RejectEndMarker() {
    const std::size_t at = m_state.text.find(kEndMarker);
    if (at == std::string::npos) [[likely]] {
        return false;
    }
    m_state.scanPos = static_cast<int>(at) + 1;
    RaiseError(kErrSyntax);
    return true;
}

void Engine::ResetAnswer(Real& result) {
    m_state.lastAnswer = 0;
    result = 0;
    m_state.errorFlag = true;
}

std::string Engine::ErrorText(int code) const {
    if (code == kErrUserFunction) {
        return UserFunctionErrorText(m_state.userFuncErrorCode, m_state.userFuncErrorPos);
    }
    return ErrorMessage(code);
}

std::string Engine::FormatValue(int width, Real value) {
    if (m_state.display.base == kDec && m_state.display.notation == kSxg && m_state.errorFlag) {
        return "0:0:0";
    }
    FormatFault fault = FormatFault::kNone;
    std::string text = FormatReal(m_state.display, width, value, &fault);
    if (fault != FormatFault::kNone) {
        m_state.errorFlag = true;
        m_state.errorCode = fault == FormatFault::kOverflow ? kErrOverflow : kErrChangeNotation;
        m_state.errorPos = static_cast<int>(m_state.text.size()) + 1;
        m_state.errorLength = 1;
        if (fault == FormatFault::kChangeNotation) {
            m_state.lastAnswer = 0;
        }
    }
    return text;
}

std::string Engine::UsedValueText(std::size_t index) const {
    // The list is read after the evaluation; a value that the current base cannot show
    // reads as the formatter's fallback text without disturbing the engine state.
    return FormatReal(m_state.display, m_state.listDigits, m_state.usedValues.at(index));
}

bool Engine::CheckBreak() {
    if (!m_state.breakRequested) {
        return false;
    }
    if (m_host->ConfirmBreak()) {
        RaiseError(kErrUserBreak);
        return true;
    }
    return false;
}

}  // namespace kalvo
