// Variables, assignments, named constants, the loop construct and the value prompt.
#include "engine/engine.h"
#include "engine/error_codes.h"
#include "engine/float_fault.h"
#include "engine/function_table.h"

namespace kalvo {

namespace {

/// Scanner fields that a nested evaluation (the value prompt, the variables panel)
/// overwrites and that the interrupted evaluation needs back.
struct ScannerPlace {
    std::string text;
    int scanPos;
    int subexprStart;
    int argDepth;

    explicit ScannerPlace(const EngineState& s)
        : text(s.text), scanPos(s.scanPos), subexprStart(s.subexprStart), argDepth(s.argDepth) {}
    void Restore(EngineState& s) const {
        s.text = text;
        s.scanPos = scanPos;
        s.subexprStart = subexprStart;
        s.argDepth = argDepth;
    }
};

}  // namespace

/// Marks a slot as being calculated while its definition is evaluated, also when a
/// floating-point fault unwinds the evaluation.
class Engine::CalculatingScope {
  public:
    CalculatingScope(Engine& engine, int slot) : m_engine(engine), m_slot(slot) {
        bool& mark = m_engine.m_calculating[static_cast<std::size_t>(slot)];
        m_marked = !mark;
        if (m_marked) {
            mark = true;
            ++m_engine.m_calculatingCount;
        }
    }
    ~CalculatingScope() {
        if (m_marked) {
            m_engine.m_calculating[static_cast<std::size_t>(m_slot)] = false;
            --m_engine.m_calculatingCount;
        }
    }
    CalculatingScope(const CalculatingScope&) = delete;
    CalculatingScope& operator=(const CalculatingScope&) = delete;

