// Names in expressions: built-in functions and constants, variables, user functions and
// named constants.
#include <cstring>

#include "engine/char_classes.h"
#include "engine/engine.h"
#include "engine/error_codes.h"
#include "engine/float_fault.h"
#include "engine/function_table.h"
#include "engine/user_functions.h"

namespace kalvo {

namespace {

constexpr std::string_view kLoopKeyword = "forJtoKstepMdo(";

bool IsListFunction(int id) {
    return id == kFnMean || id == kFnStd || id == kFnSum || id == kFnPoly || id == kFnStat;
}

/// Puts a variable back when it goes out of scope, also when a floating-point fault
/// unwinds the evaluation.
class RestoreOnExit {
  public:
    explicit RestoreOnExit(Real& variable) : m_variable(variable), m_saved(variable) {}
    ~RestoreOnExit() { m_variable = m_saved; }
    RestoreOnExit(const RestoreOnExit&) = delete;
    RestoreOnExit& operator=(const RestoreOnExit&) = delete;

  private:
    Real& m_variable;
    Real m_saved;
};

}  // namespace

int Engine::NameLookup(int nameStart, NamedConstant*& constant) {
    // The name runs from its first character up to the next name terminator (or the end).
    const int size = static_cast<int>(m_state.text.size());
    int pos = m_state.scanPos + 1;
    while (pos <= size && !IsNameTerminator(m_state.text[static_cast<std::size_t>(pos - 1)])) {
        ++pos;
    }
    if (pos <= size) {
        m_state.scanPos = pos;
        m_state.currentChar = m_state.text[static_cast<std::size_t>(pos - 1)];
    } else {
        m_state.scanPos = size;
        m_state.currentChar = kEndMarker;
    }

    const std::string& text = m_state.text;
    const char terminator = m_state.currentChar;
    const auto start = static_cast<std::size_t>(nameStart - 1);
    // The name without its terminator; at the end of the text the terminator is the end marker.
    std::string_view body = terminator == kEndMarker
                                ? std::string_view(text).substr(start)
                                : std::string_view(text).substr(
                                      start, static_cast<std::size_t>(m_state.scanPos - nameStart));
    std::string_view whole = terminator == kEndMarker
                                 ? std::string_view()
                                 : std::string_view(text).substr(start, body.size() + 1);

    if (body.size() == 1) {
        // Single letters are the variables; no other built-in name is one character long
        // except the pi sign.
        if (const char* at = std::strchr("xyzvwijkmnXYZVWIJKMN", body[0]); at && body[0] != '\0') {
            return kFnFirstLowerVariable + static_cast<int>(at - "xyzvwijkmnXYZVWIJKMN");
        }
    }
    if (whole == kLoopKeyword) {
        return kIdLoop;
    }
    if (int id = LookupBuiltin(body, terminator); id >= 0) {
        return id;
    }
    if (terminator == '(' && Functions().Call(*this, std::string(whole))) {
        return kIdUserFunction;
    }
    if (m_state.errorFlag) {
        return -1;
    }
    if (terminator == '=') {
        return DefineConstant(std::string(body), nameStart, constant);
    }
    if (NamedConstant* found = m_state.constants.FindForRead(body)) {
        constant = found;
        m_state.usedNames.Add(body);
        return found->identifier;
    }
    // A name that runs to the end of the text is marked up to its last character.
    int reached = m_state.scanPos + (terminator == kEndMarker ? 1 : 0);
    RaiseError(kErrSyntax);
    m_state.errorPos = nameStart;
    m_state.errorLength = reached - nameStart;
    return -1;
}

Real Engine::NameRule(int sign, bool& postfix) {
    const int nameStart = m_state.scanPos;
    NamedConstant* constant = nullptr;
    const int id = NameLookup(nameStart, constant);
    if (m_state.errorFlag) {
        return 0;
    }
    // The sign of a factor (only possible after "^", as in «2^-f(1)») applies to every
    // kind of operand, so that 2^-c is the reciprocal of 2^c.
    if (id == kIdUserFunction) {
        return sign * Functions().PopValue();
    }
    if (id >= kIdFirstConstant) {
        Real value = constant->value;
        m_state.usedValues.push_back(value);
        return OperandCheck() ? sign * value : 0;
    }
    if (id == kIdLoop) {
        Real value = sign * RunLoop(nameStart);
        if (m_state.errorFlag) {
            return 0;
        }
        return OperandCheck() ? value : 0;
    }
    if (id >= kFnFirstLowerVariable && id <= kFnLastVariable) {
        const int slot = (id - kFnFirstLowerVariable) % 10 + 1;
        m_state.usedNames.AddLetter(EngineState::Letter(slot));
        if (m_state.currentChar == '=') {
            return AssignVariable(slot, nameStart);
        }
        return ReadVariable(slot, sign, nameStart);
    }
    if (IsListFunction(id)) {
        Real value = sign * ListFunction(id);
        if (m_state.errorFlag) {
            return 0;
        }
        Advance();
        return OperandCheck() ? value : 0;
    }
    if (RealFunctionTable()[static_cast<std::size_t>(id)].argumentCount > 0) {
        return CallBuiltinWithArguments(id, nameStart, sign, postfix);
    }
    Real value = sign * CallFunction(id, 0, kUndefinedValue);
    if (m_state.errorFlag) {
        return 0;
    }
    return OperandCheck() ? value : 0;
}

Real Engine::CallBuiltinWithArguments(int id, int nameStart, int sign, bool& postfix) {
    const int argumentCount = RealFunctionTable()[static_cast<std::size_t>(id)].argumentCount;
    ++m_state.argDepth;
    Advance();  // past the "(" that ended the name

    Real result = 0;
    if (id == kFnSolve) {
        // The operators set X while they work; it is put back however they end (a bound
        // or an evaluation that fails, a break, a floating-point fault).
        RestoreOnExit restoreX(m_state.Var(kSlotX));
        result = Solve();
        if (m_state.errorFlag) {
            return 0;
        }
        Advance();
        // The operator's own argument handling leaves the depth as it found it.
        --m_state.argDepth;
        postfix = false;
        return sign * result;
    }
    Real first = 0;
    if (id == kFnIntegral) {
        RestoreOnExit restoreX(m_state.Var(kSlotX));
        result = Integral();
    } else if (id == kFnMin || id == kFnMax) {
        RestoreOnExit restoreX(m_state.Var(kSlotX));
        result = ExtremumSearch(id == kFnMax, false);
    } else {
        first = Expression();
    }
    if (m_state.errorFlag) {
        return 0;
    }
    Real second = kUndefinedValue;
    if (m_state.currentChar == ',') {
        if (argumentCount != 2) {
            RaiseError(kErrSyntax);
            return 0;
        }
        Advance();
        second = Expression();
        if (m_state.currentChar == ',') {
            RaiseError(kErrSyntax);
        }
        if (m_state.errorFlag) {
            return 0;
        }
    }
    if (id != kFnIntegral && id != kFnMin && id != kFnMax) {
        result = sign * CallFunction(id, first, second);
        if (m_state.errorFlag) {
            // Mark the whole call up to the point where the error was noticed.
            m_state.errorLength = m_state.errorPos - nameStart + 1;
            m_state.errorPos = nameStart;
            return 0;
        }
    } else {
        result = sign * result;
    }
    Advance();  // past the closing character, whatever it is
    --m_state.argDepth;
    return OperandCheck() ? result : 0;
}

}  // namespace kalvo