  private:
    Engine& m_engine;
    int m_slot;
    bool m_marked;
};

bool Engine::PromptVariable(int slot) {
    m_state.errorFlag = false;
    ScannerPlace place(m_state);
    bool confirmed = false;
    {
        // What the user types may name the variable itself; that is a cycle the prompt
        // reports on its own, so none is left over for the interrupted evaluation.
        CalculatingScope calculating(*this, slot);
        confirmed = m_host->ShowValuePrompt(slot);
    }
    m_variableCycle = false;
    if (confirmed) {
        // The prompt evaluated the typed text; what it left in the text is the definition.
        m_state.VarText(slot) = m_state.text;
        place.Restore(m_state);
        m_state.errorFlag = false;
        return true;
    }
    m_state.errorCode = kErrUserBreak;
    m_state.errorFlag = true;
    place.Restore(m_state);
    return false;
}

bool Engine::PromptAndKeepPlace(int slot) {
    char current = m_state.currentChar;
    bool confirmed = PromptVariable(slot);
    m_state.currentChar = current;
    return confirmed;
}

void Engine::EvaluateVariableEditAndKeepPlace(int slot) {
    ScannerPlace place(m_state);
    char current = m_state.currentChar;
    {
        CalculatingScope calculating(*this, slot);
        m_host->EvaluateVariableEdit(slot);
    }
    place.Restore(m_state);
    m_state.currentChar = current;
    m_state.errorFlag = false;
}

Real Engine::ReadVariable(int slot, int sign, int nameStart) {
    // The scanner stands on the character after the letter. The prompt and the variables
    // panel evaluate with the same scanner, and both put its place back afterwards.
    if (m_state.Var(slot) == kUndefinedValue) {
        if (m_state.VarText(slot).empty()) {
            if (!PromptAndKeepPlace(slot)) {
                // A cancelled prompt ends the evaluation with the variable marked.
                RaiseError(kErrUserBreak);
                m_state.errorPos = nameStart;
                m_state.errorLength = 1;
                return 0;
            }
        } else {
            if (m_calculating[static_cast<std::size_t>(slot)]) {
                // The definition being evaluated reads its own variable again.
                m_variableCycle = true;
                return VariableCycle(nameStart);
            }
            // Definitions that fail are evaluated again at every read; nested ones
            // multiply, so each gives the user a chance to stop.
            if (Poll()) {
                return 0;
            }
            EvaluateVariableEditAndKeepPlace(slot);
            if (m_variableCycle) {
                // Every read on the way out fails; the outermost one ends the cycle.
                m_variableCycle = m_calculatingCount > 0;
                return VariableCycle(nameStart);
            }
        }
    }
    Real result = sign * m_state.Var(slot);
    m_state.usedValues.push_back(result);
    return OperandCheck() ? result : 0;
}

Real Engine::VariableCycle(int nameStart) {
    RaiseError(kErrUndefined);
    m_state.errorPos = nameStart;
    m_state.errorLength = 1;
    return 0;
}

Real Engine::AssignVariable(int slot, int nameStart) {
    if (CharAt(nameStart - 1) != '(') {
        RaiseError(kErrMissingOpening);
        return 0;
    }
    Advance();
    const int exprStart = m_state.scanPos;
    Real value = Expression();
    if (m_state.errorFlag) {
        return 0;
    }
    // The slot takes the value only once the whole expression is known, so that the
    // expression can use the slot's old value: (X=2*X) doubles X.
    m_state.Var(slot) = value;
    if (m_state.currentChar != ')') {
        RaiseError(kErrInterval);
    } else {
        m_state.VarText(slot) =
            m_state.text.substr(static_cast<std::size_t>(exprStart - 1),
                                static_cast<std::size_t>(m_state.scanPos - exprStart));
    }
    m_state.usedValues.push_back(value);
    return value;
}

int Engine::DefineConstant(std::string name, int nameStart, NamedConstant*& constant) {
    Advance();
    Real value = Expression();
    if (m_state.errorFlag) {
        return -1;
    }
    // The definition is stored even when no ")" follows; that case is still an error.
    bool created = false;
    NamedConstant& record = m_state.constants.Store(name, value, &created);
    m_host->ConstantStored(record, created, true);
    if (m_state.currentChar != ')') {
        RaiseError(kErrSyntax);
        m_state.errorLength = m_state.errorPos - nameStart;
        m_state.errorPos = nameStart;
        return -1;
    }
    constant = &record;
    m_state.usedNames.Add(record.name);
    return record.identifier;
}

Real Engine::RunLoop(int keywordStart) {
    constexpr int kLoopSlots[] = {kSlotJ, kSlotK, kSlotM};
    for (bool undefined = true; undefined;) {
        undefined = false;
        for (int slot : kLoopSlots) {
            if (m_state.Var(slot) != kUndefinedValue) {
                continue;
            }
            if (!PromptAndKeepPlace(slot)) {
                RaiseError(kErrUserBreak);
                m_state.errorPos = keywordStart;
                m_state.errorLength = 1;
                return 0;
            }
            undefined = undefined || m_state.Var(slot) == kUndefinedValue;
        }
    }
    Advance();
    const Real savedJ = m_state.Var(kSlotJ);
    const int bodyPos = m_state.scanPos;
    const char bodyChar = m_state.currentChar;
    Real result = 0;
    do {
        m_state.scanPos = bodyPos;
        m_state.currentChar = bodyChar;
        m_state.subexprStart = bodyPos;
        result = Expression();
        if (m_state.errorFlag) {
            return 0;  // J keeps the value of the failing pass
        }
        m_state.lastAnswer = result;
        m_host->PumpMessages();
        if (CheckBreak()) {
            return 0;
        }
        m_state.Var(kSlotJ) = Checked(m_state.Var(kSlotJ) + m_state.Var(kSlotM));
    } while (!(m_state.Var(kSlotJ) > m_state.Var(kSlotK)));
    m_state.Var(kSlotJ) = savedJ;
    Advance();  // past the body's closing parenthesis
    return result;
}

}  // namespace kalvo
